#pragma once

#include "start/esempi.h"
#include "frame/finestra.h"

#include <array>
#include <vector>

class PulsanteOpzione;
class QLabel;
class RigaOperazione;

// The examples window: before a pupil starts, one row of the operation trained
// for each place of the unknown, drawn and written as the exercise window does.
// A press on a row shows its answer in red under the "?".
class FrmEsemplicazione final : public Finestra
{
    Q_OBJECT

public:
    explicit FrmEsemplicazione(QWidget *parent = nullptr);

    void alCaricamento() override;

    /** Draws a new example for every row, for the operation and level of the shared state
        (shown in the header); the answers are hidden again. */
    void AltriEsempi();
    /** Shows the answer of row indice under its "?". */
    void MostraRisposta(int indice);

    const std::vector<Esempio> &esempi() const { return m_esempi; }

    // The buttons' places in their control array.
    enum Scelta : int { altriEsempi = 0, chiudi = 1 };

    // Controls.
    std::array<QLabel *, 3> Label1{}; // header lines: operation, level, hint
    std::array<RigaOperazione *, numeroPosti> frmEsempio{};
    QLabel *lblAvviso = nullptr; // why there is no example, in place of the rows
    std::array<PulsanteOpzione *, 2> optScelta{};

protected:
    void dopoRiscala() override;
    bool event(QEvent *evento) override;

private:
    void costruisciIntestazione();
    void costruisciPulsanti();
    void premuto(int indice);

    std::vector<Esempio> m_esempi;
    // The operation and level the examples on show were drawn for.
    int m_operazione = 0;
    int m_livello = 0;
};
