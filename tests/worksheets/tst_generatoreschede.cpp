#include "verificariga.h"

#include "../support/orologiofinto.h"
#include "frame/servizi.h"
#include "worksheets/generatoreschede.h"

#include <QSet>
#include <QTest>

#include <memory>

// Many lines drawn with a seeded random source: the numbers stay inside each
// level's bounds and every line is true once its blank is filled with the
// teacher's answer.
class TestGeneratoreSchede final : public QObject
{
    Q_OBJECT

private slots:
    void terminiPerLivello_data();
    void terminiPerLivello();
    void fattoriPerLivello_data();
    void fattoriPerLivello();
    void righeVere_data();
    void righeVere();
    void casoFuoriIntervallo_data();
    void casoFuoriIntervallo();
    void nessunObiettivo_data();
    void nessunObiettivo();
    void operazioniMiste_data();
    void operazioniMiste();
    void livelloFuoriIntervallo();
    void stessoIstanteRigheDiverse();
};

namespace {
using int16 = Modulo2::int16;
constexpr int giri = 400;

// A generator on a shared state and services of its own.
struct Banco
{
    Modulo2 stato;
    Servizi servizi;
    std::shared_ptr<OrologioFinto> orologio = std::make_shared<OrologioFinto>();
    GeneratoreSchede generatore{stato, servizi};

    Banco(int operazione, int tipoDa, int tipoA, int livello)
    {
        servizi.orologio = orologio;
        servizi.casuale.impostaSeme(20261205);
        stato.Operazione = static_cast<int16>(operazione);
        stato.TipoDa = static_cast<int16>(tipoDa);
        stato.TipoA = static_cast<int16>(tipoA);
        stato.Livello = static_cast<int16>(livello);
        stato.Indice = 1;
    }

    // One line, a little later each time, as the window draws them.
    void riga(int indice)
    {
        stato.Indice = static_cast<int16>(indice);
        orologio->avanza(0.01f);
        generatore.GeneraRiga();
    }
};

// Which operation a pupil line holds, by its operator.
QChar operatore(const QString &riga)
{
    for (const QChar c : riga) {
        if (c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('x') || c == QLatin1Char(':'))
            return c;
    }
    return {};
}
} // namespace

void TestGeneratoreSchede::terminiPerLivello_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("termineMin");
    QTest::addColumn<int>("termineMax");
    QTest::addColumn<int>("sommaMin");
    QTest::addColumn<int>("sommaMax");
    QTest::newRow("addition level 1: sums up to 30") << 1 << 1 << 2 << 21 << 6 << 30;
    QTest::newRow("addition level 2: sums 30 to 60") << 1 << 2 << 10 << 39 << 30 << 60;
    QTest::newRow("addition level 3: terms 20 to 50, sums 60 to 90") << 1 << 3 << 20 << 50 << 60 << 90;
    QTest::newRow("addition level 4: sums up to 90") << 1 << 4 << 20 << 50 << 60 << 90;
    QTest::newRow("subtraction level 1") << 2 << 1 << 2 << 21 << 6 << 30;
    QTest::newRow("subtraction level 3") << 2 << 3 << 20 << 50 << 60 << 90;
}

void TestGeneratoreSchede::terminiPerLivello()
{
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, termineMin);
    QFETCH(int, termineMax);
    QFETCH(int, sommaMin);
    QFETCH(int, sommaMax);

    Banco banco(operazione, 1, 4, livello);
    for (int i = 0; i < giri; ++i) {
        banco.riga(1 + i % 60);
        const Modulo2 &s = banco.stato;
        for (const int t : {s.Termine1, s.Termine2, s.Termine3})
            QVERIFY2(t >= termineMin && t <= termineMax, qPrintable(QString::number(t)));
        const int somma = s.Termine1 + s.Termine2 + s.Termine3;
        QVERIFY2(somma >= sommaMin && somma <= sommaMax, qPrintable(QString::number(somma)));
        QCOMPARE(int(s.Incognita), somma);
    }
}

void TestGeneratoreSchede::fattoriPerLivello_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("fattoreMin");
    QTest::addColumn<int>("prodottoMin");
    QTest::addColumn<int>("prodottoMax");
    QTest::newRow("multiplication level 1: up to 40") << 4 << 1 << 1 << 1 << 40;
    QTest::newRow("multiplication level 2: 30 to 70") << 4 << 2 << 2 << 30 << 70;
    QTest::newRow("multiplication level 3: 50 to 99") << 4 << 3 << 2 << 50 << 99;
    QTest::newRow("multiplication level 4: up to 99") << 4 << 4 << 1 << 1 << 99;
    QTest::newRow("division level 1: dividend up to 40") << 5 << 1 << 1 << 1 << 40;
    QTest::newRow("division level 3: dividend 50 to 99") << 5 << 3 << 2 << 50 << 99;
}

void TestGeneratoreSchede::fattoriPerLivello()
{
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, fattoreMin);
    QFETCH(int, prodottoMin);
    QFETCH(int, prodottoMax);

    Banco banco(operazione, 1, 12, livello);
    QSet<int> differenze;
    for (int i = 0; i < giri; ++i) {
        banco.riga(1 + i % 60);
        const Modulo2 &s = banco.stato;
        QVERIFY(s.Termine1 >= fattoreMin && s.Termine1 <= 10);
        QVERIFY(s.Termine2 >= fattoreMin && s.Termine2 <= 10);
        QCOMPARE(int(s.Incognita), s.Termine1 * s.Termine2);
        QVERIFY2(s.Incognita >= prodottoMin && s.Incognita <= prodottoMax, qPrintable(QString::number(s.Incognita)));
        if (banco.generatore.Caso() >= 7)
            differenze.insert(s.Differenza);
    }
    // D of a sign line is drawn from 1 to 9, so some draws differ.
    QVERIFY(differenze.size() > 3);
    for (const int d : differenze)
        QVERIFY(d >= 1 && d <= 9);
}

void TestGeneratoreSchede::righeVere_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("tipoDa");
    QTest::addColumn<int>("tipoA");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("colonnaParentesi");
    for (int livello = 1; livello <= 4; ++livello) {
        QTest::addRow("addition, result or term, level %d", livello) << 1 << 1 << 4 << livello << 30;
        QTest::addRow("subtraction, result or term, level %d", livello) << 2 << 1 << 4 << livello << 30;
        QTest::addRow("multiplication, every kind, level %d", livello) << 4 << 1 << 12 << livello << 25;
        QTest::addRow("division, every kind, level %d", livello) << 5 << 1 << 12 << livello << 25;
        QTest::addRow("multiplication, signs only, level %d", livello) << 4 << 7 << 12 << livello << 25;
        QTest::addRow("division, signs only, level %d", livello) << 5 << 7 << 12 << livello << 25;
    }
    QTest::newRow("addition, result only") << 1 << 1 << 1 << 1 << 30;
    QTest::newRow("subtraction, terms only") << 2 << 2 << 4 << 2 << 30;
}

void TestGeneratoreSchede::righeVere()
{
    QFETCH(int, operazione);
    QFETCH(int, tipoDa);
    QFETCH(int, tipoA);
    QFETCH(int, livello);
    QFETCH(int, colonnaParentesi);

    Banco banco(operazione, tipoDa, tipoA, livello);
    QSet<int> casi;
    for (int i = 0; i < giri; ++i) {
        const int indice = 1 + i % 60;
        banco.riga(indice);
        const QString alunno = banco.stato.SchedaAlunni.valore(indice);
        const QString docente = banco.stato.SchedaDocenti.valore(indice);
        const int caso = banco.generatore.Caso();
        casi.insert(caso);
        QVERIFY(caso >= tipoDa && caso <= tipoA);

        QVERIFY2(docente.startsWith(alunno + QStringLiteral("       ")), qPrintable(docente));
        QCOMPARE(docente.indexOf(QLatin1Char(')')), colonnaParentesi);
        QCOMPARE(docente.size(), colonnaParentesi + 1);
        const QString risposta = verificariga::rispostaDocente(docente);
        QVERIFY2(verificariga::veraConRisposta(alunno, risposta),
                 qPrintable(alunno + QStringLiteral(" | ") + risposta));
        if (caso >= 7)
            QCOMPARE(risposta, banco.generatore.Segno());
        // No number is ever negative or longer than two digits.
        for (const int n : verificariga::numeri(docente))
            QVERIFY2(n >= 0 && n <= 99, qPrintable(docente));
    }
    QCOMPARE(casi.size(), tipoA - tipoDa + 1);
}

void TestGeneratoreSchede::casoFuoriIntervallo_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("tipoDa");
    QTest::addColumn<int>("tipoA");
    QTest::newRow("addition with kinds 5 to 6") << 1 << 5 << 6;
    QTest::newRow("subtraction with the sign kinds 7 to 12") << 2 << 7 << 12;
    QTest::newRow("multiplication with kind 13") << 4 << 13 << 13;
    QTest::newRow("division with kinds 13 to 20") << 5 << 13 << 20;
}

void TestGeneratoreSchede::casoFuoriIntervallo()
{
    QFETCH(int, operazione);
    QFETCH(int, tipoDa);
    QFETCH(int, tipoA);

    Banco banco(operazione, tipoDa, tipoA, 2);
    for (int indice = 1; indice <= 60; ++indice) {
        banco.stato.SchedaAlunni.imposta(indice, QStringLiteral("alunni %1").arg(indice));
        banco.stato.SchedaDocenti.imposta(indice, QStringLiteral("docenti %1").arg(indice));
    }
    for (int indice = 1; indice <= 60; ++indice)
        banco.riga(indice);
    for (int indice = 1; indice <= 60; ++indice) {
        QCOMPARE(banco.stato.SchedaAlunni.valore(indice), QStringLiteral("alunni %1").arg(indice));
        QCOMPARE(banco.stato.SchedaDocenti.valore(indice), QStringLiteral("docenti %1").arg(indice));
    }
}

void TestGeneratoreSchede::nessunObiettivo_data()
{
    QTest::addColumn<int>("operazione");
    for (int operazione = 0; operazione <= 8; ++operazione)
        QTest::addRow("operation %d", operazione) << operazione;
}

void TestGeneratoreSchede::nessunObiettivo()
{
    // TipoDa = TipoA = 0 before any objective is chosen: nothing is written,
    // whatever the operation. Operations 0 and 8 write nothing in any case.
    QFETCH(int, operazione);
    Banco senzaObiettivo(operazione, 0, 0, 1);
    Banco fuoriOperazione(operazione, 1, 1, 1);
    for (int indice = 1; indice <= 60; ++indice) {
        senzaObiettivo.riga(indice);
        fuoriOperazione.riga(indice);
    }
    const bool operazioneValida = operazione >= 1 && operazione <= 7;
    for (int indice = 0; indice <= 90; ++indice) {
        QVERIFY(senzaObiettivo.stato.SchedaAlunni.valore(indice).isEmpty());
        QVERIFY(senzaObiettivo.stato.SchedaDocenti.valore(indice).isEmpty());
        const bool scritta = indice >= 1 && indice <= 60 && operazioneValida;
        QCOMPARE(fuoriOperazione.stato.SchedaAlunni.valore(indice).isEmpty(), !scritta);
    }
}

void TestGeneratoreSchede::operazioniMiste_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QString>("operatori");
    QTest::newRow("1 additions") << 1 << QStringLiteral("+");
    QTest::newRow("2 subtractions") << 2 << QStringLiteral("-");
    QTest::newRow("3 additions and subtractions") << 3 << QStringLiteral("+-");
    QTest::newRow("4 multiplications") << 4 << QStringLiteral("x");
    QTest::newRow("5 divisions") << 5 << QStringLiteral(":");
    QTest::newRow("6 multiplications and divisions") << 6 << QStringLiteral("x:");
    QTest::newRow("7 all four") << 7 << QStringLiteral("+-x:");
}

void TestGeneratoreSchede::operazioniMiste()
{
    QFETCH(int, operazione);
    QFETCH(QString, operatori);

    // Kinds 1 to 4 exist in every operation, so every line is written.
    Banco banco(operazione, 1, 4, 1);
    QString visti;
    for (int indice = 1; indice <= 60; ++indice) {
        banco.riga(indice);
        const QChar op = operatore(banco.stato.SchedaAlunni.valore(indice));
        QVERIFY(!op.isNull());
        if (!visti.contains(op))
            visti += op;
    }
    std::sort(visti.begin(), visti.end());
    std::sort(operatori.begin(), operatori.end());
    QCOMPARE(visti, operatori);
}

void TestGeneratoreSchede::livelloFuoriIntervallo()
{
    // With no level the numbers are not drawn again: the line is built from
    // those of the line before.
    Banco banco(1, 1, 1, 0);
    banco.stato.Termine1 = 4;
    banco.stato.Termine2 = 11;
    banco.stato.Termine3 = 7;
    banco.riga(1);
    QCOMPARE(banco.stato.SchedaAlunni.valore(1), QStringLiteral(" 4 + 11 +  7 =  ."));
    QCOMPARE(banco.stato.SchedaDocenti.valore(1), QStringLiteral(" 4 + 11 +  7 =  .          (22)"));
}

void TestGeneratoreSchede::stessoIstanteRigheDiverse()
{
    // Reseeding from a clock that has not moved still gives new lines.
    Banco banco(1, 1, 4, 2);
    QSet<QString> righe;
    for (int indice = 1; indice <= 60; ++indice) {
        banco.stato.Indice = static_cast<int16>(indice);
        banco.generatore.GeneraRiga();
        righe.insert(banco.stato.SchedaDocenti.valore(indice));
    }
    QVERIFY(righe.size() > 50);
}

QTEST_GUILESS_MAIN(TestGeneratoreSchede)
#include "tst_generatoreschede.moc"
