// The worksheet lines: every kind of line built from fixed numbers, then many
// lines drawn with a seeded random source and a clock that stands still; the
// printed page on the recording printer: heading, lines and footer at their
// places and sizes, the font check and printer failures.
#include "frame/servizi.h"
#include "support/orologiofinto.h"
#include "support/stampanteregistrata.h"
#include "support/tabella.h"
#include "worksheets/generatoreschede.h"
#include "worksheets/paginascheda.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <memory>
#include <tuple>

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
    {"division level 3: 1 to 9, dividend 50 to 99", 5, 1, 12, 3, 1, 9, 50, 99, ":"},
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

// The pieces of the pupil line with its one blank ("." or "*") filled by risposta; none if
// the line has no blank or several.
QStringList riempita(QString riga, const QString &risposta)
{
    static const QRegularExpression vuoto(QStringLiteral("[.*]"));
    if (riga.count(vuoto) != 1)
        return {};
    return riga.replace(vuoto, ' ' + risposta + ' ').split(' ', Qt::SkipEmptyParts);
}

// The answer at the end of a teacher line, in its brackets.
QString rispostaDocente(const QString &docente)
{
    return docente.mid(docente.lastIndexOf('(') + 1).chopped(1);
}

// True when the pupil line, its blank filled by risposta, is a true statement.
bool vera(const QString &riga, const QString &risposta)
{
    static const QRegularExpression relazione(QStringLiteral("[=<>]"));
    const QStringList p = riempita(riga, risposta);
    const qsizetype i = p.indexOf(relazione);
    const double sinistra = valuta(p.mid(0, i)), destra = valuta(p.mid(i + 1));
    return i > 0 && (p[i] == "=" ? sinistra == destra : p[i] == "<" ? sinistra < destra : sinistra > destra);
}

// Division sheets by level, every kind of line: the dividend's range.
struct Divisioni { const char *nome; int16 livello; int dividendoMin, dividendoMax; };
constexpr Divisioni divisioniPerLivello[] = {
    {"level 1: dividends up to 40", 1, 1, 40},
    {"level 2: dividends 30 to 70", 2, 30, 70},
    {"level 3: dividends 50 to 99", 3, 50, 99},
    {"level 4: dividends up to 99", 4, 1, 99},
};

// The printer's fonts separated by ";" and the face it must be given; a printer failing from
// the n-th call. Two columns of three groups of ten lines; the pupils' sheet in 12, any other in
// 10. Every line is printed in "Courier", which the heading sets. A full page makes 130 calls: 1
// font, 7 of the heading, 1 size, 2 per line (59 lines), 3 of the footer, the end of the document.
struct Pagina { const char *nome, *font, *primoFont; int guastoDa, tipoScheda; EsitoStampa esito; const char *righe; };

constexpr Pagina pagine[] = {
    {"pupils' sheet, first column", "Arial;Courier New", "Courier New", -1, 1, EsitoStampa::Stampata,
     "riga 01 @1000,2000 12 Courier;riga 10 @1000,5600 12 Courier;riga 11 @1000,6500 12 Courier;"
     "riga 30 @1000,14600 12 Courier"},
    {"teacher's sheet, second column, Courier alone", "Courier", "Courier", -1, 2, EsitoStampa::Stampata,
     "riga 21 @1000,11000 10 Courier;riga 31 @6000,2000 10 Courier;riga 45 @6000,8100 10 Courier;"
     "riga 60 @6000,14600 10 Courier"},
    {"no sheet chosen", "Courier New", "Courier New", -1, 0, EsitoStampa::Stampata,
     "riga 02 @1000,2400 10 Courier;riga 51 @6000,11000 10 Courier"},
    {"neither face: nothing printed", "Arial;Times New Roman", "", -1, 1, EsitoStampa::SenzaCourier, ""},
    {"printer fails at line 31", "Courier New", "Courier New", 67, 1, EsitoStampa::NonRiuscita, ""},
};
} // namespace

class TstRigheScheda final : public QObject
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
            s.Indice = indice;
            generatore.GeneraRiga();
            const QString alunno = s.SchedaAlunni.valore(indice);
            const QString docente = s.SchedaDocenti.valore(indice);
            // Every line is written, or both entries stay empty.
            QCOMPARE(alunno.isEmpty(), nessuna);
            QCOMPARE(docente.isEmpty(), nessuna);
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
            QVERIFY2(vera(alunno, rispostaDocente(docente)), qPrintable(docente));
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

    void divisioni_data() { righeDa(divisioniPerLivello); }

    // 1,200 division lines, each read back from its text with the teacher's answer in its
    // blank: exact, the divisor from 1 to 9 (every one of them where the range allows), the
    // dividend within the level's range.
    void divisioni()
    {
        const Divisioni &r = rigaDi(divisioniPerLivello);
        Modulo2 s;
        std::tie(s.Operazione, s.TipoDa, s.TipoA, s.Livello, s.Indice) = std::tuple(5, 1, 12, r.livello, 1);
        Servizi servizi;
        servizi.orologio = std::make_shared<OrologioFinto>();
        servizi.casuale.impostaSeme(20261206);
        GeneratoreSchede generatore{s, servizi};
        QSet<int> divisori;
        for (int riga = 0; riga < 1200; ++riga) {
            generatore.GeneraRiga();
            const QString alunno = s.SchedaAlunni.valore(1);
            const QStringList p = riempita(alunno, rispostaDocente(s.SchedaDocenti.valore(1)));
            const qsizetype diviso = p.indexOf(QStringLiteral(":"));
            QVERIFY2(diviso > 0 && diviso + 1 < p.size(), qPrintable(alunno));
            const int dividendo = p[diviso - 1].toInt(), divisore = p[diviso + 1].toInt();
            QVERIFY2(divisore >= 1 && divisore <= 9 && dividendo % divisore == 0, qPrintable(alunno));
            QVERIFY2(dividendo >= r.dividendoMin && dividendo <= r.dividendoMax, qPrintable(alunno));
            divisori.insert(divisore);
        }
        QVERIFY(divisori.contains(9));
        QCOMPARE(divisori.contains(1), r.dividendoMin <= 9);
    }

    void pagina_data() { righeDa(pagine); }
    void pagina()
    {
        const Pagina &r = rigaDi(pagine);
        // Lines "riga 01" to "riga 60"; line 17 is empty and an entry past the sheet is set.
        Modulo2 stato;
        stato.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
        stato.TipoScheda = static_cast<Modulo2::int16>(r.tipoScheda);
        for (int i = 1; i <= 61; ++i)
            stato.ElencoOperazioni.imposta(i, i == 17 ? QString() : QStringLiteral("riga %1").arg(i, 2, 10, QChar('0')));
        StampanteRegistrata stampante(QString::fromLatin1(r.font).split(';'));
        stampante.falliscaDallaChiamata(r.guastoDa);
        QCOMPARE(StampaScheda(stampante, stato), r.esito);
        QCOMPARE(stampante.documentoFinito(), r.esito == EsitoStampa::Stampata);
        const QString primoFont = QLatin1String(r.primoFont);
        QCOMPARE(stampante.chiamate().empty(), primoFont.isEmpty());
        QVERIFY(primoFont.isEmpty() || stampante.chiamate().front().testo == primoFont);
        // A failing printer is not called past its first failure.
        QVERIFY(r.guastoDa < 0 || int(stampante.chiamate().size()) == r.guastoDa);
        if (r.esito != EsitoStampa::Stampata)
            return;
        // Each printed text with the position set before it and the size and font in effect:
        // "text @x,y size font". The heading, 59 lines (neither the empty one nor the one past
        // the sheet), the footer.
        QStringList testi;
        QString posto, dimensione, font;
        for (const auto &c : stampante.chiamate()) {
            if (c.tipo == StampanteRegistrata::Tipo::Posizione)
                posto = QStringLiteral(" @%1,%2 ").arg(c.x).arg(c.y);
            else if (c.tipo == StampanteRegistrata::Tipo::Dimensione)
                dimensione = QString::number(c.numero);
            else if (c.tipo == StampanteRegistrata::Tipo::Font)
                font = c.testo;
            else if (c.tipo == StampanteRegistrata::Tipo::Testo)
                testi.append(c.testo + posto + dimensione + QLatin1Char(' ') + font);
        }
        QCOMPARE(testi.size(), 62);
        QCOMPARE(testi[0], QStringLiteral("Cognome e nome:  @1000,1000 14 Courier"));
        QCOMPARE(testi[1], QStringLiteral("CALCOLO DEL RISULTATO @1000,1500 12 Courier"));
        QCOMPARE(testi[61], QStringLiteral("CALCOLO DEL RISULTATO @1000,15100 8 Courier"));
        for (const QString &riga : QString::fromLatin1(r.righe).split(';'))
            QVERIFY2(testi.contains(riga), qPrintable(riga));
    }
};

QTEST_GUILESS_MAIN(TstRigheScheda)
#include "tst_righescheda.moc"
