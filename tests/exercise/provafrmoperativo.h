#pragma once

// What the tests of the exercise window share: opening it on a chosen
// operation and level, pressing its buttons with the mouse and reading back.

#include "exercise/frmoperativo.h"
#include "exercise/pannellostatistiche.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/tastierino.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "support/ambienteprova.h"

#include <QLabel>
#include <QtTest>

namespace prova {

inline FrmOperativo *apri(int operazione, int livello)
{
    modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
    modulo2().Livello = static_cast<Modulo2::int16>(livello);
    modulo2().NomeProgramma = QStringLiteral("TARVELO");
    return qobject_cast<FrmOperativo *>(Finestre::istanza().mostra(nomi::FrmOperativo));
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
// Mouse-down then mouse-up on the control, as a click.
inline void premi(QWidget *controllo)
{
    QTest::mousePress(controllo, Qt::LeftButton);
    QTest::mouseRelease(controllo, Qt::LeftButton);
}

// Presses with the mouse, one character each: a digit, or 'C' "Cancella", 'V' "Verifica",
// 'A' "Avanti", 'E' "Esco" on the keypad; 'S' "SI" or 'N' "NO" on the help question.
inline void digita(FrmOperativo *f, const QString &tasti)
{
    const QString comandi = QStringLiteral("CVAE");
    for (const QChar c : tasti) {
        if (c == QLatin1Char('S') || c == QLatin1Char('N'))
            premi(f->fraAiuto->scelte[c == QLatin1Char('S') ? 0 : 1]);
        else
            premi(f->fraTastierino->Option2[static_cast<std::size_t>(c.isDigit() ? c.digitValue() : Tastierino::cancella + comandi.indexOf(c))]);
    }
}

// Shows the operation a b c (in the order drawn) with the unknown at tipoDomanda.
inline void imposta(FrmOperativo *f, int a, int b, int c, int tipoDomanda)
{
    modulo2().Termine1 = static_cast<Modulo2::int16>(a);
    modulo2().Termine2 = static_cast<Modulo2::int16>(b);
    modulo2().Termine3 = static_cast<Modulo2::int16>(c);
    f->SubVisualizza(tipoDomanda);
}

inline QString rigaCorrente()
{
    return modulo2().ElencoOperazioni.valore(modulo2().NumeroOperazioni);
}

// The panel in use: the only one enabled among the four that share one place (null if none or several).
inline QWidget *attivo(FrmOperativo *f)
{
    QList<QWidget *> abilitati;
    for (QWidget *r : std::array<QWidget *, 4>{f->fraTastierino, f->fraAiuto, f->fraAvviso, f->fraIntervento})
        if (r->isEnabled())
            abilitati << r;
    return abilitati.size() == 1 ? abilitati.first() : nullptr;
}

} // namespace prova
