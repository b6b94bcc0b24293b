// The exercise window on screen: typing, judging, help and its refusals, the
// statistics panel, a whole series and its end.
#include "provafrmoperativo.h"
#include "support/tabella.h"

#include "exercise/linea.h"

using namespace prova;

namespace {
// Keys pressed on 10 + 1 + 1 with the unknown in the first number's place (? + 1 + 1 = 12).
struct Digitazione { const char *nome, *tasti, *mostrato, *esito; };
constexpr Digitazione digitazioni[] = {
    {"1,2,3,4,5 leaves 1234", "12345", "1234", ""},
    {"7, Cancella, Cancella shows ?", "7CC", "?", ""},
    {"Cancella removes the last digit only", "120C", "12", ""},
    {"the right number", "10V", "10", "Esatto"},
    {"a leading zero is not the number", "010V", "010", "Errato"},
};

// Keys pressed on 10, 1, 1 of an operation with the unknown at tipoDomanda; the place
// crossed out and corrected, -1 for none; what the log line gains.
struct Giudizio { const char *nome; int operazione, tipoDomanda; const char *tasti, *esito; int posto; const char *aggiunto; };
constexpr Giudizio giudizi[] = {
    {"right: 12 to 10 + 1 + 1 = ?", 1, 1, "12V", "Esatto", -1, "12  "},
    {"10 + 1 + 1 = ?, 11 then SI", 1, 1, "11VS", "", 3, "11*  12\xC2\xB0 "},
    {"? + 1 + 1 = 12, 9 then SI", 1, 2, "9VS", "", 0, "9*  10\xC2\xB0 "},
    {"22 - ? - 1 = 1, 1 then SI", 2, 3, "1VS", "", 1, "1*  10\xC2\xB0 "},
    {"10 x 1 x ? = 10, 10 then SI", 3, 4, "10VS", "", 2, "10*  1\xC2\xB0 "},
};

// The clock when 10 + 1 + 1 = ? is shown and when the keys are pressed; the panel's times after.
struct Tempo { const char *nome; float inizio, risposta; const char *tasti, *parziale, *totale; int secondi; };
constexpr Tempo tempiRisposta[] = {
    {"4.9 s count 4", 36000, 36004.9f, "12V", " 4", " 4", 4},
    {"100 s shown as 99", 36000, 36100, "12V", "99", " 100", 100},
    {"across midnight", 86399, 3.5f, "12V", " 4", " 4", 4},
    {"a total of 1000 s shown as 999", 0, 1000, "12V", "99", "999", 1000},
    {"a second attempt adds its time again", 36000, 36005, "11VN12V", " 5", " 10", 10},
    {"after help: the plain seconds", 36000, 36150, "11VS", "150", "150", 150},
};

// A whole series, every erroreOgni-th answer wrong and then helped.
struct SerieIntera { const char *nome; int operazione, livello, erroreOgni; };
constexpr SerieIntera serieIntere[] = {
    {"subtraction level 3, the 20th right", 2, 3, 3},
    {"multiplication level 4, the 20th wrong and helped", 3, 4, 4},
};
} // namespace

class TstFrmOperativo final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    // At first only digits, "Cancella" and "Verifica" are usable; "Esco" unloads the window.
    void apertura()
    {
        FrmOperativo *f = apri(1, 1);
        QVERIFY(f && attivo(f) == f->fraTastierino);
        for (int i = 0; i < Tastierino::numeroTasti; ++i)
            QCOMPARE(f->fraTastierino->Option2[i]->isEnabled(), i < Tastierino::avanti);
        digita(f, QStringLiteral("1VS"));
        QVERIFY(attivo(f) == f->fraTastierino && f->fraTastierino->Option2[Tastierino::esco]->isEnabled());
        digita(f, QStringLiteral("E"));
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));
    }

    void digitazione_data() { righeDa(digitazioni); }
    void digitazione()
    {
        const Digitazione &r = rigaDi(digitazioni);
        FrmOperativo *f = apri(1, 3);
        imposta(f, 10, 1, 1, 2);
        digita(f, QString::fromLatin1(r.tasti));
        QCOMPARE(f->frmNumero->LblNumero1->text(), QLatin1String(r.mostrato));
        QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("12"));
        QCOMPARE(f->LblEsito->text(), QLatin1String(r.esito));
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
        QCOMPARE(f->fraElaborazione->lblRisEsatte->text(), r.posto < 0 ? QStringLiteral("1") : QString());
        QCOMPARE(f->fraElaborazione->lblRisErrate->text(), r.posto < 0 ? QString() : QStringLiteral("1"));
        for (int i = 0; i < numeroPosti; ++i)
            QCOMPARE(f->frmNumero->Line1[i]->isVisible() && f->frmNumero->Line2[i]->isVisible(), i == r.posto);
        QCOMPARE(f->frmNumero->lblCorrezione->text(), r.posto < 0 ? QString() : modulo2().TestoIncognita);
        QVERIFY(attivo(f) == f->fraTastierino && !f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
        QVERIFY(f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());
        digita(f, QStringLiteral("A"));
        QCOMPARE(f->LblEsito->text(), QString());
        QCOMPARE(f->frmNumero->lblCorrezione->text(), QString());
        QVERIFY(r.posto < 0 || !f->frmNumero->Line1[r.posto]->isVisible());
    }

    // "NO" lets the pupil retry; the third refusal brings "Intervengo io", whose OK corrects.
    void rifiutiEIntervento()
    {
        FrmOperativo *f = apri(1, 1);
        imposta(f, 10, 1, 1, 1);
        digita(f, QStringLiteral("11VN"));
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
        QCOMPARE(rigaCorrente(), QStringLiteral("  10 +    1 +    1 = ...    R.11* 13*  12") + gradi);
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
        QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QLatin1String(r.parziale));
        QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QLatin1String(r.totale));
        QCOMPARE(modulo2().TempiEsercizi.valore(1), QStringLiteral(" %1").arg(r.secondi));
    }

    void serieIntera_data() { righeDa(serieIntere); }

    // Twenty operations, their log lines and counts; then only the notice, "Stampa"
    // opens the report, "Ricomincia" starts a new series.
    void serieIntera()
    {
        const auto [nome, operazione, livello, erroreOgni] = rigaDi(serieIntere);
        int aperture = 0;
        Finestre::istanza().registra(nomi::FrmStampaEsercizio, [&aperture] {
            ++aperture;
            return new Finestra(nomi::FrmStampaEsercizio, QSize(1440, 1440));
        });
        FrmOperativo *f = apri(operazione, livello);
        QStringList attese;
        for (int i = 1; i <= 20; ++i) {
            QCOMPARE(f->fraElaborazione->LblOperazione->text(), QString::number(i));
            QVERIFY(attivo(f) == f->fraTastierino && !f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());
            const bool errore = i % erroreOgni == 0;
            const QString giusta = modulo2().TestoIncognita;
            attese << rigaCorrente() + (errore ? QStringLiteral("0* ") + giusta + gradi : giusta.trimmed() + "  ");
            digita(f, errore ? QStringLiteral("0VS") : giusta.trimmed() + QStringLiteral("V"));
            if (i < 20)
                digita(f, QStringLiteral("A"));
        }
        for (int i = 1; i <= 20; ++i)
            QCOMPARE(modulo2().ElencoOperazioni.valore(i), attese.at(i - 1));
        QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QString::number(20 / erroreOgni));
        QVERIFY(attivo(f) == f->fraAvviso);
        QCOMPARE(QStringList({f->fraAvviso->domanda->text(), f->fraAvviso->scelte[0]->text(), f->fraAvviso->scelte[1]->text()}),
                 QStringList({"Se ricominci gli esercizi andranno persi", "Stampa", "Ricomincia"}));
        premi(f->fraAvviso->scelte[0]);
        QVERIFY(aperture == 1 && attivo(f) == f->fraAvviso);
        premi(f->fraAvviso->scelte[1]);
        QVERIFY(attivo(f) == f->fraTastierino);
        QCOMPARE(QList<int>({modulo2().NumeroOperazioni, modulo2().RisposteEsatte, modulo2().NumeroErrate}), QList<int>({1, 0, 0}));
        QCOMPARE(f->fraElaborazione->LblOperazione->text(), QStringLiteral("1"));
        QCOMPARE(modulo2().ElencoOperazioni.valore(2), QString());
    }
};

QTEST_MAIN(TstFrmOperativo)
#include "tst_frmoperativo.moc"
