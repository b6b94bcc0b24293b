// The toolkit: the registry of windows (one instance per name, loading and
// unloading by name, the end of the program with the last window), the
// proportional layout following the window's size, and the option button used
// as a push button: it acts once on the mouse-down (left button only), once
// for a held Enter, never on Space, and it is never left down, even when the
// release goes to another window. The plain calculations: twips and
// 0x00BBGGRR colours, the proportional places of controls, the random source's
// reseeding (its ranges are checked through every generator that draws from it).
#include "support/ambienteprova.h"
#include "support/tabella.h"

#include "frame/aspetto.h"
#include "frame/casuale.h"
#include "frame/finestra.h"
#include "frame/finestre.h"
#include "frame/posizionerelativa.h"
#include "frame/pulsanteopzione.h"
#include "frame/unita.h"

#include <QLabel>
#include <QtTest>

namespace {
QStringList g_scaricate;

// A gesture on an option button and how many times it acts.
struct Pressione { const char *nome; void (*gesto)(QWidget *); int azioni; };
const Pressione pressioni[] = {
    {"left click", [](QWidget *p) { QTest::mouseClick(p, Qt::LeftButton); }, 1},
    {"right click does nothing", [](QWidget *p) { QTest::mouseClick(p, Qt::RightButton); }, 0},
    // as when the action opens a window that takes the release
    {"press whose release another window takes", [](QWidget *p) { QTest::mousePress(p, Qt::LeftButton); }, 1},
    {"Enter held down acts once", [](QWidget *p) {
         for (int i = 0; i < 3; ++i) {
             QKeyEvent giu(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), i > 0);
             QCoreApplication::sendEvent(p, &giu);
         }
     }, 1},
    {"Space does nothing", [](QWidget *p) { QTest::keyClick(p, Qt::Key_Space); }, 0},
};

// A window that notes when it is unloaded, with a placed control and one left
// out of the proportional layout.
class FinestraProva final : public Finestra
{
public:
    explicit FinestraProva(const QString &nome)
        : Finestra(nome, QSize(6000, 4500))
    {
        aspetto::posiziona(m_due, 3000, 2250, 1500, 900);
        m_libero->setGeometry(10, 10, 20, 20);
    }
    void alCaricamento() override { catturaLayout(); }
    void alloScaricamento() override { g_scaricate.append(nome()); }

    QLabel *m_due = new QLabel(QStringLiteral("due"), area());
    QLabel *m_libero = new QLabel(QStringLiteral("libero"), area());
};
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
    {"odd sizes round to the nearest pixel", {10, 10, 10, 10}, {100, 100}, {333, 77}, {33, 8, 33, 8}},
    {"a window reduced to nothing", {450, 120, 300, 200}, {794, 556}, {0, 0}, {}},
    {"an empty window at capture leaves every ratio at 0", {450, 120, 300, 200}, {0, 0}, {794, 556}, {0, 0, 0, 0}},
};
} // namespace

class TstFinestre final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        g_scaricate.clear();
        for (const QString &nome : {QStringLiteral("A"), QStringLiteral("B")})
            Finestre::istanza().registra(nome, [nome] { return new FinestraProva(nome); });
    }
    void cleanup() { m_ambiente.reset(); }

    // One instance per name; unloading a window but the last, then closing the last by its title
    // bar, which ends the program.
    void unaSolaIstanzaPerNome()
    {
        auto &f = Finestre::istanza();
        Finestra *prima = f.carica(QStringLiteral("A"));
        QVERIFY(prima && f.carica(QStringLiteral("A")) == prima && f.mostra(QStringLiteral("A")) == prima);
        QVERIFY(!f.mostra(QStringLiteral("NessunaFinestra")));
        f.scarica(QStringLiteral("B")); // not loaded: nothing happens
        QCOMPARE(f.caricate(), QList<Finestra *>{prima});
        f.mostra(QStringLiteral("B"));
        f.scarica(QStringLiteral("A"));
        QVERIFY(!f.caricata(QStringLiteral("A")));
        QCOMPARE(m_ambiente->fineProgramma(), 0);
        f.trova(QStringLiteral("B"))->close();
        QCOMPARE(g_scaricate, (QStringList{"A", "B"}));
        QCOMPARE(m_ambiente->fineProgramma(), 1);
    }

    void mostraModaleAttendeLoScaricamento()
    {
        auto &f = Finestre::istanza();
        bool scaricata = false;
        QTimer::singleShot(50, [&] {
            f.scarica(QStringLiteral("B"));
            scaricata = true;
        });
        f.mostra(QStringLiteral("B"), true);
        QVERIFY(scaricata);
    }

    // Only the placed controls follow the window; a control moved by code goes back at the next resize.
    void layoutProporzionale()
    {
        auto *f = static_cast<FinestraProva *>(Finestre::istanza().carica(QStringLiteral("A")));
        const QRect due = f->m_due->geometry();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const QSize design = aspetto::pixelDaTwips(QSize(6000, 4500));
        f->m_due->move(0, 0);
        f->area()->resize(design.width() * 2, 0);
        QCOMPARE(f->m_due->geometry(), QRect(due.left() * 2, 0, due.width() * 2, 0));
        QCOMPARE(f->m_libero->geometry(), QRect(10, 10, 20, 20));
        f->area()->resize(design);
        QCOMPARE(f->m_due->geometry(), due);
    }

    void premuto_data() { righeDa(pressioni); }
    void premuto()
    {
        const auto [nome, gesto, azioni] = rigaDi(pressioni);
        QWidget finestra;
        auto *pulsante = new PulsanteOpzione(QStringLiteral("Avanti"), 3, &finestra);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        pulsante->setFocus();
        QList<int> indici;
        connect(pulsante, &PulsanteOpzione::premuto, [&indici](int indice) { indici.append(indice); });
        gesto(pulsante);
        QCOMPARE(indici, QList<int>(azioni, 3));
        QVERIFY(!pulsante->isDown() && !pulsante->isChecked());
    }

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

QTEST_MAIN(TstFinestre)
#include "tst_finestre.moc"
