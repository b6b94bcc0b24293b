#pragma once

#include <QFrame>

#include <array>

class QLabel;

// The frame fraElaborazione: right and wrong answers, the operation number and
// the seconds of the last answer and of the exercise, each value under its
// caption.
class PannelloStatistiche final : public QFrame
{
    Q_OBJECT

public:
    explicit PannelloStatistiche(QWidget *parent = nullptr);

    /** Empties the five values. */
    void svuota();

    // Captions Label5(0..5) (there is no Label5(2)) and the values under them.
    std::array<QLabel *, 6> Label5{};
    QLabel *LblOperazione = nullptr;
    QLabel *lblRisEsatte = nullptr;
    QLabel *lblRisErrate = nullptr;
    QLabel *LblTempoParziale = nullptr;
    QLabel *LblTempoTotale = nullptr;
};
