#pragma once

#include "generatoreschede.h"

#include "frame/finestra.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class PulsanteOpzione;

// The worksheet window: a teacher chooses an objective and a level, shows the
// pupils' sheet (a new one at every press), then the teacher's sheet with the
// answers, and prints the sheet last shown on one page. The lines come from
// GeneratoreSchede and the page from StampaScheda; the window only wires its
// controls to them and enables them in order.
class FrmStampaSchede final : public Finestra
{
    Q_OBJECT

public:
    explicit FrmStampaSchede(QWidget *parent = nullptr);

    void alCaricamento() override;

    const QString &TitoloObiettivo() const { return m_titoloObiettivo; }
    const QString &TitoloLivello() const { return m_titoloLivello; }

    // Controls, named as the rest of the program knows them; arrays are
    // indexed as their controls are (LblOp 1 to 60, Option1 1 to 3).
    QLabel *Label1 = nullptr;
    std::array<QLabel *, 61> LblOp{};
    QGroupBox *fraUno = nullptr;
    std::array<PulsanteOpzione *, 4> Option1{};
    QGroupBox *fraLivelli = nullptr;
    std::array<PulsanteOpzione *, 4> Option3{};
    QGroupBox *fraAlunni = nullptr;
    QPushButton *CmdSchedaAlunni = nullptr;
    QPushButton *CmdStampaAlunni = nullptr;
    QGroupBox *fraDocenti = nullptr;
    QPushButton *CmdSchedaDocenti = nullptr;
    QPushButton *CmdStampaDocenti = nullptr;
    QPushButton *CmdRicomincia = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    // Building the controls (frmstampaschede_controlli.cpp).
    void costruisciScheda();
    void costruisciObiettivi();
    void costruisciLivelli();
    void costruisciPulsanti();

    // Handlers.
    void premutoObiettivo(int indice);
    void premutoLivello(int indice);
    void visualizzaSchedaAlunni();
    void visualizzaSchedaDocenti();
    void stampa(Modulo2::int16 tipoScheda);
    void cancellaScheda();

    void GeneraRiga();
    void generaScheda(int righe);
    void svuotaEtichette();
    void mostraRighe(const ElencoTesti<90> &righe);
    void StampaScheda();

    GeneratoreSchede m_generatore;
    QString m_titoloObiettivo;
    QString m_titoloLivello;
};
