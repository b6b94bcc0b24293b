// The certificate window on the real widgets, offscreen: the grade and the
// print button, the drawing on the picture, printing, the keyboard and the
// end of the session.
#include "serieprova.h"
#include "support/ambienteprova.h"

#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "printing/frmattestato.h"
#include "printing/immagineattestato.h"

#include <QDir>
#include <QLabel>
#include <QtTest>

class TstFrmAttestato final : public QObject
{
    Q_OBJECT

private:
    static FrmAttestato *apri() { return serieprova::apri<FrmAttestato>(nomi::FrmAttestato); }
    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void votoEPulsanteDiStampa_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<QString>("valutazione");
        QTest::addColumn<bool>("stampabile");

        QTest::newRow("20/17: DISTINTO, printed") << 20 << 17 << "DISTINTO" << true;
        QTest::newRow("9 all right: the notice, not printed") << 9 << 9 << "OTTIMO" << false;
        QTest::newRow("10/4: not graded, not printed") << 10 << 4 << "Non classificato" << false;
    }

    // The load grades the series and capitalises the name; a press on the print button prints the picture
    // only when it is allowed.
    void votoEPulsanteDiStampa()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, valutazione);
        QFETCH(bool, stampabile);
        serieprova::riempi(operazioni, esatte);
        modulo2().NomeAlunno = QStringLiteral("nicolò ROSSI");
        FrmAttestato *f = apri();
        QCOMPARE(modulo2().Valutazione, valutazione);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Nicolò rossi"));
        QCOMPARE(modulo2().NomeEseguibile, QStringLiteral("tst_frmattestato"));
        QCOMPARE(f->Option5.at(0)->isEnabled(), stampabile);
        QCOMPARE(f->Label1->text().isEmpty(), operazioni >= 10);
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(stampabile ? 1 : 0));
        f->EseguiScelta(0); // the action itself refuses too, whatever calls it
        QCOMPARE(m_ambiente->stampanti().size(), size_t(stampabile ? 2 : 0));
        if (stampabile) {
            const auto &chiamate = m_ambiente->stampanti().front()->chiamate();
            QCOMPARE(chiamate.at(1).dimensioneImmagine, f->Picture1->immagine().size());
            QVERIFY(m_ambiente->stampanti().front()->documentoFinito());
        }
    }

    // Drawn on the picture at its size, the red title centred; the drawing stays through a resize.
    void disegno()
    {
        serieprova::riempi(20, 18);
        FrmAttestato *f = apri();
        const QImage prima = f->Picture1->immagine();
        QCOMPARE(prima.size(), f->Picture1->size());
        QRect titolo; // the red pixels in the top fifth: "DIPLOMA DI MERITO"
        for (int y = 0; y < prima.height() / 5; ++y) {
            for (int x = 0; x < prima.width(); ++x) {
                const QRgb p = prima.pixel(x, y);
                if (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90)
                    titolo |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(titolo.isValid() && titolo.top() > 20);
        QVERIFY(qAbs(titolo.center().x() - prima.width() / 2.0) <= 2.0);
        f->showNormal();
        f->resize(f->width() - 120, f->height() - 80);
        QCoreApplication::processEvents();
        QVERIFY(f->Picture1->size() != prima.size());
        QCOMPARE(f->Picture1->immagine(), prima);
    }

    // From FINE SESSIONE, 2 focuses TORNA; there Enter goes back to the report.
    void tastiera()
    {
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        FrmAttestato *f = apri();
        f->Option5.at(2)->setFocus();
        QTest::keyClick(f->Option5.at(2), Qt::Key_2);
        QCOMPARE(QApplication::focusWidget(), f->Option5.at(1));
        QTest::keyClick(f->Option5.at(1), Qt::Key_Return);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmAttestato));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QCOMPARE(m_ambiente->fineProgramma(), 0);
    }

    // FINE SESSIONE writes the settings file and closes every window.
    void fineSessione()
    {
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::frmInizio);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        QTest::mouseClick(apri()->Option5.at(2), Qt::LeftButton);
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        QVERIFY(QFile::exists(QDir(m_ambiente->cartella()).filePath(modulo2().NomeProgramma + ".dat")));
    }
};

QTEST_MAIN(TstFrmAttestato)
#include "tst_frmattestato.moc"
