#include "worksheets/righescheda.h"

#include <QTest>

Q_DECLARE_METATYPE(Conto)

// Every kind of line of every operation, built from fixed numbers: the exact
// pupil line and teacher line.
class TestRigheScheda final : public QObject
{
    Q_OBJECT

private slots:
    void righe_data();
    void righe();
    void parentesiNellaStessaColonna();
    void casoFuoriIntervallo_data();
    void casoFuoriIntervallo();
    void spazi_data();
    void spazi();
};

namespace {
using int16 = Modulo2::int16;

Modulo2 statoCon(int t1, int t2, int t3, int r, int d)
{
    Modulo2 stato;
    stato.Termine1 = static_cast<int16>(t1);
    stato.Termine2 = static_cast<int16>(t2);
    stato.Termine3 = static_cast<int16>(t3);
    stato.Incognita = static_cast<int16>(r);
    stato.Differenza = static_cast<int16>(d);
    return stato;
}

QString rigaDocenteDi(Modulo2 &stato, Conto conto, int caso)
{
    CalcolaConfronto(stato, conto, caso);
    CalcolaSpaziScheda(stato);
    return rigaDocente(rigaAlunno(stato, conto, caso), separatoreScheda, rispostaRiga(stato, conto, caso));
}
} // namespace

void TestRigheScheda::righe_data()
{
    QTest::addColumn<Conto>("conto");
    QTest::addColumn<int>("caso");
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("t3");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("d");
    QTest::addColumn<QString>("alunno");
    QTest::addColumn<QString>("docente");

    QTest::newRow("design example") << Conto::Add << 1 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral(" 5 + 12 +  3 =  .") << QStringLiteral(" 5 + 12 +  3 =  .          (20)");
    QTest::newRow("add 2 first term") << Conto::Add << 2 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral(" . + 12 +  3 = 20") << QStringLiteral(" . + 12 +  3 = 20           (5)");
    QTest::newRow("add 3 blank third") << Conto::Add << 3 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral(" 5 +  3 +  . = 20") << QStringLiteral(" 5 +  3 +  . = 20          (12)");
    QTest::newRow("add 4 blank between") << Conto::Add << 4 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral(" 5 +  . +  3 = 20") << QStringLiteral(" 5 +  . +  3 = 20          (12)");
    QTest::newRow("add 1 two digits") << Conto::Add << 1 << 23 << 31 << 18 << 72 << 0
        << QStringLiteral("23 + 31 + 18 =  .") << QStringLiteral("23 + 31 + 18 =  .          (72)");
    QTest::newRow("add 2 one digit") << Conto::Add << 2 << 2 << 3 << 4 << 9 << 0
        << QStringLiteral(" . +  3 +  4 =  9") << QStringLiteral(" . +  3 +  4 =  9           (2)");
    QTest::newRow("sot 1") << Conto::Sot << 1 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral("20 - 12 -  3 =  .") << QStringLiteral("20 - 12 -  3 =  .           (5)");
    QTest::newRow("sot 2") << Conto::Sot << 2 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral(" . - 12 -  3 =  5") << QStringLiteral(" . - 12 -  3 =  5          (20)");
    QTest::newRow("sot 3") << Conto::Sot << 3 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral("20 -  3 -  . =  5") << QStringLiteral("20 -  3 -  . =  5          (12)");
    QTest::newRow("sot 4 asterisk") << Conto::Sot << 4 << 5 << 12 << 3 << 20 << 0
        << QStringLiteral("20 -  * -  3 =  5") << QStringLiteral("20 -  * -  3 =  5          (12)");
    QTest::newRow("sot 1 one digit") << Conto::Sot << 1 << 2 << 3 << 4 << 9 << 0
        << QStringLiteral(" 9 -  3 -  4 =  .") << QStringLiteral(" 9 -  3 -  4 =  .           (2)");
    QTest::newRow("mol 1") << Conto::Mol << 1 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" 7 x  8 =  .") << QStringLiteral(" 7 x  8 =  .          (56)");
    QTest::newRow("mol 2") << Conto::Mol << 2 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" . x  8 = 56") << QStringLiteral(" . x  8 = 56           (7)");
    QTest::newRow("mol 3") << Conto::Mol << 3 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" 7 x  . = 56") << QStringLiteral(" 7 x  . = 56           (8)");
    QTest::newRow("mol 4") << Conto::Mol << 4 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" . =  7 x  8") << QStringLiteral(" . =  7 x  8          (56)");
    QTest::newRow("mol 5") << Conto::Mol << 5 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral("56 =  . x  7") << QStringLiteral("56 =  . x  7           (8)");
    QTest::newRow("mol 6") << Conto::Mol << 6 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral("56 =  8 x . ") << QStringLiteral("56 =  8 x .            (7)");
    QTest::newRow("mol 7") << Conto::Mol << 7 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" 7 x  8 . 56") << QStringLiteral(" 7 x  8 . 56           (=)");
    QTest::newRow("mol 8") << Conto::Mol << 8 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" 7 x  8 . 59") << QStringLiteral(" 7 x  8 . 59           (<)");
    QTest::newRow("mol 9") << Conto::Mol << 9 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral(" 7 x  8 . 53") << QStringLiteral(" 7 x  8 . 53           (>)");
    QTest::newRow("mol 10") << Conto::Mol << 10 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral("56 .  8 x  7") << QStringLiteral("56 .  8 x  7           (=)");
    QTest::newRow("mol 11") << Conto::Mol << 11 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral("59 .  8 x  7") << QStringLiteral("59 .  8 x  7           (>)");
    QTest::newRow("mol 12") << Conto::Mol << 12 << 7 << 8 << 0 << 56 << 3
        << QStringLiteral("53 .  8 x  7") << QStringLiteral("53 .  8 x  7           (<)");
    QTest::newRow("mol 1 one digit result") << Conto::Mol << 1 << 2 << 3 << 0 << 6 << 3
        << QStringLiteral(" 2 x  3 =  .") << QStringLiteral(" 2 x  3 =  .           (6)");
    QTest::newRow("mol 8 comparison grows to two digits") << Conto::Mol << 8 << 1 << 5 << 0 << 5 << 7
        << QStringLiteral(" 1 x  5 . 12") << QStringLiteral(" 1 x  5 . 12           (<)");
    QTest::newRow("mol 9 comparison stops at 0") << Conto::Mol << 9 << 1 << 3 << 0 << 3 << 5
        << QStringLiteral(" 1 x  3 .  0") << QStringLiteral(" 1 x  3 .  0           (>)");
    QTest::newRow("mol 12 comparison stops at 0") << Conto::Mol << 12 << 2 << 2 << 0 << 4 << 9
        << QStringLiteral(" 0 .  2 x  2") << QStringLiteral(" 0 .  2 x  2           (<)");
    QTest::newRow("div 1") << Conto::Div << 1 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral("54 :  9 =  .") << QStringLiteral("54 :  9 =  .           (6)");
    QTest::newRow("div 2") << Conto::Div << 2 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral(" . :  9 =  6") << QStringLiteral(" . :  9 =  6          (54)");
    QTest::newRow("div 3") << Conto::Div << 3 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral("54 :  . =  9") << QStringLiteral("54 :  . =  9           (6)");
    QTest::newRow("div 4") << Conto::Div << 4 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral(" . = 54 :  9") << QStringLiteral(" . = 54 :  9           (6)");
    QTest::newRow("div 5") << Conto::Div << 5 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral(" 6 =  . :  9") << QStringLiteral(" 6 =  . :  9          (54)");
    QTest::newRow("div 6") << Conto::Div << 6 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral(" 6 = 54 :  .") << QStringLiteral(" 6 = 54 :  .           (9)");
    QTest::newRow("div 7") << Conto::Div << 7 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral("54 :  6 .  9") << QStringLiteral("54 :  6 .  9           (=)");
    QTest::newRow("div 8") << Conto::Div << 8 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral("54 :  6 .  5") << QStringLiteral("54 :  6 .  5           (>)");
    QTest::newRow("div 9") << Conto::Div << 9 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral("54 :  6 . 13") << QStringLiteral("54 :  6 . 13           (<)");
    QTest::newRow("div 10") << Conto::Div << 10 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral(" 6 . 54 :  9") << QStringLiteral(" 6 . 54 :  9           (=)");
    QTest::newRow("div 11") << Conto::Div << 11 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral("10 . 54 :  9") << QStringLiteral("10 . 54 :  9           (>)");
    QTest::newRow("div 12") << Conto::Div << 12 << 6 << 9 << 0 << 54 << 4
        << QStringLiteral(" 2 . 54 :  9") << QStringLiteral(" 2 . 54 :  9           (<)");
    QTest::newRow("div 8 comparison stops at 0") << Conto::Div << 8 << 3 << 2 << 0 << 6 << 5
        << QStringLiteral(" 6 :  3 .  0") << QStringLiteral(" 6 :  3 .  0           (>)");
    QTest::newRow("div 12 comparison stops at 0") << Conto::Div << 12 << 3 << 2 << 0 << 6 << 8
        << QStringLiteral(" 0 .  6 :  2") << QStringLiteral(" 0 .  6 :  2           (<)");
    QTest::newRow("div 1 two digit quotient") << Conto::Div << 1 << 10 << 9 << 0 << 90 << 1
        << QStringLiteral("90 :  9 =  .") << QStringLiteral("90 :  9 =  .          (10)");
}

void TestRigheScheda::righe()
{
    QFETCH(Conto, conto);
    QFETCH(int, caso);
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, t3);
    QFETCH(int, r);
    QFETCH(int, d);
    QFETCH(QString, alunno);
    QFETCH(QString, docente);

    Modulo2 stato = statoCon(t1, t2, t3, r, d);
    CalcolaConfronto(stato, conto, caso);
    CalcolaSpaziScheda(stato);
    const QString riga = rigaAlunno(stato, conto, caso);
    QCOMPARE(riga, alunno);
    QCOMPARE(rigaDocente(riga, separatoreScheda, rispostaRiga(stato, conto, caso)), docente);
    QCOMPARE(rigaDelSegno(conto, caso), caso >= 7);
}

void TestRigheScheda::parentesiNellaStessaColonna()
{
    // Answers of one and two digits and signs, on every kind of line of an
    // operation, close their bracket in one column.
    struct Numeri
    {
        int t1, t2, t3, r;
    };
    const struct
    {
        Conto conto;
        Numeri uno;
        Numeri due;
        int colonna;
    } operazioni[] = {
        {Conto::Add, {1, 2, 3, 6}, {10, 20, 30, 60}, 30},
        {Conto::Sot, {1, 2, 3, 6}, {10, 20, 30, 60}, 30},
        {Conto::Mol, {1, 2, 0, 2}, {9, 10, 0, 90}, 25},
        {Conto::Div, {1, 2, 0, 2}, {9, 10, 0, 90}, 25},
    };
    for (const auto &o : operazioni) {
        for (int caso = 1; caso <= numeroCasi(o.conto); ++caso) {
            for (const Numeri &n : {o.uno, o.due}) {
                Modulo2 stato = statoCon(n.t1, n.t2, n.t3, n.r, 5);
                const QString riga = rigaDocenteDi(stato, o.conto, caso);
                QVERIFY2(riga.indexOf(QLatin1Char(')')) == o.colonna && riga.size() == o.colonna + 1,
                         qPrintable(riga));
            }
        }
    }
}

void TestRigheScheda::casoFuoriIntervallo_data()
{
    QTest::addColumn<Conto>("conto");
    QTest::addColumn<int>("caso");
    QTest::newRow("addition 0") << Conto::Add << 0;
    QTest::newRow("addition 5") << Conto::Add << 5;
    QTest::newRow("subtraction 7") << Conto::Sot << 7;
    QTest::newRow("multiplication 0") << Conto::Mol << 0;
    QTest::newRow("multiplication 13") << Conto::Mol << 13;
    QTest::newRow("division -1") << Conto::Div << -1;
}

void TestRigheScheda::casoFuoriIntervallo()
{
    QFETCH(Conto, conto);
    QFETCH(int, caso);
    Modulo2 stato = statoCon(5, 6, 7, 18, 3);
    stato.Confronto = 42;
    CalcolaConfronto(stato, conto, caso);
    QCOMPARE(stato.Confronto, int16(42));
    QVERIFY(!casoValido(conto, caso));
    QVERIFY(rigaAlunno(stato, conto, caso).isEmpty());
    QVERIFY(rispostaRiga(stato, conto, caso).isEmpty());
    QVERIFY(segnoRiga(conto, caso).isEmpty());
}

void TestRigheScheda::spazi_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QString>("spazi");
    QTest::newRow("0") << 0 << QStringLiteral(" ");
    QTest::newRow("9 is one digit") << 9 << QStringLiteral(" ");
    QTest::newRow("10 is two digits") << 10 << QString();
    QTest::newRow("90") << 90 << QString();
}

void TestRigheScheda::spazi()
{
    QFETCH(int, numero);
    QFETCH(QString, spazi);
    QCOMPARE(spaziScheda(numero), spazi);
    // Every one of the five paddings follows the same rule.
    Modulo2 stato = statoCon(numero, numero, numero, numero, 0);
    stato.Confronto = static_cast<int16>(numero);
    CalcolaSpaziScheda(stato);
    for (const QString &s : {stato.Spazi1, stato.Spazi2, stato.Spazi3, stato.SpaziIncognita, stato.SpaziConfronto})
        QCOMPARE(s, spazi);
}

QTEST_GUILESS_MAIN(TestRigheScheda)
#include "tst_righescheda.moc"
