#include "barrafiltri.h"

#include "docente/serieregistro.h"
#include "frame/orologio.h"
#include "frame/servizi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QDateEdit *campoData(QWidget *padre, const QString &nome)
{
    auto *data = new QDateEdit(servizi().orologio->oggi(), padre);
    data->setDisplayFormat(formatoDataBreve());
    data->setCalendarPopup(true);
    data->setAccessibleName(nome);
    data->setEnabled(false);
    return data;
}

QLabel *etichetta(QWidget *padre, const QString &testo, QWidget *campo)
{
    auto *label = new QLabel(testo, padre);
    label->setBuddy(campo);
    return label;
}

} // namespace

BarraFiltri::BarraFiltri(QWidget *parent)
    : QWidget(parent)
{
    txtAlunno = new QLineEdit(this);
    txtAlunno->setPlaceholderText(QStringLiteral("nome o parte del nome"));
    txtAlunno->setClearButtonEnabled(true);
    txtAlunno->setAccessibleName(QStringLiteral("Alunno"));
    chkDal = new QCheckBox(QStringLiteral("Dal"), this);
    datDal = campoData(this, QStringLiteral("Dal giorno"));
    chkAl = new QCheckBox(QStringLiteral("al"), this);
    datAl = campoData(this, QStringLiteral("Al giorno"));
    cmbComputer = new QComboBox(this);
    cmbComputer->setAccessibleName(QStringLiteral("Computer"));
    cmbComputer->addItem(QStringLiteral("Tutti"), QString());
    cmbOperazione = new QComboBox(this);
    cmbOperazione->setAccessibleName(QStringLiteral("Operazione"));
    cmbOperazione->addItem(QStringLiteral("Tutte"), 0);
    for (int operazione = 1; operazione <= 3; ++operazione)
        cmbOperazione->addItem(nomeOperazione(operazione), operazione);

    auto *riga = new QHBoxLayout(this);
    riga->setContentsMargins(0, 0, 0, 0);
    riga->addWidget(etichetta(this, QStringLiteral("Alunno"), txtAlunno));
    riga->addWidget(txtAlunno, 2);
    for (QWidget *w : std::initializer_list<QWidget *>{chkDal, datDal, chkAl, datAl})
        riga->addWidget(w);
    riga->addWidget(etichetta(this, QStringLiteral("Computer"), cmbComputer));
    riga->addWidget(cmbComputer, 1);
    riga->addWidget(etichetta(this, QStringLiteral("Operazione"), cmbOperazione));
    riga->addWidget(cmbOperazione);

    connect(txtAlunno, &QLineEdit::textChanged, this, &BarraFiltri::cambiato);
    for (auto [scelta, giorno] : {std::pair(chkDal, datDal), std::pair(chkAl, datAl)}) {
        connect(scelta, &QCheckBox::toggled, giorno, &QWidget::setEnabled);
        connect(scelta, &QCheckBox::toggled, this, &BarraFiltri::cambiato);
        connect(giorno, &QDateEdit::dateChanged, this, &BarraFiltri::cambiato);
    }
    connect(cmbComputer, &QComboBox::currentIndexChanged, this, &BarraFiltri::cambiato);
    connect(cmbOperazione, &QComboBox::currentIndexChanged, this, &BarraFiltri::cambiato);
}

FiltroRegistro BarraFiltri::filtro() const
{
    FiltroRegistro filtro;
    filtro.chiaveAlunno = chiaveRicerca(txtAlunno->text().trimmed());
    if (chkDal->isChecked())
        filtro.dal = datDal->date();
    if (chkAl->isChecked())
        filtro.al = datAl->date();
    filtro.computer = cmbComputer->currentData().toString();
    filtro.operazione = cmbOperazione->currentData().toInt();
    return filtro;
}

void BarraFiltri::impostaComputer(const QStringList &computer)
{
    const QString scelto = cmbComputer->currentData().toString();
    const QSignalBlocker fermo(cmbComputer);
    while (cmbComputer->count() > 1)
        cmbComputer->removeItem(1);
    for (const QString &nome : computer)
        cmbComputer->addItem(nome, nome);
    cmbComputer->setCurrentIndex(std::max(0, cmbComputer->findData(scelto)));
    if (cmbComputer->currentData().toString() != scelto)
        emit cambiato();
}

void BarraFiltri::impostaSoloOggi(bool soloOggi)
{
    for (QCheckBox *scelta : {chkDal, chkAl}) {
        if (soloOggi)
            scelta->setChecked(false);
        scelta->setEnabled(!soloOggi);
    }
}
