// The report window and the certificate window it opens, on the real widgets
// offscreen: the buttons by mouse and keyboard, the name panel, the grade, the
// picture and what reaches the recording printer.
#include "serieprova.h"
#include "support/ambienteprova.h"

#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/immagineattestato.h"
#include "printing/pannellonome.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TstFrmStampaEsercizio final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteProva> m_ambiente;

    // A key held down on the focused control: the press, an auto-repeat (a
    // release and a press marked as repeats), then the release.
    static void tieni(Qt::Key tasto, Qt::KeyboardModifiers modo = Qt::NoModifier)
    {
        const QString testo(QTest::keyToAscii(tasto));
        QTest::keyPress(QApplication::focusWidget(), tasto, modo);
        QKeyEvent rilascio(QEvent::KeyRelease, tasto, modo, testo, true);
        QApplication::sendEvent(QApplication::focusWidget(), &rilascio);
        QKeyEvent ripetuto(QEvent::KeyPress, tasto, modo, testo, true);
        QApplication::sendEvent(QApplication::focusWidget(), &ripetuto);
        QTest::keyRelease(QApplication::focusWidget(), tasto, modo);
    }

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void pulsanti_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<QStringList>("font");
        QTest::addColumn<int>("pulsante");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<bool>("stampata");

        const QStringList courier{"Arial", "Courier New"};
        QTest::newRow("STAMPA, 9 operations: only the message")
            << 9 << courier << 2 << "Esegui almeno 10 operazioni. " << false;
        QTest::newRow("STAMPA, 10 operations: the page") << 10 << courier << 2 << "" << true;
        QTest::newRow("STAMPA without Courier: the message, nothing printed")
            << 20 << QStringList{"Arial", "Times New Roman"} << 2
            << "Devi installare il font Courier o il font Courier New" << false;
        QTest::newRow("E S C I: the window goes, the exercise times are cleared") << 35 << courier << 0 << "" << false;
        QTest::newRow("ATTESTATO: the certificate opens") << 35 << courier << 3 << "" << false;
    }

    // The first 30 log lines in three columns going down (1-10, 11-20, 21-30), then a press on one button.
    void pulsanti()
    {
        QFETCH(int, operazioni);
        QFETCH(QStringList, font);
        QFETCH(int, pulsante);
        QFETCH(QString, messaggio);
        QFETCH(bool, stampata);
        serieprova::riempi(operazioni, operazioni);
        m_ambiente->impostaFontStampante(font);
        auto *f = serieprova::apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio);
        for (int i = 0; i < std::min(operazioni, 30); ++i)
            QCOMPARE(f->LblOp.at(i)->text(), serieprova::rigaLog(i + 1));
        QCOMPARE(f->LblOp.at(10)->y(), f->LblOp.at(0)->y());
        QTest::mouseClick(f->Option1.at(pulsante), Qt::LeftButton);
        QCOMPARE(m_ambiente->messaggi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        const auto &stampanti = m_ambiente->stampanti();
        QCOMPARE(!stampanti.empty() && stampanti.front()->documentoFinito(), stampata);
        QVERIFY(!stampata || stampanti.front()->testi().contains(serieprova::rigaLog(operazioni)));
        QCOMPARE(Finestre::istanza().caricata(nomi::FrmStampaEsercizio), pulsante != 0);
        QCOMPARE(Finestre::istanza().caricata(nomi::FrmAttestato), pulsante == 3);
        QCOMPARE(modulo2().TempiEsercizi.valore(1), pulsante == 0 ? QString() : QStringLiteral(" 57"));
    }

    // Pasted, the name stops at 15 characters and a sixteenth typed is refused;
    // it is taken as it is at AVANTI, then Enter prints it.
    void pannelloDelNome()
    {
        serieprova::riempi(12, 12);
        modulo2().NomeAlunno = QStringLiteral("prima");
        auto *f = serieprova::apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio);
        QTest::mouseClick(f->Option1.at(1), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f->fraNome->txtNome);
        QGuiApplication::clipboard()->setText(QStringLiteral(" nicolò ROSSI  xyz"));
        f->fraNome->txtNome->paste();
        QTest::keyClick(f->fraNome->txtNome, Qt::Key_K);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("prima"));
        QTest::mouseClick(f->fraNome->cmdAvanti, Qt::LeftButton);
        QVERIFY(f->fraNome->isHidden());
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral(" nicolò ROSSI  "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
        QCOMPARE(m_ambiente->stampanti().front()->testi().first(),
                 QStringLiteral("Nome  nicolò ROSSI      Data di stampa 05/12/2026"));
    }

    void tastiera_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("tastierino");
        QTest::addColumn<QString>("fuoco");

        const QString resoconto = nomi::FrmStampaEsercizio;
        QTest::newRow("report: 3 focuses STAMPA") << resoconto << int(Qt::Key_3) << false << "Option1_2";
        QTest::newRow("report: keypad 2 focuses STAMPA") << resoconto << int(Qt::Key_2) << true << "Option1_2";
        QTest::newRow("report: the blank moves once") << resoconto << int(Qt::Key_Space) << false << "Option1_1";
        QTest::newRow("certificate: 2 focuses TORNA ALLA FINESTRA PRECEDENTE")
            << QString(nomi::FrmAttestato) << int(Qt::Key_2) << false << "Option5_1";
        QTest::newRow("certificate: keypad 2 focuses TORNA ALLA FINESTRA PRECEDENTE")
            << QString(nomi::FrmAttestato) << int(Qt::Key_2) << true << "Option5_1";
    }

    // From the first button, a key held down acts once; on STAMPA, Enter held down prints one page.
    void tastiera()
    {
        QFETCH(QString, finestra);
        QFETCH(int, tasto);
        QFETCH(bool, tastierino);
        QFETCH(QString, fuoco);
        serieprova::riempi(20, 20);
        auto *f = serieprova::apri<Finestra>(finestra);
        f->findChild<QWidget *>(fuoco.left(8) + '0')->setFocus();
        tieni(Qt::Key(tasto), tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), fuoco);
        QVERIFY(m_ambiente->stampanti().empty());
        if (fuoco != "Option1_2")
            return;
        tieni(Qt::Key_Return);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
    }

    void attestato_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("esatte");
        QTest::addColumn<QString>("valutazione");
        QTest::addColumn<bool>("stampabile");

        QTest::newRow("20/17: DISTINTO, printed") << 20 << 17 << "DISTINTO" << true;
        QTest::newRow("9 all right: the notice, not printed") << 9 << 9 << "OTTIMO" << false;
        QTest::newRow("10/4: not graded, not printed") << 10 << 4 << "Non classificato" << false;
    }

    // The load grades the series, capitalises the name and draws the picture,
    // its title in red at the top; the print button, and the print action
    // whatever calls it, print the picture only when it is allowed.
    void attestato()
    {
        QFETCH(int, operazioni);
        QFETCH(int, esatte);
        QFETCH(QString, valutazione);
        QFETCH(bool, stampabile);
        serieprova::riempi(operazioni, esatte);
        modulo2().NomeAlunno = QStringLiteral("nicolò ROSSI");
        auto *f = serieprova::apri<FrmAttestato>(nomi::FrmAttestato);
        QCOMPARE(modulo2().Valutazione, valutazione);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Nicolò rossi"));
        QCOMPARE(f->Option5.at(0)->isEnabled(), stampabile);
        QCOMPARE(f->Label1->text().isEmpty(), operazioni >= 10);
        const QImage &immagine = f->Picture1->immagine();
        int rossi = 0;
        for (int y = 0; y < immagine.height() / 5; ++y) {
            for (int x = 0; x < immagine.width(); ++x)
                rossi += immagine.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        }
        QVERIFY2(rossi > 20, qPrintable(QString::number(rossi)));
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        f->EseguiScelta(0);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(stampabile ? 2 : 0));
        if (stampabile)
            QCOMPARE(m_ambiente->stampanti().front()->chiamate().at(1).dimensioneImmagine, immagine.size());
    }

    void guastoDellaStampante_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("guasto"); // the printer fails from this call on; -1: no printer at all

        const QString resoconto = nomi::FrmStampaEsercizio;
        QTest::newRow("report, no printer") << resoconto << -1;
        QTest::newRow("report, the printer fails mid-page") << resoconto << 20;
        QTest::newRow("certificate, no printer") << QString(nomi::FrmAttestato) << -1;
        QTest::newRow("certificate, the printer fails at once") << QString(nomi::FrmAttestato) << 0;
    }

    // A print that fails, or finds no printer, leaves the shared state as it
    // was; the window prints again once the printer works.
    void guastoDellaStampante()
    {
        QFETCH(QString, finestra);
        QFETCH(int, guasto);
        serieprova::riempi(20, 17);
        modulo2().NomeAlunno = QStringLiteral("Anna");
        auto *f = serieprova::apri<Finestra>(finestra);
        const auto stato = [] {
            const Modulo2 &m = modulo2();
            QStringList s{m.NomeAlunno, m.Valutazione, QString::number(m.NumeroOperazioni),
                          QString::number(m.RisposteEsatte)};
            for (int i = 1; i <= 20; ++i)
                s << m.ElencoOperazioni.valore(i) << m.TempiEsercizi.valore(i);
            return s;
        };
        const QStringList prima = stato();
        const auto creaStampante = servizi().creaStampante;
        StampanteRegistrata guasta;
        guasta.falliscaDallaChiamata(guasto);
        servizi().creaStampante = nullptr;
        if (guasto >= 0)
            servizi().creaStampante = [&guasta] { return guasta.gemella(); };
        auto *stampa = f->findChild<QWidget *>(finestra == nomi::FrmAttestato ? "Option5_0" : "Option1_2");
        QTest::mouseClick(stampa, Qt::LeftButton);
        QCOMPARE(stato(), prima);
        servizi().creaStampante = creaStampante;
        QTest::mouseClick(stampa, Qt::LeftButton);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
        QVERIFY(m_ambiente->stampanti().front()->documentoFinito());
    }

    // FINE SESSIONE writes the settings file and closes every window.
    void fineSessione()
    {
        serieprova::riempi(20, 20);
        Finestre::istanza().mostra(nomi::frmInizio);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        QTest::mouseClick(serieprova::apri<FrmAttestato>(nomi::FrmAttestato)->Option5.at(2), Qt::LeftButton);
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        QVERIFY(QFile::exists(QDir(m_ambiente->cartella()).filePath(modulo2().NomeProgramma + ".dat")));
    }
};

QTEST_MAIN(TstFrmStampaEsercizio)
#include "tst_frmstampaesercizio.moc"
