#pragma once

#include "exercise/visualizzazione.h"
#include "frame/accessibile.h"
#include "frame/finestra.h"

#include <array>

class QAction;
class QFrame;
class QLabel;
class PannelloStatistiche;
class PulsanteOpzione;
class RigaOperazione;
class RiquadroScelta;
class Tastierino;

// The exercise window: a series of 20 operations shown one by one, answered on
// the keypad, judged, helped, timed and counted. The rules live in the core
// (generatore, visualizzazione, risposta, serie); the window wires its
// controls to them and shows what they leave in the shared state.
class FrmOperativo final : public Finestra, public Accessibile
{
    Q_OBJECT

public:
    explicit FrmOperativo(QWidget *parent = nullptr);

    void alCaricamento() override;
    void alloScaricamento() override;

    /** A fresh series: counters, times and log lines 1 to 20 emptied, operation 1 shown. */
    void NuovaSerie();
    void NuovoEsercizio();
    /** Clears the last operation, then draws and shows the next one. */
    void NuovaOperazione();
    /** Shows the numbers drawn with the unknown at tipoDomanda and starts its time again. */
    void SubVisualizza(int tipoDomanda);
    void VerificaRisposta();
    /** Help accepted, or the program intervening: the correction goes under the unknown. */
    void SiSi();
    /** Help refused: the pupil tries again; the third refusal brings the intervention. */
    void NoNo();

    /** A click on the window's background: the statistics panel shown if hidden, hidden if shown. */
    void cambiaStatistiche();

    // For assistive technology the background's click is the window's action.
    QAccessible::Role ruoloAccessibile() const override { return QAccessible::Window; }
    QString azioneAccessibile() const override;
    void premiAccessibile() override { cambiaStatistiche(); }

    // Controls, named as the rest of the program knows them.
    std::array<QLabel *, 3> Label1{}; // header lines: objective, operation, level
    RigaOperazione *frmNumero = nullptr;
    QLabel *LblEsito = nullptr;
    QLabel *lblRiferimento = nullptr;
    Tastierino *fraTastierino = nullptr;
    RiquadroScelta *fraAiuto = nullptr;
    QFrame *fraIntervento = nullptr;
    QLabel *lblIntervento = nullptr;
    PulsanteOpzione *optOK = nullptr;
    RiquadroScelta *fraAvviso = nullptr;
    PannelloStatistiche *fraElaborazione = nullptr;
    QAction *mnuVisualizza = nullptr;

protected:
    void dopoRiscala() override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void costruisciIntervento();
    void riempiIntestazione();
    void mostraRiga(const RigaMostrata &riga);
    void scriviRisposta();

    void PremiTasto(int indice);
    /** The four panels that share the place of lblRiferimento. */
    std::array<QWidget *, 4> riquadri() const;
    void DisabilitaRiquadri();
    void attiva(QWidget *riquadro);
    void CalcolaTempi();
    void ControllaFineSerie();
    void sceltaAvviso(int indice);
    void PosizionaRiquadri();

    // The unknown's place shows "?" again after a refusal of help: the next
    // digit starts a new answer.
    bool m_incognitaInBianco = true;
};
