#include "registroclasse.h"

#include "lavoratoreregistro.h"

#include "frame/servizi.h"
#include "printing/maiuscolainiziale.h"

#include <QCoreApplication>
#include <QThread>


namespace {

// Now, by the program's clock, in UTC.
QDateTime adessoUtc()
{
    return adesso(*servizi().orologio).toUTC();
}

} // namespace

void RegistroClasse::avvia(const ImpostazioniRegistro &impostazioni)
{
    if (avviato())
        return;
    m_serie = SerieInCorso();
    m_registrate.clear();
    m_ultimoNome.reset();
    m_stato = StatoRegistro{};
    m_impostazioni = impostazioni;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("registro"));
    m_lavoratore = new LavoratoreRegistro(impostazioni);
    m_lavoratore->moveToThread(m_thread);
    connect(m_lavoratore, &LavoratoreRegistro::statoCambiato, this, &RegistroClasse::aggiornaStato);
    m_thread->start();
    QMetaObject::invokeMethod(m_lavoratore, &LavoratoreRegistro::apri, Qt::QueuedConnection);
}

bool RegistroClasse::chiudi(std::chrono::milliseconds attesa)
{
    if (!avviato())
        return true;
    // A pass to a lab's server under way stops after the series it is sending.
    m_thread->requestInterruption();
    QMetaObject::invokeMethod(m_lavoratore, &LavoratoreRegistro::concludi, Qt::QueuedConnection);
    const bool finito = m_thread->wait(QDeadlineTimer(attesa));
    if (finito) {
        delete m_lavoratore;
        delete m_thread;
        // The last state and the last answers to readers arrive now, not after a new start.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    // A thread still busy (a file system that does not answer) is left to the process's end.
    m_lavoratore = nullptr;
    m_thread = nullptr;
    return finito;
}

void RegistroClasse::serieIniziata(const Modulo2 &stato)
{
    if (avviato())
        m_serie.inizia(stato, adessoUtc());
}

void RegistroClasse::rispostaGiudicata(const Modulo2 &stato, bool esatta)
{
    if (avviato())
        consegna(m_serie.giudicata(stato, adessoUtc(), esatta));
}

void RegistroClasse::aiutoRifiutato(const Modulo2 &stato, bool intervento)
{
    if (avviato())
        consegna(m_serie.aiutoRifiutato(stato, intervento));
}

void RegistroClasse::correzioneMostrata(const Modulo2 &stato)
{
    if (avviato())
        consegna(m_serie.correzione(stato));
}

void RegistroClasse::serieTerminata(const Modulo2 &stato, FineSerie come)
{
    if (avviato())
        consegna(m_serie.termina(stato, adessoUtc(), come));
}

void RegistroClasse::nomeScritto(const QUuid &serie, const QString &nome)
{
    if (!avviato() || !m_registrate.contains(serie) || nome.trimmed().isEmpty())
        return;
    DatiNome dati;
    dati.id = QUuid::createUuid();
    dati.serie = serie;
    dati.nome = nome;
    dati.scritto = momentoNome();
    m_ultimoNome = dati;
    Scrittura scrittura;
    scrittura.nome = dati;
    consegna(scrittura);
}

void RegistroClasse::nomeMaiuscolo(const QString &nome)
{
    if (m_ultimoNome && nome != m_ultimoNome->nome && nome == MaiuscolaIniziale(m_ultimoNome->nome))
        nomeScritto(m_ultimoNome->serie, nome);
}

QDateTime RegistroClasse::momentoNome()
{
    // The newest name wins: two names of one run never share a moment.
    const QDateTime ora = adessoUtc();
    if (m_ultimoNome && ora <= m_ultimoNome->scritto)
        return m_ultimoNome->scritto.addMSecs(1);
    return ora;
}

void RegistroClasse::consegna(const std::optional<Scrittura> &scrittura)
{
    if (!scrittura)
        return;
    if (scrittura->serie)
        m_registrate.insert(scrittura->serie->id);
    QMetaObject::invokeMethod(
        m_lavoratore, [lavoratore = m_lavoratore, scrittura = *scrittura] { lavoratore->accoda(scrittura); },
        Qt::QueuedConnection);
}

void RegistroClasse::eseguiSulLavoratore(std::function<void(Archivio *)> lavoro)
{
    if (!avviato())
        return;
    QMetaObject::invokeMethod(
        m_lavoratore, [lavoratore = m_lavoratore, lavoro = std::move(lavoro)] { lavoratore->leggi(lavoro); },
        Qt::QueuedConnection);
}

void RegistroClasse::aggiornaStato(const StatoRegistro &stato)
{
    m_stato = stato;
    emit statoCambiato(stato);
}

RegistroClasse &registroClasse()
{
    static RegistroClasse registro;
    return registro;
}
