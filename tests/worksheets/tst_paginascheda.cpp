#include "support/tabella.h"

#include "../support/stampanteregistrata.h"
#include "worksheets/paginascheda.h"


// The printed worksheet on the recording printer: heading, lines and footer at
// their places and sizes, the font check and printer failures.

namespace {
// Lines "riga 01" to "riga 60"; line 17 is empty and an entry past the sheet is set.
Modulo2 statoConRighe(int tipoScheda)
{
    Modulo2 stato;
    stato.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    stato.TipoScheda = static_cast<Modulo2::int16>(tipoScheda);
    for (int i = 1; i <= 61; ++i)
        stato.ElencoOperazioni.imposta(i, i == 17 ? QString() : QStringLiteral("riga %1").arg(i, 2, 10, QChar('0')));
    return stato;
}

// Each printed text with the position set before it and the size and font in effect: "text @x,y size font".
QStringList stampati(const StampanteRegistrata &stampante)
{
    QStringList testi;
    QString posto;
    QString dimensione;
    QString font;
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
    return testi;
}

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

class TestPaginaScheda final : public QObject
{
    Q_OBJECT

private slots:
    void pagina_data() { righeDa(pagine); }
    void pagina()
    {
        const Pagina &r = rigaDi(pagine);
        StampanteRegistrata stampante(QString::fromLatin1(r.font).split(';'));
        stampante.falliscaDallaChiamata(r.guastoDa);
        QCOMPARE(StampaScheda(stampante, statoConRighe(r.tipoScheda)), r.esito);
        QCOMPARE(stampante.documentoFinito(), r.esito == EsitoStampa::Stampata);
        const QString primoFont = QLatin1String(r.primoFont);
        QCOMPARE(stampante.chiamate().empty(), primoFont.isEmpty());
        QVERIFY(primoFont.isEmpty() || stampante.chiamate().front().testo == primoFont);
        // A failing printer is not called past its first failure.
        QVERIFY(r.guastoDa < 0 || int(stampante.chiamate().size()) == r.guastoDa);
        if (r.esito != EsitoStampa::Stampata)
            return;
        // The heading, 59 lines (neither the empty one nor the one past the sheet), the footer.
        const QStringList testi = stampati(stampante);
        QCOMPARE(testi.size(), 62);
        QCOMPARE(testi[0], QStringLiteral("Cognome e nome:  @1000,1000 14 Courier"));
        QCOMPARE(testi[1], QStringLiteral("CALCOLO DEL RISULTATO @1000,1500 12 Courier"));
        QCOMPARE(testi[61], QStringLiteral("CALCOLO DEL RISULTATO @1000,15100 8 Courier"));
        for (const QString &riga : QString::fromLatin1(r.righe).split(';'))
            QVERIFY2(testi.contains(riga), qPrintable(riga));
    }
};

QTEST_GUILESS_MAIN(TestPaginaScheda)
#include "tst_paginascheda.moc"
