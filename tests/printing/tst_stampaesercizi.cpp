// The printed report: what goes on the page, in which order and font, and
// what happens without Courier or with a failing printer.
#include "printing/stampaesercizi.h"

#include "serieprova.h"
#include "support/stampanteregistrata.h"

#include <QtTest>

namespace {

using Tipo = StampanteRegistrata::Tipo;
using serieprova::rigaLog;

Resoconto resocontoDiProva(int operazioni, const QString &nome = QString())
{
    Resoconto r{nome, QStringLiteral("05/12/2026"), {}, {QStringLiteral(" 57"), QString(), QString()}};
    for (int i = 1; i <= operazioni; ++i)
        r.righe.append(rigaLog(i));
    return r;
}

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
        case Tipo::Immagine: d << QStringLiteral("immagine"); break;
        case Tipo::Fine: d << QStringLiteral("fine"); break;
        }
    }
    return d;
}

// A printer whose one call fails, as a header may: that call is lost and
// inErrore() says so until the next call goes through.
class StampanteConUnGuasto final : public Stampante
{
public:
    StampanteConUnGuasto(StampanteRegistrata &vera, int guasta) : m_vera(vera), m_guasta(guasta) {}
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
    bool passa() { return !(m_errore = m_contate++ == m_guasta); }
    StampanteRegistrata &m_vera;
    int m_guasta = 0;
    int m_contate = 0;
    bool m_errore = false;
};

const QStringList totali{QString(), "Eser. n.1: Tempo tot.  57 secondi", QString(),
                         "Eser. n.2: Tempo tot.  secondi",  QString(), "Eser. n.3: Tempo tot.  secondi"};

} // namespace

class TestStampaEsercizi final : public QObject
{
    Q_OBJECT

private slots:
    // Eleven operations and a name: every call, position and size of the page.
    void paginaConNome()
    {
        StampanteRegistrata s;
        QCOMPARE(StampaEsercizi(s, resocontoDiProva(11, QStringLiteral(" Luca  B "))), EsitoStampa::Stampata);
        QStringList atteso{"font Courier New", "pos 1000 1000", "dim 16",
                           "riga [Nome  Luca  B     Data di stampa 05/12/2026]",
                           "dim 12", "bold 1", "y 2000", "riga []", "x 1000", "riga [Esercizio n.1]"};
        for (int i = 1; i <= 11; ++i) {
            if (i == 11)
                atteso << "riga []" << "x 1000" << "riga [Esercizio n.2]";
            atteso << "x 1000" << "riga [" + rigaLog(i) + ']';
        }
        atteso << "riga []" << "pos 1000 13000" << "riga [Eser. n.1: Tempo tot.  57 secondi]"
               << "riga []" << "pos 1000 13500" << "riga [Eser. n.2: Tempo tot.  secondi]"
               << "riga []" << "pos 1000 14000" << "riga [Eser. n.3: Tempo tot.  secondi]" << "fine";
        QCOMPARE(descrivi(s), atteso);
    }

    void intestazioneSenzaNome()
    {
        StampanteRegistrata s;
        QVERIFY(StampaIntestazione(s, QString(), QStringLiteral("05/12/2026")));
        QCOMPARE(descrivi(s), (QStringList{"pos 1000 1000", "dim 16", "pezzo [Nome '...................]",
                                           "pezzo [    Data di stampa 05/12/2026]"}));
    }

    void fontCourier_data()
    {
        QTest::addColumn<QStringList>("font");
        QTest::addColumn<QString>("scelto"); // empty: no page at all

        QTest::newRow("Courier New first") << QStringList{"Arial", "Courier New", "Courier"} << "Courier New";
        QTest::newRow("Courier first") << QStringList{"Courier", "Times", "Courier New"} << "Courier";
        QTest::newRow("neither") << QStringList{"Arial", "Courier 10 Pitch"} << QString();
    }

    void fontCourier()
    {
        QFETCH(QStringList, font);
        QFETCH(QString, scelto);
        StampanteRegistrata s(font);
        const EsitoStampa esito = StampaEsercizi(s, resocontoDiProva(12));
        QCOMPARE(esito, scelto.isEmpty() ? EsitoStampa::SenzaCourier : EsitoStampa::Stampata);
        QCOMPARE(descrivi(s).value(0), scelto.isEmpty() ? QString() : "font " + scelto);
    }

    // No name, the dotted piece fails: the date is skipped, body and totals go out all the same.
    void guastoNellIntestazione()
    {
        StampanteRegistrata vera;
        StampanteConUnGuasto s(vera, 3); // counting from the font call
        QCOMPARE(StampaEsercizi(s, resocontoDiProva(10)), EsitoStampa::Stampata);
        QStringList atteso{QString(), "Esercizio n.1"};
        for (int i = 1; i <= 10; ++i)
            atteso << rigaLog(i);
        QCOMPARE(vera.testi(), atteso + totali);
        QVERIFY(vera.documentoFinito());
    }
};

QTEST_GUILESS_MAIN(TestStampaEsercizi)
#include "tst_stampaesercizi.moc"
