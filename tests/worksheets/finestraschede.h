#pragma once

#include "exercise/provafrmoperativo.h"
#include "worksheets/frmstampaschede.h"

// Driving the worksheet window as a user would.
namespace finestraschede {

// The worksheet window shown for an operation, with the start window's first objective and level.
inline FrmStampaSchede *apriSchede(int operazione = 1)
{
    modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
    modulo2().TipoDa = modulo2().TipoA = modulo2().Livello = 1;
    modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    return prova::apri<FrmStampaSchede>(nomi::FrmStampaSchede);
}

// An objective and a level chosen, the pupils' sheet shown, then the teacher's if asked.
inline void mostraScheda(FrmStampaSchede *f, std::size_t obiettivo, std::size_t livello, bool docenti)
{
    prova::premi(f->Option1[obiettivo]);
    prova::premi(f->Option3[livello]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    if (docenti)
        QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
}

inline QStringList etichette(const FrmStampaSchede *f)
{
    QStringList testi;
    for (std::size_t i = 1; i <= 60; ++i)
        testi.append(f->LblOp[i]->text());
    return testi;
}

} // namespace finestraschede
