// The report window on the real widgets, offscreen: the list, the buttons by
// mouse and keyboard, the name panel and what reaches the recording printer.
#include "serieprova.h"
#include "support/ambienteprova.h"

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "printing/frmstampaesercizio.h"
#include "printing/pannellonome.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
const QString messaggioPoche = QStringLiteral("Esegui almeno 10 operazioni. ");

QStringList titoliEsercizio(const QStringList &testi)
{
    return testi.filter(QRegularExpression(QStringLiteral("^Esercizio n\\.")));
}

// Types the text one character at a time, as a keyboard would (accents included).
void digita(QWidget *w, const QString &testo)
{
    for (const QChar c : testo) {
        QKeyEvent giu(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &giu);
        QKeyEvent su(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &su);
    }
}

int righeDiLog(const QStringList &testi)
{
    return static_cast<int>(testi.filter(QStringLiteral("   R.")).size());
}
} // namespace

class TstFrmStampaEsercizio final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void aspettoAllApertura()
    {
        serieprova::riempi(20, 18);
        FrmStampaEsercizio *f = apri();
        QCOMPARE(f->windowTitle(), QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
        QCOMPARE(f->Label5->text(), QStringLiteral("E S E R C I Z I   E S E G U I T I "));
        const QStringList testi{"E S C I", "SCRIVI IL NOME", "STAMPA", "ATTESTATO"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(f->Option1.at(i)->caption(), testi.at(i));
            QVERIFY(f->Option1.at(i)->isEnabled());
        }
        QVERIFY(!f->fraNome->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(0));
        // Left to right in index order, in one row.
        for (int i = 1; i < 4; ++i) {
            QVERIFY(f->Option1.at(i)->x() > f->Option1.at(i - 1)->x());
            QCOMPARE(f->Option1.at(i)->y(), f->Option1.at(0)->y());
        }
    }

    void elencoSulloSchermo_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::newRow("nothing done yet") << 0;
        QTest::newRow("9 operations") << 9;
        QTest::newRow("a full series of 20") << 20;
        QTest::newRow("35 lines: only the first 30 fit") << 35;
    }

    void elencoSulloSchermo()
    {
        QFETCH(int, operazioni);
        serieprova::riempi(operazioni, 0);
        FrmStampaEsercizio *f = apri();
        for (int i = 1; i <= 30; ++i)
            QCOMPARE(f->LblOp.at(i - 1)->text(), i <= operazioni ? serieprova::rigaLog(i) : QString());
        // Three columns: 1-10, 11-20, 21-30, each going down.
        QCOMPARE(f->LblOp.at(10)->y(), f->LblOp.at(0)->y());
        QVERIFY(f->LblOp.at(10)->x() > f->LblOp.at(9)->x());
        QVERIFY(f->LblOp.at(20)->x() > f->LblOp.at(19)->x());
        QVERIFY(f->LblOp.at(9)->y() > f->LblOp.at(0)->y());
    }

    void stampaConIlMouse_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("pagine");
        QTest::addColumn<QStringList>("titoli");

        QTest::newRow("9: only the message") << 9 << 0 << QStringList{};
        QTest::newRow("10: one heading, ten lines") << 10 << 1 << QStringList{"Esercizio n.1"};
        QTest::newRow("20: two headings") << 20 << 1 << QStringList{"Esercizio n.1", "Esercizio n.2"};
        QTest::newRow("21: a third heading") << 21 << 1
                                             << QStringList{"Esercizio n.1", "Esercizio n.2", "Esercizio n.3"};
    }

    void stampaConIlMouse()
    {
        QFETCH(int, operazioni);
        QFETCH(int, pagine);
        QFETCH(QStringList, titoli);
        serieprova::riempi(operazioni, operazioni);
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(2));
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), pagine);
        QCOMPARE(m_ambiente->messaggi(), pagine == 0 ? QStringList{messaggioPoche} : QStringList{});
        if (pagine == 0)
            return;
        const StampanteRegistrata &s = *m_ambiente->stampanti().front();
        QVERIFY(s.documentoFinito());
        QCOMPARE(titoliEsercizio(s.testi()), titoli);
        QCOMPARE(righeDiLog(s.testi()), operazioni);
        QCOMPARE(s.testi().first(), QStringLiteral("Nome '..................."));
        QCOMPARE(s.testi().at(1), QStringLiteral("    Data di stampa 05/12/2026"));
        QCOMPARE(s.testi().filter(QStringLiteral("Tempo tot.")),
                 (QStringList{"Eser. n.1: Tempo tot.  57 secondi", "Eser. n.2: Tempo tot.  secondi",
                              "Eser. n.3: Tempo tot.  secondi"}));
        QVERIFY(!f->Option1.at(2)->isDown());
    }

    void pannelloDelNome()
    {
        serieprova::riempi(12, 12);
        modulo2().NomeAlunno = QStringLiteral("prima");
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(1));
        QVERIFY(f->fraNome->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->fraNome->txtNome);
        QCOMPARE(f->fraNome->Label6->text(), QStringLiteral("   IMMETTI   IL  TUO  NOME"));
        QCOMPARE(f->fraNome->cmdAvanti->text(), QStringLiteral("AVANTI"));
        // The panel lies wholly inside the window.
        QVERIFY(f->area()->rect().contains(f->fraNome->geometry()));

        // A sixteenth character is refused.
        digita(f->fraNome->txtNome, QStringLiteral(" nicolò ROSSI  xyz"));
        QCOMPARE(f->fraNome->txtNome->text(), QStringLiteral(" nicolò ROSSI  "));
        // Until AVANTI the shared name is untouched.
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("prima"));

        QTest::mouseClick(f->fraNome->cmdAvanti, Qt::LeftButton);
        QVERIFY(!f->fraNome->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(2));
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral(" nicolò ROSSI  ")); // unchanged, no trimming

        // Enter on the focused STAMPA prints with the name in the header.
        QTest::keyClick(f->Option1.at(2), Qt::Key_Return);
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), 1);
        QCOMPARE(m_ambiente->stampanti().front()->testi().first(),
                 QStringLiteral("Nome  nicolò ROSSI      Data di stampa 05/12/2026"));

        // The panel keeps its text when it is opened again.
        premi(f->Option1.at(1));
        QCOMPARE(f->fraNome->txtNome->text(), QStringLiteral(" nicolò ROSSI  "));
    }

    void nomeIncollatoTroncato()
    {
        serieprova::riempi(10, 10);
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(1));
        QGuiApplication::clipboard()->setText(QStringLiteral("Massimiliano Bartolomeo"));
        f->fraNome->txtNome->paste();
        QCOMPARE(f->fraNome->txtNome->text(), QStringLiteral("Massimiliano Ba"));
        QTest::mouseClick(f->fraNome->cmdAvanti, Qt::LeftButton);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Massimiliano Ba"));
    }

    void tastiera_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("tastierino");
        QTest::addColumn<int>("fuoco");

        QTest::newRow("3 focuses STAMPA") << int(Qt::Key_3) << false << 2;
        QTest::newRow("keypad 2 focuses STAMPA") << int(Qt::Key_2) << true << 2;
        QTest::newRow("2 focuses SCRIVI IL NOME") << int(Qt::Key_2) << false << 1;
        QTest::newRow("keypad 3 focuses ATTESTATO") << int(Qt::Key_3) << true << 3;
        QTest::newRow("4 focuses ATTESTATO") << int(Qt::Key_4) << false << 3;
        QTest::newRow("keypad 0 focuses E S C I") << int(Qt::Key_0) << true << 0;
        QTest::newRow("an arrow does not move") << int(Qt::Key_Right) << false << 1;
        QTest::newRow("S does not move") << int(Qt::Key_S) << false << 1;
        QTest::newRow("5 does not move") << int(Qt::Key_5) << false << 1;
        QTest::newRow("Tab walks on to the next control") << int(Qt::Key_Tab) << false << 2;
    }

    void tastiera()
    {
        QFETCH(int, tasto);
        QFETCH(bool, tastierino);
        QFETCH(int, fuoco);
        serieprova::riempi(10, 10);
        FrmStampaEsercizio *f = apri();
        f->Option1.at(1)->setFocus();
        const Qt::KeyboardModifiers modificatori = tastierino ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(f->Option1.at(1), static_cast<Qt::Key>(tasto), modificatori);
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(fuoco));
        // Moving the focus never prints or opens anything.
        QVERIFY(m_ambiente->stampanti().empty());
        QVERIFY(f->fraNome->isHidden());
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmAttestato));
        // The focused button shows the focus colour, the others the plain one.
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f->Option1.at(i)->palette().color(QPalette::Button),
                     i == fuoco ? QColor(255, 192, 128) : QColor(255, 224, 192));
    }

    void trePoiInvioStampa()
    {
        serieprova::riempi(20, 20);
        FrmStampaEsercizio *f = apri();
        QTest::keyClick(f->Option1.at(0), Qt::Key_3);
        QVERIFY(m_ambiente->stampanti().empty());
        QTest::keyClick(f->Option1.at(2), Qt::Key_Return);
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), 1);
        QVERIFY(m_ambiente->stampanti().front()->documentoFinito());
    }

    void tastoTenutoAgisceUnaVolta()
    {
        serieprova::riempi(20, 20);
        FrmStampaEsercizio *f = apri();
        QWidget *primo = f->Option1.at(0);
        // The blank held down: one press, then repeats; the focus moves once.
        QTest::keyPress(primo, Qt::Key_Space);
        for (int i = 0; i < 3; ++i) {
            QWidget *conFuoco = QApplication::focusWidget();
            QKeyEvent rilascio(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(conFuoco, &rilascio);
            QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(conFuoco, &ripetuto);
        }
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(1));
        QTest::keyRelease(f->Option1.at(1), Qt::Key_Space);
        // Released, the next blank moves on; from the last button it wraps to the first.
        QTest::keyClick(f->Option1.at(1), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(2));
        f->Option1.at(3)->setFocus();
        QTest::keyClick(f->Option1.at(3), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(0));

        // Enter held on STAMPA prints one page only.
        f->Option1.at(2)->setFocus();
        QTest::keyPress(f->Option1.at(2), Qt::Key_Return);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent ripetuto(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
            QApplication::sendEvent(f->Option1.at(2), &ripetuto);
        }
        QTest::keyRelease(f->Option1.at(2), Qt::Key_Return);
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), 1);
    }

    void esciSvuotaITempi()
    {
        serieprova::riempi(20, 15);
        auto &m = modulo2();
        m.TempiEsercizi.imposta(0, QStringLiteral(" 1"));
        m.TempiEsercizi.imposta(2, QStringLiteral(" 22"));
        m.TempiEsercizi.imposta(3, QStringLiteral(" 33"));
        m.TempiEsercizi.imposta(4, QStringLiteral(" 44"));
        m.NomeAlunno = QStringLiteral("Anna");
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(0));
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(m.TempiEsercizi.valore(k), QString());
        QCOMPARE(m.TempiEsercizi.valore(0), QStringLiteral(" 1"));
        QCOMPARE(m.TempiEsercizi.valore(4), QStringLiteral(" 44"));
        // The log, the count and the name stay.
        QCOMPARE(int(m.NumeroOperazioni), 20);
        QCOMPARE(m.ElencoOperazioni.valore(20), serieprova::rigaLog(20));
        QCOMPARE(m.NomeAlunno, QStringLiteral("Anna"));

        // Opened again and printed: the three totals with empty times.
        f = apri();
        QVERIFY(f->fraNome->txtNome->text().isEmpty()); // a new window starts with an empty box
        premi(f->Option1.at(2));
        QCOMPARE(m_ambiente->stampanti().front()->testi().filter(QStringLiteral("Tempo tot.")),
                 (QStringList{"Eser. n.1: Tempo tot.  secondi", "Eser. n.2: Tempo tot.  secondi",
                              "Eser. n.3: Tempo tot.  secondi"}));
    }

    void attestatoSiApreSopra()
    {
        serieprova::riempi(5, 1);
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(3));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmAttestato));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QVERIFY(m_ambiente->messaggi().isEmpty()); // no count is checked here
    }

    void stampaSenzaCourier()
    {
        serieprova::riempi(20, 20);
        m_ambiente->impostaFontStampante({QStringLiteral("Arial"), QStringLiteral("Times New Roman")});
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(2));
        QCOMPARE(m_ambiente->messaggi(),
                 QStringList{QStringLiteral("Devi installare il font Courier o il font Courier New")});
        QVERIFY(m_ambiente->stampanti().front()->chiamate().empty());
    }

    void guastoDellaStampanteAMetaPagina()
    {
        serieprova::riempi(20, 20);
        modulo2().NomeAlunno = QStringLiteral("Anna");
        m_ambiente->impostaGuastoStampante(15);
        FrmStampaEsercizio *f = apri();
        premi(f->Option1.at(2));
        const StampanteRegistrata &s = *m_ambiente->stampanti().front();
        QVERIFY(s.inErrore());
        QVERIFY(!s.documentoFinito());
        // The window stays as it was and can print again.
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Anna"));
        QCOMPARE(modulo2().TempiEsercizi.valore(1), QStringLiteral(" 57"));
        for (PulsanteOpzione *p : f->Option1)
            QVERIFY(p->isEnabled());
        m_ambiente->impostaGuastoStampante(-1);
        premi(f->Option1.at(2));
        QCOMPARE(static_cast<int>(m_ambiente->stampanti().size()), 2);
        QVERIFY(m_ambiente->stampanti().back()->documentoFinito());
    }

private:
    FrmStampaEsercizio *apri()
    {
        auto *f = qobject_cast<FrmStampaEsercizio *>(Finestre::istanza().mostra(nomi::FrmStampaEsercizio));
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

QTEST_MAIN(TstFrmStampaEsercizio)
#include "tst_frmstampaesercizio.moc"
