#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <random>

class OrologioFinto;
class QWidget;

// A pupil at random on one window: presses and clicks with either mouse
// button, drags, double clicks, single and held keys, clicks on the menu bar
// and changes of size, all from a fixed seed so that a failing run can be
// replayed. Mouse events go through the window system, so they reach the
// control that is really on top at that point (or none, when it is disabled),
// and keys go to the control with the focus.
class Scimmia final
{
public:
    Scimmia(unsigned seme, OrologioFinto &orologio);

    /** One random action on the window; every mouse button and key is up again afterwards. */
    void agisci(QWidget *finestra);

    /** A left click in the middle of the control, through the window system. */
    void clicSu(QWidget *finestra, QWidget *controllo);

    /** The last actions done, oldest first, to tell what led to a failure. */
    QString storia() const { return m_storia.join(QLatin1Char('\n')); }

private:
    int tra(int a, int b);
    bool probabile(int percento) { return tra(1, 100) <= percento; }
    QWidget *bersaglio(QWidget *finestra);
    QPoint puntoIn(const QWidget *w);
    QPoint puntoSu(QWidget *finestra, QWidget *w);
    void mouse(const QPointer<QWidget> &finestra, QPoint punto, Qt::MouseButton pulsante, QEvent::Type tipo);
    void clicIn(QWidget *finestra, QPoint punto, Qt::MouseButton pulsante, int volte);
    void annota(const QString &azione, const QWidget *w = nullptr);

    void clic(QWidget *finestra);
    void trascina(QWidget *finestra);
    void doppioClic(QWidget *finestra);
    void tasto(QWidget *finestra, bool tenuto);
    void menu(QWidget *finestra);
    void ridimensiona(QWidget *finestra);
    void passaTempo();

    std::mt19937 m_casuale;
    OrologioFinto &m_orologio;
    QStringList m_storia;
    int m_istante = 1000; // timestamp of the mouse events, in milliseconds
};
