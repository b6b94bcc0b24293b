// The printed report: what goes on the page, in which order and font, and
// what happens without Courier or with a failing printer. The window's own
// checks (too few operations, messages) are in tst_frmstampaesercizio.
#include "printing/stampaesercizi.h"

#include "serieprova.h"
#include "support/stampanteregistrata.h"

#include "frame/modulo2.h"

#include <QtTest>

namespace {

using Tipo = StampanteRegistrata::Tipo;

using serieprova::rigaLog;

Resoconto resocontoDiProva(int operazioni, const QString &nome = QString())
{
    Resoconto r;
    r.nomeAlunno = nome;
    r.data = QStringLiteral("05/12/2026");
    for (int i = 1; i <= operazioni; ++i)
        r.righe.append(rigaLog(i));
    r.tempi = {QStringLiteral(" 57"), QString(), QString()};
    return r;
}

// The calls of a recording printer as short readable lines.
QStringList descrivi(const StampanteRegistrata &s)
{
    QStringList d;
    for (const auto &c : s.chiamate()) {
        switch (c.tipo) {
        case Tipo::Font: d << QStringLiteral("font ") + c.testo; break;
        case Tipo::Dimensione: d << QStringLiteral("dim %1").arg(c.numero); break;
        case Tipo::Grassetto: d << QStringLiteral("bold %1").arg(c.numero); break;
        case Tipo::Posizione: d << QStringLiteral("pos %1 %2").arg(c.x).arg(c.y); break;
        case Tipo::PosizioneX: d << QStringLiteral("x %1").arg(c.x); break;
        case Tipo::PosizioneY: d << QStringLiteral("y %1").arg(c.y); break;
        case Tipo::Testo: d << (c.aCapo ? QStringLiteral("riga [") : QStringLiteral("pezzo [")) + c.testo + ']'; break;
        case Tipo::Immagine: d << QStringLiteral("immagine"); break;
        case Tipo::Fine: d << QStringLiteral("fine"); break;
        }
    }
    return d;
}

// A printer whose one call fails once, as a header may: the failing call is
// lost and reported by inErrore() until the next call goes through.
class StampanteConUnGuasto final : public Stampante
{
public:
    StampanteConUnGuasto(StampanteRegistrata &vera, int chiamataGuasta)
        : m_vera(vera)
        , m_guasta(chiamataGuasta)
    {
    }
    int numeroFont() const override { return m_vera.numeroFont(); }
    QString nomeFont(int i) const override { return m_vera.nomeFont(i); }
    void impostaFont(const QString &n) override { if (passa()) m_vera.impostaFont(n); }
    void impostaDimensione(double p) override { if (passa()) m_vera.impostaDimensione(p); }
    void impostaGrassetto(bool g) override { if (passa()) m_vera.impostaGrassetto(g); }
    void posiziona(int x, int y) override { if (passa()) m_vera.posiziona(x, y); }
    void posizionaX(int x) override { if (passa()) m_vera.posizionaX(x); }
    void posizionaY(int y) override { if (passa()) m_vera.posizionaY(y); }
    void stampa(const QString &t, bool a) override { if (passa()) m_vera.stampa(t, a); }
    void disegnaImmagine(const QImage &i, int x, int y) override { if (passa()) m_vera.disegnaImmagine(i, x, y); }
    bool fineDocumento() override { return passa() && m_vera.fineDocumento(); }
    bool inErrore() const override { return m_errore; }

private:
    bool passa()
    {
        m_errore = m_contate++ == m_guasta;
        return !m_errore;
    }
    StampanteRegistrata &m_vera;
    int m_guasta = 0;
    int m_contate = 0;
    bool m_errore = false;
};

} // namespace

class TestStampaEsercizi final : public QObject
{
    Q_OBJECT

private slots:
    void paginaCompletaConNome()
    {
        StampanteRegistrata s;
        QCOMPARE(StampaEsercizi(s, resocontoDiProva(10, QStringLiteral("nicolò ROSSI"))), EsitoStampa::Stampata);
        QStringList atteso{
            QStringLiteral("font Courier New"),
            QStringLiteral("pos 1000 1000"),
            QStringLiteral("dim 16"),
            QStringLiteral("riga [Nome nicolò ROSSI    Data di stampa 05/12/2026]"),
            QStringLiteral("dim 12"),
            QStringLiteral("bold 1"),
            QStringLiteral("y 2000"),
            QStringLiteral("riga []"),
            QStringLiteral("x 1000"),
            QStringLiteral("riga [Esercizio n.1]"),
        };
        for (int i = 1; i <= 10; ++i)
            atteso << QStringLiteral("x 1000") << QStringLiteral("riga [") + rigaLog(i) + ']';
        atteso << QStringLiteral("riga []") << QStringLiteral("pos 1000 13000")
               << QStringLiteral("riga [Eser. n.1: Tempo tot.  57 secondi]") << QStringLiteral("riga []")
               << QStringLiteral("pos 1000 13500") << QStringLiteral("riga [Eser. n.2: Tempo tot.  secondi]")
               << QStringLiteral("riga []") << QStringLiteral("pos 1000 14000")
               << QStringLiteral("riga [Eser. n.3: Tempo tot.  secondi]") << QStringLiteral("fine");
        QCOMPARE(descrivi(s), atteso);
    }

    void blocchiDiDieci_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<QList<int>>("righeDopoTitolo"); // line number printed after each heading

        QTest::newRow("10 operations: one heading, ten lines") << 10 << QList<int>{1};
        QTest::newRow("11 operations: the second heading before line 11") << 11 << QList<int>{1, 11};
        QTest::newRow("a full series of 20: two headings") << 20 << QList<int>{1, 11};
        QTest::newRow("21 operations: the third heading before line 21") << 21 << QList<int>{1, 11, 21};
        QTest::newRow("30 operations: still three headings") << 30 << QList<int>{1, 11, 21};
        QTest::newRow("35 operations: every line is printed, a fourth heading") << 35 << QList<int>{1, 11, 21, 31};
    }

    void blocchiDiDieci()
    {
        QFETCH(int, operazioni);
        QFETCH(QList<int>, righeDopoTitolo);
        StampanteRegistrata s;
        QCOMPARE(StampaEsercizi(s, resocontoDiProva(operazioni, QStringLiteral("Anna"))), EsitoStampa::Stampata);
        const QStringList testi = s.testi();

        QStringList titoli;
        for (int p = 0; p < testi.size(); ++p) {
            if (!testi.at(p).startsWith(QStringLiteral("Esercizio n.")))
                continue;
            titoli << testi.at(p);
            QCOMPARE(testi.at(p - 1), QString()); // an empty line before every heading
            QCOMPARE(testi.at(p + 1), rigaLog(righeDopoTitolo.value(titoli.size() - 1)));
        }
        QStringList titoliAttesi;
        for (int k = 1; k <= righeDopoTitolo.size(); ++k)
            titoliAttesi << QStringLiteral("Esercizio n.%1").arg(k);
        QCOMPARE(titoli, titoliAttesi);

        // Every log line once, in order.
        QStringList righe;
        for (const QString &t : testi) {
            if (t.contains(QStringLiteral("   R.")))
                righe << t;
        }
        QCOMPARE(righe, resocontoDiProva(operazioni).righe);

        // The three totals always close the page, at their fixed heights.
        QCOMPARE(testi.mid(testi.size() - 6),
                 (QStringList{QString(), QStringLiteral("Eser. n.1: Tempo tot.  57 secondi"), QString(),
                              QStringLiteral("Eser. n.2: Tempo tot.  secondi"), QString(),
                              QStringLiteral("Eser. n.3: Tempo tot.  secondi")}));
        QVERIFY(s.documentoFinito());
    }

    void intestazione_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("atteso");

        QTest::newRow("no name: dotted line and date, the line left open")
            << QString()
            << QStringList{QStringLiteral("pos 1000 1000"), QStringLiteral("dim 16"),
                           QStringLiteral("pezzo [Nome '...................]"),
                           QStringLiteral("pezzo [    Data di stampa 05/12/2026]")};
        QTest::newRow("a name as typed, blanks kept, on one line")
            << QStringLiteral(" Luca  B ")
            << QStringList{QStringLiteral("pos 1000 1000"), QStringLiteral("dim 16"),
                           QStringLiteral("riga [Nome  Luca  B     Data di stampa 05/12/2026]")};
    }

    void intestazione()
    {
        QFETCH(QString, nome);
        QFETCH(QStringList, atteso);
        StampanteRegistrata s;
        QVERIFY(StampaIntestazione(s, nome, QStringLiteral("05/12/2026")));
        QCOMPARE(descrivi(s), atteso);
        // Nineteen dots after the apostrophe.
        if (nome.isEmpty())
            QCOMPARE(s.testi().first().count(QLatin1Char('.')), 19);
    }

    void tempiDegliEsercizi_data()
    {
        QTest::addColumn<QString>("tempo");
        QTest::addColumn<QString>("riga");

        QTest::newRow("stored with its blank: two blanks after tot.")
            << QStringLiteral(" 134") << QStringLiteral("Eser. n.1: Tempo tot.  134 secondi");
        QTest::newRow("never written: two blanks before secondi")
            << QString() << QStringLiteral("Eser. n.1: Tempo tot.  secondi");
        QTest::newRow("zero seconds") << QStringLiteral(" 0") << QStringLiteral("Eser. n.1: Tempo tot.  0 secondi");
    }

    void tempiDegliEsercizi()
    {
        QFETCH(QString, tempo);
        QFETCH(QString, riga);
        Resoconto r = resocontoDiProva(10);
        r.tempi = {tempo, QStringLiteral(" 7"), QStringLiteral(" 8")};
        StampanteRegistrata s;
        StampaEsercizi(s, r);
        QCOMPARE(s.testi().mid(s.testi().size() - 5),
                 (QStringList{riga, QString(), QStringLiteral("Eser. n.2: Tempo tot.  7 secondi"), QString(),
                              QStringLiteral("Eser. n.3: Tempo tot.  8 secondi")}));
    }

    void fontCourier_data()
    {
        QTest::addColumn<QStringList>("font");
        QTest::addColumn<QString>("scelto"); // empty: no page at all

        QTest::newRow("Courier New first") << QStringList{"Arial", "Courier New", "Courier"} << "Courier New";
        QTest::newRow("Courier first") << QStringList{"Courier", "Times", "Courier New"} << "Courier";
        QTest::newRow("only Courier New, last") << QStringList{"Arial", "Times", "Courier New"} << "Courier New";
        QTest::newRow("neither") << QStringList{"Arial", "Times New Roman"} << QString();
        QTest::newRow("names differing in case only do not count")
            << QStringList{"courier new", "COURIER"} << QString();
        QTest::newRow("a longer name does not count") << QStringList{"Courier New Bold", "Courier 10 Pitch"}
                                                      << QString();
        QTest::newRow("no fonts at all") << QStringList{} << QString();
    }

    void fontCourier()
    {
        QFETCH(QStringList, font);
        QFETCH(QString, scelto);
        StampanteRegistrata s(font);
        const EsitoStampa esito = StampaEsercizi(s, resocontoDiProva(12));
        if (scelto.isEmpty()) {
            QCOMPARE(esito, EsitoStampa::SenzaCourier);
            QVERIFY(s.chiamate().empty());
        } else {
            QCOMPARE(esito, EsitoStampa::Stampata);
            QCOMPARE(descrivi(s).first(), QStringLiteral("font ") + scelto);
        }
    }

    void guastoNellIntestazione_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("chiamataGuasta"); // counting from the font call
        QTest::addColumn<QStringList>("intestazione"); // the header texts that went out

        QTest::newRow("no name, the dotted piece fails: the date is skipped")
            << QString() << 3 << QStringList{};
        QTest::newRow("no name, the size fails: nothing of the header")
            << QString() << 2 << QStringList{};
        QTest::newRow("no name, the date piece fails")
            << QString() << 4 << QStringList{QStringLiteral("Nome '...................")};
        QTest::newRow("with a name, the header line fails") << QStringLiteral("Anna") << 3 << QStringList{};
    }

    void guastoNellIntestazione()
    {
        QFETCH(QString, nome);
        QFETCH(int, chiamataGuasta);
        QFETCH(QStringList, intestazione);
        StampanteRegistrata vera;
        StampanteConUnGuasto s(vera, chiamataGuasta);
        QCOMPARE(StampaEsercizi(s, resocontoDiProva(20, nome)), EsitoStampa::Stampata);
        const QStringList testi = vera.testi();
        // The body starts with its empty line right after what the header managed.
        QCOMPARE(testi.mid(0, intestazione.size()), intestazione);
        QCOMPARE(testi.value(intestazione.size()), QString());
        QCOMPARE(testi.value(intestazione.size() + 1), QStringLiteral("Esercizio n.1"));
        QCOMPARE(testi.size(), intestazione.size() + 2 + 20 + 2 + 6);
        QCOMPARE(testi.last(), QStringLiteral("Eser. n.3: Tempo tot.  secondi"));
        QVERIFY(vera.documentoFinito());
    }

    void guastoAMetaPagina()
    {
        StampanteRegistrata s;
        s.falliscaDallaChiamata(12);
        QCOMPARE(StampaEsercizi(s, resocontoDiProva(20)), EsitoStampa::NonRiuscita);
        QCOMPARE(static_cast<int>(s.chiamate().size()), 12);
        QVERIFY(!s.documentoFinito());
    }

    void resocontoDalloStatoCondiviso_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<int>("righe");

        QTest::newRow("no operations") << 0 << 0;
        QTest::newRow("a series of 20") << 20 << 20;
        QTest::newRow("past the log's last entry: stops at 90") << 95 << 90;
        QTest::newRow("a negative count reads nothing") << -3 << 0;
    }

    void resocontoDalloStatoCondiviso()
    {
        QFETCH(int, operazioni);
        QFETCH(int, righe);
        Modulo2 m;
        for (int i = 0; i <= 90; ++i)
            m.ElencoOperazioni.imposta(i, rigaLog(i));
        m.NumeroOperazioni = static_cast<Modulo2::int16>(operazioni);
        m.TempiEsercizi.imposta(0, QStringLiteral(" 1"));
        m.TempiEsercizi.imposta(1, QStringLiteral(" 20"));
        m.TempiEsercizi.imposta(3, QStringLiteral(" 40"));
        m.TempiEsercizi.imposta(4, QStringLiteral(" 50"));
        m.NomeAlunno = QStringLiteral("Eva ");
        const Resoconto r = resocontoDaModulo2(m, QDate(2026, 3, 9));
        QCOMPARE(r.righe.size(), righe);
        if (righe > 0) {
            QCOMPARE(r.righe.first(), rigaLog(1));
            QCOMPARE(r.righe.last(), rigaLog(righe));
        }
        QCOMPARE(r.tempi.at(0), QStringLiteral(" 20"));
        QCOMPARE(r.tempi.at(1), QString());
        QCOMPARE(r.tempi.at(2), QStringLiteral(" 40"));
        QCOMPARE(r.nomeAlunno, QStringLiteral("Eva "));
        QCOMPARE(r.data, QStringLiteral("09/03/2026"));
    }
};

QTEST_GUILESS_MAIN(TestStampaEsercizi)
#include "tst_stampaesercizi.moc"
