#include "exercise/generatore.h"
#include "exercise/visualizzazione.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "support/orologiofinto.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

// Draws go on until every extreme is reached, within these bounds.
constexpr int estrazioniMinime = 3000;
constexpr int estrazioniMassime = 200000;

struct Estremi final
{
    int minimo = INT_MAX;
    int massimo = INT_MIN;
    void registra(int valore)
    {
        minimo = std::min(minimo, valore);
        massimo = std::max(massimo, valore);
    }
    bool uguali(const Estremi &altri) const { return minimo == altri.minimo && massimo == altri.massimo; }
};

int valoreControllo(int operazione, int a, int b, int c)
{
    return operazione == operazioni::moltiplicazione ? a * b * c : a + b + c;
}

Modulo2 statoPer(int operazione, int livello)
{
    Modulo2 stato;
    stato.Operazione = static_cast<Modulo2::int16>(operazione);
    stato.Livello = static_cast<Modulo2::int16>(livello);
    stato.NumeroOperazioni = 1;
    return stato;
}

} // namespace

// Drawing the three numbers of an operation, row by row of the generator table.
class TstGeneratore final : public QObject
{
    Q_OBJECT

private slots:
    void estrazioneNeiLimiti_data();
    void estrazioneNeiLimiti();
    void senzaRiga_data();
    void senzaRiga();
};

void TstGeneratore::estrazioneNeiLimiti_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("numeroMin");
    QTest::addColumn<int>("numeroMax");
    QTest::addColumn<int>("accettatoDa");
    QTest::addColumn<int>("accettatoA");
    QTest::newRow("addition level 1: 1-20, sum 10-40") << 1 << 1 << 1 << 20 << 10 << 40;
    QTest::newRow("addition level 2: 1-30, sum 30-70") << 1 << 2 << 1 << 30 << 30 << 70;
    QTest::newRow("addition level 3: 1-40, sum 50-99") << 1 << 3 << 1 << 40 << 50 << 99;
    QTest::newRow("addition level 4: 1-60, sum 10-99") << 1 << 4 << 1 << 60 << 10 << 99;
    QTest::newRow("subtraction level 1: 1-20, minuend 10-40") << 2 << 1 << 1 << 20 << 10 << 40;
    QTest::newRow("subtraction level 2: 1-20 (not 30), minuend 30-70") << 2 << 2 << 1 << 20 << 30 << 70;
    QTest::newRow("subtraction level 3: 20-49, minuend 50-98") << 2 << 3 << 20 << 49 << 50 << 98;
    QTest::newRow("subtraction level 4: 1-60, minuend 10-99") << 2 << 4 << 1 << 60 << 10 << 99;
    QTest::newRow("multiplication level 1: 1-10, product 10-40") << 3 << 1 << 1 << 10 << 10 << 40;
    QTest::newRow("multiplication level 2: 1-10, product 40-70") << 3 << 2 << 1 << 10 << 40 << 70;
    QTest::newRow("multiplication level 3: 1-10, product 50-99") << 3 << 3 << 1 << 10 << 50 << 99;
    QTest::newRow("multiplication level 4: 1-10, product 10-99") << 3 << 4 << 1 << 10 << 10 << 99;
}

void TstGeneratore::estrazioneNeiLimiti()
{
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, numeroMin);
    QFETCH(int, numeroMax);
    QFETCH(int, accettatoDa);
    QFETCH(int, accettatoA);

    // The extremes a right draw reaches: those of every accepted triple of the range.
    Estremi possibiliNumeri;
    Estremi possibiliControlli;
    for (int a = numeroMin; a <= numeroMax; ++a)
        for (int b = numeroMin; b <= numeroMax; ++b)
            for (int c = numeroMin; c <= numeroMax; ++c) {
                const int controllo = valoreControllo(operazione, a, b, c);
                if (controllo >= accettatoDa && controllo <= accettatoA) {
                    possibiliNumeri.registra(a);
                    possibiliControlli.registra(controllo);
                }
            }

    auto orologio = std::make_shared<OrologioFinto>();
    Servizi s;
    s.orologio = orologio;
    s.casuale.impostaSeme(static_cast<std::uint64_t>(operazione * 10 + livello));
    Modulo2 stato = statoPer(operazione, livello);
    Estremi numeri;
    Estremi controlli;
    for (int i = 0; i < estrazioniMassime; ++i) {
        if (i >= estrazioniMinime && numeri.uguali(possibiliNumeri) && controlli.uguali(possibiliControlli))
            break;
        orologio->avanza(0.37f);
        const auto riga = GeneraOperazione(stato, s);
        QVERIFY(riga);
        // Messages are built only on a failure: this loop runs thousands of times.
        for (int termine : {stato.Termine1, stato.Termine2, stato.Termine3}) {
            if (termine < numeroMin || termine > numeroMax)
                QFAIL(qPrintable(QStringLiteral("number %1 out of range").arg(termine)));
            numeri.registra(termine);
        }
        const int controllo = valoreControllo(operazione, stato.Termine1, stato.Termine2, stato.Termine3);
        if (controllo < accettatoDa || controllo > accettatoA)
            QFAIL(qPrintable(QStringLiteral("check value %1 not accepted").arg(controllo)));
        controlli.registra(controllo);

        // The row on screen is a true equality of numbers from 1 to 99 (a subtraction
        // never reaches 0), and the unknown is the value of its place.
        const auto &v = riga->valori;
        const int risultato = operazione == 1 ? v[0] + v[1] + v[2] : operazione == 2 ? v[0] - v[1] - v[2] : v[0] * v[1] * v[2];
        const bool nelleCifre = std::all_of(v.begin(), v.end(), [](int valore) { return valore >= 1 && valore <= 99; });
        const auto posto = postoIncognita(stato.TipoDomanda);
        if (!nelleCifre || risultato != v[3] || !posto || stato.Incognita != v[static_cast<std::size_t>(*posto)])
            QFAIL(qPrintable(QStringLiteral("row %1 %2 %3 = %4, unknown %5 at %6")
                                 .arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]).arg(stato.Incognita).arg(stato.TipoDomanda)));
    }
    QCOMPARE(numeri.minimo, possibiliNumeri.minimo);
    QCOMPARE(numeri.massimo, possibiliNumeri.massimo);
    QCOMPARE(controlli.minimo, possibiliControlli.minimo);
    QCOMPARE(controlli.massimo, possibiliControlli.massimo);
}

void TstGeneratore::senzaRiga_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::newRow("level 0 (nothing chosen)") << 1 << 0;
    QTest::newRow("level 5") << 2 << 5;
    QTest::newRow("operation 0") << 0 << 1;
    QTest::newRow("operation 4") << 4 << 3;
}

void TstGeneratore::senzaRiga()
{
    QFETCH(int, operazione);
    QFETCH(int, livello);
    Servizi s;
    s.orologio = std::make_shared<OrologioFinto>();
    Modulo2 stato = statoPer(operazione, livello);
    stato.Termine1 = 4;
    QVERIFY(!GeneraOperazione(stato, s));
    QCOMPARE(int(stato.Termine1), 4);
    QCOMPARE(stato.ElencoOperazioni.valore(1), QString());
}

QTEST_GUILESS_MAIN(TstGeneratore)
#include "tst_generatore.moc"
