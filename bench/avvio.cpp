// The program's start as main() does it, linked as the program is, ending
// the way the program ends (every window unloaded, the settings file written)
// right after the start window's first paint. The paint watched is the
// curtains': closed at first, they lie over everything else, and the window
// itself, covered by its controls, may get no paint of its own.

#include "dipinti.h"

#include "frame/chiusura.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "registrofinestre.h"
#include "start/frminizio.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installaPiattaforma(app);
    registraFinestre();
    const Dipinti dipinti(static_cast<frmInizio *>(Finestre::istanza().carica(nomi::frmInizio))->Picture1);
    Finestre::istanza().mostra(nomi::frmInizio);
    dipinti.attendiOltre(0);
    ChiudiTutto();
    return 0;
}
