#pragma once

#include "frame/finestra.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class PulsanteOpzione;
class QGroupBox;
class QLabel;
class QTableWidget;

// The grading window: the scale by which the certificate grades, the series
// done since the program started with the grade each earns, and their export
// as a CSV file.
class FrmValutazione final : public Finestra
{
    Q_OBJECT

public:
    explicit FrmValutazione(QWidget *parent = nullptr);

    void alCaricamento() override;

    /** Fills the list again from the record of the series. */
    void aggiornaElenco();
    /** Asks where to save the list and saves it there; a message says where it went, or that
        it could not be saved. */
    void Esporta();

    /** Asks the user for the file to save into, starting from the one proposed; an empty text
        means the choice was cancelled. Qt's save dialog by default; tests put their own choice here. */
    std::function<QString(const QString &proposto)> sceltaFile;

    // The buttons' places in their control array.
    enum Scelta : int { esporta = 0, chiudi = 1 };

    // Controls.
    QLabel *lblTitolo = nullptr;
    QGroupBox *fraScala = nullptr;
    std::array<QLabel *, 3> lblIntestazioneScala{};
    std::vector<std::array<QLabel *, 3>> lblScala;
    QLabel *lblRegole = nullptr;
    QGroupBox *fraSerie = nullptr;
    QTableWidget *tblSerie = nullptr;
    QLabel *lblNessunaSerie = nullptr;
    std::array<PulsanteOpzione *, 2> optScelta{};

protected:
    bool event(QEvent *evento) override;

private:
    void costruisciScala();
    void costruisciSerie();
    void costruisciPulsanti();
    void premuto(int indice);
};
