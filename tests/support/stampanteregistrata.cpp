#include "stampanteregistrata.h"

#include <QImage>

StampanteRegistrata::StampanteRegistrata(QStringList font)
    : m_font(std::move(font))
{
}

int StampanteRegistrata::numeroFont() const
{
    return static_cast<int>(m_font.size());
}

QString StampanteRegistrata::nomeFont(int i) const
{
    return m_font.value(i);
}

bool StampanteRegistrata::registra(Chiamata chiamata)
{
    if (m_errore)
        return false;
    if (m_fallisciDa >= 0 && m_contate >= m_fallisciDa) {
        m_errore = true;
        return false;
    }
    ++m_contate;
    m_chiamate.push_back(std::move(chiamata));
    return true;
}

void StampanteRegistrata::impostaFont(const QString &nome)
{
    registra({Tipo::Font, nome});
}

void StampanteRegistrata::impostaDimensione(double punti)
{
    registra({Tipo::Dimensione, {}, punti});
}

void StampanteRegistrata::impostaGrassetto(bool grassetto)
{
    registra({Tipo::Grassetto, {}, grassetto ? 1.0 : 0.0});
}

void StampanteRegistrata::posiziona(int x, int y)
{
    registra({Tipo::Posizione, {}, 0, x, y});
}

void StampanteRegistrata::posizionaX(int x)
{
    registra({Tipo::PosizioneX, {}, 0, x, 0});
}

void StampanteRegistrata::posizionaY(int y)
{
    registra({Tipo::PosizioneY, {}, 0, 0, y});
}

void StampanteRegistrata::stampa(const QString &testo, bool aCapo)
{
    registra({Tipo::Testo, testo, 0, 0, 0, aCapo});
}

void StampanteRegistrata::disegnaImmagine(const QImage &immagine, int x, int y)
{
    registra({Tipo::Immagine, {}, 0, x, y, true, immagine.size()});
}

bool StampanteRegistrata::fineDocumento()
{
    return registra({Tipo::Fine});
}

QStringList StampanteRegistrata::testi() const
{
    QStringList elenco;
    for (const auto &c : m_chiamate) {
        if (c.tipo == Tipo::Testo)
            elenco.append(c.testo);
    }
    return elenco;
}

bool StampanteRegistrata::documentoFinito() const
{
    return !m_chiamate.empty() && m_chiamate.back().tipo == Tipo::Fine;
}
