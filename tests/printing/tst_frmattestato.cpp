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
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The box of the red pixels in the top fifth of an image: the title "DIPLOMA DI MERITO".
QRect titoloRosso(const QImage &immagine)
{
    QRect r;
    for (int y = 0; y < immagine.height() / 5; ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            const QRgb p = immagine.pixel(x, y);
            if (qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90)
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}
} // namespace

class TstFrmAttestato final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void votoEPulsanteDiStampa_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<QString>("valutazione");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<bool>("abilitato");
        QTest::addColumn<bool>("avviso");

        QTest::newRow("20/17") << 20 << 17 << "DISTINTO" << "STAMPA L'ATTESTATO" << true << false;
        QTest::newRow("9 with 2 right") << 9 << 2 << "Non classificato" << "ATTESTATO NON STAMPABILE" << false << true;
    }

    void votoEPulsanteDiStampa()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, valutazione);
        QFETCH(QString, didascalia);
        QFETCH(bool, abilitato);
        QFETCH(bool, avviso);
        serieprova::riempi(operazioni, esatte);
        modulo2().NomeAlunno = QStringLiteral("nicolò ROSSI");
        FrmAttestato *f = apri();
        QCOMPARE(modulo2().Valutazione, valutazione);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Nicolò rossi"));
        QCOMPARE(modulo2().NomeEseguibile, QStringLiteral("tst_frmattestato"));
        QCOMPARE(f->Option5.at(0)->caption(), didascalia);
        QCOMPARE(f->Option5.at(0)->isEnabled(), abilitato);
        QCOMPARE(f->Label1->text().isEmpty(), !avviso);
        // A press on the print button prints only when it is allowed: the picture at 1000, 100 twips.
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(abilitato ? 1 : 0));
        if (!abilitato)
            return;
        const auto &chiamate = m_ambiente->stampanti().front()->chiamate();
        QCOMPARE(chiamate.size(), size_t(3));
        QCOMPARE(chiamate.at(0).testo, QString());
        QCOMPARE(chiamate.at(1).tipo, StampanteRegistrata::Tipo::Immagine);
        QCOMPARE(QPoint(chiamate.at(1).x, chiamate.at(1).y), QPoint(1000, 100));
        QCOMPARE(chiamate.at(1).dimensioneImmagine, f->Picture1->immagine().size());
        QCOMPARE(chiamate.at(2).tipo, StampanteRegistrata::Tipo::Fine);
    }

    // Drawn on the picture's rescaled size, the title centred; the drawing stays through a resize.
    void disegnoCentrato()
    {
        serieprova::riempi(20, 18);
        FrmAttestato *f = apri();
        const QImage prima = f->Picture1->immagine();
        QCOMPARE(prima.size(), f->Picture1->size());
        QVERIFY(f->Picture1->width() != 250); // not the design width
        const QRect titolo = titoloRosso(prima);
        QVERIFY(titolo.isValid());
        QVERIFY(qAbs(titolo.center().x() - prima.width() / 2.0) <= 2.0);
        QVERIFY(titolo.top() > 20); // below three empty lines
        f->showNormal();
        f->resize(f->width() - 120, f->height() - 80);
        QCoreApplication::processEvents();
        f->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(f->Picture1->immagine(), prima);
        QCOMPARE(titoloRosso(f->Picture1->grab().toImage()), titolo);
    }

    void tastiera_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("tastierino");
        QTest::addColumn<int>("fuoco");

        QTest::newRow("2 focuses TORNA") << int(Qt::Key_2) << false << 1;
        QTest::newRow("keypad 2 focuses TORNA") << int(Qt::Key_2) << true << 1;
        QTest::newRow("keypad 0 does nothing here") << int(Qt::Key_0) << true << 2;
    }

    // From FINE SESSIONE; on TORNA, Enter goes back to the report.
    void tastiera()
    {
        QFETCH(int, tasto);
        QFETCH(bool, tastierino);
        QFETCH(int, fuoco);
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        FrmAttestato *f = apri();
        f->Option5.at(2)->setFocus();
        QTest::keyClick(f->Option5.at(2), Qt::Key(tasto), tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), f->Option5.at(fuoco));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmAttestato));
        if (fuoco != 1)
            return;
        QTest::keyClick(f->Option5.at(1), Qt::Key_Return);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmAttestato));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QCOMPARE(m_ambiente->fineProgramma(), 0);
    }

    void fineSessioneChiudeTutto()
    {
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::frmInizio);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        QTest::mouseClick(apri()->Option5.at(2), Qt::LeftButton);
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        // The settings file is written.
        QVERIFY(QFile::exists(QDir(m_ambiente->cartella()).filePath(modulo2().NomeProgramma + ".dat")));
    }

private:
    static FrmAttestato *apri() { return serieprova::apri<FrmAttestato>(nomi::FrmAttestato); }

    std::unique_ptr<AmbienteProva> m_ambiente;
};

// Offscreen, the screen is given a size other than the window's design size,
// so that a maximised window really rescales its picture.
int main(int argc, char *argv[])
{
    QTemporaryDir cartella;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && cartella.isValid()) {
        const QString file = cartella.filePath(QStringLiteral("schermo.json"));
        QFile schermo(file);
        if (schermo.open(QIODevice::WriteOnly)) {
            schermo.write(R"({ "synchronousWindowSystemEvents": false, "windowFrameMargins": false, "screens": [ )"
                          R"({ "name": "S", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, )"
                          R"("logicalBaseDpi": 96, "dpr": 1 } ] })");
            schermo.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file));
        }
    }
    QApplication app(argc, argv);
    TstFrmAttestato prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}
#include "tst_frmattestato.moc"
