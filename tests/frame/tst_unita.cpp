// The frame's plain calculations: twips and 0x00BBGGRR colours, the
// proportional places of controls, the random source's reseeding (its ranges
// are checked through every generator that draws from it).
#include "frame/aspetto.h"
#include "frame/casuale.h"
#include "frame/posizionerelativa.h"
#include "frame/unita.h"
#include "support/tabella.h"

#include <QtTest>

namespace {
// A 0x00BBGGRR colour and the same colour as Qt's 0xAARRGGBB.
struct Colore { const char *nome; quint32 bgr, argb; };
const Colore colori[] = {
    {"brown, every channel", 0x00004080, 0xFF804000},
    {"from its parts", aspetto::bgr(255, 192, 128), 0xFFFFC080},
};

struct Twips { const char *nome; int twips; double dpi; int pixel; };
constexpr Twips misure[] = {
    {"one inch at 600 dpi", 1440, 600, 600},
    {"rounds up to the nearest", 22, 96, 1},
    {"rounds down to the nearest", 7, 96, 0},
};

// A control's place in a window of the design size, the window's new size, the control's new place.
struct Riscala { const char *nome; QRect controllo; QSize design, nuova; QRect atteso; };
const Riscala riscale[] = {
    {"the design size gives the design place back", {590, 371, 185, 105}, {794, 556}, {794, 556}, {590, 371, 185, 105}},
    {"double width doubles left and width only", {30, 241, 270, 243}, {794, 556}, {1588, 556}, {60, 241, 540, 243}},
    {"odd sizes round to the nearest pixel", {10, 10, 10, 10}, {100, 100}, {333, 77}, {33, 8, 33, 8}},
    {"a window reduced to nothing", {450, 120, 300, 200}, {794, 556}, {0, 0}, {}},
    {"an empty window at capture leaves every ratio at 0", {450, 120, 300, 200}, {0, 0}, {794, 556}, {0, 0, 0, 0}},
};
} // namespace

class TstUnita final : public QObject
{
    Q_OBJECT

private slots:
    void colori_data() { righeDa(::colori); }
    void colori() { QCOMPARE(unita::coloreDaBgr(rigaDi(::colori).bgr), rigaDi(::colori).argb); }

    void twips_data() { righeDa(misure); }
    void twips()
    {
        const Twips &r = rigaDi(misure);
        QCOMPARE(unita::twipsInPixel(r.twips, r.dpi), r.pixel);
    }

    void riscala_data() { righeDa(riscale); }
    void riscala()
    {
        const Riscala &r = rigaDi(riscale);
        QCOMPARE(applicaPosizione(misuraPosizione(r.controllo, r.design), r.nuova), r.atteso);
    }

    // Reseeding mixes the clock into the state: the same second twice still gives a new draw.
    void rimescolare()
    {
        Casuale a(7);
        Casuale b(7);
        Casuale c(7);
        a.rimescola(3600.0f);
        b.rimescola(3600.0f);
        c.rimescola(3600.25f);
        const double prima = a.frazione();
        QCOMPARE(b.frazione(), prima);
        QVERIFY(c.frazione() != prima);
        a.rimescola(3600.0f); // the same second again: the sequence goes on, it does not start over
        QVERIFY(a.frazione() != prima);
    }
};

QTEST_GUILESS_MAIN(TstUnita)
#include "tst_unita.moc"
