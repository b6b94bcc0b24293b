#include "statoregistro.h"

#include <QDir>

namespace {
const QString inMemoria =
    QStringLiteral("le serie di questa sessione restano in memoria finché il programma è aperto e saranno salvate ");
} // namespace

bool passeggero(Guasto guasto)
{
    return guasto == Guasto::bloccato || guasto == Guasto::solaLettura || guasto == Guasto::scrittura
           || guasto == Guasto::cartella;
}

StatoRegistro statoRegistro(Guasto guasto, const QString &percorso, const QString &messoDaParte)
{
    const QString file = QDir::toNativeSeparators(percorso);
    const QString cartella = QDir::toNativeSeparators(QFileInfo(percorso).absolutePath());
    QString riga;
    switch (guasto) {
    case Guasto::nessuno:
        riga = QStringLiteral("Registro in ordine: ogni serie è salvata in %1.").arg(file);
        break;
    case Guasto::rovinato:
        riga = QStringLiteral("Il registro era rovinato: è stato messo da parte come %1 e ne è iniziato uno nuovo, "
                              "dove sono salvate le serie di questa sessione.")
                   .arg(QDir::toNativeSeparators(messoDaParte));
        break;
    case Guasto::rifiutata:
        riga = QStringLiteral("Il registro %1 ha rifiutato una scrittura, che è andata persa; "
                              "le altre serie sono salvate.")
                   .arg(file);
        break;
    case Guasto::bloccato:
        riga = QStringLiteral("Il registro %1 è bloccato da un altro programma: ").arg(file) + inMemoria
               + QStringLiteral("appena si libera.");
        break;
    case Guasto::solaLettura:
        riga = QStringLiteral("Il registro %1 è di sola lettura: ").arg(file) + inMemoria
               + QStringLiteral("appena si potrà scrivere.");
        break;
    case Guasto::scrittura:
        riga = QStringLiteral("Il disco non accetta il registro %1 (forse è pieno): ").arg(file)
               + inMemoria + QStringLiteral("appena sarà possibile.");
        break;
    case Guasto::cartella:
        riga = QStringLiteral("La cartella del registro %1 non si può creare o non si può scrivere: ").arg(cartella)
               + inMemoria + QStringLiteral("appena sarà possibile.");
        break;
    case Guasto::versioneNuova:
        riga = QStringLiteral("Il registro %1 viene da una versione più recente di TARVELO e non viene toccato: "
                              "le serie di questa sessione restano solo in memoria fino alla chiusura del programma.")
                   .arg(file);
        break;
    case Guasto::senzaDriver:
        riga = QStringLiteral("Manca il driver SQLite di Qt (pacchetto libqt6sql6-sqlite): il registro %1 non si può "
                              "aprire e le serie di questa sessione restano solo in memoria fino alla chiusura del "
                              "programma.")
                   .arg(file);
        break;
    default: // a lab's server: statoServer()
        break;
    }
    return {guasto, riga};
}

StatoRegistro statoServer(Guasto guasto, const QString &motivo, const QString &percorso)
{
    const QString file = QDir::toNativeSeparators(percorso);
    if (guasto == Guasto::nessuno)
        return {guasto, QStringLiteral("Registro in ordine: ogni serie è inviata al server del laboratorio (%1) e "
                                       "intanto è salvata in %2.")
                            .arg(motivo, file)};
    return {guasto, motivo
                        + QStringLiteral(" Le serie restano salvate su questo computer in %1 e saranno inviate al "
                                         "server appena possibile.")
                              .arg(file)};
}
