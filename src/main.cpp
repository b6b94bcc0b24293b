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
    if (!Finestre::istanza().mostra(nomi::frmInizio))
        return 1;
    return QApplication::exec();
}
