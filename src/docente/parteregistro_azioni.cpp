// What the teacher does with the register: names, deletions and the export.
#include "parteregistro.h"

#include "dialoghi.h"
#include "eliminazione.h"
#include "esportazione.h"

#include "frame/filecsv.h"
#include "frame/servizi.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableView>

void ParteRegistro::premuto(int indice)
{
    switch (indice) {
    case assegnaNome:
        AssegnaNome();
        break;
    case elimina:
        Elimina();
        break;
    case eliminaFinoAl:
        EliminaFinoAl();
        break;
    default:
        break;
    }
}

void ParteRegistro::AssegnaNome()
{
    QStringList senzaNome;
    for (const QModelIndex &riga : tblRegistro->selectionModel()->selectedRows()) {
        const SerieRegistro &s = m_vista->serie(riga.row());
        if (s.alunno.isEmpty())
            senzaNome << s.id;
    }
    if (senzaNome.isEmpty())
        return;
    const QString domanda = senzaNome.size() == 1
                                ? QStringLiteral("Il nome dell'alunno che ha svolto la serie selezionata:")
                                : QStringLiteral("Il nome dell'alunno che ha svolto le %1 serie selezionate senza nome:")
                                      .arg(senzaNome.size());
    const QString nome = m_dialoghi.nome(domanda).simplified();
    if (nome.isEmpty())
        return;
    const QDateTime quando = adesso(*servizi().orologio);
    chiedi<bool>([senzaNome, nome, quando](Consultazione &c) -> std::optional<bool> {
        return c.assegnaNome(senzaNome, nome, quando) ? std::optional(true) : std::nullopt;
    },
                 [this](EsitoRegistro<bool> esito) {
                     if (!esito.valore)
                         servizi().messaggio(QStringLiteral("Il nome non è stato assegnato: %1.").arg(esito.motivo));
                     carica();
                 });
}

void ParteRegistro::Elimina()
{
    const QModelIndex corrente = tblRegistro->currentIndex();
    if (!corrente.isValid())
        return;
    const SerieRegistro &scelta = m_vista->serie(corrente.row());
    const QStringList id = serieDellAlunno(m_modello->serie(), scelta);
    eliminaSerie(id, domandaEliminaAlunno(scelta, static_cast<int>(id.size())));
}

void ParteRegistro::EliminaFinoAl()
{
    const QDate giorno = m_dialoghi.giorno(QStringLiteral("Eliminare tutte le serie fino al giorno:"),
                                           fineAnnoScolastico(servizi().orologio->oggi()));
    if (giorno.isNull())
        return;
    const QStringList id = serieFinoAl(m_modello->serie(), giorno);
    if (id.isEmpty()) {
        servizi().messaggio(QStringLiteral("Nel registro non ci sono serie fino al %1.").arg(dataBreve(giorno)));
        return;
    }
    eliminaSerie(id, domandaEliminaFinoAl(giorno, static_cast<int>(id.size())));
}

void ParteRegistro::eliminaSerie(const QStringList &id, const QString &domanda)
{
    if (!m_dialoghi.conferma(domanda))
        return;
    const auto cancella = [id](Consultazione &c) { return c.elimina(id); };
    registroClasse().interroga<Consultato>(
        [accesso = m_accesso, cancella](Archivio *archivio) {
            const Consultato esito = consultaRegistro(archivio, accesso, cancella);
            // Gone from a lab's server, they must not come back from this computer's queue.
            if (esito.laboratorio && esito.motivo.isEmpty())
                consultaRegistro(archivio, AccessoRegistro(), cancella);
            return esito;
        },
        this, [this](const Consultato &esito) {
            if (!esito.motivo.isEmpty())
                servizi().messaggio(QStringLiteral("Le serie non sono state eliminate: %1.").arg(esito.motivo));
            carica();
        });
}

void ParteRegistro::Esporta()
{
    std::vector<SerieRegistro> serie = m_vista->serieMostrate();
    if (serie.empty()) {
        servizi().messaggio(QStringLiteral("Nell'elenco non ci sono serie da esportare."));
        return;
    }
    const QString percorso = m_dialoghi.file(fileNeiDocumenti(
        QStringLiteral("registro-%1.csv").arg(servizi().orologio->oggi().toString(Qt::ISODate))));
    if (percorso.isEmpty())
        return;
    if (!chkOperazioni->isChecked()) {
        servizi().messaggio(salvaElenco(percorso, contenutoCsv(csvRegistro(serie))));
        return;
    }
    QStringList id;
    for (const SerieRegistro &s : serie)
        id << s.id;
    lblConteggio->setText(QStringLiteral("Lettura delle operazioni…"));
    chiedi<OperazioniPerSerie>([id](Consultazione &c) { return c.operazioni(id); },
                               [this, percorso, serie = std::move(serie)](EsitoRegistro<OperazioniPerSerie> esito) {
                                   filtra();
                                   servizi().messaggio(
                                       esito.valore
                                           ? salvaElenco(percorso, contenutoCsv(csvRegistro(serie, &*esito.valore)))
                                           : messaggioSalvataggioFallito(
                                                 percorso, QStringLiteral("le operazioni non si possono leggere, perché ")
                                                               + esito.motivo));
                               });
}
