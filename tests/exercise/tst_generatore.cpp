// The exercise's generator: each row of its table drawn over seeded draws, the place
// of the unknown and the log line; the row read aloud as one sentence.
#include "exercise/generatore.h"
#include "exercise/letturariga.h"
#include "exercise/visualizzazione.h"
#include "frame/servizi.h"
#include "support/orologiofinto.h"
#include "support/tabella.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <memory>
#include <tuple>

namespace {

// A row of the generator table: numbers from, to; check value (sum, minuend or product)
// accepted from, to; the places of the unknown (TipoDomanda), in equal shares.
struct Estrazione { const char *nome; int operazione, livello; std::array<int, 4> limiti; const char *posti; };
constexpr Estrazione estrazioni[] = {
    {"addition level 1: 1-20, sum 10-40", 1, 1, {1, 20, 10, 40}, "1"},
    {"addition level 2: 1-30, sum 30-70", 1, 2, {1, 30, 30, 70}, "234"},
    {"addition level 3: 1-40, sum 50-99", 1, 3, {1, 40, 50, 99}, "1234"},
    {"addition level 4: 1-60, sum 10-99", 1, 4, {1, 60, 10, 99}, "1234"},
    {"subtraction level 1: 1-20, minuend 10-40", 2, 1, {1, 20, 10, 40}, "1"},
    {"subtraction level 2: 1-20, minuend 30-70", 2, 2, {1, 20, 30, 70}, "234"},
    {"subtraction level 3: 20-49, minuend 50-98", 2, 3, {20, 49, 50, 98}, "1234"},
    {"subtraction level 4: 1-60, minuend 10-99", 2, 4, {1, 60, 10, 99}, "1234"},
    {"multiplication level 1: 1-10, product 10-40", 3, 1, {1, 10, 10, 40}, "1"},
    {"multiplication level 2: 1-10, product 40-70", 3, 2, {1, 10, 40, 70}, "234"},
    {"multiplication level 3: 1-10, product 50-99", 3, 3, {1, 10, 50, 99}, "1234"},
    {"multiplication level 4: 1-10, product 10-99", 3, 4, {1, 10, 10, 99}, "1234"},
    // No row: nothing drawn, nothing shown, never an index outside the table.
    {"level 0 (nothing chosen)", 1, 0, {}, ""},
    {"level 5", 2, 5, {}, ""},
    {"operation 4", 4, 3, {}, ""},
};

// Draws go on until every extreme is reached, within these bounds.
constexpr int estrazioniMinime = 3000;
constexpr int estrazioniMassime = 200000;

// Smallest and largest number, smallest and largest check value.
using Estremi = std::array<int, 4>;
constexpr Estremi nessuno{INT_MAX, INT_MIN, INT_MAX, INT_MIN};

void registra(Estremi &e, int numero, int controllo)
{
    e = {std::min(e[0], numero), std::max(e[1], numero), std::min(e[2], controllo), std::max(e[3], controllo)};
}

// The numbers drawn (Termine1 to 3), the place of the unknown, the log line written.
struct Riga { const char *nome; int operazione; Modulo2::int16 t1, t2, t3; int tipoDomanda, incognita; const char *riga; };
constexpr Riga righeLog[] = {
    {"7 + 25 + 3, result unknown", 1, 7, 25, 3, 1, 35, "   7 +   25 +    3 = ...    R."},
    {"9 + 8 + 5, first number unknown", 1, 9, 8, 5, 2, 9, " ... +    8 +    5 =   22   R."},
    {"subtraction 12, 5, 3, second unknown: 20 - ? - 3 = 5", 2, 12, 5, 3, 3, 12, "  20 -  ... -    3 =    5   R."},
    {"2 x 3 x 4, result unknown", 3, 2, 3, 4, 1, 24, "   2 x    3 x    4 = ...    R."},
    {"2 x 3 x 4, first number unknown", 3, 2, 3, 4, 2, 2, " ... x    3 x    4 =   24   R."},
    {"10 x 3 x 3, second number unknown", 3, 10, 3, 3, 3, 3, "  10 x  ... x    3 =   90   R."},
    {"2 x 3 x 4, third number unknown", 3, 2, 3, 4, 4, 4, "   2 x    3 x  ... =   24   R."},
};

// What the row shows (first, second, third number, result; the sign; the place crossed out,
// -1 for none; the correction) and the sentence it reads as.
struct Lettura { const char *nome; std::array<const char *, 4> numeri; const char *segno; int barrato; const char *correzione, *frase; };
constexpr Lettura letture[] = {
    {"addition, result unknown", {"10", "15", "6", "?"}, "+", -1, "", "10 più 15 più 6 uguale punto interrogativo"},
    {"subtraction, second number unknown", {"20", "?", "3", "5"}, "-", -1, "", "20 meno punto interrogativo meno 3 uguale 5"},
    {"multiplication, answer typed", {"2", "3", "4", "24"}, "x", -1, "", "2 per 3 per 4 uguale 24"},
    {"first number crossed out, then corrected (its blank read as nothing)", {"8", "8", "5", "22"}, "+", 0, " 9",
     "8 barrato più 8 più 5 uguale 22, risposta esatta 9"},
    {"result crossed out", {"10", "15", "6", "30"}, "+", 3, "", "10 più 15 più 6 uguale 30 barrato"},
    {"an example answered under its ?", {"?", "7", "13", "36"}, "+", -1, " 16", "punto interrogativo più 7 più 13 uguale 36, risposta esatta 16"},
    {"nothing written yet", {"", "", "", ""}, "", -1, "", ""},
};

} // namespace

class TstGeneratore final : public QObject
{
    Q_OBJECT

private slots:
    void estrazione_data() { righeDa(estrazioni); }
    void estrazione()
    {
        const Estrazione &r = rigaDi(estrazioni);
        const auto &limiti = r.limiti;
        const auto valoreControllo = [&r](int a, int b, int c) { return r.operazione == 3 ? a * b * c : a + b + c; };
        auto orologio = std::make_shared<OrologioFinto>();
        Servizi s;
        s.orologio = orologio;
        s.casuale.impostaSeme(static_cast<std::uint64_t>(r.operazione * 10 + r.livello));
        Modulo2 stato;
        stato.Operazione = static_cast<Modulo2::int16>(r.operazione);
        stato.Livello = static_cast<Modulo2::int16>(r.livello);
        stato.NumeroOperazioni = 1;
        const QByteArray posti(r.posti);
        if (posti.isEmpty()) {
            QVERIFY(!GeneraOperazione(stato, s));
            QCOMPARE(stato.ElencoOperazioni.valore(1), QString());
            return;
        }
        // The extremes a right draw reaches: those of every accepted triple of the range.
        Estremi possibili = nessuno;
        for (int a = limiti[0]; a <= limiti[1]; ++a)
            for (int b = limiti[0]; b <= limiti[1]; ++b)
                for (int c = limiti[0]; c <= limiti[1]; ++c)
                    if (const int v = valoreControllo(a, b, c); v >= limiti[2] && v <= limiti[3])
                        registra(possibili, a, v);
        Estremi visti = nessuno;
        std::map<int, int> conteggi;
        int n = 0;
        for (; n < estrazioniMassime && (n < estrazioniMinime || visti != possibili); ++n) {
            orologio->avanza(0.37f);
            const auto riga = GeneraOperazione(stato, s);
            QVERIFY(riga);
            ++conteggi[stato.TipoDomanda];
            const int controllo = valoreControllo(stato.Termine1, stato.Termine2, stato.Termine3);
            for (int termine : {stato.Termine1, stato.Termine2, stato.Termine3}) {
                QVERIFY(termine >= limiti[0] && termine <= limiti[1] && controllo >= limiti[2] && controllo <= limiti[3]);
                registra(visti, termine, controllo);
            }
            // The row on screen is a true equality of numbers from 1 to 99 (a subtraction
            // never reaches 0), and the unknown is the value of its place.
            const auto &v = riga->valori;
            const int risultato = r.operazione == 1 ? v[0] + v[1] + v[2] : r.operazione == 2 ? v[0] - v[1] - v[2] : v[0] * v[1] * v[2];
            QVERIFY(std::all_of(v.begin(), v.end(), [](int valore) { return valore >= 1 && valore <= 99; }) && risultato == v[3]);
            const auto posto = postoIncognita(stato.TipoDomanda);
            QVERIFY(posto && stato.Incognita == v[static_cast<std::size_t>(*posto)]);
        }
        QCOMPARE(visti, possibili);
        QCOMPARE(int(conteggi.size()), int(posti.size()));
        for (const char posto : posti) {
            const double quota = double(conteggi[posto - '0']) / n;
            QVERIFY2(qAbs(quota * double(posti.size()) - 1) < 0.1, qPrintable(QStringLiteral("place %1: share %2").arg(posto).arg(quota)));
        }
    }

    void rigaElenco_data() { righeDa(righeLog); }
    void rigaElenco()
    {
        const Riga &r = rigaDi(righeLog);
        Modulo2 stato;
        std::tie(stato.Termine1, stato.Termine2, stato.Termine3) = std::tuple(r.t1, r.t2, r.t3);
        stato.NumeroOperazioni = 7;
        SubVisualizza(stato, r.operazione, r.tipoDomanda);
        QCOMPARE(int(stato.Incognita), r.incognita);
        QCOMPARE(stato.ElencoOperazioni.valore(7), QLatin1String(r.riga));
    }

    void fraseRiga_data() { righeDa(letture); }
    void fraseRiga()
    {
        const Lettura &r = rigaDi(letture);
        RigaScritta riga{{r.numeri[0], r.numeri[1], r.numeri[2], r.numeri[3]}, r.segno, std::nullopt, r.correzione};
        if (r.barrato >= 0)
            riga.barrato = static_cast<Posto>(r.barrato);
        QCOMPARE(::fraseRiga(riga), QString::fromUtf8(r.frase));
    }
};

QTEST_GUILESS_MAIN(TstGeneratore)
#include "tst_generatore.moc"
