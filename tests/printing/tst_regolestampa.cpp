// The printing rules: the grade and the certificate's print button, the
// capitalised name, the certificate's lines and their drawing centred on the
// picture's width, the report page on the recording printer, and the keyboard
// on the button rows of the report and the certificate.
#include "printing/attestato.h"
#include "printing/maiuscolainiziale.h"
#include "printing/stampaesercizi.h"
#include "printing/tastierapulsanti.h"
#include "printing/valutazione.h"

#include "serieprova.h"
#include "support/tabella.h"

#include <QScopeGuard>

#include <clocale>


namespace {
using Tipo = StampanteRegistrata::Tipo;
using Azione = TastieraPulsanti::Azione::Tipo;

// A picture that records each printed line as "x|text|font size bold|colour",
// with a font whose every character is as wide, in pixels, as its size in points.
class SuperficieRegistrata final : public SuperficieAttestato
{
public:
    void impostaFont(const FontAttestato &font) override { m_font = font; }
    void impostaColore(quint32 colore) override { m_colore = colore; }
    double larghezzaInterna() const override { return 601; }
    double larghezzaTesto(const QString &testo) const override { return double(testo.size()) * m_font.punti; }
    void posizionaX(double x) override { m_x = x; }
    void stampa(const QString &testo) override
    {
        stampe << QStringLiteral("%1|%2|%3 %4%5|%6")
                      .arg(m_x).arg(testo, m_font.nome).arg(m_font.punti).arg(m_font.grassetto ? " bold" : "")
                      .arg(m_colore, 0, 16);
        m_x = 0;
    }

    QStringList stampe;

private:
    FontAttestato m_font;
    quint32 m_colore = 0;
    double m_x = 0;
};

// The calls of a recording printer as short readable lines.
QStringList descrivi(const StampanteRegistrata &s)
{
    QStringList d;
    for (const auto &c : s.chiamate()) {
        switch (c.tipo) {
        case Tipo::Font: d << "font " + c.testo; break;
        case Tipo::Dimensione: d << QStringLiteral("dim %1").arg(c.numero); break;
        case Tipo::Grassetto: d << QStringLiteral("bold %1").arg(c.numero); break;
        case Tipo::Posizione: d << QStringLiteral("pos %1 %2").arg(c.x).arg(c.y); break;
        case Tipo::PosizioneX: d << QStringLiteral("x %1").arg(c.x); break;
        case Tipo::PosizioneY: d << QStringLiteral("y %1").arg(c.y); break;
        case Tipo::Testo: d << (c.aCapo ? "riga [" : "pezzo [") + c.testo + ']'; break;
        case Tipo::Colore: d << QStringLiteral("colore %1").arg(quint32(c.numero), 0, 16); break;
        case Tipo::Riquadro: d << QStringLiteral("riquadro %1 %2").arg(c.x).arg(c.y); break;
        case Tipo::Linea: d << QStringLiteral("linea %1 %2 %3 %4").arg(c.x).arg(c.y).arg(c.fine.x()).arg(c.fine.y()); break;
        case Tipo::Fine: d << QStringLiteral("fine"); break;
        }
    }
    return d;
}

// What the printed certificate shows: the pupil's name and the objective.
struct Stampato { const char *nome, *alunno, *obiettivo; };
constexpr Stampato stampati[] = {
    {"a short name", "Eva", "CALCOLO DEL RISULTATO"},
    {"fifteen wide letters and the longest objective", "Wwwwwwwwwwwwwww",
     "CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"},
    {"no name: an empty line in its place", "", "CALCOLO DEL SEGNO"},
};
// Paper sizes in twips, A4 and Letter, and the margin a printer may keep unprinted on each side.
constexpr QSize carte[] = {{11906, 16838}, {12240, 15840}};
constexpr int margineStampante = 360;

// Right answers of a series, its grade, whether the certificate prints, whether the notice shows.
struct Voto { const char *nome; int operazioni, esatte; const char *valutazione; bool stampabile, avviso; };
constexpr Voto voti[] = {
    {"20/18: exactly 9", 20, 18, "OTTIMO", true, false},
    {"20/17: 8.5 rounds down", 20, 17, "DISTINTO", true, false},
    {"10/5: exactly half", 10, 5, "SUFFICIENTE (!)", true, false},
    {"20/11: 5.5 rounds down", 20, 11, "SUFFICIENTE (!)", true, false},
    {"10/4: under half", 10, 4, "Non classificato", false, false},
    {"9 all right: the notice, not printable", 9, 9, "OTTIMO", false, true},
    {"9 with 2 right: the notice, not graded", 9, 2, "Non classificato", false, true},
    {"0 operations", 0, 0, "Non classificato", false, true},
};

struct Nome { const char *nome, *scritto, *atteso; };
constexpr Nome nomiAlunni[] = {
    {"accented first letter", "èlia", "Èlia"},
    {"empty stays empty", "", ""},
    {"a character outside the basic plane stays whole", "\U00010428abc", "\U00010400abc"},
};

// The report: the printer's fonts, the one call that fails counting the font call as 0 (-1 none),
// the face set (none: nothing sent), the header's pieces, the log lines that open a heading.
struct Pagina { const char *nome; int operazioni; const char *alunno, *font; int guasto; const char *courier, *testata, *titoli; };
constexpr Pagina pagine[] = {
    {"10 lines, no name: the dotted line, one heading", 10, "", "Arial;Courier New;Courier", -1, "Courier New",
     "pezzo [Nome '...................];pezzo [    Data di stampa 05/12/2026]", "1"},
    {"the dotted piece fails: no date, body and totals all the same", 10, "", "Arial;Courier New;Courier", 3,
     "Courier New", "", "1"},
    {"20 lines with a name as typed: a second heading before line 11", 20, " Luca  B ", "Arial;Courier New;Courier", -1,
     "Courier New", "riga [Nome  Luca  B     Data di stampa 05/12/2026]", "1 11"},
    {"21 lines, Courier listed first: a third heading", 21, "Eva", "Courier;Times;Courier New", -1, "Courier",
     "riga [Nome Eva    Data di stampa 05/12/2026]", "1 11 21"},
    {"neither Courier nor Courier New: nothing sent", 12, "", "Arial;Courier 10 Pitch", -1, "", "", ""},
};

// A key code pressed with the focus on button 1 of the report (else the certificate): the button
// it focuses (-1 none) and whether it counts as held.
struct Tasto { const char *nome; bool resoconto; int codice, fuoco; bool trattenuto; };
constexpr Tasto codici[] = {
    {"report: 0 is cancelled", true, 48, -1, false},
    {"report: 4 focuses ATTESTATO", true, 52, 3, true},
    {"report: 5 is cancelled", true, 53, -1, false},
    {"report: keypad 0 focuses E S C I", true, 96, 0, true},
    {"report: keypad 4 is cancelled", true, 100, -1, false},
    {"report: E accepted, nothing more", true, 69, -1, true},
    {"certificate: 3 focuses FINE SESSIONE", false, 51, 2, true},
    {"certificate: keypad 0 is cancelled", false, 96, -1, false},
    {"certificate: keypad 1 focuses STAMPA", false, 97, 0, true},
    {"certificate: E is cancelled", false, 69, -1, false},
};

// A character typed and held before the blank, the button focused, the one the blank focuses (-1 none).
struct Barra { const char *nome; bool resoconto; const char *prima; int conFuoco, prossimo; };
constexpr Barra barre[] = {
    {"certificate: 2 wraps to 0", false, "", 2, 0},
    {"report: 4 held stops the blank", true, "4", 0, -1},
    {"report: 5 is not held", true, "5", 0, 1},
    {"certificate: any character is held", false, "a", 0, -1},
};
// The short date of 6 December 2026 by the user's LC_TIME, and the date fields' format.
struct DataLocale { const char *nome, *locale, *attesa, *formato; };
constexpr DataLocale dateLocali[] = {
    {"it_IT: day first, four-digit year", "it_IT.UTF-8", "06/12/2026", "dd/MM/yyyy"},
    {"en_US: month first", "en_US.UTF-8", "12/06/2026", "MM/dd/yyyy"},
    {"C: month first, two-digit year", "C", "12/06/26", "MM/dd/yyyy"},
};
} // namespace

class TstRegoleStampa final : public QObject
{
    Q_OBJECT

private slots:
    void voto_data() { righeDa(voti); }
    void voto()
    {
        const Voto &r = rigaDi(voti);
        QCOMPARE(ValutazioneDaPunteggio(Punteggio(r.esatte, r.operazioni)), QLatin1String(r.valutazione));
        const StatoStampaAttestato stato = statoStampaAttestato(r.operazioni, r.valutazione);
        QCOMPARE(stato.didascalia, QByteArray(r.valutazione) == "Non classificato" ? "ATTESTATO NON STAMPABILE" : "STAMPA L'ATTESTATO");
        QCOMPARE(stato.abilitato, r.stampabile);
        QCOMPARE(stato.avviso, r.avviso ? "Per stampare un attestato \n\nè necessario eseguire \n\nalmeno 10 operazioni. " : "");
    }

    void maiuscolaIniziale_data() { righeDa(nomiAlunni); }
    void maiuscolaIniziale()
    {
        const Nome &r = rigaDi(nomiAlunni);
        QCOMPARE(MaiuscolaIniziale(QString::fromUtf8(r.scritto)), QString::fromUtf8(r.atteso));
    }

    // Three empty lines in the picture's own font, then each line centred on
    // the width 601 in its font and colour (ff is red), and its empty lines.
    void disegno()
    {
        SuperficieRegistrata s;
        DisegnaAttestato(s, righeAttestato({QStringLiteral("Nicolò"), QStringLiteral("TARVELO"),
                                            QStringLiteral("CALCOLO DEL RISULTATO"), QStringLiteral("NUMERO MASSIMO da  1 a 30"),
                                            QStringLiteral("DISTINTO"), 17, 20, QStringLiteral("05/12/2026")}));
        const QString vuota = QStringLiteral("0||arial 12|0");
        const QStringList attese{
            "0||MS Sans Serif 8.25 bold|0", "0||MS Sans Serif 8.25 bold|0", "0||MS Sans Serif 8.25 bold|0",
            "130.5|DIPLOMA DI MERITO|arial 20 bold|ff",
            "228.5|RILASCIATO A|arial 12 bold|0", "0||arial 12 bold|0",
            "240.5|Nicolò|arial 20 bold|ff", "0||arial 20 bold|ff",
            "198.5|per aver eseguito|arial 12|0", vuota,
            "258.5|TARVELO|arial 12 bold|0", "0||arial 12 bold|0",
            "174.5|CALCOLO DEL RISULTATO|arial 12 bold|0", "0||arial 12 bold|0",
            "150.5|NUMERO MASSIMO da  1 a 30|arial 12 bold|0", "0||arial 12 bold|0",
            "174.5|con la valutazione di|arial 12|0", vuota,
            "244.5|DISTINTO|arial 14 bold|ff", "0||arial 14 bold|ff",
            "72.5|con 17 risposte esatte su 20 richieste|arial 12|0", vuota, vuota,
            "204.5|Data  05/12/2026|arial 12|0"};
        QCOMPARE(s.stampe, attese);
    }

    void dataDelSistema_data() { righeDa(dateLocali); }

    // The date on the certificate and in the report's header follows LC_TIME, not Qt's locale;
    // so do the teacher's date fields.
    void dataDelSistema()
    {
        const DataLocale &r = rigaDi(dateLocali);
        const QByteArray prima = std::setlocale(LC_TIME, nullptr);
        if (!std::setlocale(LC_TIME, r.locale))
            QSKIP(qPrintable(QStringLiteral("The locale %1 is not installed: scripts/deps.sh test generates it.").arg(r.locale)));
        const auto ripristina = qScopeGuard([&prima] { std::setlocale(LC_TIME, prima.constData()); });
        const QDate giorno(2026, 12, 6);
        const QString attesa = QLatin1String(r.attesa);
        Modulo2 m;
        m.NomeAlunno = QStringLiteral("eva");
        QCOMPARE(PreparaAttestato(m, QStringLiteral("TARVELO"), giorno).data, attesa);
        StampanteRegistrata stampante({QStringLiteral("Courier New")});
        const Resoconto resoconto = resocontoDaModulo2(m, giorno);
        StampaIntestazione(stampante, resoconto.nomeAlunno, resoconto.data);
        QCOMPARE(stampante.testi(), QStringList("Nome Eva    Data di stampa " + attesa));
        QCOMPARE(formatoDataBreve(), QLatin1String(r.formato));
    }

    // Read aloud, the certificate is its lines in order, the empty ones (no name) left out.
    void testoLetto()
    {
        for (const QString &alunno : {QStringLiteral("Nicolò"), QString()}) {
            const QString testo = testoAttestato(righeAttestato({alunno, QStringLiteral("TARVELO"), QStringLiteral("CALCOLO DEL RISULTATO"),
                                                                QStringLiteral("NUMERO MASSIMO da  1 a 30"), QStringLiteral("DISTINTO"),
                                                                17, 20, QStringLiteral("05/12/2026")}));
            QStringList righe{"DIPLOMA DI MERITO", "RILASCIATO A", alunno, "per aver eseguito", "TARVELO", "CALCOLO DEL RISULTATO",
                              "NUMERO MASSIMO da  1 a 30", "con la valutazione di", "DISTINTO",
                              "con 17 risposte esatte su 20 richieste", "Data  05/12/2026"};
            righe.removeAll(QString());
            QCOMPARE(testo, righe.join('\n'));
        }
    }

    void attestatoStampato_data() { righeDa(stampati); }

    // The printer draws the picture's box, inside the printable part of A4
    // and Letter paper, then the lines as the screen does, each centred on the
    // box in its row's size and colour.
    void attestatoStampato()
    {
        const Stampato &r = rigaDi(stampati);
        const QVector<RigaAttestato> righe = righeAttestato(
            {QString::fromLatin1(r.alunno), QStringLiteral("TARVELO"), QString::fromLatin1(r.obiettivo),
             QStringLiteral("NUMERO MASSIMO da  1 a 30"), QStringLiteral("DISTINTO"), 17, 20,
             QStringLiteral("05/12/2026")});
        StampanteRegistrata s;
        QVERIFY(StampaAttestato(s, righe));
        const QRect riquadro = attestato::riquadroStampato;
        const auto &c = s.chiamate();
        QCOMPARE(c.front().tipo, Tipo::Riquadro);
        QCOMPARE(QRect(QPoint(c.front().x, c.front().y), c.front().dimensione), riquadro);
        QCOMPARE(quint32(c.front().numero), attestato::sfondo);
        const QMargins margini(margineStampante, margineStampante, margineStampante, margineStampante);
        for (const QSize &carta : carte)
            QVERIFY(QRect(QPoint(), carta).marginsRemoved(margini).contains(riquadro));
        QStringList attese(attestato::righeVuoteIniziali, QString());
        for (const RigaAttestato &riga : righe)
            attese << riga.testo << QStringList(riga.righeVuoteDopo, QString());
        QCOMPARE(s.testi(), attese);
        QCOMPARE(c.back().tipo, Tipo::Fine);
        double punti = 0;
        quint32 colore = 0;
        int x = 0;
        auto riga = righe.cbegin();
        for (const auto &chiamata : c) {
            if (chiamata.tipo == Tipo::Dimensione)
                punti = chiamata.numero;
            else if (chiamata.tipo == Tipo::Colore)
                colore = quint32(chiamata.numero);
            else if (chiamata.tipo == Tipo::Posizione || chiamata.tipo == Tipo::PosizioneX)
                x = chiamata.x;
            if (chiamata.tipo != Tipo::Testo || chiamata.testo.isEmpty())
                continue;
            while (riga->testo != chiamata.testo)
                ++riga;
            QCOMPARE(punti, riga->font.punti);
            QCOMPARE(colore, riga->colore);
            const double larghezza = double(chiamata.testo.size()) * punti * 10; // the recording printer's measure
            QVERIFY(qAbs(x + larghezza / 2 - (riquadro.left() + riquadro.width() / 2.0)) <= 1);
            QVERIFY(x >= riquadro.left() && x + larghezza <= riquadro.right() + 1);
        }
    }

    void pagina_data() { righeDa(pagine); }
    void pagina()
    {
        const Pagina &p = rigaDi(pagine);
        const QStringList titoli = QString::fromLatin1(p.titoli).split(' ', Qt::SkipEmptyParts);
        Resoconto r{QString::fromLatin1(p.alunno), QStringLiteral("05/12/2026"), {}, {QStringLiteral(" 57"), QString(), QString()}};
        QStringList atteso{"font " + QLatin1String(p.courier), "pos 1000 1000", "dim 16"};
        atteso << QString::fromLatin1(p.testata).split(';', Qt::SkipEmptyParts) << "dim 12" << "bold 1" << "y 2000";
        for (int i = 1; i <= p.operazioni; ++i) {
            r.righe.append(serieprova::rigaLog(i));
            if (titoli.contains(QString::number(i)))
                atteso << "riga []" << "x 1000" << QStringLiteral("riga [Esercizio n.%1]").arg(titoli.indexOf(QString::number(i)) + 1);
            atteso << "x 1000" << "riga [" + r.righe.last() + ']';
        }
        atteso << "riga []" << "pos 1000 13000" << "riga [Eser. n.1: Tempo tot.  57 secondi]"
               << "riga []" << "pos 1000 13500" << "riga [Eser. n.2: Tempo tot.  secondi]"
               << "riga []" << "pos 1000 14000" << "riga [Eser. n.3: Tempo tot.  secondi]" << "fine";
        StampanteRegistrata s(QString::fromLatin1(p.font).split(';'));
        s.falliscaSoloLaChiamata(p.guasto);
        const bool courier = *p.courier != '\0';
        QCOMPARE(StampaEsercizi(s, r), courier ? EsitoStampa::Stampata : EsitoStampa::SenzaCourier);
        QCOMPARE(descrivi(s), courier ? atteso : QStringList());
    }

    void tasti_data() { righeDa(codici); }
    void tasti()
    {
        const Tasto &r = rigaDi(codici);
        TastieraPulsanti t(r.resoconto ? regoleStampaEsercizio() : regoleAttestato());
        const auto azione = t.tastoGiu(r.codice, 1);
        QCOMPARE(azione.tipo, r.fuoco < 0 ? Azione::Nessuna : Azione::Fuoco);
        QCOMPARE(azione.indice, r.fuoco);
        QCOMPARE(t.tastoInCorso(), r.trattenuto);
        // Held: no key acts again until a key goes up.
        if (r.trattenuto)
            QCOMPARE(t.tastoGiu(13, 1).tipo, Azione::Nessuna);
        t.tastoSu();
        QCOMPARE(t.tastoGiu(r.codice, 1).indice, r.fuoco);
    }

    void barraSpaziatrice_data() { righeDa(barre); }

    // Held down, the blank repeats: the focus moves only once, until a key goes up.
    void barraSpaziatrice()
    {
        const Barra &r = rigaDi(barre);
        TastieraPulsanti t(r.resoconto ? regoleStampaEsercizio() : regoleAttestato());
        for (const char *c = r.prima; *c; ++c)
            QCOMPARE(t.carattere(QLatin1Char(*c), r.conFuoco).tipo, Azione::Nessuna);
        const auto azione = t.carattere(QLatin1Char(' '), r.conFuoco);
        QCOMPARE(azione.tipo, r.prossimo < 0 ? Azione::Nessuna : Azione::Fuoco);
        QCOMPARE(azione.indice, r.prossimo);
        QCOMPARE(t.carattere(QLatin1Char(' '), r.conFuoco).tipo, Azione::Nessuna);
        t.tastoSu();
        QCOMPARE(t.carattere(QLatin1Char(' '), r.conFuoco).tipo, Azione::Fuoco);
    }
};

QTEST_GUILESS_MAIN(TstRegoleStampa)
#include "tst_regolestampa.moc"
