#include "../support/stampanteregistrata.h"
#include "worksheets/paginascheda.h"

#include <QTest>

// The printed worksheet on the recording printer: heading, the 60 lines at
// their places and size, the footer, the font check and printer failures.
class TestPaginaScheda final : public QObject
{
    Q_OBJECT

private slots:
    void posizioni_data();
    void posizioni();
    void pagina_data();
    void pagina();
    void righeVuote();
    void font_data();
    void font();
    void guasto_data();
    void guasto();
};

namespace {
using Tipo = StampanteRegistrata::Tipo;
const QString obiettivo = QStringLiteral("CALCOLO DEL RISULTATO");

Modulo2 statoConRighe(Modulo2::int16 tipoScheda)
{
    Modulo2 stato;
    stato.DescrizioneObiettivo = obiettivo;
    stato.TipoScheda = tipoScheda;
    for (int i = 1; i <= 60; ++i)
        stato.ElencoOperazioni.imposta(i, QStringLiteral("riga %1").arg(i, 2, 10, QLatin1Char('0')));
    return stato;
}

// What each printed text met: the position set before it and the size in effect.
struct Stampato
{
    QString testo;
    QPoint punto;
    double dimensione = 0;
    QString font;
};

QList<Stampato> stampati(const StampanteRegistrata &stampante)
{
    QList<Stampato> elenco;
    QPoint punto;
    double dimensione = 0;
    QString font;
    for (const auto &c : stampante.chiamate()) {
        if (c.tipo == Tipo::Posizione)
            punto = {c.x, c.y};
        else if (c.tipo == Tipo::Dimensione)
            dimensione = c.numero;
        else if (c.tipo == Tipo::Font)
            font = c.testo;
        else if (c.tipo == Tipo::Testo)
            elenco.append({c.testo, punto, dimensione, font});
    }
    return elenco;
}
} // namespace

void TestPaginaScheda::posizioni_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QPoint>("punto");
    QTest::newRow("1 top left") << 1 << QPoint(1000, 2000);
    QTest::newRow("2") << 2 << QPoint(1000, 2400);
    QTest::newRow("10 last of the first group") << 10 << QPoint(1000, 5600);
    QTest::newRow("11 second group") << 11 << QPoint(1000, 6500);
    QTest::newRow("20") << 20 << QPoint(1000, 10100);
    QTest::newRow("21 third group") << 21 << QPoint(1000, 11000);
    QTest::newRow("30 bottom of the left column") << 30 << QPoint(1000, 14600);
    QTest::newRow("31 top of the right column") << 31 << QPoint(6000, 2000);
    QTest::newRow("45") << 45 << QPoint(6000, 8100);
    QTest::newRow("51") << 51 << QPoint(6000, 11000);
    QTest::newRow("60 bottom right") << 60 << QPoint(6000, 14600);
    QTest::newRow("0 is no line") << 0 << QPoint();
    QTest::newRow("61 is no line") << 61 << QPoint();
}

void TestPaginaScheda::posizioni()
{
    QFETCH(int, indice);
    QFETCH(QPoint, punto);
    QCOMPARE(posizioneRigaStampata(indice), punto);
}

void TestPaginaScheda::pagina_data()
{
    QTest::addColumn<int>("tipoScheda");
    QTest::addColumn<double>("dimensione");
    QTest::newRow("pupils' sheet in 12") << 1 << 12.0;
    QTest::newRow("teacher's sheet in 10") << 2 << 10.0;
    QTest::newRow("no sheet chosen in 10") << 0 << 10.0;
}

void TestPaginaScheda::pagina()
{
    QFETCH(int, tipoScheda);
    QFETCH(double, dimensione);
    const Modulo2 stato = statoConRighe(static_cast<Modulo2::int16>(tipoScheda));
    StampanteRegistrata stampante({QStringLiteral("Arial"), QStringLiteral("Courier New")});

    QCOMPARE(StampaScheda(stampante, stato), EsitoStampa::Stampata);
    QVERIFY(stampante.documentoFinito());
    QCOMPARE(stampante.chiamate().front().tipo, Tipo::Font);
    QCOMPARE(stampante.chiamate().front().testo, QStringLiteral("Courier New"));

    const QList<Stampato> testi = stampati(stampante);
    QCOMPARE(testi.size(), 63);
    QCOMPARE(testi[0].testo, QStringLiteral("Cognome e nome: "));
    QCOMPARE(testi[0].punto, QPoint(1000, 1000));
    QCOMPARE(testi[0].dimensione, 14.0);
    QCOMPARE(testi[0].font, QStringLiteral("Courier"));
    QCOMPARE(testi[1].testo, obiettivo);
    QCOMPARE(testi[1].punto, QPoint(1000, 1500));
    QCOMPARE(testi[1].dimensione, 12.0);
    for (int i = 1; i <= 60; ++i) {
        const Stampato &riga = testi[i + 1];
        QCOMPARE(riga.testo, stato.ElencoOperazioni.valore(i));
        const int colonna = i <= 30 ? 1000 : 6000;
        const int gruppo = ((i - 1) % 30) / 10;
        const int y = (gruppo == 0 ? 2000 : gruppo == 1 ? 6500 : 11000) + 400 * ((i - 1) % 10);
        QCOMPARE(riga.punto, QPoint(colonna, y));
        QCOMPARE(riga.dimensione, dimensione);
        QCOMPARE(riga.font, QStringLiteral("Courier"));
    }
    QCOMPARE(testi[62].testo, obiettivo);
    QCOMPARE(testi[62].punto, QPoint(1000, 15100));
    QCOMPARE(testi[62].dimensione, 8.0);
}

void TestPaginaScheda::righeVuote()
{
    Modulo2 stato = statoConRighe(1);
    for (const int i : {1, 17, 60})
        stato.ElencoOperazioni.imposta(i, QString());
    stato.ElencoOperazioni.imposta(61, QStringLiteral("beyond the sheet"));
    StampanteRegistrata stampante;
    QCOMPARE(StampaScheda(stampante, stato), EsitoStampa::Stampata);
    const QList<Stampato> testi = stampati(stampante);
    QCOMPARE(testi.size(), 60);
    for (const Stampato &s : testi)
        QVERIFY(!s.testo.isEmpty() && s.testo != QLatin1String("beyond the sheet"));
    QCOMPARE(testi[2].testo, QStringLiteral("riga 02"));
    QCOMPARE(testi[2].punto, QPoint(1000, 2400));
}

void TestPaginaScheda::font_data()
{
    QTest::addColumn<QStringList>("font");
    QTest::addColumn<QString>("trovato");
    QTest::newRow("Courier New") << QStringList{"Arial", "Courier New"} << QStringLiteral("Courier New");
    QTest::newRow("Courier alone still prints") << QStringList{"Courier"} << QStringLiteral("Courier");
    QTest::newRow("the first of the two in the printer's order")
        << QStringList{"Arial", "Courier", "Courier New"} << QStringLiteral("Courier");
    QTest::newRow("neither face") << QStringList{"Arial", "Times New Roman"} << QString();
    QTest::newRow("no fonts at all") << QStringList{} << QString();
    QTest::newRow("names must match exactly") << QStringList{"courier new", "Courier New Bold"} << QString();
}

void TestPaginaScheda::font()
{
    QFETCH(QStringList, font);
    QFETCH(QString, trovato);
    const Modulo2 stato = statoConRighe(2);
    StampanteRegistrata stampante(font);
    const EsitoStampa esito = StampaScheda(stampante, stato);
    if (trovato.isEmpty()) {
        QCOMPARE(esito, EsitoStampa::MancaCourier);
        QVERIFY(stampante.chiamate().empty());
        return;
    }
    QCOMPARE(esito, EsitoStampa::Stampata);
    QCOMPARE(stampante.chiamate().front().testo, trovato);
    QCOMPARE(stampante.testi().size(), 63);
}

void TestPaginaScheda::guasto_data()
{
    // Calls of a full page: 1 font, 7 of the heading, 1 size, 2 per line,
    // 3 of the footer, then the end of the document (call 132).
    QTest::addColumn<int>("da");
    QTest::newRow("setting the font") << 0;
    QTest::newRow("in the heading") << 4;
    QTest::newRow("the size of the lines") << 8;
    QTest::newRow("line 1") << 9;
    QTest::newRow("line 31") << 69;
    QTest::newRow("line 60") << 128;
    QTest::newRow("the footer") << 129;
    QTest::newRow("sending the page") << 132;
}

void TestPaginaScheda::guasto()
{
    QFETCH(int, da);
    const Modulo2 stato = statoConRighe(1);
    StampanteRegistrata stampante;
    stampante.falliscaDallaChiamata(da);
    QCOMPARE(StampaScheda(stampante, stato), EsitoStampa::Interrotta);
    QVERIFY(!stampante.documentoFinito());
    QCOMPARE(static_cast<int>(stampante.chiamate().size()), da);
}

QTEST_GUILESS_MAIN(TestPaginaScheda)
#include "tst_paginascheda.moc"
