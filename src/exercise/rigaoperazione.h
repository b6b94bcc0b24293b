#pragma once

#include "exercise/visualizzazione.h"
#include "frame/accessibile.h"

#include <QFrame>

#include <array>

class QLabel;
class Linea;

// The frame frmNumero: the row of the operation (three numbers, two signs, "="
// and the result), the X laid over a wrong answer and the correction under the
// unknown. Assistive technology reads the row as one sentence (fraseRiga);
// its labels and lines are not read one by one.
class RigaOperazione final : public QFrame, public Accessibile
{
    Q_OBJECT

public:
    explicit RigaOperazione(QWidget *parent = nullptr);

    /** The label of a place of the row. */
    QLabel *etichetta(Posto posto) const;
    /** The label of the unknown for TipoDomanda; null for a value outside 1 to 4. */
    QLabel *etichettaIncognita(int tipoDomanda) const;

    /** Writes the unknown's label (the answer typed, or "?"); nothing for a TipoDomanda outside 1 to 4. */
    void scriviIncognita(int tipoDomanda, const QString &testo);
    /** Writes the sign between the numbers and "=". */
    void scriviSegni(const QString &segno);
    /** Paints every number and the result in blue, as at the start of an operation. */
    void coloraNumeri();
    /** Writes the row, "?" in the unknown's place and painted brown. */
    void mostra(const RigaMostrata &riga);

    /** Lays each pair of lines over its label's current rectangle. */
    void PosizionaCroci();
    void NascondiCroci();
    /** Shows the X over the unknown's label; nothing for a TipoDomanda outside 1 to 4. */
    void MostraCroce(int tipoDomanda);

    /** Writes the correction under the unknown, left edges aligned. */
    void mostraCorrezione(const QString &testo, int tipoDomanda);
    /** Brings the correction back under the unknown (after a resize). */
    void allineaCorrezione(int tipoDomanda);
    void svuotaCorrezione();

    /** The row as one sentence, as it is read aloud. */
    QString frase() const;
    /** Makes the row a button: a press of any mouse button on it, or assistive technology's
        "Press", emits premuta. */
    void rendiPremibile();

    QAccessible::Role ruoloAccessibile() const override;
    QString nomeAccessibile() const override { return frase(); }
    void premiAccessibile() override { premi(); }
    bool figliAccessibili() const override { return false; }

    // Controls, named as the rest of the window knows them.
    QLabel *LblNumero1 = nullptr;
    QLabel *LblSegno = nullptr;
    QLabel *LblNumero2 = nullptr;
    QLabel *lblSegno1 = nullptr;
    QLabel *lblNumero3 = nullptr;
    QLabel *LblUguale = nullptr;
    QLabel *lblRisultato1 = nullptr;
    QLabel *lblCorrezione = nullptr;
    std::array<Linea *, numeroPosti> Line1{};
    std::array<Linea *, numeroPosti> Line2{};

signals:
    void premuta();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void premi();
    /** Tells assistive technology that the sentence has changed. */
    void segnalaFrase();

    bool m_premibile = false;
};
