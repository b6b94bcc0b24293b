#include "ambienteprova.h"

#include "frame/chiusura.h"
#include "frame/finestra.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/servizi.h"
#include "registrofinestre.h"

#include <QCoreApplication>
#include <QDir>

namespace {
// A printer handed to a window lives as long as the window wants it; the
// environment keeps a recording twin so tests can read the page afterwards.
class StampanteCondivisa final : public Stampante
{
public:
    explicit StampanteCondivisa(StampanteRegistrata *vera)
        : m_vera(vera)
    {
    }
    int numeroFont() const override { return m_vera->numeroFont(); }
    QString nomeFont(int i) const override { return m_vera->nomeFont(i); }
    void impostaFont(const QString &nome) override { m_vera->impostaFont(nome); }
    void impostaDimensione(double punti) override { m_vera->impostaDimensione(punti); }
    void impostaGrassetto(bool grassetto) override { m_vera->impostaGrassetto(grassetto); }
    void posiziona(int x, int y) override { m_vera->posiziona(x, y); }
    void posizionaX(int x) override { m_vera->posizionaX(x); }
    void posizionaY(int y) override { m_vera->posizionaY(y); }
    void stampa(const QString &testo, bool aCapo) override { m_vera->stampa(testo, aCapo); }
    void disegnaImmagine(const QImage &immagine, int x, int y) override { m_vera->disegnaImmagine(immagine, x, y); }
    bool fineDocumento() override { return m_vera->fineDocumento(); }
    bool inErrore() const override { return m_vera->inErrore(); }

private:
    StampanteRegistrata *m_vera;
};
} // namespace

AmbienteProva::AmbienteProva()
    : m_cartellaPrima(QDir::currentPath())
{
    azzeraModulo2();
    QDir::setCurrent(m_cartella.path());
    auto &s = servizi();
    s.orologio = m_orologio;
    s.casuale.impostaSeme(12345);
    s.creaStampante = [this] {
        auto stampante = std::make_unique<StampanteRegistrata>(m_font);
        stampante->falliscaDallaChiamata(m_guastoDa);
        m_stampanti.push_back(stampante.get());
        auto condivisa = std::make_unique<StampanteCondivisa>(stampante.get());
        m_possedute.push_back(std::move(stampante));
        return condivisa;
    };
    s.messaggio = [this](const QString &testo) { m_messaggi.append(testo); };
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
    Finestre::istanza().impostaAllaFine([] {});
    QDir::setCurrent(m_cartellaPrima);
}
