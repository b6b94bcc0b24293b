#pragma once

#include "frame/finestra.h"

#include <QUuid>

#include <array>

class FiltroTastieraPulsanti;
class PannelloNome;
class PulsanteOpzione;
class QFrame;
class QLabel;

// The report of the exercises done: lists the exercise log in three columns,
// takes the pupil's name, prints the report page and opens the certificate.
class FrmStampaEsercizio final : public Finestra
{
    Q_OBJECT

public:
    explicit FrmStampaEsercizio(QWidget *parent = nullptr);

    void alCaricamento() override;

    /** The action of Option1(indice): 0 exit, 1 name panel, 2 print, 3 certificate. */
    void EseguiScelta(int indice);

    // Controls, named as the rest of the program knows them.
    QLabel *Label5 = nullptr;
    std::array<QLabel *, 30> LblOp{}; // LblOp(1..30) at 0..29
    QFrame *Frame1 = nullptr;
    std::array<PulsanteOpzione *, 4> Option1{};
    PannelloNome *fraNome = nullptr;

private:
    void costruisciElenco();
    void costruisciPulsanti();
    void costruisciPannelloNome();
    void mostraPannelloNome();
    void confermaNome();

    FiltroTastieraPulsanti *m_tastiera = nullptr;
    // The series whose operations the list shows: a name typed is attached to it.
    QUuid m_serieElencata;
};
