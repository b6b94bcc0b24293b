#include "frame/finestra.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "frame/piattaforma.h"
#include "record/avvioregistro.h"
#include "registrofinestre.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installaPiattaforma(app);
    registraFinestre();
    Finestra *inizio = Finestre::istanza().mostra(nomi::frmInizio);
    if (!inizio)
        return 1;
    avviaRegistroDopoIlPrimoDisegno(inizio);
    const int esito = QApplication::exec();
    chiudiRegistro();
    return esito;
}
