#include "aspetto.h"

#include "unita.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace aspetto {

namespace {
const char *const proprietaScalabile = "tarvelo_scalabile";
}

int pixelDaTwips(int twips)
{
    return unita::twipsInPixel(twips, dpiDisegno);
}

QSize pixelDaTwips(QSize twips)
{
    return {pixelDaTwips(twips.width()), pixelDaTwips(twips.height())};
}

QRect pixelDaTwips(QRect twips)
{
    return {pixelDaTwips(twips.left()), pixelDaTwips(twips.top()), pixelDaTwips(twips.width()),
            pixelDaTwips(twips.height())};
}

void posiziona(QWidget *controllo, int left, int top, int width, int height)
{
    controllo->setGeometry(pixelDaTwips(QRect(left, top, width, height)));
    controllo->setProperty(proprietaScalabile, true);
}

bool scalabile(const QWidget *controllo)
{
    return controllo->property(proprietaScalabile).toBool();
}

void impostaSfondo(QWidget *controllo, quint32 coloreBgr)
{
    QPalette p = controllo->palette();
    const QColor colore = QColor::fromRgb(unita::coloreDaBgr(coloreBgr));
    p.setColor(QPalette::Window, colore);
    p.setColor(QPalette::Button, colore);
    p.setColor(QPalette::Base, colore);
    controllo->setPalette(p);
    controllo->setAutoFillBackground(true);
}

void impostaColoreTesto(QWidget *controllo, quint32 coloreBgr)
{
    // The disabled look keeps the style's grey, so a control that cannot be
    // used shows it.
    QPalette p = controllo->palette();
    const QColor colore = QColor::fromRgb(unita::coloreDaBgr(coloreBgr));
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(gruppo, QPalette::WindowText, colore);
        p.setColor(gruppo, QPalette::ButtonText, colore);
        p.setColor(gruppo, QPalette::Text, colore);
    }
    controllo->setPalette(p);
}

void impostaFont(QWidget *controllo, const QString &nome, double punti, bool grassetto)
{
    QFont font(nome);
    font.setPointSizeF(punti);
    font.setBold(grassetto);
    controllo->setFont(font);
}

QLabel *etichettaArial(QWidget *padre, const QString &testo, double punti, bool grassetto)
{
    auto *label = new QLabel(testo, padre);
    impostaFont(label, QStringLiteral("Arial"), punti, grassetto);
    return label;
}

QLabel *rigaIntestazione(QWidget *padre, int top, int altezza)
{
    constexpr quint32 sfondoIntestazione = 0x00C0E0FFu;
    QLabel *riga = etichettaArial(padre, QString(), 18, true);
    posiziona(riga, 285, top, 11655, altezza);
    impostaColoreTesto(riga, rosso);
    impostaSfondo(riga, sfondoIntestazione);
    return riga;
}

QGroupBox *corniceGialla(QWidget *padre, const QString &titolo)
{
    auto *cornice = new QGroupBox(titolo, padre);
    impostaFont(cornice, QStringLiteral("Arial"), 10, true);
    impostaSfondo(cornice, giallinoChiaro);
    return cornice;
}

} // namespace aspetto
