#pragma once

#include "docente/andamento.h"

#include <QWidget>

class ModelloRegistro;
class PulsanteOpzione;
class QCategoryAxis;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QTableWidget;
class QValueAxis;
struct SerieRegistro;

// The part of the grading window that shows a pupil's progress: for the
// pupil and the operation chosen, a chart of the share of right answers and
// of the seconds per operation day by day, with the levels under the days,
// the pupil's table of the days, and "Stampa" for both on one page.
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
    QChartView *grfAndamento = nullptr;
    QLineSeries *serEsatte = nullptr;
    QLineSeries *serSecondi = nullptr;
    QLabel *lblNessuno = nullptr;
    QTableWidget *tblGiorni = nullptr;
    PulsanteOpzione *cmdStampa = nullptr;

private:
    void costruisciGrafico();
    void aggiornaAlunni();
    void aggiorna();
    void disegna();

    const ModelloRegistro &m_modello;
    QCategoryAxis *m_giorni = nullptr;
    QValueAxis *m_secondi = nullptr;
    std::vector<PuntoAndamento> m_punti;
};
