#include "linea.h"

#include <QPainter>
#include <QPen>

namespace {
constexpr int spessore = 3;
}

Linea::Linea(Verso verso, QWidget *parent)
    : QWidget(parent)
    , m_verso(verso)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Linea::paintEvent(QPaintEvent *)
{
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(palette().color(QPalette::WindowText), spessore));
    const QRect r = rect();
    if (m_verso == Verso::discendente)
        pittore.drawLine(r.topLeft(), r.bottomRight());
    else
        pittore.drawLine(r.bottomLeft(), r.topRight());
}
