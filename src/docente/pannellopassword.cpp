#include "pannellopassword.h"

#include "frame/aspetto.h"
#include "frame/pulsanteopzione.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *campoPassword(QWidget *padre, const QString &nome)
{
    auto *campo = new QLineEdit(padre);
    campo->setEchoMode(QLineEdit::Password);
    campo->setAccessibleName(nome);
    campo->setMaxLength(200);
    return campo;
}

} // namespace

PannelloPassword::PannelloPassword(QWidget *parent)
    : QWidget(parent)
{
    lblSpiegazione = aspetto::etichettaArial(this, QString(), 10, false);
    lblSpiegazione->setWordWrap(true);
    txtPassword = campoPassword(this, QStringLiteral("Password dell'insegnante"));
    txtRipeti = campoPassword(this, QStringLiteral("Ripeti la password"));
    cmdEntra = pulsanteComando(QStringLiteral("Entra"), 0, 11, this);
    cmdEntra->setMinimumSize(220, 36);
    lblEsito = aspetto::etichettaArial(this, QString(), 10, true);
    aspetto::impostaColoreTesto(lblEsito, aspetto::rosso);

    auto *griglia = new QGridLayout(this);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->addWidget(lblSpiegazione, 0, 0, 1, 3);
    griglia->addWidget(txtPassword, 1, 0);
    griglia->addWidget(txtRipeti, 1, 1);
    griglia->addWidget(cmdEntra, 1, 2);
    griglia->addWidget(lblEsito, 2, 0, 1, 3);

    connect(cmdEntra, &PulsanteOpzione::premuto, this, &PannelloPassword::invia);
    connect(txtPassword, &QLineEdit::returnPressed, this, &PannelloPassword::invia);
    connect(txtRipeti, &QLineEdit::returnPressed, this, &PannelloPassword::invia);
    impostaModo(Modo::entra);
}

void PannelloPassword::impostaModo(Modo modo)
{
    m_modo = modo;
    const bool nuova = modo == Modo::nuova;
    switch (modo) {
    case Modo::nuova:
        lblSpiegazione->setText(QStringLiteral(
            "Per vedere gli altri giorni, assegnare i nomi ed eliminare le serie scegli una password dell'insegnante "
            "(almeno 4 caratteri) e scrivila due volte. Non si può recuperare: se la dimentichi, bisogna cancellare "
            "il registro."));
        break;
    case Modo::entra:
        lblSpiegazione->setText(QStringLiteral("Per vedere gli altri giorni, assegnare i nomi ed eliminare le serie "
                                               "scrivi la password dell'insegnante."));
        break;
    case Modo::laboratorio:
        lblSpiegazione->setText(QStringLiteral("Il registro è sul server del laboratorio: per vederlo, assegnare i "
                                               "nomi ed eliminare le serie scrivi la password dell'insegnante per il "
                                               "server. Non viene conservata."));
        break;
    }
    txtPassword->setPlaceholderText(nuova ? QStringLiteral("Nuova password") : QStringLiteral("Password"));
    txtRipeti->setPlaceholderText(QStringLiteral("Ripeti la password"));
    txtRipeti->setVisible(nuova);
    cmdEntra->impostaCaption(nuova ? QStringLiteral("Imposta la password") : QStringLiteral("Entra"));
}

void PannelloPassword::inAttesa(bool attesa)
{
    for (QWidget *w : std::initializer_list<QWidget *>{txtPassword, txtRipeti, cmdEntra})
        w->setEnabled(!attesa);
    if (attesa)
        mostraEsito(QStringLiteral("Controllo della password…"));
}

void PannelloPassword::mostraEsito(const QString &testo)
{
    lblEsito->setText(testo);
}

void PannelloPassword::invia()
{
    const QString password = txtPassword->text();
    const QString ripetuta = m_modo == Modo::nuova ? txtRipeti->text() : QString();
    txtPassword->clear();
    txtRipeti->clear();
    emit passwordScritta(password, ripetuta);
}
