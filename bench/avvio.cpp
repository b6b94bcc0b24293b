// The program's start, as main() does it, ending the way the program ends
// (every window unloaded, the settings file written) right after the start
// window's first paint.

#include "dipinti.h"

#include "frame/chiusura.h"
#include "frame/finestra.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "registrofinestre.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installaPiattaforma(app);
    registraFinestre();
    const Dipinti dipinti([](const QObject *o) { return o == Finestre::istanza().trova(nomi::frmInizio); });
    if (!Finestre::istanza().mostra(nomi::frmInizio))
        return 1;
    dipinti.attendiOltre(0);
    ChiudiTutto();
    return 0;
}
