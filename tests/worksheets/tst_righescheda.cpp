#include "support/tabella.h"

#include "../support/orologiofinto.h"
#include "frame/servizi.h"
#include "worksheets/generatoreschede.h"

#include <QRegularExpression>
#include <QSet>

#include <tuple>

// Worksheet lines: every kind of line built from fixed numbers, then many lines
// drawn with a seeded random source and a clock that stands still.

namespace {
using int16 = Modulo2::int16;

struct Fissa { const char *nome; Conto conto; int16 caso, t1, t2, t3, r, d; const char *alunno, *docente; };

// Add and Sot with 5, 12, 3 and 20; Mol with 7 x 8 = 56 and Div with 54 : 9 = 6.
constexpr Fissa fisse[] = {
    {"add 1", Conto::Add, 1, 5, 12, 3, 20, 0, " 5 + 12 +  3 =  .", " 5 + 12 +  3 =  .          (20)"},
    {"add 2", Conto::Add, 2, 5, 12, 3, 20, 0, " . + 12 +  3 = 20", " . + 12 +  3 = 20           (5)"},
    {"add 3", Conto::Add, 3, 5, 12, 3, 20, 0, " 5 +  3 +  . = 20", " 5 +  3 +  . = 20          (12)"},
    {"add 4", Conto::Add, 4, 5, 12, 3, 20, 0, " 5 +  . +  3 = 20", " 5 +  . +  3 = 20          (12)"},
    {"sot 1", Conto::Sot, 1, 5, 12, 3, 20, 0, "20 - 12 -  3 =  .", "20 - 12 -  3 =  .           (5)"},
    {"sot 2", Conto::Sot, 2, 5, 12, 3, 20, 0, " . - 12 -  3 =  5", " . - 12 -  3 =  5          (20)"},
    {"sot 3", Conto::Sot, 3, 5, 12, 3, 20, 0, "20 -  3 -  . =  5", "20 -  3 -  . =  5          (12)"},
    {"sot 4 asterisk", Conto::Sot, 4, 5, 12, 3, 20, 0, "20 -  * -  3 =  5", "20 -  * -  3 =  5          (12)"},
    {"mol 1", Conto::Mol, 1, 7, 8, 0, 56, 3, " 7 x  8 =  .", " 7 x  8 =  .          (56)"},
    {"mol 2", Conto::Mol, 2, 7, 8, 0, 56, 3, " . x  8 = 56", " . x  8 = 56           (7)"},
    {"mol 3", Conto::Mol, 3, 7, 8, 0, 56, 3, " 7 x  . = 56", " 7 x  . = 56           (8)"},
    {"mol 4", Conto::Mol, 4, 7, 8, 0, 56, 3, " . =  7 x  8", " . =  7 x  8          (56)"},
    {"mol 5", Conto::Mol, 5, 7, 8, 0, 56, 3, "56 =  . x  7", "56 =  . x  7           (8)"},
    {"mol 6", Conto::Mol, 6, 7, 8, 0, 56, 3, "56 =  8 x . ", "56 =  8 x .            (7)"},
    {"mol 7", Conto::Mol, 7, 7, 8, 0, 56, 3, " 7 x  8 . 56", " 7 x  8 . 56           (=)"},
    {"mol 8", Conto::Mol, 8, 7, 8, 0, 56, 3, " 7 x  8 . 59", " 7 x  8 . 59           (<)"},
    {"mol 9", Conto::Mol, 9, 7, 8, 0, 56, 3, " 7 x  8 . 53", " 7 x  8 . 53           (>)"},
    {"mol 10", Conto::Mol, 10, 7, 8, 0, 56, 3, "56 .  8 x  7", "56 .  8 x  7           (=)"},
    {"mol 11", Conto::Mol, 11, 7, 8, 0, 56, 3, "59 .  8 x  7", "59 .  8 x  7           (>)"},
    {"mol 12", Conto::Mol, 12, 7, 8, 0, 56, 3, "53 .  8 x  7", "53 .  8 x  7           (<)"},
    {"div 1", Conto::Div, 1, 6, 9, 0, 54, 4, "54 :  9 =  .", "54 :  9 =  .           (6)"},
    {"div 2", Conto::Div, 2, 6, 9, 0, 54, 4, " . :  9 =  6", " . :  9 =  6          (54)"},
    {"div 3", Conto::Div, 3, 6, 9, 0, 54, 4, "54 :  . =  9", "54 :  . =  9           (6)"},
    {"div 4", Conto::Div, 4, 6, 9, 0, 54, 4, " . = 54 :  9", " . = 54 :  9           (6)"},
    {"div 5", Conto::Div, 5, 6, 9, 0, 54, 4, " 6 =  . :  9", " 6 =  . :  9          (54)"},
    {"div 6", Conto::Div, 6, 6, 9, 0, 54, 4, " 6 = 54 :  .", " 6 = 54 :  .           (9)"},
    {"div 7", Conto::Div, 7, 6, 9, 0, 54, 4, "54 :  6 .  9", "54 :  6 .  9           (=)"},
    {"div 8", Conto::Div, 8, 6, 9, 0, 54, 4, "54 :  6 .  5", "54 :  6 .  5           (>)"},
    {"div 9", Conto::Div, 9, 6, 9, 0, 54, 4, "54 :  6 . 13", "54 :  6 . 13           (<)"},
    {"div 10", Conto::Div, 10, 6, 9, 0, 54, 4, " 6 . 54 :  9", " 6 . 54 :  9           (=)"},
    {"div 11", Conto::Div, 11, 6, 9, 0, 54, 4, "10 . 54 :  9", "10 . 54 :  9           (>)"},
    {"div 12", Conto::Div, 12, 6, 9, 0, 54, 4, " 2 . 54 :  9", " 2 . 54 :  9           (<)"},
};

// Lines drawn by level: each number drawn and their sum (Operazione 1, 2, 3) or product (4 to 7),
// and the operators written; no operator when the kinds or the operation have no line.
struct Estratta { const char *nome; int16 operazione, tipoDa, tipoA, livello, minimo, massimo, totaleMin, totaleMax; const char *operatori; };

constexpr Estratta estratte[] = {
    {"addition level 1: 2 to 21, sum up to 30", 1, 1, 4, 1, 2, 21, 0, 30, "+"},
    {"subtraction level 2, terms only: 10 to 39, sum 30 to 60", 2, 2, 4, 2, 10, 39, 30, 60, "-"},
    {"both level 3: 20 to 79, sum 60 to 90", 3, 1, 4, 3, 20, 79, 60, 90, "+-"},
    {"addition level 4: 20 to 109, sum up to 90", 1, 1, 4, 4, 20, 109, 0, 90, "+"},
    {"multiplication level 1: 1 to 10, up to 40", 4, 1, 12, 1, 1, 10, 0, 40, "x"},
    {"multiplication level 2, signs only: 2 to 10, 30 to 70", 4, 7, 12, 2, 2, 10, 30, 70, "x"},
    {"division level 3: 2 to 10, dividend 50 to 99", 5, 1, 12, 3, 2, 10, 50, 99, ":"},
    {"both level 4: 1 to 10, up to 99", 6, 1, 12, 4, 1, 10, 0, 99, ":x"},
    {"all four level 1", 7, 1, 4, 1, 1, 21, 0, 40, "+-:x"},
    {"addition with kinds 5 to 6: no line", 1, 5, 6, 1, 0, 0, 0, 0, ""},
    {"operation 8: no line", 8, 1, 1, 1, 0, 0, 0, 0, ""},
};

// One side of a line read left to right: a number, then operator and number pairs.
double valuta(const QStringList &pezzi)
{
    double valore = pezzi.value(0).toDouble();
    for (int i = 1; i + 1 < pezzi.size(); i += 2) {
        const double n = pezzi[i + 1].toDouble();
        const QString &op = pezzi[i];
        valore = op == "+" ? valore + n : op == "-" ? valore - n : op == "x" ? valore * n : valore / n;
    }
    return valore;
}

// True when the pupil line, its one blank ("." or "*") filled by risposta, is a true statement.
bool vera(QString riga, const QString &risposta)
{
    static const QRegularExpression vuoto(QStringLiteral("[.*]")), relazione(QStringLiteral("[=<>]"));
    if (riga.count(vuoto) != 1)
        return false;
    const QStringList p = riga.replace(vuoto, ' ' + risposta + ' ').split(' ', Qt::SkipEmptyParts);
    const qsizetype i = p.indexOf(relazione);
    const double sinistra = valuta(p.mid(0, i)), destra = valuta(p.mid(i + 1));
    return i > 0 && (p[i] == "=" ? sinistra == destra : p[i] == "<" ? sinistra < destra : sinistra > destra);
}
} // namespace

class TestRigheScheda final : public QObject
{
    Q_OBJECT

private slots:
    void righe_data() { righeDa(fisse); }
    void righe()
    {
        const Fissa &r = rigaDi(fisse);
        Modulo2 stato;
        std::tie(stato.Termine1, stato.Termine2, stato.Termine3, stato.Incognita, stato.Differenza) =
            std::tie(r.t1, r.t2, r.t3, r.r, r.d);
        CalcolaConfronto(stato, r.conto, r.caso);
        CalcolaSpaziScheda(stato);
        const QString alunno = rigaAlunno(stato, r.conto, r.caso);
        const QString docente = rigaDocente(alunno, separatoreScheda, rispostaRiga(stato, r.conto, r.caso));
        QCOMPARE(alunno, QLatin1String(r.alunno));
        QCOMPARE(docente, QLatin1String(r.docente));
        // ")" closes every teacher line of an operation in one column.
        QCOMPARE(docente.indexOf(')'), r.conto == Conto::Add || r.conto == Conto::Sot ? 30 : 25);
    }

    void righeEstratte_data() { righeDa(estratte); }
    void righeEstratte()
    {
        const Estratta &e = rigaDi(estratte);
        const bool nessuna = QByteArray(e.operatori).isEmpty();
        Modulo2 s;
        std::tie(s.Operazione, s.TipoDa, s.TipoA, s.Livello) = std::tie(e.operazione, e.tipoDa, e.tipoA, e.livello);
        Servizi servizi;
        servizi.orologio = std::make_shared<OrologioFinto>(); // it never moves
        servizi.casuale.impostaSeme(20261205);
        GeneratoreSchede generatore{s, servizi};
        static const QRegularExpression operatore(QStringLiteral("[-+x:]"));
        QSet<int> casi, differenze;
        QSet<QString> diverse;
        QString visti;
        for (int i = 0; i < 400; ++i) {
            const auto indice = static_cast<int16>(1 + i % 60);
            s.SchedaAlunni.imposta(indice, QStringLiteral("alunni"));
            s.SchedaDocenti.imposta(indice, QStringLiteral("docenti"));
            s.Indice = indice;
            generatore.GeneraRiga();
            const QString alunno = s.SchedaAlunni.valore(indice);
            const QString docente = s.SchedaDocenti.valore(indice);
            // Every line is written, or both entries keep what they held.
            QCOMPARE(alunno == "alunni", nessuna);
            QCOMPARE(docente == "docenti", nessuna);
            if (nessuna)
                continue;
            const QString op = operatore.match(alunno).captured();
            visti += visti.contains(op) ? QString() : op;
            const int caso = generatore.Caso();
            QVERIFY(caso >= e.tipoDa && caso <= e.tipoA);
            casi.insert(caso);
            const bool somma = op == "+" || op == "-";
            for (const int n : {s.Termine1, s.Termine2, somma ? s.Termine3 : s.Termine1})
                QVERIFY2(n >= e.minimo && n <= e.massimo, qPrintable(QString::number(n)));
            const int totale = somma ? s.Termine1 + s.Termine2 + s.Termine3 : s.Termine1 * s.Termine2;
            QVERIFY2(totale >= e.totaleMin && totale <= e.totaleMax, qPrintable(QString::number(totale)));
            if (caso >= 7)
                differenze.insert(s.Differenza);
            // The teacher's line: the pupil's, the blanks, the answer that makes it true, ")" in one column.
            diverse.insert(docente);
            QVERIFY2(docente.startsWith(alunno + "       "), qPrintable(docente));
            QCOMPARE(docente.indexOf(')'), somma ? 30 : 25);
            QVERIFY2(vera(alunno, docente.mid(docente.lastIndexOf('(') + 1).chopped(1)), qPrintable(docente));
        }
        std::sort(visti.begin(), visti.end());
        QCOMPARE(visti, QLatin1String(e.operatori));
        if (nessuna)
            return;
        QCOMPARE(casi.size(), e.tipoA - e.tipoDa + 1);
        // D of a sign line is drawn again from 1 to 9 before each line.
        QVERIFY(e.tipoA < 7 || differenze.size() > 3);
        for (const int d : differenze)
            QVERIFY(d >= 1 && d <= 9);
        // The clock never moves, yet every reseeding gives new lines.
        QVERIFY2(diverse.size() > 100, qPrintable(QString::number(diverse.size())));
    }
};

QTEST_GUILESS_MAIN(TestRigheScheda)
#include "tst_righescheda.moc"
