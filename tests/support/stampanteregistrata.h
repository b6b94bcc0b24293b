#pragma once

#include "frame/stampante.h"

#include <QSize>
#include <QStringList>

#include <vector>

// A printer that records every call, for tests of printed pages. It can be
// told which fonts it offers and to fail from a given call on.
class StampanteRegistrata final : public Stampante
{
public:
    enum class Tipo { Font, Dimensione, Grassetto, Posizione, Testo, Immagine, Fine, PosizioneX, PosizioneY };

    struct Chiamata
    {
        Tipo tipo = Tipo::Fine;
        QString testo{}; // font name, or printed text
        double numero = 0; // font size, or bold as 0/1
        int x = 0;      // position, or image position
        int y = 0;
        bool aCapo = true;
        QSize dimensioneImmagine{};
    };

    explicit StampanteRegistrata(QStringList font = {QStringLiteral("Arial"), QStringLiteral("Courier New")});

    int numeroFont() const override;
    QString nomeFont(int i) const override;
    void impostaFont(const QString &nome) override;
    void impostaDimensione(double punti) override;
    void impostaGrassetto(bool grassetto) override;
    void posiziona(int x, int y) override;
    void posizionaX(int x) override;
    void posizionaY(int y) override;
    void stampa(const QString &testo, bool aCapo = true) override;
    void disegnaImmagine(const QImage &immagine, int x, int y) override;
    bool fineDocumento() override;
    bool inErrore() const override { return m_errore; }

    /** From the n-th call on (counting from 0, font list reads excluded) every call fails. */
    void falliscaDallaChiamata(int n) { m_fallisciDa = n; }

    const std::vector<Chiamata> &chiamate() const { return m_chiamate; }
    /** The printed texts, in order. */
    QStringList testi() const;
    bool documentoFinito() const;

private:
    bool registra(Chiamata chiamata);

    QStringList m_font;
    std::vector<Chiamata> m_chiamate;
    int m_fallisciDa = -1;
    int m_contate = 0;
    bool m_errore = false;
};
