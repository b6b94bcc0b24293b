// The certificate window on the real widgets, offscreen: the grade and the
// print button, the drawing on the picture, printing, the keyboard and the
// end of the session.
#include "serieprova.h"
#include "support/ambienteprova.h"

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "printing/frmattestato.h"
#include "printing/immagineattestato.h"

#include <QDir>
#include <QTemporaryDir>
#include <QLabel>
#include <QtTest>

namespace {
const QString avviso = QStringLiteral("Per stampare un attestato \n\nè necessario eseguire \n\nalmeno 10 operazioni. ");

bool rossa(QRgb p)
{
    return qRed(p) > 180 && qGreen(p) < 90 && qBlue(p) < 90;
}

// The columns and rows holding red pixels of the top part of an image: the
// title "DIPLOMA DI MERITO" is the first red line.
QRect riquadroRossoInAlto(const QImage &immagine, int finoA)
{
    QRect r;
    for (int y = 0; y < std::min(finoA, immagine.height()); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            if (rossa(immagine.pixel(x, y)))
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
        QTest::addColumn<QString>("nota");

        const QString stampa = QStringLiteral("STAMPA L'ATTESTATO");
        const QString no = QStringLiteral("ATTESTATO NON STAMPABILE");
        QTest::newRow("10/5") << 10 << 5 << "SUFFICIENTE (!)" << stampa << true << QString();
        QTest::newRow("10/4") << 10 << 4 << "Non classificato" << no << false << QString();
        QTest::newRow("20/18") << 20 << 18 << "OTTIMO" << stampa << true << QString();
        QTest::newRow("20/17") << 20 << 17 << "DISTINTO" << stampa << true << QString();
        QTest::newRow("20/11") << 20 << 11 << "SUFFICIENTE (!)" << stampa << true << QString();
        QTest::newRow("9 all right") << 9 << 9 << "OTTIMO" << stampa << false << avviso;
        QTest::newRow("9 with 2 right") << 9 << 2 << "Non classificato" << no << false << avviso;
        QTest::newRow("0 operations") << 0 << 0 << "Non classificato" << no << false << avviso;
    }

    void votoEPulsanteDiStampa()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, valutazione);
        QFETCH(QString, didascalia);
        QFETCH(bool, abilitato);
        QFETCH(QString, nota);
        serieprova::riempi(operazioni, esatte);
        FrmAttestato *f = apri();
        QCOMPARE(modulo2().Valutazione, valutazione);
        QCOMPARE(f->Option5.at(0)->caption(), didascalia);
        QCOMPARE(f->Option5.at(0)->isEnabled(), abilitato);
        QCOMPARE(f->Label1->text(), nota);
        QCOMPARE(f->Option5.at(1)->caption(), QStringLiteral("TORNA ALLA FINESTRA PRECEDENTE"));
        QCOMPARE(f->Option5.at(2)->caption(), QStringLiteral("FINE SESSIONE"));

        // A press on the print button prints only when it is allowed.
        premi(f->Option5.at(0));
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), abilitato ? 1 : 0);
    }

    void paginaStampata()
    {
        serieprova::riempi(20, 17);
        FrmAttestato *f = apri();
        premi(f->Option5.at(0));
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), 1);
        const auto &chiamate = m_ambiente->stampanti().front()->chiamate();
        QCOMPARE(static_cast<int>(chiamate.size()), 3);
        using Tipo = StampanteRegistrata::Tipo;
        QCOMPARE(chiamate.at(0).tipo, Tipo::Testo);
        QCOMPARE(chiamate.at(0).testo, QString());
        QCOMPARE(chiamate.at(1).tipo, Tipo::Immagine);
        QCOMPARE(chiamate.at(1).x, 1000);
        QCOMPARE(chiamate.at(1).y, 100);
        QCOMPARE(chiamate.at(1).dimensioneImmagine, f->Picture1->immagine().size());
        QCOMPARE(chiamate.at(2).tipo, Tipo::Fine);
        QVERIFY(!f->Option5.at(0)->isDown());
    }

    void nomeMaiuscoloNelloStatoCondiviso()
    {
        serieprova::riempi(20, 20);
        modulo2().NomeAlunno = QStringLiteral("nicolò ROSSI");
        apri();
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Nicolò rossi"));
        QCOMPARE(modulo2().NomeEseguibile, QStringLiteral("tst_frmattestato"));
    }

    void disegnoCentratoSullImmagine()
    {
        serieprova::riempi(20, 18);
        FrmAttestato *f = apri();
        const QImage &immagine = f->Picture1->immagine();
        // The drawing is made after the window was shown: on the picture's resized size.
        QCOMPARE(immagine.size(), f->Picture1->size());
        QVERIFY(f->Picture1->width() != 250); // the design width, 3750 twips
        const QRect titolo = riquadroRossoInAlto(immagine, immagine.height() / 5);
        QVERIFY(titolo.isValid());
        const double centro = titolo.left() + titolo.width() / 2.0;
        QVERIFY2(qAbs(centro - immagine.width() / 2.0) <= 2.0,
                 qPrintable(QStringLiteral("%1 vs %2").arg(centro).arg(immagine.width() / 2.0)));
        // Below three empty lines of the small initial font, not at the very top.
        QVERIFY(titolo.top() > 20);
    }

    void ilDisegnoRestaDopoUnRidimensionamento()
    {
        serieprova::riempi(20, 18);
        FrmAttestato *f = apri();
        const QImage prima = f->Picture1->immagine();
        const QRect titolo = riquadroRossoInAlto(prima, prima.height() / 5);
        f->showNormal();
        f->resize(f->width() - 120, f->height() - 80);
        QCoreApplication::processEvents();
        f->showMaximized();
        QCoreApplication::processEvents();
        // The picture still shows the same drawing, kept at its top-left corner.
        QCOMPARE(f->Picture1->immagine(), prima);
        const QImage schermo = f->Picture1->grab().toImage();
        QCOMPARE(riquadroRossoInAlto(schermo, prima.height() / 5), titolo);
    }

    void tastiera_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("tastierino");
        QTest::addColumn<int>("fuoco");

        QTest::newRow("2 focuses TORNA") << int(Qt::Key_2) << false << 1;
        QTest::newRow("keypad 2 focuses TORNA") << int(Qt::Key_2) << true << 1;
        QTest::newRow("keypad 1 focuses STAMPA") << int(Qt::Key_1) << true << 0;
        QTest::newRow("3 focuses FINE SESSIONE") << int(Qt::Key_3) << false << 2;
        QTest::newRow("keypad 0 does nothing here") << int(Qt::Key_0) << true << 2;
        QTest::newRow("4 does nothing") << int(Qt::Key_4) << false << 2;
        QTest::newRow("an arrow does nothing") << int(Qt::Key_Up) << false << 2;
    }

    void tastiera()
    {
        QFETCH(int, tasto);
        QFETCH(bool, tastierino);
        QFETCH(int, fuoco);
        serieprova::riempi(20, 20);
        FrmAttestato *f = apri();
        f->Option5.at(2)->setFocus();
        QTest::keyClick(f->Option5.at(2), static_cast<Qt::Key>(tasto),
                        tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), f->Option5.at(fuoco));
        QVERIFY(m_ambiente->stampanti().empty());
        QCOMPARE(m_ambiente->fineProgramma(), 0);
        QVERIFY(Finestre::istanza().caricata(nomi::FrmAttestato));
    }

    void dueEInvioTornaAlResoconto()
    {
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        FrmAttestato *f = apri();
        QTest::keyClick(f->Option5.at(0), Qt::Key_2);
        QCOMPARE(QApplication::focusWidget(), f->Option5.at(1));
        QTest::keyClick(f->Option5.at(1), Qt::Key_Return);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmAttestato));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QCOMPARE(m_ambiente->fineProgramma(), 0);
    }

    void qualunquePulsanteDelMouseAgisce_data()
    {
        QTest::addColumn<int>("pulsante");
        QTest::newRow("right button") << int(Qt::RightButton);
        QTest::newRow("middle button") << int(Qt::MiddleButton);
    }

    void qualunquePulsanteDelMouseAgisce()
    {
        QFETCH(int, pulsante);
        serieprova::riempi(20, 20);
        FrmAttestato *f = apri();
        QTest::mousePress(f->Option5.at(0), static_cast<Qt::MouseButton>(pulsante));
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), 1);
        QTest::mousePress(f->Option5.at(1), static_cast<Qt::MouseButton>(pulsante));
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmAttestato));
    }

    void barraTenutaSpostaUnaVolta()
    {
        serieprova::riempi(20, 20);
        FrmAttestato *f = apri();
        f->Option5.at(0)->setFocus();
        QTest::keyPress(f->Option5.at(0), Qt::Key_Space);
        for (int i = 0; i < 3; ++i) {
            QWidget *conFuoco = QApplication::focusWidget();
            QKeyEvent rilascio(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(conFuoco, &rilascio);
            QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(conFuoco, &ripetuto);
        }
        QCOMPARE(QApplication::focusWidget(), f->Option5.at(1));
        QTest::keyRelease(f->Option5.at(1), Qt::Key_Space);
        QTest::keyClick(f->Option5.at(1), Qt::Key_Space);
        QTest::keyClick(f->Option5.at(2), Qt::Key_Space); // wraps to the first
        QCOMPARE(QApplication::focusWidget(), f->Option5.at(0));
    }

    void fineSessioneChiudeTutto()
    {
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::frmInizio);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        FrmAttestato *f = apri();
        premi(f->Option5.at(2));
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        // The start window wrote the settings file as it went.
        QVERIFY(QFile::exists(QDir(m_ambiente->cartella()).filePath(modulo2().NomeProgramma + ".dat")));
    }

private:
    FrmAttestato *apri()
    {
        auto *f = qobject_cast<FrmAttestato *>(Finestre::istanza().mostra(nomi::FrmAttestato));
        if (f) {
            f->activateWindow();
            if (!QTest::qWaitForWindowActive(f))
                QTest::qFail("the window never became active", __FILE__, __LINE__);
        }
        return f;
    }
    static void premi(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }

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
