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

class TstFrmStampaEsercizio final : public QObject
{
    Q_OBJECT

private:
    static FrmStampaEsercizio *apri() { return serieprova::apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio); }
    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    // The first 30 lines in three columns going down: 1-10, 11-20, 21-30.
    void aspettoEdElenco()
    {
        serieprova::riempi(35, 30);
        FrmStampaEsercizio *f = apri();
        QCOMPARE(f->windowTitle(), QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
        QStringList didascalie;
        for (auto *pulsante : f->Option1)
            didascalie << pulsante->caption();
        QCOMPARE(didascalie, (QStringList{"E S C I", "SCRIVI IL NOME", "STAMPA", "ATTESTATO"}));
        QVERIFY(f->fraNome->isHidden());
        for (int i = 0; i < 30; ++i)
            QCOMPARE(f->LblOp.at(i)->text(), serieprova::rigaLog(i + 1));
        QCOMPARE(f->LblOp.at(10)->y(), f->LblOp.at(0)->y());
        QVERIFY(f->LblOp.at(20)->x() > f->LblOp.at(19)->x());
    }

    void stampa_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<QStringList>("font");
        QTest::addColumn<QString>("messaggio"); // empty: the page is printed

        const QStringList courier{"Arial", "Courier New"};
        QTest::newRow("9: only the message") << 9 << courier << "Esegui almeno 10 operazioni. ";
        QTest::newRow("10: the page") << 10 << courier << "";
        QTest::newRow("no Courier: the message, nothing printed")
            << 20 << QStringList{"Arial", "Times New Roman"} << "Devi installare il font Courier o il font Courier New";
    }

    void stampa()
    {
        QFETCH(int, operazioni);
        QFETCH(QStringList, font);
        QFETCH(QString, messaggio);
        serieprova::riempi(operazioni, operazioni);
        m_ambiente->impostaFontStampante(font);
        QTest::mouseClick(apri()->Option1.at(2), Qt::LeftButton);
        QCOMPARE(m_ambiente->messaggi(), messaggio.isEmpty() ? QStringList() : QStringList{messaggio});
        const auto &stampanti = m_ambiente->stampanti();
        QCOMPARE(!stampanti.empty() && stampanti.front()->documentoFinito(), messaggio.isEmpty());
        QVERIFY(!messaggio.isEmpty() || stampanti.front()->testi().contains(serieprova::rigaLog(operazioni)));
    }

    // Pasted, the name stops at 15 characters; it is taken as it is at AVANTI, then Enter prints it.
    void pannelloDelNome()
    {
        serieprova::riempi(12, 12);
        modulo2().NomeAlunno = QStringLiteral("prima");
        FrmStampaEsercizio *f = apri();
        QTest::mouseClick(f->Option1.at(1), Qt::LeftButton);
        QVERIFY(f->fraNome->isVisible());
        QCOMPARE(QApplication::focusWidget(), f->fraNome->txtNome);
        QGuiApplication::clipboard()->setText(QStringLiteral(" nicolò ROSSI  xyz"));
        f->fraNome->txtNome->paste();
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
        QTest::addColumn<int>("tasto");
        QTest::addColumn<bool>("tastierino");
        QTest::addColumn<int>("fuoco");

        QTest::newRow("3 focuses STAMPA") << int(Qt::Key_3) << false << 2;
        QTest::newRow("keypad 2 focuses STAMPA") << int(Qt::Key_2) << true << 2;
        QTest::newRow("the blank moves to the next button") << int(Qt::Key_Space) << false << 1;
    }

    // A key held down acts once; on STAMPA, Enter held down prints one page.
    void tastiera()
    {
        QFETCH(int, tasto);
        QFETCH(bool, tastierino);
        QFETCH(int, fuoco);
        serieprova::riempi(20, 20);
        FrmStampaEsercizio *f = apri();
        // Held down: the press, then auto-repeats (a release and a press marked as repeats), then the release.
        const auto tieni = [](Qt::Key codice, Qt::KeyboardModifiers modo) {
            QTest::keyPress(QApplication::focusWidget(), codice, modo);
            for (int i = 0; i < 3; ++i) {
                const QString testo(QTest::keyToAscii(codice));
                QKeyEvent rilascio(QEvent::KeyRelease, codice, modo, testo, true);
                QApplication::sendEvent(QApplication::focusWidget(), &rilascio);
                QKeyEvent ripetuto(QEvent::KeyPress, codice, modo, testo, true);
                QApplication::sendEvent(QApplication::focusWidget(), &ripetuto);
            }
            QTest::keyRelease(QApplication::focusWidget(), codice, modo);
        };
        f->Option1.at(0)->setFocus();
        tieni(Qt::Key(tasto), tastierino ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget(), f->Option1.at(fuoco));
        QVERIFY(m_ambiente->stampanti().empty());
        if (fuoco != 2)
            return;
        tieni(Qt::Key_Return, Qt::NoModifier);
        QCOMPARE(m_ambiente->stampanti().size(), size_t(1));
    }
};

QTEST_MAIN(TstFrmStampaEsercizio)
#include "tst_frmstampaesercizio.moc"
