#pragma once

#include <QFrame>
#include <QRect>

#include <array>

class QLabel;
class PulsanteOpzione;

// A panel that asks a question with two option buttons: the help question
// ("SI", "NO") and the end-of-series notice ("Stampa", "Ricomincia"). A
// button acts on mouse-down, or on Enter while it has the focus; the first
// letter of its caption (or 1, 2) gives it the focus and the space bar moves
// the focus to the other. A held key acts once.
class RiquadroScelta final : public QFrame
{
    Q_OBJECT

public:
    /** How the panel is drawn: places in twips, relative to the panel. */
    struct Disegno
    {
        QString nome;
        QString domanda;
        std::array<QString, 2> scelte;
        QRect postoDomanda;
        std::array<QRect, 2> postiScelte;
    };

    explicit RiquadroScelta(const Disegno &disegno, QWidget *parent = nullptr);

    /** Gives the focus to button 0 or 1. */
    void daiFuoco(int indice);

    QLabel *domanda = nullptr;
    std::array<PulsanteOpzione *, 2> scelte{};

signals:
    /** Button 0 or 1 acted. */
    void scelto(int indice);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    bool tastoGiu(int tasto, int indice);
    void tastoSu();

    Qt::Key m_tastoPrimo = Qt::Key_unknown;   // first letter of the first caption
    Qt::Key m_tastoSecondo = Qt::Key_unknown; // first letter of the second caption
    bool m_giuUsato = false;                  // a key-down acted on, until a key goes up
    bool m_pressioneUsata = false;            // a space acted on, until a key goes up
};
