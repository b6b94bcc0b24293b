#include "ambienteprova.h"

#include "frame/annuncio.h"
#include "frame/chiusura.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "record/registroclasse.h"
#include "registrofinestre.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

AmbienteProva::AmbienteProva()
    : m_cartellaPrima(QDir::currentPath())
    , m_datiPrima(qgetenv("XDG_DATA_HOME"))
    , m_configurazionePrima(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dati.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(m_dati.path()).filePath(QStringLiteral("configurazione"))));
    azzeraModulo2();
    QDir::setCurrent(m_cartella.path());
    auto &s = servizi();
    s.orologio = m_orologio;
    s.casuale.impostaSeme(12345);
    // The window owns a twin of the printer; the one kept here holds the page.
    s.creaStampante = [this] {
        m_possedute.push_back(std::make_unique<StampanteRegistrata>(m_font));
        m_stampanti.push_back(m_possedute.back().get());
        return m_stampanti.back()->gemella();
    };
    s.messaggio = [this](const QString &testo) { m_messaggi.append(testo); };
    Annuncio::impostaOsservatore([this](const QString &testo) { m_annunci.append(testo); });
    registraFinestre();
    Finestre::istanza().impostaAllaFine([this] { ++m_fine; });
}

AmbienteProva::~AmbienteProva()
{
    ChiudiFinestre();
    registroClasse().chiudi(std::chrono::seconds(10));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto &s = servizi();
    s.orologio = std::make_shared<OrologioDiSistema>();
    s.creaStampante = nullptr;
    s.messaggio = [](const QString &) {};
    Annuncio::impostaOsservatore({});
    Finestre::istanza().impostaAllaFine([] {});
    QDir::setCurrent(m_cartellaPrima);
    for (const auto &[variabile, prima] : {std::pair("XDG_DATA_HOME", m_datiPrima),
                                          std::pair("XDG_CONFIG_HOME", m_configurazionePrima)}) {
        if (prima.isNull())
            qunsetenv(variabile);
        else
            qputenv(variabile, prima);
    }
}

QString AmbienteProva::percorsoRegistro() const
{
    return QDir(m_dati.path()).filePath(QStringLiteral("TARVELO/registro.sqlite"));
}

void AmbienteProva::avviaRegistro(const QString &percorso, const QStringList &configurazione)
{
    ImpostazioniRegistro impostazioni;
    impostazioni.percorso = percorso.isEmpty() ? percorsoRegistro() : percorso;
    impostazioni.fileConfigurazione = configurazione;
    impostazioni.attesaOccupato = std::chrono::milliseconds(100);
    impostazioni.riprova = std::chrono::milliseconds(20);
    impostazioni.riprovaServer = std::chrono::milliseconds(50);
    registroClasse().avvia(impostazioni);
}

bool AmbienteProva::attendiRegistro()
{
    bool fatto = false;
    QObject contesto;
    registroClasse().interroga<bool>([](Archivio *) { return true; }, &contesto, [&fatto](bool) { fatto = true; });
    return QTest::qWaitFor([&fatto] { return fatto; }, 10000);
}
