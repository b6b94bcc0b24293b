#pragma once

#include <QWidget>

// A straight line across its own rectangle, from corner to corner. Two of them
// make the X laid over a wrong answer. The line lets mouse presses through and
// is left alone by the proportional layout: its owner places it.
class Linea final : public QWidget
{
    Q_OBJECT

public:
    enum class Verso { discendente, ascendente }; // top-left to bottom-right, or bottom-left to top-right

    explicit Linea(Verso verso, QWidget *parent = nullptr);

    Verso verso() const { return m_verso; }
    /** Lays the line across the rectangle (in the parent's pixels), corner to corner. */
    void copri(const QRect &rettangolo) { setGeometry(rettangolo); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Verso m_verso = Verso::discendente;
};
