#pragma once

#include "frame/finestra.h"
#include "frame/modulo2.h"

#include <QTimer>

#include <array>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class Etichetta;
class PulsanteOpzione;

// The start window: the pupil chooses an objective and a level, then opens the
// exercise window with "Avanti" or ends the program with "Esci". Its menu leads
// to the worksheet window. It reads the settings file when it loads and writes
// it whenever the objective group is applied, "Avanti" is pressed and the
// window goes.
class frmInizio final : public Finestra
{
    Q_OBJECT

public:
    explicit frmInizio(QWidget *parent = nullptr);

    void alCaricamento() override;
    void alloScaricamento() override;

    /** Reads the settings file into Operazione and GruppoObiettivi. */
    void leggiLivelli();
    Modulo2::int16 gruppoObiettivi() const { return m_gruppoObiettivi; }
    /** True once the curtains are open (the animation has ended). */
    bool tendineAperte() const;

    // Controls, named as the rest of the program knows them.
    QLabel *lblNomeOperazione = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *lblVersione = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    Etichetta *lblCambiaOb = nullptr;
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    std::array<PulsanteOpzione *, 6> Option1{};
    std::array<QLabel *, 6> Label9{};
    std::array<PulsanteOpzione *, 4> Option2{};
    std::array<QLabel *, 4> Label10{};
    std::array<PulsanteOpzione *, 2> Option3{};
    QLabel *Label5 = nullptr;
    QWidget *Picture1 = nullptr; // right curtain
    QWidget *Picture2 = nullptr; // left curtain
    QAction *mnuSchede = nullptr;
    QAction *mnuValutazione = nullptr;
    QAction *mnuEsempi = nullptr;

protected:
    void dopoRiscala() override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void costruisciTitolo();
    void costruisciRiepilogo();
    void costruisciObiettivi();
    void costruisciLivelli();
    void costruisciOperativita();
    void costruisciTendine();
    void costruisciMenu();

    void scriviLivelli() const;
    void RipristinaColori();
    void ImpostaObiettivi();
    /** Brings the objectives primo to primo + 2 and their boxes to the front; the others, under them, are hidden. */
    void mostraGruppo(int primo);
    void ApriTendine();
    void CambiaObiettivi();
    void premutoObiettivo(int indice);
    void premutoLivello(int indice);
    void premutoOperativita(int indice);
    void tickTendine();
    void disponiTendine();

    Modulo2::int16 m_gruppoObiettivi = 0;
    QTimer m_timerTendine;
    bool m_tendineChiuse = false; // closed, waiting to be painted before they open
    int m_tendinaTwips = 0; // width of each curtain, in twips
};
