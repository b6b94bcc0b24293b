#include "operazioniregistro.h"

QStringList intestazioniOperazioni()
{
    return {QStringLiteral("N."), QStringLiteral("Operazione"), QStringLiteral("Risposte date"),
            QStringLiteral("Secondi")};
}

QString testoRisposte(const OperazioneRegistro &operazione)
{
    QStringList parti;
    for (const RispostaRegistro &r : operazione.risposte) {
        QString parte = r.testo + (r.esatta ? QStringLiteral(" esatta") : QStringLiteral(" errata"));
        if (!r.aiuto.isEmpty())
            parte += QStringLiteral(", aiuto ") + r.aiuto;
        parti << parte;
    }
    if (operazione.intervento)
        parti << QStringLiteral("correzione del programma");
    return parti.isEmpty() ? QStringLiteral("nessuna risposta") : parti.join(QStringLiteral(" / "));
}

QStringList rigaOperazione(const OperazioneRegistro &operazione)
{
    return {QString::number(operazione.indice), operazione.riga, testoRisposte(operazione),
            QString::number(operazione.secondi)};
}
