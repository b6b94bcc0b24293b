#include "pannellonome.h"

#include "frame/aspetto.h"
#include "frame/pulsanteacapo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr quint32 rosa = 0x00FFC0FFu;
constexpr quint32 rosaAvanti = 0x00FF80FFu;
constexpr quint32 rossoScuro = 0x000000C0u;
} // namespace

PannelloNome::PannelloNome(QWidget *parent)
    : QFrame(parent)
    , Label6(new QLabel(QStringLiteral("   IMMETTI   IL  TUO  NOME"), this))
    , txtNome(new QLineEdit(this))
    , Label4(new QLabel(QStringLiteral("Il nome viene troncato automaticamente alla 15a lettera"), this))
    , Label9(new QLabel(QStringLiteral("Presta attenzione all'ortografia"), this))
    , cmdAvanti(new PulsanteACapo(QStringLiteral("AVANTI"), this))
{
    setObjectName(QStringLiteral("fraNome"));
    setFrameShape(QFrame::Box);
    aspetto::impostaSfondo(this, rosa);

    aspetto::posiziona(Label6, 240, 240, 6240, 480);
    aspetto::impostaFont(Label6, QStringLiteral("Arial"), 14.25, true);
    aspetto::impostaColoreTesto(Label6, rossoScuro);

    aspetto::posiziona(txtNome, 600, 900, 5520, 720);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    // The caption names the box for assistive technology.
    Label6->setBuddy(txtNome);
    txtNome->setMaxLength(lunghezzaMassima);
    aspetto::impostaSfondo(txtNome, rosa);
    aspetto::impostaFont(txtNome, QStringLiteral("Arial"), 21.75, true);
    aspetto::impostaColoreTesto(txtNome, rossoScuro);

    aspetto::posiziona(Label4, 240, 1860, 6240, 660);
    Label4->setWordWrap(true);
    aspetto::impostaFont(Label4, QStringLiteral("Courier"), 12, false);
    aspetto::posiziona(Label9, 240, 2580, 6240, 360);
    aspetto::impostaFont(Label9, QStringLiteral("Courier"), 12, false);

    aspetto::posiziona(cmdAvanti, 1860, 3240, 3000, 900);
    cmdAvanti->setObjectName(QStringLiteral("cmdAvanti"));
    cmdAvanti->setAutoDefault(false);
    aspetto::impostaSfondo(cmdAvanti, rosaAvanti);
    aspetto::impostaFont(cmdAvanti, QStringLiteral("Arial"), 21.75, true);

    connect(cmdAvanti, &QPushButton::clicked, this, &PannelloNome::avanti);
    connect(txtNome, &QLineEdit::returnPressed, this, &PannelloNome::avanti);
}

QString PannelloNome::nome() const
{
    return txtNome->text();
}
