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

// One row per operation: its numbers, then every kind of line (Caso 1, 2, ...) as the pupil
// sees it and the answer the teacher's line adds, separated by "|".
struct Fissa { const char *nome; Conto conto; int16 t1, t2, t3, r, d; const char *alunni, *risposte; };

// Add and Sot with 5, 12, 3 and 20; Mol with 7 x 8 = 56 and Div with 54 : 9 = 6.
constexpr Fissa fisse[] = {
    {"add", Conto::Add, 5, 12, 3, 20, 0, " 5 + 12 +  3 =  .| . + 12 +  3 = 20| 5 +  3 +  . = 20| 5 +  . +  3 = 20",
     "20|5|12|12"},
    {"sot, an asterisk in Caso 4", Conto::Sot, 5, 12, 3, 20, 0,
     "20 - 12 -  3 =  .| . - 12 -  3 =  5|20 -  3 -  . =  5|20 -  * -  3 =  5", "5|20|12|12"},
    {"mol", Conto::Mol, 7, 8, 0, 56, 3,
     " 7 x  8 =  .| . x  8 = 56| 7 x  . = 56| . =  7 x  8|56 =  . x  7|56 =  8 x . | 7 x  8 . 56| 7 x  8 . 59|"
     " 7 x  8 . 53|56 .  8 x  7|59 .  8 x  7|53 .  8 x  7", "56|7|8|56|8|7|=|<|>|=|>|<"},
    {"div", Conto::Div, 6, 9, 0, 54, 4,
     "54 :  9 =  .| . :  9 =  6|54 :  . =  9| . = 54 :  9| 6 =  . :  9| 6 = 54 :  .|54 :  6 .  9|54 :  6 .  5|"
     "54 :  6 . 13| 6 . 54 :  9|10 . 54 :  9| 2 . 54 :  9", "6|54|6|6|54|9|=|>|<|=|>|<"},
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
    {"kinds 0 to 0: no line", 1, 0, 0, 1, 0, 0, 0, 0, ""},
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
        const QStringList alunni = QString::fromLatin1(r.alunni).split('|');
        const QStringList risposte = QString::fromLatin1(r.risposte).split('|');
        // ")" closes every teacher line of an operation in one column.
        const int colonna = r.conto == Conto::Add || r.conto == Conto::Sot ? 30 : 25;
        QCOMPARE(alunni.size(), risposte.size());
        for (int caso = 1; caso <= alunni.size(); ++caso) {
            Modulo2 stato;
            std::tie(stato.Termine1, stato.Termine2, stato.Termine3, stato.Incognita, stato.Differenza) =
                std::tie(r.t1, r.t2, r.t3, r.r, r.d);
            CalcolaConfronto(stato, r.conto, caso);
            CalcolaSpaziScheda(stato);
            const QString alunno = rigaAlunno(stato, r.conto, caso);
            const QString &risposta = risposte[caso - 1];
            QCOMPARE(alunno, alunni[caso - 1]);
            const QString blanchi(colonna - alunno.size() - risposta.size() - 1, ' ');
            QCOMPARE(rigaDocente(alunno, separatoreScheda, rispostaRiga(stato, r.conto, caso)),
                     alunno + blanchi + '(' + risposta + ')');
        }
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
