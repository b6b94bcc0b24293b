// The program's start, as main() does it, ending the way the program ends
// (every window unloaded, the settings file written) right after the start
// window's first paint.

#include "primodisegno.h"

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

    PrimoDisegno primo([](const QWidget *w) { return w == Finestre::istanza().trova(nomi::frmInizio); },
                       [] { ChiudiTutto(); });
    app.installEventFilter(&primo);
    if (!Finestre::istanza().mostra(nomi::frmInizio))
        return 1;
    return QApplication::exec();
}
