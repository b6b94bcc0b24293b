// The examples: one per place of the unknown, drawn by the exercise window's
// generator at the level chosen (level 1 when none is), each answer making its
// row true.
#include "exercise/generatore.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "start/esempi.h"
#include "support/orologiofinto.h"

#include <QtTest>

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
            QTest::addRow("%s, level past the last: level 1", nomi[op - 1]) << op << 5 << 1;
            for (int l = 1; l <= 4; ++l)
                QTest::addRow("%s, level %d", nomi[op - 1], l) << op << l << l;
        }
    }

    // Result first, then the three numbers from the left; with the answer in
    // its place the row holds and its sum, minuend or product is in the range
    // the generator draws for the level.
    void esempi()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(int, livelloDisegno);
        Modulo2 stato;
        stato.Operazione = static_cast<Modulo2::int16>(operazione);
        stato.Livello = static_cast<Modulo2::int16>(livello);
        const auto limiti = rigaGeneratore(operazione, livelloDisegno);
        QVERIFY(limiti);
        const std::array<Posto, 4> ordine{Posto::risultato, Posto::primo, Posto::secondo, Posto::terzo};
        for (int giro = 0; giro < 50; ++giro) {
            m_orologio->avanza(0.37f);
            const std::vector<Esempio> esempi = disegnaEsempi(stato, servizi());
            QCOMPARE(esempi.size(), ordine.size());
            for (std::size_t i = 0; i < esempi.size(); ++i) {
                QCOMPARE(esempi[i].operazione, operazione);
                QCOMPARE(postoIncognita(esempi[i].riga.tipoDomanda), std::optional<Posto>(ordine[i]));
                auto valori = esempi[i].riga.valori;
                valori[static_cast<std::size_t>(ordine[i])] = esempi[i].risposta;
                const auto [a, b, c, r] = valori;
                const bool vera = operazione == operazioni::addizione   ? a + b + c == r
                                  : operazione == operazioni::sottrazione ? a - b - c == r
                                                                          : a * b * c == r;
                QVERIFY2(vera, qPrintable(QStringLiteral("%1 %2 %3 = %4").arg(a).arg(b).arg(c).arg(r)));
                const int controllo = operazione == operazioni::sottrazione ? a : r;
                QVERIFY(controllo >= limiti->minimo && controllo <= limiti->massimo);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstEsempi)
#include "tst_esempi.moc"
