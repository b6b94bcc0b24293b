#pragma once

#include "exercise/provafrmoperativo.h"
#include "worksheets/frmstampaschede.h"

// A series as the exercise window leaves it in the shared state, and the
// windows that show it, for the report and certificate tests; driving the
// worksheet window as a user would.
namespace serieprova {

// A log line of an addition with the result unknown: four-character number
// fields, " = ... ", "   R.", then the pupil's answer and its mark. Every
// eighth line is answered wrong first and then corrected.
inline QString rigaLog(int i)
{
    const int n = i % 80 + 1;
    const QString riga = QStringLiteral("%1 + %2 + %3 = ...    R.").arg(n, 4).arg(5, 4).arg(3, 4);
    return riga + (i % 8 == 0 ? QStringLiteral("%1*  %2° ").arg(n + 9).arg(n + 8) : QStringLiteral("%1  ").arg(n + 8));
}

// Log lines 1 to operazioni, the right answers and the first exercise's total
// time: what the report and the certificate read.
inline void riempi(int operazioni, int esatte, const QString &tempoTotale = QStringLiteral(" 57"))
{
    auto &m = modulo2();
    for (int i = 1; i <= operazioni; ++i)
        m.ElencoOperazioni.imposta(i, rigaLog(i));
    m.NumeroOperazioni = static_cast<Modulo2::int16>(operazioni);
    m.RisposteEsatte = static_cast<Modulo2::int16>(esatte);
    m.TempiEsercizi.imposta(1, tempoTotale);
}

// Shows the window and waits until it has the keyboard.
template <class Finestra>
Finestra *apri(const QString &nome)
{
    auto *f = qobject_cast<Finestra *>(Finestre::istanza().mostra(nome));
    if (f) {
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f))
            QTest::qFail("the window never became active", __FILE__, __LINE__);
    }
    return f;
}

// The worksheet window shown for an operation, with the start window's first objective and level.
inline FrmStampaSchede *apriSchede(int operazione = 1)
{
    modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
    modulo2().TipoDa = modulo2().TipoA = modulo2().Livello = 1;
    modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    return apri<FrmStampaSchede>(nomi::FrmStampaSchede);
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

} // namespace serieprova
