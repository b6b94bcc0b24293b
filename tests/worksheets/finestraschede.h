#pragma once

#include "exercise/provafrmoperativo.h"
#include "worksheets/frmstampaschede.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// Driving the worksheet window in a test, as a user would.

using prova::premi;

// The window shown for an operation, with the start window's first objective and level.
inline FrmStampaSchede *apri(int operazione = 1)
{
    modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
    modulo2().TipoDa = modulo2().TipoA = modulo2().Livello = 1;
    modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    // The print buttons follow the focus, which needs an active window.
    return f && QTest::qWaitForWindowActive(f) ? f : nullptr;
}

// An objective and a level chosen, the pupils' sheet shown, then the teacher's if asked.
inline void mostraScheda(FrmStampaSchede *f, std::size_t obiettivo, std::size_t livello, bool docenti)
{
    premi(f->Option1[obiettivo]);
    premi(f->Option3[livello]);
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
