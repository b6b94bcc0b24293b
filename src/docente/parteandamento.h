#pragma once

#include "docente/andamento.h"

#include <QWidget>

class GraficoAndamento;
class ModelloRegistro;
class PulsanteOpzione;
class QComboBox;
class QLabel;
class QTableWidget;
struct SerieRegistro;

// The part of the grading window that shows a pupil's progress: for the
// pupil and the operation chosen, a chart of the share of right answers and
// of the seconds per operation day by day, with the levels under the days,
// the pupil's table of the days, and "Stampa" for both on one page. Without
// the chart's module the table and the printed page are still there.
class ParteAndamento final : public QWidget
{
    Q_OBJECT

public:
    explicit ParteAndamento(const ModelloRegistro &modello, QWidget *parent = nullptr);

    /** Chooses the pupil and the operation of serie, when it has a name. */
    void scegli(const SerieRegistro &serie);
    /** Prints the chart and the table on one page. */
    void Stampa();

    /** The days on show. */
    const std::vector<PuntoAndamento> &punti() const { return m_punti; }

    QComboBox *cmbAlunno = nullptr;
    QComboBox *cmbOperazione = nullptr;
    GraficoAndamento *grfAndamento = nullptr; // null without the chart's module
    QLabel *lblNessuno = nullptr;
    QTableWidget *tblGiorni = nullptr;
    PulsanteOpzione *cmdStampa = nullptr;

private:
    void aggiornaAlunni();
    void aggiorna();
    /** What stands in the chart's place when there is no chart to show. */
    QString testoSenzaGrafico(const QString &alunno) const;

    const ModelloRegistro &m_modello;
    std::vector<PuntoAndamento> m_punti;
};
