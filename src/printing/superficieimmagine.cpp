#include "superficieimmagine.h"

#include "frame/unita.h"

#include <QFontMetricsF>

namespace {
// Points on the picture are screen points: 96 dots per inch.
constexpr double puntiPerMetro = 96.0 / 0.0254;
} // namespace

QImage nuovaImmagineAttestato(QSize dimensione, quint32 sfondoBgr)
{
    QImage immagine(dimensione.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    immagine.setDotsPerMeterX(static_cast<int>(puntiPerMetro + 0.5));
    immagine.setDotsPerMeterY(static_cast<int>(puntiPerMetro + 0.5));
    immagine.fill(QColor::fromRgb(unita::coloreDaBgr(sfondoBgr)));
    return immagine;
}

SuperficieImmagine::SuperficieImmagine(QImage &immagine)
    : m_immagine(immagine)
    , m_painter(&immagine)
{
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

void SuperficieImmagine::impostaFont(const FontAttestato &font)
{
    QFont f(font.nome);
    f.setPointSizeF(font.punti);
    f.setBold(font.grassetto);
    m_painter.setFont(f);
}

void SuperficieImmagine::impostaColore(quint32 coloreBgr)
{
    m_painter.setPen(QColor::fromRgb(unita::coloreDaBgr(coloreBgr)));
}

double SuperficieImmagine::larghezzaInterna() const
{
    return m_immagine.width();
}

double SuperficieImmagine::larghezzaTesto(const QString &testo) const
{
    return QFontMetricsF(m_painter.font(), &m_immagine).horizontalAdvance(testo);
}

void SuperficieImmagine::posizionaX(double x)
{
    m_x = x;
}

void SuperficieImmagine::stampa(const QString &testo)
{
    const QFontMetricsF metrica(m_painter.font(), &m_immagine);
    // The position is the top of the line; Qt draws on the baseline.
    if (!testo.isEmpty())
        m_painter.drawText(QPointF(m_x, m_y + metrica.ascent()), testo);
    m_x = 0;
    m_y += metrica.height();
}
