#include "registrofinestre.h"

#include "exercise/frmoperativo.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "start/frmesemplicazione.h"
#include "start/frminizio.h"
#include "start/frmvalutazione.h"
#include "worksheets/frmstampaschede.h"

void registraFinestre()
{
    auto &finestre = Finestre::istanza();
    finestre.registra(nomi::frmInizio, [] { return new frmInizio; });
    finestre.registra(nomi::FrmOperativo, [] { return new FrmOperativo; });
    finestre.registra(nomi::FrmStampaEsercizio, [] { return new FrmStampaEsercizio; });
    finestre.registra(nomi::FrmAttestato, [] { return new FrmAttestato; });
    finestre.registra(nomi::FrmStampaSchede, [] { return new FrmStampaSchede; });
    finestre.registra(nomi::FrmValutazione, [] { return new FrmValutazione; });
    finestre.registra(nomi::FrmEsemplicazione, [] { return new FrmEsemplicazione; });
}
