// The certificate window on the real widgets, offscreen: the grade and the
// print button, printing and the end of the session.
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
