#pragma once

#include "tastierapulsanti.h"

#include <QObject>
#include <QVector>

class PulsanteOpzione;
class QKeyEvent;

// Wires the keyboard and the mouse of a row of push buttons to the row's
// rules: every key that reaches a button, Tab aside, goes through
// TastieraPulsanti (the buttons' own key handling never runs), and a press of
// any mouse button acts.
class FiltroTastieraPulsanti final : public QObject
{
    Q_OBJECT

public:
    FiltroTastieraPulsanti(TastieraPulsanti::Regole regole, QVector<PulsanteOpzione *> pulsanti,
                           QObject *parent = nullptr);

    /** The key code of a key event: "1" is 49, keypad 1 is 97, Enter 13, letters their capital. */
    static int codiceTasto(const QKeyEvent &evento);

signals:
    /** The action of button indice: Enter on it, or a mouse-down with any button. */
    void esegui(int indice);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void applica(TastieraPulsanti::Azione azione);

    TastieraPulsanti m_tastiera;
    QVector<PulsanteOpzione *> m_pulsanti;
};
