#pragma once

#include <QFrame>

#include <array>

class PulsanteOpzione;

// The frame fraTastierino: the on-screen keypad used with the mouse. Buttons
// 0 to 9 are the digits, then "Cancella", "Verifica", "Avanti" and "Esco".
// A press acts once, however long the mouse button is held.
class Tastierino final : public QFrame
{
    Q_OBJECT

public:
    enum Tasto : int { cancella = 10, verifica = 11, avanti = 12, esco = 13, numeroTasti = 14 };

    explicit Tastierino(QWidget *parent = nullptr);

    /** Typing: digits, "Cancella" and "Verifica" usable, focus on "1". */
    void AbilitaTastierino();
    /** After a judgement: only "Avanti" and "Esco" usable, focus on "Avanti". */
    void BloccaTastierino();

    std::array<PulsanteOpzione *, numeroTasti> Option2{};

signals:
    /** The index of the button pressed. */
    void PremiTasto(int indice);

private:
    void premuto(int indice);
    void imposta(bool battitura, int fuoco);

    bool m_premuto = false; // a press acted on, until it ends (the mouse button goes up)
};
