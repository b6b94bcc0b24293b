#include "datiregistro.h"

QString testoFine(FineSerie fine)
{
    switch (fine) {
    case FineSerie::completata:
        return QStringLiteral("completata");
    case FineSerie::esco:
        return QStringLiteral("esco");
    case FineSerie::finestraChiusa:
        return QStringLiteral("finestra chiusa");
    case FineSerie::programmaChiuso:
        return QStringLiteral("programma chiuso");
    case FineSerie::interrotta:
        return QStringLiteral("interrotta");
    }
    return QString();
}

QString testoAiuto(Aiuto aiuto)
{
    switch (aiuto) {
    case Aiuto::accettato:
        return QStringLiteral("accettato");
    case Aiuto::rifiutato:
        return QStringLiteral("rifiutato");
    case Aiuto::nessuno:
        break;
    }
    return QString();
}
