#include "parteandamento.h"

#include "docente/filtroregistro.h"
#include "docente/graficoandamento.h"
#include "docente/modelloregistro.h"
#include "docente/paginaandamento.h"
#include "frame/aspetto.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

ParteAndamento::ParteAndamento(const ModelloRegistro &modello, QWidget *parent)
    : QWidget(parent)
    , m_modello(modello)
{
    cmbAlunno = new QComboBox(this);
    cmbAlunno->setAccessibleName(QStringLiteral("Alunno"));
    cmbOperazione = new QComboBox(this);
    cmbOperazione->setAccessibleName(QStringLiteral("Operazione"));
    for (int operazione = 1; operazione <= 3; ++operazione)
        cmbOperazione->addItem(nomeOperazione(operazione), operazione);
    grfAndamento = creaGraficoAndamento(this);
    lblNessuno = aspetto::etichettaArial(this, QString(), 11, true);
    lblNessuno->setAlignment(Qt::AlignCenter);
    tblGiorni = new QTableWidget(0, static_cast<int>(intestazioniAndamento().size()), this);
    tblGiorni->setHorizontalHeaderLabels(intestazioniAndamento());
    tblGiorni->setAccessibleName(QStringLiteral("Andamento giorno per giorno"));
    tblGiorni->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGiorni->verticalHeader()->setVisible(false);
    tblGiorni->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    cmdStampa = pulsanteComando(QStringLiteral("Stampa"), 0, 11, this);
    cmdStampa->setMinimumSize(160, 36);

    auto *griglia = new QGridLayout(this);
    griglia->addWidget(new QLabel(QStringLiteral("Alunno"), this), 0, 0);
    griglia->addWidget(cmbAlunno, 0, 1);
    griglia->addWidget(new QLabel(QStringLiteral("Operazione"), this), 0, 2);
    griglia->addWidget(cmbOperazione, 0, 3);
    griglia->addWidget(cmdStampa, 0, 4);
    if (grfAndamento)
        griglia->addWidget(grfAndamento->widget(), 1, 0, 1, 5);
    griglia->addWidget(lblNessuno, 1, 0, 1, 5);
    griglia->addWidget(tblGiorni, 2, 0, 1, 5);
    griglia->setRowStretch(1, 3);
    griglia->setRowStretch(2, 1);
    griglia->setColumnStretch(1, 1);

    connect(&m_modello, &QAbstractItemModel::modelReset, this, &ParteAndamento::aggiornaAlunni);
    connect(cmbAlunno, &QComboBox::currentIndexChanged, this, &ParteAndamento::aggiorna);
    connect(cmbOperazione, &QComboBox::currentIndexChanged, this, &ParteAndamento::aggiorna);
    connect(cmdStampa, &PulsanteOpzione::premuto, this, &ParteAndamento::Stampa);
    aggiorna();
}

void ParteAndamento::scegli(const SerieRegistro &serie)
{
    // The pupil goes by the newest spelling of the name, which may not be this series'.
    int alunno = cmbAlunno->count() - 1;
    while (alunno >= 0 && chiaveRicerca(cmbAlunno->itemText(alunno)) != serie.chiaveAlunno)
        --alunno;
    const int operazione = cmbOperazione->findData(serie.operazione);
    if (serie.alunno.isEmpty() || alunno < 0 || operazione < 0)
        return;
    const QSignalBlocker fermo(cmbAlunno);
    cmbAlunno->setCurrentIndex(alunno);
    cmbOperazione->setCurrentIndex(operazione);
    aggiorna();
}

void ParteAndamento::aggiornaAlunni()
{
    const QString scelto = cmbAlunno->currentText();
    const QSignalBlocker fermo(cmbAlunno);
    cmbAlunno->clear();
    cmbAlunno->addItems(alunniRegistro(m_modello.serie()));
    cmbAlunno->setCurrentIndex(std::max(0, cmbAlunno->findText(scelto)));
    aggiorna();
}

void ParteAndamento::aggiorna()
{
    const QString alunno = cmbAlunno->currentText();
    m_punti = alunno.isEmpty() ? std::vector<PuntoAndamento>()
                               : andamento(m_modello.serie(), chiaveRicerca(alunno), cmbOperazione->currentData().toInt());
    tblGiorni->setRowCount(static_cast<int>(m_punti.size()));
    for (int r = 0; r < tblGiorni->rowCount(); ++r) {
        const QStringList celle = rigaAndamento(m_punti[std::size_t(r)]);
        for (int c = 0; c < celle.size(); ++c)
            tblGiorni->setItem(r, c, new QTableWidgetItem(celle.at(c)));
    }
    lblNessuno->setText(testoSenzaGrafico(alunno));
    lblNessuno->setVisible(m_punti.empty() || !grfAndamento);
    cmdStampa->setEnabled(!m_punti.empty());
    if (grfAndamento) {
        grfAndamento->widget()->setVisible(!m_punti.empty());
        grfAndamento->mostra(datiGrafico(m_punti));
    }
}

QString ParteAndamento::testoSenzaGrafico(const QString &alunno) const
{
    if (cmbAlunno->count() == 0)
        return QStringLiteral("Nel registro non c'è ancora nessuna serie con il nome dell'alunno.");
    if (m_punti.empty())
        return QStringLiteral("%1 non ha serie di questa operazione.").arg(alunno);
    return QStringLiteral("Il grafico non si può mostrare perché manca il modulo tarvelo_grafico o la libreria Qt "
                          "Charts: la tabella qui sotto riporta gli stessi dati, e \"Stampa\" stampa la pagina con il "
                          "grafico.");
}

void ParteAndamento::Stampa()
{
    if (m_punti.empty())
        return;
    PaginaAndamento pagina{cmbAlunno->currentText(), cmbOperazione->currentText(),
                           dataBreve(servizi().orologio->oggi()), m_punti};
    StampaAndamento(*servizi().creaStampante(), pagina);
}
