#pragma once

#include "frame/modulo2.h"

#include <QStringList>

// What a print must leave as it was.
struct Istantanea
{
    QString nome;
    QString valutazione;
    int operazioni = 0;
    int esatte = 0;
    QStringList registro;
    QStringList scheda;

    static Istantanea presa()
    {
        const Modulo2 &m = modulo2();
        Istantanea i{m.NomeAlunno, m.Valutazione, m.NumeroOperazioni, m.RisposteEsatte, {}, {}};
        for (int r = 0; r <= ElencoTesti<90>::ultimo; ++r) {
            i.registro.append(m.ElencoOperazioni.valore(r));
            i.scheda.append(m.SchedaAlunni.valore(r));
        }
        return i;
    }
    bool operator==(const Istantanea &o) const
    {
        return nome == o.nome && valutazione == o.valutazione && operazioni == o.operazioni && esatte == o.esatte
               && registro == o.registro && scheda == o.scheda;
    }
};
