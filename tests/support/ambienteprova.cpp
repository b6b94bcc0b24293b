#include "ambienteprova.h"

#include "frame/annuncio.h"
#include "frame/chiusura.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "registrofinestre.h"

#include <QCoreApplication>
#include <QDir>

AmbienteProva::AmbienteProva()
    : m_cartellaPrima(QDir::currentPath())
{
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto &s = servizi();
    s.orologio = std::make_shared<OrologioDiSistema>();
    s.creaStampante = nullptr;
    s.messaggio = [](const QString &) {};
    Annuncio::impostaOsservatore({});
    Finestre::istanza().impostaAllaFine([] {});
    QDir::setCurrent(m_cartellaPrima);
}
