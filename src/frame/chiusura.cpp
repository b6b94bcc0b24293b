#include "chiusura.h"

#include "finestra.h"
#include "finestre.h"

void ChiudiTutto()
{
    for (const QString &nome : {nomi::FrmAttestato, nomi::frmInizio, nomi::FrmOperativo,
                                nomi::FrmStampaEsercizio, nomi::FrmStampaSchede})
        Finestre::istanza().scarica(nome);
}

void ChiudiFinestre()
{
    const auto caricate = Finestre::istanza().caricate();
    for (Finestra *finestra : caricate)
        Finestre::istanza().scarica(finestra->nome());
}
