// The examples: one per place of the unknown, drawn by the exercise window's
// generator at the level chosen, each answer making its row true. (That the
// shared state stays as it was is tested on the real windows.)
#include "exercise/generatore.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "start/esempi.h"
#include "support/orologiofinto.h"

#include <QtTest>

namespace {

// The row with the answer in the unknown's place holds: first (op) second (op) third = result.
bool rigaVera(const Esempio &esempio)
{
    auto valori = esempio.riga.valori;
    const auto posto = postoIncognita(esempio.riga.tipoDomanda);
    if (!posto)
        return false;
    valori[static_cast<std::size_t>(*posto)] = esempio.risposta;
    const auto [a, b, c, r] = valori;
    switch (esempio.operazione) {
    case operazioni::addizione:
        return a + b + c == r;
    case operazioni::sottrazione:
        return a - b - c == r;
    case operazioni::moltiplicazione:
        return a * b * c == r;
    default:
        return false;
    }
}

// The check value the generator bounds: the sum, the minuend or the product.
int valoreDiControllo(const Esempio &esempio)
{
    auto valori = esempio.riga.valori;
    valori[static_cast<std::size_t>(*postoIncognita(esempio.riga.tipoDomanda))] = esempio.risposta;
    return esempio.operazione == operazioni::sottrazione ? valori[0] : valori[3];
}

} // namespace

class TstEsempi final : public QObject
{
    Q_OBJECT

    std::shared_ptr<OrologioFinto> m_orologio = std::make_shared<OrologioFinto>();

private slots:
    void initTestCase()
    {
        servizi().orologio = m_orologio;
        servizi().casuale.impostaSeme(777);
    }

    void esempi_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("livelloDisegno");

        const char *nomi[] = {"addition", "subtraction", "multiplication"};
        for (int op = 1; op <= 3; ++op) {
            QTest::addRow("%s, no level chosen: level 1", nomi[op - 1]) << op << 0 << 1;
            for (int l = 1; l <= 4; ++l)
                QTest::addRow("%s, level %d", nomi[op - 1], l) << op << l << l;
        }
    }

    void esempi()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(int, livelloDisegno);
        Modulo2 stato;
        stato.Operazione = static_cast<Modulo2::int16>(operazione);
        stato.Livello = static_cast<Modulo2::int16>(livello);
        const auto riga = rigaGeneratore(operazione, livelloDisegno);
        QVERIFY(riga);
        // Result first, then the three numbers from the left: every place once.
        const std::array<Posto, 4> ordine{Posto::risultato, Posto::primo, Posto::secondo, Posto::terzo};
        for (int giro = 0; giro < 50; ++giro) {
            m_orologio->avanza(0.37f);
            const std::vector<Esempio> esempi = disegnaEsempi(stato, servizi());
            QCOMPARE(esempi.size(), tipiDomandaEsempi.size());
            for (std::size_t i = 0; i < esempi.size(); ++i) {
                const Esempio &e = esempi[i];
                QCOMPARE(e.operazione, operazione);
                QCOMPARE(postoIncognita(e.riga.tipoDomanda), std::optional<Posto>(ordine[i]));
                QVERIFY2(rigaVera(e), qPrintable(QStringLiteral("row %1").arg(i)));
                const int controllo = valoreDiControllo(e);
                QVERIFY(controllo >= riga->minimo && controllo <= riga->massimo);
                for (const int v : e.riga.valori)
                    QVERIFY(v >= 1 && v <= 99);
            }
        }
    }

    void operazioneNonAllenata_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::newRow("0") << 0;
        QTest::newRow("4") << 4;
        QTest::newRow("negative") << -1;
    }

    void operazioneNonAllenata()
    {
        QFETCH(int, operazione);
        Modulo2 stato;
        stato.Operazione = static_cast<Modulo2::int16>(operazione);
        stato.Livello = 1;
        QVERIFY(disegnaEsempi(stato, servizi()).empty());
    }

    void livello_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("atteso");
        QTest::newRow("none chosen") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("4, the last") << 4 << 4;
        QTest::newRow("5, past the last") << 5 << 1;
        QTest::newRow("negative") << -2 << 1;
    }

    void livello()
    {
        QFETCH(int, livello);
        QFETCH(int, atteso);
        QCOMPARE(livelloEsempi(livello), atteso);
    }

    void intestazioni_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::addColumn<int>("livello");
        QTest::addColumn<QString>("riga1");
        QTest::addColumn<QString>("riga2");
        QTest::newRow("addition, no level") << 1 << 0 << "   Operazione:    ADDIZIONE"
                                            << "Livello n.1:         NUMERO MASSIMO da  1 a 30";
        QTest::newRow("subtraction, level 2") << 2 << 2 << "   Operazione:    SOTTRAZIONE"
                                              << "Livello n.2:         NUMERO MASSIMO da  30 a 60";
        QTest::newRow("multiplication, level 4") << 3 << 4 << "   Operazione:    MOLTIPLICAZIONE"
                                                 << "Livello n.4:         NUMERO MASSIMO da  1 a 99";
    }

    void intestazioni()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(QString, riga1);
        QFETCH(QString, riga2);
        QCOMPARE(intestazioneOperazione(operazione), riga1);
        QCOMPARE(intestazioneLivello(livello), riga2);
    }
};

QTEST_GUILESS_MAIN(TstEsempi)
#include "tst_esempi.moc"
