// The report window on the real widgets, offscreen: the list, the buttons by
// mouse and keyboard, the name panel and what reaches the recording printer.
#include "serieprova.h"
#include "support/ambienteprova.h"

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
// The three totals at the foot of the page, each after an empty line.
QStringList totali(const QString &primo)
{
    return {QString(), "Eser. n.1: Tempo tot. " + primo + " secondi", QString(), "Eser. n.2: Tempo tot.  secondi",
            QString(), "Eser. n.3: Tempo tot.  secondi"};
}

// One auto-repeat of a key held down: a release and a press, both marked as repeats.
void ripeti(QWidget *w, Qt::Key tasto, const QString &testo)
{
    QKeyEvent rilascio(QEvent::KeyRelease, tasto, Qt::NoModifier, testo, true);
    QApplication::sendEvent(w, &rilascio);
    QKeyEvent ripetuto(QEvent::KeyPress, tasto, Qt::NoModifier, testo, true);
    QApplication::sendEvent(w, &ripetuto);
}

// Types the text one character at a time, as a keyboard would (accents included).
void digita(QWidget *w, const QString &testo)
{
    for (const QChar c : testo) {
        QKeyEvent giu(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &giu);
    }
}
} // namespace

class TstFrmStampaEsercizio final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void aspettoEdElenco()
    {
        serieprova::riempi(35, 30);
        FrmStampaEsercizio *f = apri();
        QCOMPARE(f->windowTitle(), QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
        const QStringList testi{"E S C I", "SCRIVI IL NOME", "STAMPA", "ATTESTATO"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(f->Option1.at(i)->caption(), testi.at(i));
        QVERIFY(f->fraNome->isHidden());
        // The first 30 lines in three columns going down: 1-10, 11-20, 21-30.
        for (int i = 0; i < 30; ++i)
            QCOMPARE(f->LblOp.at(i)->text(), serieprova::rigaLog(i + 1));
        QCOMPARE(f->LblOp.at(10)->y(), f->LblOp.at(0)->y());
        QVERIFY(f->LblOp.at(20)->x() > f->LblOp.at(19)->x());
        QVERIFY(f->LblOp.at(9)->y() > f->LblOp.at(0)->y());
    }

    void stampa_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<QList<int>>("primeRighe"); // the line after each heading; none: only the message

        QTest::newRow("9: only the message") << 9 << QList<int>{};
        QTest::newRow("10: one heading, ten lines") << 10 << QList<int>{1};
        QTest::newRow("20: the second heading before line 11") << 20 << QList<int>{1, 11};
        QTest::newRow("21: a third heading before line 21") << 21 << QList<int>{1, 11, 21};
        QTest::newRow("35: every line, a fourth heading") << 35 << QList<int>{1, 11, 21, 31};
    }

    // The header without a name, each heading after an empty line, then the three totals.
    void stampa()
    {
        QFETCH(int, operazioni);
        QFETCH(QList<int>, primeRighe);
        serieprova::riempi(operazioni, operazioni);
        QTest::mouseClick(apri()->Option1.at(2), Qt::LeftButton);
        const bool stampata = !primeRighe.isEmpty();
        QCOMPARE(m_ambiente->stampanti().size(), size_t(stampata ? 1 : 0));
        QCOMPARE(m_ambiente->messaggi(), stampata ? QStringList{} : QStringList{"Esegui almeno 10 operazioni. "});
        if (!stampata)
            return;
        QStringList atteso{"Nome '...................", "    Data di stampa 05/12/2026"};
        for (int i = 1; i <= operazioni; ++i) {
            if (primeRighe.contains(i))
                atteso << QString() << QStringLiteral("Esercizio n.%1").arg(primeRighe.indexOf(i) + 1);
            atteso << serieprova::rigaLog(i);
        }
        QCOMPARE(m_ambiente->stampanti().front()->testi(), atteso + totali(QStringLiteral(" 57")));
        QVERIFY(m_ambiente->stampanti().front()->documentoFinito());
    }

    void pannelloDelNome()
    {
        serieprova::riempi(12, 12);
        modulo2().NomeAlunno = QStringLiteral("prima");
        FrmStampaEsercizio *f = apri();
        QTest::mouseClick(f->Option1.at(1), Qt::LeftButton);
        QVERIFY(f->fraNome->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->fraNome->txtNome);
        // A sixteenth character is refused.
        digita(f->fraNome->txtNome, QStringLiteral(" nicolò ROSSI  xyz"));
        QCOMPARE(f->fraNome->txtNome->text(), QStringLiteral(" nicolò ROSSI  "));
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("prima")); // untouched until AVANTI
        QTest::mouseClick(f->fraNome->cmdAvanti, Qt::LeftButton);
        QVERIFY(f->fraNome->isHidden());
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral(" nicolò ROSSI  ")); // as typed, no trimming
        // The focus is on STAMPA: Enter prints with the name in the header.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
        QCOMPARE(m_ambiente->stampanti().front()->testi().first(),
                 QStringLiteral("Nome  nicolò ROSSI      Data di stampa 05/12/2026"));
        // Pasted text is cut to 15 characters.
        QTest::mouseClick(f->Option1.at(1), Qt::LeftButton);
        f->fraNome->txtNome->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("Massimiliano Bartolomeo"));
        f->fraNome->txtNome->paste();
        QTest::mouseClick(f->fraNome->cmdAvanti, Qt::LeftButton);
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Massimiliano Ba"));
    }

    void tastieraPoiInvio_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("tastierino");

        QTest::newRow("3") << int(Qt::Key_3) << false;
        QTest::newRow("keypad 2") << int(Qt::Key_2) << true;
    }

    // The key focuses STAMPA without printing; Enter, held down, then prints one page.
    void tastieraPoiInvio()
    {
        QFETCH(int, tasto);
        QFETCH(bool, tastierino);
        serieprova::riempi(20, 20);
        FrmStampaEsercizio *f = apri();
        QTest::keyClick(f->Option1.at(0), Qt::Key(tasto), tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(2));
        QVERIFY(m_ambiente->stampanti().empty());
        QTest::keyPress(f->Option1.at(2), Qt::Key_Return);
        for (int i = 0; i < 3; ++i)
            ripeti(f->Option1.at(2), Qt::Key_Return, QStringLiteral("\r"));
        QTest::keyRelease(f->Option1.at(2), Qt::Key_Return);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
    }

    void barraTenutaSpostaUnaVolta()
    {
        serieprova::riempi(20, 20);
        FrmStampaEsercizio *f = apri();
        QTest::keyPress(f->Option1.at(0), Qt::Key_Space);
        for (int i = 0; i < 3; ++i)
            ripeti(QApplication::focusWidget(), Qt::Key_Space, QStringLiteral(" "));
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(1));
    }

    // E S C I empties the times of exercises 1 to 3; printed again, the totals have none.
    void esciSvuotaITempi()
    {
        serieprova::riempi(20, 15);
        modulo2().TempiEsercizi.imposta(4, QStringLiteral(" 44"));
        QTest::mouseClick(apri()->Option1.at(0), Qt::LeftButton);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QCOMPARE(modulo2().TempiEsercizi.valore(4), QStringLiteral(" 44"));
        QTest::mouseClick(apri()->Option1.at(2), Qt::LeftButton);
        const QStringList testi = m_ambiente->stampanti().front()->testi();
        QCOMPARE(testi.mid(testi.size() - 6), totali(QString()));
    }

    void attestatoSenzaControlli()
    {
        serieprova::riempi(5, 1);
        QTest::mouseClick(apri()->Option1.at(3), Qt::LeftButton);
        QVERIFY(Finestre::istanza().caricata(nomi::FrmAttestato));
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
        QVERIFY(m_ambiente->messaggi().isEmpty());
    }

    void senzaCourier()
    {
        serieprova::riempi(20, 20);
        m_ambiente->impostaFontStampante({QStringLiteral("Arial"), QStringLiteral("Times New Roman")});
        QTest::mouseClick(apri()->Option1.at(2), Qt::LeftButton);
        QCOMPARE(m_ambiente->messaggi(), QStringList{"Devi installare il font Courier o il font Courier New"});
        QVERIFY(m_ambiente->stampanti().front()->chiamate().empty());
    }

private:
    static FrmStampaEsercizio *apri() { return serieprova::apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio); }

    std::unique_ptr<AmbienteProva> m_ambiente;
};

QTEST_MAIN(TstFrmStampaEsercizio)
#include "tst_frmstampaesercizio.moc"
