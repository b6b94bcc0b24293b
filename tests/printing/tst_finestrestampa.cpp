// The print windows on the real widgets offscreen. The report window and the
// certificate window it opens: the buttons by mouse and keyboard, the name
// panel, the grade, the picture and what reaches the recording printer.
#include "serieprova.h"
#include "support/tabella.h"

#include "frame/servizi.h"
#include "printing/attestato.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/immagineattestato.h"
#include "printing/pannellonome.h"

#include <QClipboard>
#include <QLineEdit>

namespace {
// The series of that many lines all right, the printer's fonts, the button pressed (0 E S C I,
// 2 STAMPA, 3 ATTESTATO); the message shown, whether a page is printed.
struct Pulsante { const char *nome; int operazioni; const char *font; int pulsante; const char *messaggio; bool stampata; };
constexpr Pulsante pulsanti[] = {
    {"STAMPA, 9 operations: only the message", 9, "Arial;Courier New", 2, "Esegui almeno 10 operazioni. ", false},
    {"STAMPA, 10 operations: the page", 10, "Arial;Courier New", 2, "", true},
    {"STAMPA without Courier: the message, nothing printed", 20, "Arial;Times New Roman", 2,
     "Devi installare il font Courier o il font Courier New", false},
    {"E S C I: the window goes, the exercise times are cleared", 35, "Arial;Courier New", 0, "", false},
    {"ATTESTATO: the certificate opens", 35, "Arial;Courier New", 3, "", false},
};

// In the report (or the certificate), a key held on the first button (on the keypad or not): the focus after.
struct Tasto { const char *nome; bool attestato; int tasto; bool tastierino; const char *fuoco; };
constexpr Tasto tasti[] = {
    {"report: 3 focuses STAMPA", false, Qt::Key_3, false, "Option1_2"},
    {"report: keypad 2 focuses STAMPA", false, Qt::Key_2, true, "Option1_2"},
    {"report: the blank moves once", false, Qt::Key_Space, false, "Option1_1"},
    {"certificate: 2 focuses TORNA ALLA FINESTRA PRECEDENTE", true, Qt::Key_2, false, "Option5_1"},
    {"certificate: keypad 2 focuses TORNA ALLA FINESTRA PRECEDENTE", true, Qt::Key_2, true, "Option5_1"},
};

struct Attestato { const char *nome; int operazioni, esatte; const char *valutazione; bool stampabile; };
constexpr Attestato attestati[] = {
    {"20/17: DISTINTO, printed", 20, 17, "DISTINTO", true},
    {"9 all right: the notice, not printed", 9, 9, "OTTIMO", false},
    {"10/4: not graded, not printed", 10, 4, "Non classificato", false},
};

// The window printing (the report, or the certificate) and the call its printer fails from; -1: no printer at all.
struct Guasto { const char *nome; bool attestato; int guasto; };
constexpr Guasto guasti[] = {
    {"report, no printer", false, -1},
    {"report, the printer fails mid-page", false, 20},
    {"certificate, no printer", true, -1},
    {"certificate, the printer fails at once", true, 0},
};
} // namespace

using namespace serieprova;

class TstFinestreStampa final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteProva> m_ambiente;

    // A key held down on the focused control: the press, an auto-repeat (a
    // release and a press marked as repeats), then the release.
    static void tieni(Qt::Key tasto, Qt::KeyboardModifiers modo = Qt::NoModifier)
    {
        QTest::keyPress(QApplication::focusWidget(), tasto, modo);
        for (const QEvent::Type tipo : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent ripetuto(tipo, tasto, modo, QString(QTest::keyToAscii(tasto)), true);
            QApplication::sendEvent(QApplication::focusWidget(), &ripetuto);
        }
        QTest::keyRelease(QApplication::focusWidget(), tasto, modo);
    }

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    // The first 30 log lines in three columns going down (1-10, 11-20, 21-30), then a press on one button.
    void pulsanti_data() { righeDa(::pulsanti); }
    void pulsanti()
    {
        const auto [nome, operazioni, font, pulsante, messaggio, stampata] = rigaDi(::pulsanti);
        riempi(operazioni, operazioni);
        m_ambiente->impostaFontStampante(QString::fromLatin1(font).split(';'));
        auto *f = apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio);
        for (int i = 0; i < std::min(operazioni, 30); ++i)
            QCOMPARE(f->LblOp.at(i)->text(), rigaLog(i + 1));
        QCOMPARE(f->LblOp.at(10)->y(), f->LblOp.at(0)->y());
        QTest::mouseClick(f->Option1.at(pulsante), Qt::LeftButton);
        QCOMPARE(m_ambiente->messaggi(), QString::fromLatin1(messaggio).split(';', Qt::SkipEmptyParts));
        const auto &stampanti = m_ambiente->stampanti();
        QCOMPARE(!stampanti.empty() && stampanti.front()->documentoFinito(), stampata);
        QVERIFY(!stampata || stampanti.front()->testi().contains(rigaLog(operazioni)));
        QCOMPARE(Finestre::istanza().caricata(nomi::FrmStampaEsercizio), pulsante != 0);
        QCOMPARE(Finestre::istanza().caricata(nomi::FrmAttestato), pulsante == 3);
        QCOMPARE(modulo2().TempiEsercizi.valore(1), pulsante == 0 ? QString() : QStringLiteral(" 57"));
    }

    // Pasted, the name stops at 15 characters and a sixteenth typed is refused;
    // it is taken as it is at AVANTI, then Enter prints it.
    void pannelloDelNome()
    {
        riempi(12, 12);
        modulo2().NomeAlunno = QStringLiteral("prima");
        auto *f = apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio);
        QTest::mouseClick(f->Option1.at(1), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), f->fraNome->txtNome);
        QApplication::clipboard()->setText(QStringLiteral(" nicolò ROSSI  xyz"));
        f->fraNome->txtNome->paste();
        QTest::keyClick(f->fraNome->txtNome, Qt::Key_K);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("prima"));
        QTest::mouseClick(f->fraNome->cmdAvanti, Qt::LeftButton);
        QVERIFY(f->fraNome->isHidden());
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral(" nicolò ROSSI  "));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
        QCOMPARE(m_ambiente->stampanti().front()->testi().first(),
                 "Nome  nicolò ROSSI      Data di stampa " + dataBreve(m_ambiente->orologio().oggi()));
    }

    void tastiera_data() { righeDa(tasti); }

    // From the first button, a key held down acts once; on STAMPA, Enter held down prints one page.
    void tastiera()
    {
        const auto [nome, attestato, tasto, tastierino, fuocoAtteso] = rigaDi(tasti);
        const QString fuoco = QLatin1String(fuocoAtteso);
        riempi(20, 20);
        auto *f = apri<Finestra>(attestato ? nomi::FrmAttestato : nomi::FrmStampaEsercizio);
        f->findChild<QWidget *>(fuoco.left(8) + '0')->setFocus();
        tieni(Qt::Key(tasto), tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), fuoco);
        QVERIFY(m_ambiente->stampanti().empty());
        if (fuoco != "Option1_2")
            return;
        tieni(Qt::Key_Return);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
    }

    void attestato_data() { righeDa(attestati); }

    // The load grades the series, capitalises the name and draws the picture,
    // its title in red at the top; the print button, and the print action
    // whatever calls it, print the picture only when it is allowed.
    void attestato()
    {
        const auto [nome, operazioni, esatte, valutazione, stampabile] = rigaDi(attestati);
        riempi(operazioni, esatte);
        modulo2().NomeAlunno = QStringLiteral("nicolò ROSSI");
        auto *f = apri<FrmAttestato>(nomi::FrmAttestato);
        QCOMPARE(modulo2().Valutazione, QLatin1String(valutazione));
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Nicolò rossi"));
        QCOMPARE(f->Option5.at(0)->isEnabled(), stampabile);
        QCOMPARE(f->Label1->text().isEmpty(), operazioni >= 10);
        const QImage &immagine = f->Picture1->immagine();
        int rossi = 0;
        for (int y = 0; y < immagine.height() / 5; ++y)
            for (int x = 0; x < immagine.width(); ++x)
                rossi += immagine.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        QVERIFY2(rossi > 20, qPrintable(QString::number(rossi)));
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        f->EseguiScelta(0);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(stampabile ? 2 : 0));
        if (!stampabile)
            return;
        // The page holds the lines drawn on the screen, whatever the screen.
        const Modulo2 &m = modulo2();
        StampanteRegistrata attesa;
        StampaAttestato(attesa, righeAttestato({m.NomeAlunno, m.NomeEseguibile, m.DescrizioneObiettivo,
                                                m.DescrizioneLivello, m.Valutazione, m.RisposteEsatte,
                                                m.NumeroOperazioni, dataBreve(m_ambiente->orologio().oggi())}));
        QVERIFY(m_ambiente->stampanti().front()->chiamate() == attesa.chiamate());
        QVERIFY(attesa.testi().contains(QStringLiteral("Nicolò rossi")));
    }

    void guastoDellaStampante_data() { righeDa(guasti); }

    // A print that fails, or finds no printer, leaves the shared state as it
    // was; the window prints again once the printer works.
    void guastoDellaStampante()
    {
        const auto [nome, attestato, guasto] = rigaDi(guasti);
        riempi(20, 17);
        modulo2().NomeAlunno = QStringLiteral("Anna");
        auto *f = apri<Finestra>(attestato ? nomi::FrmAttestato : nomi::FrmStampaEsercizio);
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
        auto *stampa = f->findChild<QWidget *>(attestato ? "Option5_0" : "Option1_2");
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
        Finestre::istanza().mostra(nomi::frmInizio);
        Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
        QTest::mouseClick(apri<FrmAttestato>(nomi::FrmAttestato)->Option5.at(2), Qt::LeftButton);
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        QVERIFY(QFile::exists(m_ambiente->cartella() + "/" + modulo2().NomeProgramma + ".dat"));
    }
};

QTEST_MAIN(TstFinestreStampa)
#include "tst_finestrestampa.moc"
