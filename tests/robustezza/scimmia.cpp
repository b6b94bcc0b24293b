#include "scimmia.h"

#include "support/orologiofinto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

#include <array>

// Qt's own entry for mouse events from the window system (what QtTest uses):
// the event is delivered by position, to the control really on top there.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local, const QPointF &global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace {

constexpr int azioniRicordate = 25;

struct Tasto
{
    Qt::Key codice;
    Qt::KeyboardModifiers modificatori;
    const char *testo;
};

// Digits of both rows, the keys the windows give a meaning to, and some that
// only a restless pupil would press.
const std::array<Tasto, 40> tasti{{
    {Qt::Key_0, Qt::NoModifier, "0"},       {Qt::Key_1, Qt::NoModifier, "1"},
    {Qt::Key_2, Qt::NoModifier, "2"},       {Qt::Key_3, Qt::NoModifier, "3"},
    {Qt::Key_4, Qt::NoModifier, "4"},       {Qt::Key_5, Qt::NoModifier, "5"},
    {Qt::Key_6, Qt::NoModifier, "6"},       {Qt::Key_7, Qt::NoModifier, "7"},
    {Qt::Key_8, Qt::NoModifier, "8"},       {Qt::Key_9, Qt::NoModifier, "9"},
    {Qt::Key_0, Qt::KeypadModifier, "0"},   {Qt::Key_1, Qt::KeypadModifier, "1"},
    {Qt::Key_2, Qt::KeypadModifier, "2"},   {Qt::Key_3, Qt::KeypadModifier, "3"},
    {Qt::Key_Return, Qt::NoModifier, "\r"}, {Qt::Key_Enter, Qt::KeypadModifier, "\r"},
    {Qt::Key_Space, Qt::NoModifier, " "},   {Qt::Key_Tab, Qt::NoModifier, "\t"},
    {Qt::Key_Backtab, Qt::ShiftModifier, ""}, {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
    {Qt::Key_Backspace, Qt::NoModifier, "\b"}, {Qt::Key_Delete, Qt::NoModifier, ""},
    {Qt::Key_Left, Qt::NoModifier, ""},     {Qt::Key_Right, Qt::NoModifier, ""},
    {Qt::Key_Up, Qt::NoModifier, ""},       {Qt::Key_Down, Qt::NoModifier, ""},
    {Qt::Key_S, Qt::NoModifier, "s"},       {Qt::Key_N, Qt::NoModifier, "n"},
    {Qt::Key_R, Qt::ShiftModifier, "R"},    {Qt::Key_E, Qt::NoModifier, "e"},
    {Qt::Key_C, Qt::NoModifier, "c"},       {Qt::Key_V, Qt::NoModifier, "v"},
    {Qt::Key_A, Qt::ShiftModifier, "A"},    {Qt::Key_O, Qt::NoModifier, "o"},
    {Qt::Key_I, Qt::NoModifier, "i"},       {Qt::Key_Agrave, Qt::NoModifier, "\xc3\xa0"},
    {Qt::Key_Z, Qt::ControlModifier, ""},   {Qt::Key_F4, Qt::AltModifier, ""},
    {Qt::Key_Home, Qt::NoModifier, ""},     {Qt::Key_Minus, Qt::NoModifier, "-"},
}};

QString nomeDi(const QWidget *w)
{
    if (!w)
        return QStringLiteral("(nothing)");
    QString nome = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty())
        nome += QLatin1Char(' ') + w->objectName();
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        nome += QStringLiteral(" \"") + b->text().simplified() + QLatin1Char('"');
    return nome;
}

// The window a gesture goes on with: the one it began on, or, when a press
// unloaded it, whatever window is now on top (none at the program's end).
QWidget *finestraViva(const QPointer<QWidget> &finestra)
{
    if (finestra && finestra->isVisible())
        return finestra;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle())
            return w;
    return nullptr;
}

} // namespace

void Scimmia::mouse(const QPointer<QWidget> &finestra, QPoint punto, Qt::MouseButton pulsante, QEvent::Type tipo)
{
    QWidget *w = finestraViva(finestra);
    if (!w)
        return;
    Qt::MouseButtons premuti = Qt::NoButton;
    if (tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseMove)
        premuti = pulsante;
    m_istante += tipo == QEvent::MouseButtonRelease ? 1 : 2;
    qt_handleMouseEvent(w->windowHandle(), punto, w->mapToGlobal(punto), premuti,
                        tipo == QEvent::MouseMove ? Qt::NoButton : pulsante, tipo, Qt::NoModifier, m_istante);
}

void Scimmia::clicIn(QWidget *finestra, QPoint punto, Qt::MouseButton pulsante, int volte)
{
    const QPointer<QWidget> vivo(finestra);
    for (int i = 0; i < volte; ++i) {
        mouse(vivo, punto, pulsante, QEvent::MouseButtonPress);
        mouse(vivo, punto, pulsante, QEvent::MouseButtonRelease);
    }
    m_istante += 1000; // the next gesture is never taken for a double click
}

Scimmia::Scimmia(unsigned seme, OrologioFinto &orologio)
    : m_casuale(seme)
    , m_orologio(orologio)
{
}

int Scimmia::tra(int a, int b)
{
    return std::uniform_int_distribution<int>(a, b)(m_casuale);
}

void Scimmia::annota(const QString &azione, const QWidget *w)
{
    m_storia.append(w ? azione + QStringLiteral(" on ") + nomeDi(w) : azione);
    if (m_storia.size() > azioniRicordate)
        m_storia.removeFirst();
}

void Scimmia::agisci(QWidget *finestra)
{
    passaTempo();
    const int scelta = tra(1, 100);
    if (scelta <= 60)
        clic(finestra);
    else if (scelta <= 68)
        trascina(finestra);
    else if (scelta <= 72)
        doppioClic(finestra);
    else if (scelta <= 92)
        tasto(finestra, false);
    else if (scelta <= 96)
        tasto(finestra, true);
    else if (scelta <= 98)
        menu(finestra);
    else
        ridimensiona(finestra);
    QCoreApplication::processEvents();
}

QWidget *Scimmia::bersaglio(QWidget *finestra)
{
    // Buttons most of the time, any visible control otherwise (labels, frames,
    // the background): a pupil clicks everywhere, but mostly on buttons.
    QList<QWidget *> pulsanti;
    QList<QWidget *> altri;
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        (qobject_cast<QAbstractButton *>(w) ? pulsanti : altri).append(w);
    }
    const QList<QWidget *> &da = (probabile(75) && !pulsanti.isEmpty()) || altri.isEmpty() ? pulsanti : altri;
    if (da.isEmpty())
        return finestra;
    return da.at(tra(0, static_cast<int>(da.size()) - 1));
}

QPoint Scimmia::puntoIn(const QWidget *w)
{
    return {tra(0, w->width() - 1), tra(0, w->height() - 1)};
}

QPoint Scimmia::puntoSu(QWidget *finestra, QWidget *w)
{
    return w->mapTo(finestra, puntoIn(w));
}

void Scimmia::clicSu(QWidget *finestra, QWidget *controllo)
{
    annota(QStringLiteral("click"), controllo);
    clicIn(finestra, controllo->mapTo(finestra, controllo->rect().center()), Qt::LeftButton, 1);
}

void Scimmia::clic(QWidget *finestra)
{
    QWidget *w = bersaglio(finestra);
    const Qt::MouseButton pulsante = probabile(90) ? Qt::LeftButton : Qt::RightButton;
    annota(pulsante == Qt::LeftButton ? QStringLiteral("click") : QStringLiteral("right click"), w);
    clicIn(finestra, puntoSu(finestra, w), pulsante, 1);
}

void Scimmia::trascina(QWidget *finestra)
{
    // Down on one control, moved, up on another: a held mouse button.
    const QPointer<QWidget> vivo(finestra);
    QWidget *da = bersaglio(finestra);
    QWidget *a = bersaglio(finestra);
    const QPoint arrivo = puntoSu(finestra, a);
    annota(QStringLiteral("mouse down"), da);
    mouse(vivo, puntoSu(finestra, da), Qt::LeftButton, QEvent::MouseButtonPress);
    annota(QStringLiteral("mouse up"), a);
    mouse(vivo, arrivo, Qt::LeftButton, QEvent::MouseMove);
    mouse(vivo, arrivo, Qt::LeftButton, QEvent::MouseButtonRelease);
    m_istante += 1000;
}

void Scimmia::doppioClic(QWidget *finestra)
{
    QWidget *w = bersaglio(finestra);
    annota(QStringLiteral("double click"), w);
    clicIn(finestra, puntoSu(finestra, w), Qt::LeftButton, 2);
}

void Scimmia::tasto(QWidget *finestra, bool tenuto)
{
    const Tasto &t = tasti.at(static_cast<std::size_t>(tra(0, static_cast<int>(tasti.size()) - 1)));
    QWidget *fuoco = QApplication::focusWidget();
    QWidget *destinatario = fuoco && fuoco->window() == finestra ? fuoco : finestra;
    const QString testo = QString::fromUtf8(t.testo);
    annota(QStringLiteral("%1 key %2").arg(tenuto ? QStringLiteral("held") : QStringLiteral("one"))
               .arg(QKeySequence(int(t.codice) | int(t.modificatori)).toString()),
           destinatario);
    // A held key repeats its key-down before its single key-up.
    const int ripetizioni = tenuto ? tra(2, 6) : 1;
    QPointer<QWidget> vivo(destinatario);
    for (int i = 0; i < ripetizioni && vivo; ++i) {
        QKeyEvent giu(QEvent::KeyPress, t.codice, t.modificatori, testo, i > 0);
        QCoreApplication::sendEvent(vivo, &giu);
    }
    if (vivo) {
        QKeyEvent su(QEvent::KeyRelease, t.codice, t.modificatori, testo);
        QCoreApplication::sendEvent(vivo, &su);
    }
}

void Scimmia::menu(QWidget *finestra)
{
    auto *principale = qobject_cast<QMainWindow *>(finestra);
    auto *barra = principale ? qobject_cast<QMenuBar *>(principale->menuWidget()) : nullptr;
    if (!barra || barra->actions().isEmpty() || !barra->isVisible()) {
        clic(finestra);
        return;
    }
    const QList<QAction *> voci = barra->actions();
    QAction *voce = voci.at(tra(0, static_cast<int>(voci.size()) - 1));
    annota(QStringLiteral("menu \"%1\"").arg(voce->text()));
    clicIn(finestra, barra->mapTo(finestra, barra->actionGeometry(voce).center()), Qt::LeftButton, 1);
}

void Scimmia::ridimensiona(QWidget *finestra)
{
    if (probabile(50)) {
        annota(QStringLiteral("maximized"));
        finestra->showMaximized();
        return;
    }
    const QSize dimensione(tra(1, 1600), tra(1, 1200));
    annota(QStringLiteral("resized to %1x%2").arg(dimensione.width()).arg(dimensione.height()));
    finestra->showNormal();
    finestra->resize(dimensione);
}

void Scimmia::passaTempo()
{
    // Mostly quick answers, now and then a very slow one, and past midnight.
    float secondi = static_cast<float>(tra(0, 12)) + 0.1f * static_cast<float>(tra(0, 9));
    if (probabile(3))
        secondi += static_cast<float>(tra(100, 1200));
    float ora = m_orologio.secondiDallaMezzanotte() + secondi;
    if (ora >= secondiPerGiorno)
        ora -= secondiPerGiorno;
    m_orologio.imposta(ora);
}
