#include "rigaoperazione.h"

#include "exercise/letturariga.h"
#include "exercise/linea.h"
#include "exercise/risposta.h"
#include "frame/aspetto.h"

#include <QAccessibleEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr quint32 marrone = 0x00004080u;
constexpr double puntiRiga = 60;

QLabel *creaEtichetta(QWidget *genitore, const QRect &posto)
{
    auto *etichetta = new QLabel(genitore);
    aspetto::posiziona(etichetta, posto.x(), posto.y(), posto.width(), posto.height());
    aspetto::impostaFont(etichetta, QStringLiteral("Arial"), puntiRiga, true);
    aspetto::impostaColoreTesto(etichetta, aspetto::bluScuro);
    etichetta->setAlignment(Qt::AlignCenter);
    return etichetta;
}

} // namespace

RigaOperazione::RigaOperazione(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frmNumero"));
    aspetto::impostaSfondo(this, aspetto::giallinoChiaro);
    LblNumero1 = creaEtichetta(this, {45, 120, 2235, 1095});
    LblSegno = creaEtichetta(this, {2280, 120, 765, 1245});
    LblNumero2 = creaEtichetta(this, {3060, 120, 2235, 1095});
    lblSegno1 = creaEtichetta(this, {5340, 120, 765, 1140});
    lblNumero3 = creaEtichetta(this, {6135, 120, 2235, 1095});
    LblUguale = creaEtichetta(this, {8430, 120, 915, 1110});
    lblRisultato1 = creaEtichetta(this, {9405, 120, 2235, 1095});
    aspetto::impostaSfondo(lblRisultato1, aspetto::bianco);
    lblCorrezione = creaEtichetta(this, {9420, 1230, 2235, 1095});
    aspetto::impostaColoreTesto(lblCorrezione, aspetto::rosso);
    aspetto::impostaSfondo(lblCorrezione, aspetto::bianco);
    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i] = new Linea(Linea::Verso::discendente, this);
        Line2[i] = new Linea(Linea::Verso::ascendente, this);
    }
    LblUguale->setText(QStringLiteral("="));
    PosizionaCroci();
    NascondiCroci();
}

QLabel *RigaOperazione::etichetta(Posto posto) const
{
    switch (posto) {
    case Posto::primo:
        return LblNumero1;
    case Posto::secondo:
        return LblNumero2;
    case Posto::terzo:
        return lblNumero3;
    case Posto::risultato:
        return lblRisultato1;
    }
    return nullptr;
}

QLabel *RigaOperazione::etichettaIncognita(int tipoDomanda) const
{
    const auto posto = postoIncognita(tipoDomanda);
    return posto ? etichetta(*posto) : nullptr;
}

void RigaOperazione::scriviIncognita(int tipoDomanda, const QString &testo)
{
    if (QLabel *incognita = etichettaIncognita(tipoDomanda)) {
        incognita->setText(testo);
        segnalaFrase();
    }
}

void RigaOperazione::scriviSegni(const QString &segno)
{
    LblSegno->setText(segno);
    lblSegno1->setText(segno);
    LblUguale->setText(QStringLiteral("="));
    segnalaFrase();
}

void RigaOperazione::coloraNumeri()
{
    for (QLabel *numero : {lblRisultato1, LblNumero1, LblNumero2, lblNumero3})
        aspetto::impostaColoreTesto(numero, aspetto::bluScuro);
}

void RigaOperazione::mostra(const RigaMostrata &riga)
{
    for (int i = 0; i < numeroPosti; ++i)
        etichetta(static_cast<Posto>(i))->setText(QString::number(riga.valori[i]));
    if (QLabel *incognita = etichettaIncognita(riga.tipoDomanda)) {
        incognita->setText(rispostaVuota);
        aspetto::impostaColoreTesto(incognita, marrone);
    }
    segnalaFrase();
}

void RigaOperazione::PosizionaCroci()
{
    for (int i = 0; i < numeroPosti; ++i) {
        const QRect posto = etichetta(static_cast<Posto>(i))->geometry();
        Line1[i]->copri(posto);
        Line2[i]->copri(posto);
        Line1[i]->raise();
        Line2[i]->raise();
    }
}

void RigaOperazione::NascondiCroci()
{
    for (std::size_t i = 0; i < Line1.size(); ++i) {
        Line1[i]->hide();
        Line2[i]->hide();
    }
    segnalaFrase();
}

void RigaOperazione::MostraCroce(int tipoDomanda)
{
    const auto posto = postoIncognita(tipoDomanda);
    if (!posto)
        return;
    const auto i = static_cast<std::size_t>(*posto);
    Line1[i]->show();
    Line2[i]->show();
    segnalaFrase();
}

void RigaOperazione::mostraCorrezione(const QString &testo, int tipoDomanda)
{
    lblCorrezione->setText(testo);
    allineaCorrezione(tipoDomanda);
    segnalaFrase();
}

void RigaOperazione::allineaCorrezione(int tipoDomanda)
{
    QLabel *incognita = etichettaIncognita(tipoDomanda);
    if (!incognita)
        return;
    lblCorrezione->move(incognita->x(), lblCorrezione->y());
}

void RigaOperazione::svuotaCorrezione()
{
    lblCorrezione->clear();
    segnalaFrase();
}

QString RigaOperazione::frase() const
{
    RigaScritta riga;
    for (int i = 0; i < numeroPosti; ++i) {
        const auto posto = static_cast<Posto>(i);
        riga.numeri[static_cast<std::size_t>(i)] = etichetta(posto)->text();
        if (!Line1[static_cast<std::size_t>(i)]->isHidden())
            riga.barrato = posto;
    }
    riga.segno = LblSegno->text();
    riga.correzione = lblCorrezione->text();
    return fraseRiga(riga);
}

void RigaOperazione::rendiPremibile()
{
    m_premibile = true;
    setCursor(Qt::PointingHandCursor);
}

QAccessible::Role RigaOperazione::ruoloAccessibile() const
{
    return m_premibile ? QAccessible::PushButton : QAccessible::StaticText;
}

void RigaOperazione::premi()
{
    if (m_premibile)
        emit premuta();
}

void RigaOperazione::mousePressEvent(QMouseEvent *event)
{
    if (!m_premibile) {
        QFrame::mousePressEvent(event);
        return;
    }
    event->accept();
    premi();
}

void RigaOperazione::segnalaFrase()
{
    QAccessibleEvent evento(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&evento);
}
