#include "pannellostatistiche.h"

#include "frame/aspetto.h"

#include <QLabel>

namespace {

constexpr quint32 bluDidascalia = 0x00800000u;
constexpr quint32 bluValore = 0x00FF0000u;
constexpr int altoDidascalia = 240;
constexpr int altezzaDidascalia = 570;
constexpr int altoValore = 735;
constexpr int larghezzaValore = 690;
constexpr int altezzaValore = 480;

QLabel *creaDidascalia(QWidget *genitore, const QString &testo, int left, int width)
{
    auto *etichetta = new QLabel(testo, genitore);
    aspetto::posiziona(etichetta, left, altoDidascalia, width, altezzaDidascalia);
    aspetto::impostaFont(etichetta, QStringLiteral("MS Sans Serif"), 8.25, true);
    aspetto::impostaColoreTesto(etichetta, bluDidascalia);
    aspetto::impostaSfondo(etichetta, aspetto::bianco);
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->setWordWrap(true);
    return etichetta;
}

QLabel *creaValore(QWidget *genitore, int left, const QString &suggerimento = QString())
{
    auto *etichetta = new QLabel(genitore);
    aspetto::posiziona(etichetta, left, altoValore, larghezzaValore, altezzaValore);
    aspetto::impostaFont(etichetta, QStringLiteral("Arial"), 14.25, true);
    aspetto::impostaColoreTesto(etichetta, bluValore);
    aspetto::impostaSfondo(etichetta, aspetto::bianco);
    etichetta->setAlignment(Qt::AlignCenter);
    etichetta->setToolTip(suggerimento);
    return etichetta;
}

} // namespace

PannelloStatistiche::PannelloStatistiche(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraElaborazione"));
    aspetto::impostaSfondo(this, aspetto::giallinoChiaro);
    aspetto::impostaFont(this, QStringLiteral("Arial"), 9.75, true);
    setFrameShape(QFrame::Box);
    Label5[1] = creaDidascalia(this, QStringLiteral("Operazioni"), 300, 1020);
    Label5[0] = creaDidascalia(this, QStringLiteral("Risposte esatte "), 1425, 945);
    Label5[3] = creaDidascalia(this, QStringLiteral("Risposte errate"), 2520, 810);
    Label5[4] = creaDidascalia(this, QStringLiteral("Tempo parziale"), 3495, 810);
    Label5[5] = creaDidascalia(this, QStringLiteral("Tempo totale"), 4650, 810);
    LblOperazione = creaValore(this, 390);
    lblRisEsatte = creaValore(this, 1485);
    lblRisErrate = creaValore(this, 2490);
    LblTempoParziale = creaValore(this, 3480, QStringLiteral("Secondi impiegati per ogni risposta"));
    LblTempoTotale = creaValore(this, 4635, QStringLiteral("Secondi impiegati per ogni esercizio"));
}

void PannelloStatistiche::svuota()
{
    for (QLabel *valore : {LblTempoParziale, LblTempoTotale, LblOperazione, lblRisEsatte, lblRisErrate})
        valore->clear();
}
