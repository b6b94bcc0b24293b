// The exercise window on screen: typing, judging, help and its refusals, the
// statistics panel, a whole series and its end.
#include "provafrmoperativo.h"
#include "support/tabella.h"

#include "exercise/linea.h"

#include <QAccessible>
#include <QKeyEvent>

using namespace prova;

namespace {
// Keys pressed on 10 + 1 + 1 with the unknown in the first number's place (? + 1 + 1 = 12).
struct Digitazione { const char *nome, *tasti, *mostrato; };
constexpr Digitazione digitazioni[] = {
    {"1,2,3,4,5 leaves 1234", "12345", "1234"},
    {"7, Cancella, Cancella shows ?", "7CC", "?"},
    {"then 5 shows 5", "7CC5", "5"},
    {"Cancella removes the last digit only", "120C", "12"},
};

// Keys pressed on 10, 1, 1 of an operation with the unknown at tipoDomanda; the place
// crossed out and corrected, -1 for none; what the log line gains.
struct Giudizio { const char *nome; int operazione, tipoDomanda; const char *tasti, *esito; int posto; const char *aggiunto; };
constexpr Giudizio giudizi[] = {
    {"right: 12 to 10 + 1 + 1 = ?", 1, 1, "12V", "Esatto", -1, "12  "},
    {"10 + 1 + 1 = ?, 11 then SI", 1, 1, "11VS", "", 3, "11*  12\xC2\xB0 "},
    {"10 x 1 x ? = 10, 10 then SI", 3, 4, "10VS", "", 2, "10*  1\xC2\xB0 "},
    {"nothing typed is wrong", 1, 3, "VS", "", 1, "*  1\xC2\xB0 "},
    {"a digit deleted is wrong", 1, 3, "4CVS", "", 1, "?*  1\xC2\xB0 "},
};

// An operation the window does not draw (a worksheet operation in the settings file): whatever
// the keys, no answer is ever right.
struct NessunaOperazione { const char *nome; int operazione; const char *tasti; };
constexpr NessunaOperazione nessuneOperazioni[] = {
    {"multiplication sheets, nothing typed", 4, "V"},
    {"all four, a digit typed and deleted", 7, "5CV"},
    {"no operation at all", 0, "V"},
};

// The clock when 10 + 1 + 1 = ? is shown and when the keys are pressed; the panel's times after.
struct Tempo { const char *nome; float inizio, risposta; const char *tasti, *parziale, *totale; int secondi; };
constexpr Tempo tempiRisposta[] = {
    {"4.9 s count 4", 36000, 36004.9f, "12V", " 4", " 4", 4},
    {"150 s shown as 99", 36000, 36150, "12V", "99", " 150", 150},
    {"across midnight", 86399, 3.5f, "12V", " 4", " 4", 4},
    {"a second attempt adds its time again", 36000, 36005, "11VN12V", " 5", " 10", 10},
};

// Plays keys to the focused control: "_" space, "E" Enter, any other the key of that letter;
// "~" presses the last key again as a held key repeats, "^" releases it.
void suonaTasti(FrmOperativo *f, const QString &sequenza)
{
    int tasto = 0;
    for (const QChar c : sequenza) {
        if (c != QLatin1Char('^') && c != QLatin1Char('~'))
            tasto = c == QLatin1Char('_') ? int(Qt::Key_Space) : c == QLatin1Char('E') ? int(Qt::Key_Return) : int(c.unicode());
        QKeyEvent evento(c == QLatin1Char('^') ? QEvent::KeyRelease : QEvent::KeyPress, tasto, Qt::NoModifier, QString(), c == QLatin1Char('~'));
        QApplication::sendEvent(f->focusWidget(), &evento);
    }
}
} // namespace

class TstFrmOperativo final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void digitazione_data() { righeDa(digitazioni); }
    void digitazione()
    {
        const Digitazione &r = rigaDi(digitazioni);
        FrmOperativo *f = apri(1, 3);
        imposta(f, 10, 1, 1, 2);
        digita(f, QString::fromLatin1(r.tasti));
        QCOMPARE(f->frmNumero->LblNumero1->text(), QLatin1String(r.mostrato));
    }

    // The verdict, the log line, the counts, the X over a wrong answer and the
    // correction; only "Avanti" and "Esco" then, and "Avanti" clears them all.
    void giudizio_data() { righeDa(giudizi); }
    void giudizio()
    {
        const Giudizio &r = rigaDi(giudizi);
        FrmOperativo *f = apri(r.operazione, 3);
        imposta(f, 10, 1, 1, r.tipoDomanda);
        const QString riga = rigaCorrente();
        digita(f, QString::fromLatin1(r.tasti));
        QCOMPARE(rigaCorrente(), riga + QString::fromUtf8(r.aggiunto));
        QCOMPARE(f->LblEsito->text(), QLatin1String(r.esito));
        const QStringList conteggi{f->fraElaborazione->lblRisEsatte->text(), f->fraElaborazione->lblRisErrate->text()};
        QCOMPARE(conteggi, r.posto < 0 ? QStringList({"1", ""}) : QStringList({"", "1"}));
        for (int i = 0; i < numeroPosti; ++i)
            QCOMPARE(f->frmNumero->Line1[i]->isVisible() && f->frmNumero->Line2[i]->isVisible(), i == r.posto);
        QCOMPARE(f->frmNumero->lblCorrezione->text(), r.posto < 0 ? QString() : modulo2().TestoIncognita);
        QVERIFY(attivo(f) == f->fraTastierino && !f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
        QVERIFY(f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());
        digita(f, QStringLiteral("A"));
        QCOMPARE(f->LblEsito->text() + f->frmNumero->lblCorrezione->text(), QString());
        QVERIFY(r.posto < 0 || !f->frmNumero->Line1[r.posto]->isVisible());
    }

    void nessunaOperazione_data() { righeDa(nessuneOperazioni); }
    void nessunaOperazione()
    {
        const NessunaOperazione &r = rigaDi(nessuneOperazioni);
        FrmOperativo *f = apri(r.operazione, 1);
        digita(f, QString::fromLatin1(r.tasti));
        QCOMPARE(f->LblEsito->text(), QStringLiteral("Errato"));
        QCOMPARE(modulo2().RisposteEsatte, Modulo2::int16(0));
    }

    // "NO" lets the pupil retry; the third refusal brings "Intervengo io", whose OK corrects.
    void rifiutiEIntervento()
    {
        FrmOperativo *f = apri(1, 1);
        imposta(f, 10, 1, 1, 1);
        // By keyboard: a held space moves to "NO" once, "S" while "N" is held does nothing, Enter refuses.
        digita(f, QStringLiteral("11V"));
        suonaTasti(f, QStringLiteral("_~^N~S^E^"));
        QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("?"));
        QVERIFY(attivo(f) == f->fraTastierino && f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
        digita(f, QStringLiteral("12V"));
        QCOMPARE(rigaCorrente(), QStringLiteral("  10 +    1 +    1 = ...    R.11* 12  "));
        digita(f, QStringLiteral("A"));
        imposta(f, 10, 1, 1, 1);
        digita(f, QStringLiteral("11VN13VN"));
        QVERIFY(attivo(f) == f->fraIntervento);
        QCOMPARE(f->lblIntervento->text(), QStringLiteral("Intervengo io"));
        premi(f->optOK);
        QCOMPARE(f->frmNumero->lblCorrezione->text(), QStringLiteral(" 12"));
        QCOMPARE(rigaCorrente(), QString::fromUtf8("  10 +    1 +    1 = ...    R.11* 13*  12\xC2\xB0 "));
        QVERIFY(attivo(f) == f->fraTastierino && f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());
        digita(f, QStringLiteral("A0VN0VN")); // the count starts again
        QVERIFY(attivo(f) == f->fraTastierino);
    }

    void tempi_data() { righeDa(tempiRisposta); }
    void tempi()
    {
        const Tempo &r = rigaDi(tempiRisposta);
        FrmOperativo *f = apri(1, 1);
        m_ambiente->orologio().imposta(r.inizio);
        imposta(f, 10, 1, 1, 1);
        m_ambiente->orologio().imposta(r.risposta);
        digita(f, QString::fromLatin1(r.tasti));
        const PannelloStatistiche *p = f->fraElaborazione;
        QCOMPARE(QStringList({p->LblTempoParziale->text(), p->LblTempoTotale->text(), modulo2().TempiEsercizi.valore(1)}),
                 QStringList({r.parziale, r.totale, QStringLiteral(" %1").arg(r.secondi)}));
    }

    // A click on the window's background, or its accessible action, hides the statistics and a
    // second one shows them again; a click on a control leaves them as they are.
    void statistiche_data()
    {
        QTest::addColumn<bool>("accessibile");
        QTest::newRow("mouse") << false;
        QTest::newRow("accessibility action") << true;
    }
    void statistiche()
    {
        QFETCH(bool, accessibile);
        FrmOperativo *f = apri(1, 1);
        QAccessibleInterface *finestra = QAccessible::queryAccessibleInterface(f);
        const auto clic = [&] {
            if (accessibile)
                finestra->actionInterface()->doAction(finestra->actionInterface()->actionNames().value(0));
            else
                QTest::mouseClick(f->area(), Qt::LeftButton, {}, QPoint(2, 2));
        };
        QTest::mouseClick(f->frmNumero, Qt::LeftButton);
        QVERIFY(f->fraElaborazione->isVisible());
        QCOMPARE(finestra->actionInterface()->actionNames().value(0), QStringLiteral("Nascondi le statistiche"));
        clic();
        QVERIFY(!f->fraElaborazione->isVisible());
        QCOMPARE(finestra->actionInterface()->actionNames().value(0), QStringLiteral("Mostra le statistiche"));
        clic();
        QVERIFY(f->fraElaborazione->isVisible());
    }

    // Twenty multiplications at level 4, every fourth wrong and helped: the counts; then only the notice, focused on "Stampa", whose keys act once while held;
    // "Stampa" opens the report, "Ricomincia" starts a new series.
    void serieIntera()
    {
        FrmOperativo *f = apri(3, 4);
        for (int i = 1; i <= 20; ++i) {
            QCOMPARE(f->fraElaborazione->LblOperazione->text(), QString::number(i));
            QVERIFY(attivo(f) == f->fraTastierino && !f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());
            const bool errore = i % 4 == 0;
            digita(f, errore ? QStringLiteral("0VS") : modulo2().TestoIncognita.trimmed() + QStringLiteral("V"));
            if (i < 20)
                digita(f, QStringLiteral("A"));
        }
        QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QStringLiteral("5"));
        QVERIFY(attivo(f) == f->fraAvviso && f->focusWidget() == f->fraAvviso->scelte[0]);
        QCOMPARE(QStringList({f->fraAvviso->domanda->text(), f->fraAvviso->scelte[0]->text(), f->fraAvviso->scelte[1]->text()}),
                 QStringList({"Se ricominci gli esercizi andranno persi", "Stampa", "Ricomincia"}));
        suonaTasti(f, QStringLiteral("R~S^"));
        QVERIFY(f->focusWidget() == f->fraAvviso->scelte[1]);
        premi(f->fraAvviso->scelte[0]);
        QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio) && attivo(f) == f->fraAvviso);
        premi(f->fraAvviso->scelte[1]);
        QVERIFY(attivo(f) == f->fraTastierino);
        QCOMPARE(QList<int>({modulo2().NumeroOperazioni, modulo2().RisposteEsatte, modulo2().NumeroErrate}), QList<int>({1, 0, 0}));
        const PannelloStatistiche *p = f->fraElaborazione;
        QCOMPARE(QStringList({p->LblOperazione->text(), p->lblRisErrate->text(), p->LblTempoParziale->text(), p->LblTempoTotale->text()}),
                 QStringList({"1", "", "", "0"}));
        QCOMPARE(modulo2().ElencoOperazioni.valore(2), QString());
    }
};

QTEST_MAIN(TstFrmOperativo)
#include "tst_frmoperativo.moc"
