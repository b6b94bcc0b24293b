// The program's start as main() does it, linked as the program is, ending
// the way the program ends (every window unloaded, the settings file written,
// the class record closed) right after the start window's first paint and the
// start of the record that follows it. The paint watched is the curtains':
// closed at first, they lie over everything else.

#include "dipinti.h"

#include "frame/chiusura.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "record/avvioregistro.h"
#include "registrofinestre.h"
#include "start/frminizio.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installaPiattaforma(app);
    registraFinestre();
    auto *inizio = static_cast<frmInizio *>(Finestre::istanza().carica(nomi::frmInizio));
    const Dipinti dipinti(inizio->Picture1);
    Finestre::istanza().mostra(nomi::frmInizio);
    avviaRegistroDopoIlPrimoDisegno(inizio);
    dipinti.attendiOltre(0);
    QCoreApplication::processEvents();
    ChiudiTutto();
    chiudiRegistro();
    return 0;
}
