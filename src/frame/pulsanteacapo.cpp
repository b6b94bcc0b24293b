#include "pulsanteacapo.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PulsanteACapo::PulsanteACapo(const QString &testo, QWidget *parent)
    : QPushButton(testo, parent)
{
    setAutoDefault(false);
}

void PulsanteACapo::premiAccessibile()
{
    // A click gives the focus as the mouse button goes down (some buttons act
    // on gaining it), and clicks as it goes up.
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    click();
}

void PulsanteACapo::paintEvent(QPaintEvent *)
{
    // The style draws the button without its caption; the caption follows,
    // wrapped inside the button's contents.
    QStylePainter pittore(this);
    QStyleOptionButton opzione;
    initStyleOption(&opzione);
    opzione.text.clear();
    pittore.drawControl(QStyle::CE_PushButton, opzione);
    const QRect contenuto = style()->subElementRect(QStyle::SE_PushButtonContents, &opzione, this);
    style()->drawItemText(&pittore, contenuto, Qt::AlignCenter | Qt::TextWordWrap, opzione.palette, isEnabled(),
                          text(), QPalette::ButtonText);
}
