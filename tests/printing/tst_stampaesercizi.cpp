// The printed report: what goes on the page, in which order, place and font;
// what happens without Courier or when the header fails.
#include "printing/stampaesercizi.h"

#include "serieprova.h"
#include "support/stampanteregistrata.h"

#include <QtTest>

namespace {
using Tipo = StampanteRegistrata::Tipo;

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
} // namespace

class TestStampaEsercizi final : public QObject
{
    Q_OBJECT

private slots:
    void pagina_data()
    {
        QTest::addColumn<int>("operazioni");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("font");      // the printer's fonts
        QTest::addColumn<int>("guasto");            // the one call that fails, from the font call on; -1 none
        QTest::addColumn<QStringList>("inizio");    // the calls before the body; empty: no page at all
        QTest::addColumn<QList<int>>("primeRighe"); // the log line after each heading

        const QStringList corpo{"dim 12", "bold 1", "y 2000"};
        const QStringList arialCourier{"Arial", "Courier New", "Courier"};
        const QStringList intestazione{"font Courier New", "pos 1000 1000", "dim 16"};
        QTest::newRow("10 lines, no name: the dotted line, one heading")
            << 10 << "" << arialCourier << -1
            << intestazione + QStringList{"pezzo [Nome '...................]", "pezzo [    Data di stampa 05/12/2026]"}
                   + corpo
            << QList<int>{1};
        QTest::newRow("the dotted piece fails: no date, body and totals all the same")
            << 10 << "" << arialCourier << 3 << intestazione + corpo << QList<int>{1};
        QTest::newRow("20 lines with a name as typed: a second heading before line 11")
            << 20 << " Luca  B " << arialCourier << -1
            << intestazione + QStringList{"riga [Nome  Luca  B     Data di stampa 05/12/2026]"} + corpo
            << QList<int>{1, 11};
        QTest::newRow("21 lines, Courier listed first: a third heading")
            << 21 << "Eva" << QStringList{"Courier", "Times", "Courier New"} << -1
            << QStringList{"font Courier", "pos 1000 1000", "dim 16", "riga [Nome Eva    Data di stampa 05/12/2026]"}
                   + corpo
            << QList<int>{1, 11, 21};
        QTest::newRow("neither Courier nor Courier New: nothing sent")
            << 12 << "" << QStringList{"Arial", "Courier 10 Pitch"} << -1 << QStringList{} << QList<int>{};
    }

    void pagina()
    {
        QFETCH(int, operazioni);
        QFETCH(QString, nome);
        QFETCH(QStringList, font);
        QFETCH(int, guasto);
        QFETCH(QStringList, inizio);
        QFETCH(QList<int>, primeRighe);
        Resoconto r{nome, QStringLiteral("05/12/2026"), {}, {QStringLiteral(" 57"), QString(), QString()}};
        QStringList atteso = inizio;
        for (int i = 1; i <= operazioni; ++i) {
            r.righe.append(serieprova::rigaLog(i));
            if (primeRighe.contains(i))
                atteso << "riga []" << "x 1000" << QStringLiteral("riga [Esercizio n.%1]").arg(primeRighe.indexOf(i) + 1);
            atteso << "x 1000" << "riga [" + r.righe.last() + ']';
        }
        atteso << "riga []" << "pos 1000 13000" << "riga [Eser. n.1: Tempo tot.  57 secondi]"
               << "riga []" << "pos 1000 13500" << "riga [Eser. n.2: Tempo tot.  secondi]"
               << "riga []" << "pos 1000 14000" << "riga [Eser. n.3: Tempo tot.  secondi]" << "fine";
        StampanteRegistrata s(font);
        s.falliscaSoloLaChiamata(guasto);
        const EsitoStampa esito = StampaEsercizi(s, r);
        QCOMPARE(esito, inizio.isEmpty() ? EsitoStampa::SenzaCourier : EsitoStampa::Stampata);
        QCOMPARE(descrivi(s), inizio.isEmpty() ? QStringList{} : atteso);
    }
};

QTEST_GUILESS_MAIN(TestStampaEsercizi)
#include "tst_stampaesercizi.moc"
