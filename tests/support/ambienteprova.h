#pragma once

#include "orologiofinto.h"
#include "stampanteregistrata.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Everything a window test needs in place of the outside world: a settable
// clock, a seeded random source, recording printers, recorded messages, a
// fresh shared state, an empty current folder (for the settings file) and
// empty data and configuration folders (XDG_DATA_HOME and XDG_CONFIG_HOME, for
// the class record: no test ever reaches the user's own); the messages announced to assistive technology are
// recorded. Windows are registered by name; the end of the program is recorded
// instead of quitting. On destruction every window left loaded is unloaded,
// then the class record, if started, is closed.
class AmbienteProva final
{
public:
    AmbienteProva();
    ~AmbienteProva();
    AmbienteProva(const AmbienteProva &) = delete;
    AmbienteProva &operator=(const AmbienteProva &) = delete;

    OrologioFinto &orologio() { return *m_orologio; }
    // The printers handed out so far, one per page, oldest first.
    const std::vector<StampanteRegistrata *> &stampanti() const { return m_stampanti; }
    // The fonts the next printers offer.
    void impostaFontStampante(QStringList font) { m_font = std::move(font); }

    // The texts of the message boxes shown so far.
    const QStringList &messaggi() const { return m_messaggi; }
    // The messages announced to assistive technology so far.
    const QStringList &annunci() const { return m_annunci; }
    // How many times the last window went and the program would have ended.
    int fineProgramma() const { return m_fine; }
    QString cartella() const { return m_cartella.path(); }

    // The class record's file in the data folder.
    QString percorsoRegistro() const;
    // Starts the class record on that file (by default percorsoRegistro()), trying again
    // after a fault every 20 ms and waiting 100 ms for a file held by another program;
    // a lab's server is named by the configuration files, tried again every 50 ms.
    void avviaRegistro(const QString &percorso = QString(), const QStringList &configurazione = {});
    // Waits until the record has dealt with everything handed to it so far; false if
    // it did not within 10 s.
    bool attendiRegistro();

private:
    std::shared_ptr<OrologioFinto> m_orologio = std::make_shared<OrologioFinto>();
    std::vector<std::unique_ptr<StampanteRegistrata>> m_possedute;
    std::vector<StampanteRegistrata *> m_stampanti;
    QStringList m_font{QStringLiteral("Arial"), QStringLiteral("Courier New")};
    QStringList m_messaggi;
    QStringList m_annunci;
    int m_fine = 0;
    QTemporaryDir m_cartella;
    QString m_cartellaPrima;
    QTemporaryDir m_dati;
    QByteArray m_datiPrima;
    QByteArray m_configurazionePrima;
};
