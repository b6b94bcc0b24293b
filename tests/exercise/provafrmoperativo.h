#pragma once

// What the tests of the exercise window share: opening it on a chosen
// operation and level, pressing its buttons with the mouse and reading back.

#include "exercise/frmoperativo.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/tastierino.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"

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

/** Mouse-down then mouse-up on the control, as a click. */
inline void premi(QWidget *controllo)
{
    QTest::mousePress(controllo, Qt::LeftButton);
    QTest::mouseRelease(controllo, Qt::LeftButton);
}

inline void tasto(FrmOperativo *f, int indice)
{
    premi(f->fraTastierino->Option2[static_cast<std::size_t>(indice)]);
}

/** Types a sequence on the keypad: digits, 'C' for "Cancella", 'V' for "Verifica", 'A' for "Avanti". */
inline void digita(FrmOperativo *f, const QString &tasti)
{
    for (const QChar c : tasti) {
        if (c.isDigit())
            tasto(f, c.digitValue());
        else if (c == QLatin1Char('C'))
            tasto(f, Tastierino::cancella);
        else if (c == QLatin1Char('V'))
            tasto(f, Tastierino::verifica);
        else if (c == QLatin1Char('A'))
            tasto(f, Tastierino::avanti);
    }
}

/** Shows the operation a b c (in the order drawn) with the unknown at tipoDomanda. */
inline void imposta(FrmOperativo *f, int a, int b, int c, int tipoDomanda)
{
    modulo2().Termine1 = static_cast<Modulo2::int16>(a);
    modulo2().Termine2 = static_cast<Modulo2::int16>(b);
    modulo2().Termine3 = static_cast<Modulo2::int16>(c);
    f->SubVisualizza(tipoDomanda);
}

inline QLabel *incognita(FrmOperativo *f)
{
    return f->frmNumero->etichettaIncognita(modulo2().TipoDomanda);
}

inline QString rigaCorrente()
{
    return modulo2().ElencoOperazioni.valore(modulo2().NumeroOperazioni);
}

/** The right answer to the operation on show. */
inline QString giusta()
{
    return modulo2().TestoIncognita.trimmed();
}

/** The panel in use: the one enabled among the four. */
inline QWidget *riquadroAttivo(FrmOperativo *f)
{
    QWidget *attivo = nullptr;
    for (QWidget *r : {static_cast<QWidget *>(f->fraTastierino), static_cast<QWidget *>(f->fraAiuto),
                       static_cast<QWidget *>(f->fraAvviso), static_cast<QWidget *>(f->fraIntervento)}) {
        if (r->isEnabled()) {
            if (attivo)
                return nullptr; // two panels in use at once is a fault
            attivo = r;
        }
    }
    return attivo;
}

inline QColor coloreTesto(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}

} // namespace prova
