#include "tastierino.h"

#include "frame/aspetto.h"
#include "frame/pulsanteopzione.h"

namespace {

struct PostoTasto
{
    int left;
    int top;
    int width;
};

constexpr int altezzaTasto = 585;
constexpr int larghezzaCifra = 1110;
constexpr int larghezzaComando = 2250;

constexpr std::array<PostoTasto, Tastierino::numeroTasti> posti{{
    {30, 120, larghezzaCifra},          {1170, 120, larghezzaCifra},   {2295, 120, larghezzaCifra},
    {3435, 120, larghezzaCifra},        {45, 705, larghezzaCifra},     {1170, 705, larghezzaCifra},
    {2295, 705, larghezzaCifra},        {3435, 705, larghezzaCifra},   {45, 1290, larghezzaCifra},
    {1170, 1290, larghezzaCifra},       {45, 1875, larghezzaComando}, {2295, 1875, larghezzaComando},
    {45, 2460, larghezzaComando},       {2295, 2460, larghezzaComando},
}};

QString didascalia(int indice)
{
    switch (indice) {
    case Tastierino::cancella:
        return QStringLiteral("Cancella");
    case Tastierino::verifica:
        return QStringLiteral("Verifica");
    case Tastierino::avanti:
        return QStringLiteral("Avanti");
    case Tastierino::esco:
        return QStringLiteral("Esco");
    default:
        return QString::number(indice);
    }
}

} // namespace

Tastierino::Tastierino(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraTastierino"));
    aspetto::impostaSfondo(this, aspetto::fuocoSpento);
    for (int i = 0; i < numeroTasti; ++i) {
        auto *tasto = new PulsanteOpzione(didascalia(i), i, this);
        tasto->setObjectName(QStringLiteral("Option2_%1").arg(i));
        const PostoTasto &p = posti[static_cast<std::size_t>(i)];
        aspetto::posiziona(tasto, p.left, p.top, p.width, altezzaTasto);
        aspetto::impostaFont(tasto, QStringLiteral("Arial"), 24, true);
        aspetto::impostaColoreTesto(tasto, aspetto::bluScuro);
        aspetto::impostaSfondo(tasto, aspetto::fuocoSpento);
        // The keypad is for the mouse only.
        tasto->impostaInvioAgisce(false);
        connect(tasto, &PulsanteOpzione::premuto, this, &Tastierino::premuto);
        // The release may reach a button that its own press has just disabled.
        connect(tasto, &PulsanteOpzione::rilasciato, this, [this] { m_premuto = false; });
        Option2[static_cast<std::size_t>(i)] = tasto;
    }
}

void Tastierino::premuto(int indice)
{
    if (m_premuto)
        return;
    m_premuto = true;
    emit PremiTasto(indice);
}

void Tastierino::imposta(bool battitura, int fuoco)
{
    for (int i = 0; i < numeroTasti; ++i)
        Option2[static_cast<std::size_t>(i)]->setEnabled((i < avanti) == battitura);
    // Before the window is shown the focus only takes effect once it appears.
    Option2[static_cast<std::size_t>(fuoco)]->setFocus();
}

void Tastierino::AbilitaTastierino()
{
    imposta(true, 1);
}

void Tastierino::BloccaTastierino()
{
    imposta(false, avanti);
}
