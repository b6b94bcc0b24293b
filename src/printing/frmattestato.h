#pragma once

#include "attestato.h"

#include "frame/finestra.h"

#include <array>

class FiltroTastieraPulsanti;
class ImmagineAttestato;
class PulsanteOpzione;
class QFrame;
class QLabel;

// The certificate: grades the series, draws the "DIPLOMA DI MERITO" on its
// picture while it loads and prints the picture when the grade allows it.
class FrmAttestato final : public Finestra
{
    Q_OBJECT

public:
    explicit FrmAttestato(QWidget *parent = nullptr);

    void alCaricamento() override;

    /** The action of Option5(indice): 0 print, 1 back to the report, 2 end of the session. */
    void EseguiScelta(int indice);

    // Controls, named as the rest of the program knows them.
    ImmagineAttestato *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Frame4 = nullptr;
    std::array<PulsanteOpzione *, 3> Option5{};

private:
    void costruisciPulsanti();
    void stampa();

    FiltroTastieraPulsanti *m_tastiera = nullptr;
    bool m_stampabile = false;
    QVector<RigaAttestato> m_righe; // drawn at load, printed as they are
};
