#include "chiusura.h"

#include "finestra.h"
#include "finestre.h"

void ChiudiTutto()
{
    for (const QString &nome : {nomi::FrmAttestato, nomi::frmInizio, nomi::FrmOperativo,
                                nomi::FrmStampaEsercizio, nomi::FrmStampaSchede, nomi::FrmValutazione,
                                nomi::FrmEsemplicazione})
        Finestre::istanza().scarica(nome);
}

void ChiudiFinestre()
{
    const auto caricate = Finestre::istanza().caricate();
    for (Finestra *finestra : caricate)
        Finestre::istanza().scarica(finestra->nome());
}
