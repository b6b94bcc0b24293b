#pragma once

#include "docente/dialoghi.h"
#include "frame/finestra.h"

#include <QString>

#include <array>
#include <vector>

class ParteAndamento;
class ParteRegistro;
class PulsanteOpzione;
class QGroupBox;
class QLabel;
class QTabWidget;
class QTableWidget;

// The grading window. Under a line that says what is wrong with the class
// record, if anything, three parts: the scale by which the certificate grades
// with the series done since the program started; the register of every
// series kept ("Registro"); a pupil's progress ("Andamento"). "Esporta" saves
// the list of the first two as a CSV file.
class FrmValutazione final : public Finestra
{
    Q_OBJECT

public:
    explicit FrmValutazione(QWidget *parent = nullptr);

    void alCaricamento() override;

    /** Fills the list of this run's series again from the record of the series. */
    void aggiornaElenco();
    /** Asks where to save the list of the part shown (this run's series, or the register's)
        and saves it there; says where, or why it could not. */
    void Esporta();

    /** The dialogs the window asks its questions in; tests put their own answers here. */
    Dialoghi dialoghi;

    // The buttons' places in their control array.
    enum Scelta : int { esporta = 0, chiudi = 1 };
    // The parts' places among the tabs.
    enum Parte : int { sessione = 0, registro = 1, andamento = 2 };

    // Controls.
    QLabel *lblTitolo = nullptr;
    QLabel *lblStato = nullptr;
    QTabWidget *tabParti = nullptr;
    QGroupBox *fraScala = nullptr;
    std::array<QLabel *, 3> lblIntestazioneScala{};
    std::vector<std::array<QLabel *, 3>> lblScala;
    QLabel *lblRegole = nullptr;
    QGroupBox *fraSerie = nullptr;
    QTableWidget *tblSerie = nullptr;
    QLabel *lblNessunaSerie = nullptr;
    ParteRegistro *fraRegistro = nullptr;
    ParteAndamento *fraAndamento = nullptr;
    std::array<PulsanteOpzione *, 2> optScelta{};

protected:
    bool event(QEvent *evento) override;

private:
    void costruisciScala(QWidget *pagina);
    void costruisciSerie(QWidget *pagina);
    void costruisciPulsanti();
    void aggiornaStato();
    void aggiornaEsporta();
    void premuto(int indice);

    // Set while the window was below another: it reads the register again when it comes back.
    bool m_daRileggere = false;
};
