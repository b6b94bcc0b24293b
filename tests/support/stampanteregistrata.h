#pragma once

#include "frame/stampante.h"

#include <QRect>
#include <QStringList>

#include <memory>
#include <tuple>
#include <vector>

// A printer that records every call, for tests of printed pages. It can be
// told which fonts it offers and to fail from a given call on, or at one call
// only (a passing hiccup: the next call goes through again). Its characters
// are half as wide as the font's size: 10 twips per point.
class StampanteRegistrata final : public Stampante
{
public:
    enum class Tipo { Font, Dimensione, Grassetto, Colore, Posizione, Testo, Riquadro, Fine, PosizioneX, PosizioneY };

    struct Chiamata
    {
        Tipo tipo = Tipo::Fine;
        QString testo{};   // font name, or printed text
        double numero = 0; // font size, bold as 0/1, or colour (0x00BBGGRR)
        int x = 0;         // position, or the box's top-left corner
        int y = 0;
        bool aCapo = true;
        QSize dimensione{}; // the box's

        bool operator==(const Chiamata &c) const
        {
            return std::tie(tipo, testo, numero, x, y, aCapo, dimensione)
                == std::tie(c.tipo, c.testo, c.numero, c.x, c.y, c.aCapo, c.dimensione);
        }
    };

    explicit StampanteRegistrata(QStringList font = {QStringLiteral("Arial"), QStringLiteral("Courier New")})
        : m_font(std::move(font))
    {
    }

    // A printer of its own that records into this one's log: a window may own
    // and destroy it while the test still reads the page here.
    std::unique_ptr<Stampante> gemella() const
    {
        auto gemella = std::make_unique<StampanteRegistrata>(m_font);
        gemella->m_stato = m_stato;
        return gemella;
    }

    int numeroFont() const override { return static_cast<int>(m_font.size()); }
    QString nomeFont(int i) const override { return m_font.value(i); }
    void impostaFont(const QString &nome) override { registra({Tipo::Font, nome}); }
    void impostaDimensione(double punti) override
    {
        if (registra({Tipo::Dimensione, {}, punti}))
            m_stato->punti = punti;
    }
    void impostaGrassetto(bool grassetto) override { registra({Tipo::Grassetto, {}, grassetto ? 1.0 : 0.0}); }
    void impostaColore(quint32 colore) override { registra({Tipo::Colore, {}, double(colore)}); }
    double larghezzaTesto(const QString &testo) const override { return double(testo.size()) * m_stato->punti * 10; }
    void posiziona(int x, int y) override { registra({Tipo::Posizione, {}, 0, x, y}); }
    void posizionaX(int x) override { registra({Tipo::PosizioneX, {}, 0, x, 0}); }
    void posizionaY(int y) override { registra({Tipo::PosizioneY, {}, 0, 0, y}); }
    void stampa(const QString &testo, bool aCapo = true) override { registra({Tipo::Testo, testo, 0, 0, 0, aCapo}); }
    void disegnaRiquadro(const QRect &r, quint32 colore) override
    {
        registra({Tipo::Riquadro, {}, double(colore), r.x(), r.y(), true, r.size()});
    }
    bool fineDocumento() override { return registra({Tipo::Fine}); }
    bool inErrore() const override { return m_stato->errore; }

    // From the n-th call on (counting from 0, font list reads excluded) every call fails.
    void falliscaDallaChiamata(int n) { m_stato->guastoDa = n; }
    // Only the n-th call fails; inErrore() says so until the next call.
    void falliscaSoloLaChiamata(int n) { m_stato->guastoSolo = n; }

    const std::vector<Chiamata> &chiamate() const { return m_stato->chiamate; }
    // The printed texts, in order.
    QStringList testi() const
    {
        QStringList elenco;
        for (const auto &c : chiamate()) {
            if (c.tipo == Tipo::Testo)
                elenco.append(c.testo);
        }
        return elenco;
    }
    bool documentoFinito() const { return !chiamate().empty() && chiamate().back().tipo == Tipo::Fine; }

private:
    struct Stato
    {
        std::vector<Chiamata> chiamate;
        int guastoDa = -1;
        int guastoSolo = -1;
        int contate = 0;
        bool errore = false;
        double punti = 12; // the size text is measured in
    };

    bool registra(Chiamata chiamata)
    {
        Stato &s = *m_stato;
        const int n = s.contate++;
        s.errore = (s.guastoDa >= 0 && n >= s.guastoDa) || n == s.guastoSolo;
        if (!s.errore)
            s.chiamate.push_back(std::move(chiamata));
        return !s.errore;
    }

    QStringList m_font;
    std::shared_ptr<Stato> m_stato = std::make_shared<Stato>();
};
