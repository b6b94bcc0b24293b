// The large windows on a real X display managed by a window manager (Xvfb and
// openbox, started by tests/support/xvfb/con-xvfb.sh --openbox): each opens maximized
// and lays its controls out for the client area the window manager really
// gives it, on its first opening and when it is shown again.
#include "support/ambienteprova.h"
#include "support/tabella.h"

#include "frame/finestra.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"

#include <QGuiApplication>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Grande { const char *nome; const QString &finestra; };
const Grande grandi[] = {
    {"start window", nomi::frmInizio},
    {"exercise window", nomi::FrmOperativo},
    {"report window", nomi::FrmStampaEsercizio},
    {"certificate window", nomi::FrmAttestato},
    {"worksheet window", nomi::FrmStampaSchede},
    {"grading window", nomi::FrmValutazione},
    {"examples window", nomi::FrmEsemplicazione},
};

xcb_connection_t *connessione()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// The 32-bit values of a window's property, as the X server holds them now; none if it is not set.
std::vector<quint32> proprieta(xcb_window_t finestra, const char *nome)
{
    xcb_connection_t *c = connessione();
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atomo(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(nome)), nome), nullptr),
        &std::free);
    if (!atomo)
        return {};
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> valore(
        xcb_get_property_reply(c, xcb_get_property(c, 0, finestra, atomo->atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 64),
                               nullptr),
        &std::free);
    if (!valore || valore->format != 32)
        return {};
    const auto *dati = static_cast<const quint32 *>(xcb_get_property_value(valore.get()));
    return {dati, dati + xcb_get_property_value_length(valore.get()) / 4};
}

xcb_window_t radice()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connessione())).data->root;
}

// The client area as the X server has it: the window manager's decision, whatever Qt believes.
QSize areaCliente(const QWidget *finestra)
{
    xcb_connection_t *c = connessione();
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> g(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, static_cast<xcb_window_t>(finestra->winId())), nullptr),
        &std::free);
    return g ? QSize(g->width, g->height) : QSize();
}

// A maximized client: the work area less the frame the window manager draws round the window.
QSize areaIngrandita(const QWidget *finestra)
{
    const std::vector<quint32> lavoro = proprieta(radice(), "_NET_WORKAREA");
    const std::vector<quint32> cornice = proprieta(static_cast<xcb_window_t>(finestra->winId()), "_NET_FRAME_EXTENTS");
    if (lavoro.size() < 4 || cornice.size() < 4)
        return {};
    return {int(lavoro[2] - cornice[0] - cornice[1]), int(lavoro[3] - cornice[2] - cornice[3])};
}

// The places of the window's proportional controls.
QList<QRect> posti(const Finestra *f)
{
    QList<QRect> elenco;
    for (const auto &controllo : f->layoutProporzionale().controlli())
        elenco.append(controllo ? controllo->geometry() : QRect());
    return elenco;
}

} // namespace

class TstIngrandite final : public QObject
{
    Q_OBJECT

    // The window maximized by the window manager, Qt's size the X server's, and every control at
    // its proportional place for that area: a resize to the same size (which lays the window out
    // again, its own panels too) moves nothing.
    static void allaSuaArea(Finestra *f)
    {
        QTRY_VERIFY2_WITH_TIMEOUT(!areaIngrandita(f).isEmpty() && areaCliente(f) == areaIngrandita(f),
                                  "the window manager never maximized the window", 5000);
        QTRY_COMPARE_WITH_TIMEOUT(f->size(), areaCliente(f), 2000);
        const QList<QRect> prima = posti(f);
        QResizeEvent stessa(f->area()->size(), f->area()->size());
        QCoreApplication::sendEvent(f->area(), &stessa);
        QCOMPARE(posti(f), prima);
        QVERIFY(!prima.isEmpty());
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "run it through con-xvfb.sh --openbox");
        QTRY_VERIFY2_WITH_TIMEOUT(!proprieta(radice(), "_NET_SUPPORTING_WM_CHECK").empty(),
                                  "no window manager on the display", 10000);
        // Openbox loses a window mapped while it is still starting: probe windows are shown
        // until it has taken one.
        bool presa = false;
        for (int prova = 0; prova < 20 && !presa; ++prova) {
            QWidget sonda;
            sonda.show();
            presa = QTest::qWaitForWindowExposed(&sonda, 500);
        }
        QVERIFY2(presa, "the window manager takes no window");
    }

    void primaApertura_data() { righeDa(grandi); }

    // Opened, then shown again as a window already loaded is (the report from the exercise
    // window's menu, the worksheets from the start window's).
    void primaApertura()
    {
        const Grande &r = rigaDi(grandi);
        AmbienteProva ambiente;
        modulo2().Operazione = modulo2().Livello = 1;
        modulo2().NomeProgramma = QStringLiteral("TARVELO");
        Finestra *f = Finestre::istanza().mostra(r.finestra);
        QVERIFY(f && QTest::qWaitForWindowExposed(f));
        allaSuaArea(f);
        QCOMPARE(Finestre::istanza().mostra(r.finestra), f);
        allaSuaArea(f);
    }
};

QTEST_MAIN(TstIngrandite)
#include "tst_ingrandite.moc"
