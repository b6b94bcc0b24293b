#include "parteandamento.h"

#include "docente/filtroregistro.h"
#include "docente/modelloregistro.h"
#include "docente/paginaandamento.h"
#include "frame/aspetto.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/unita.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>

namespace {

QLineSeries *linea(const QString &nome, quint32 coloreBgr)
{
    auto *serie = new QLineSeries;
    serie->setName(nome);
    serie->setPen(QPen(QColor::fromRgb(unita::coloreDaBgr(coloreBgr)), 3));
    serie->setPointsVisible(true);
    return serie;
}

QValueAxis *asse(const QString &titolo, quint32 coloreBgr)
{
    auto *asse = new QValueAxis;
    asse->setTitleText(titolo);
    asse->setTickCount(6);
    asse->setLabelFormat(QStringLiteral("%.0f"));
    asse->setLabelsColor(QColor::fromRgb(unita::coloreDaBgr(coloreBgr)));
    return asse;
}

} // namespace

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
    costruisciGrafico();
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
    griglia->addWidget(grfAndamento, 1, 0, 1, 5);
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

void ParteAndamento::costruisciGrafico()
{
    auto *grafico = new QChart;
    serEsatte = linea(QStringLiteral("Risposte esatte (%)"), paginaandamento::coloreEsatte);
    serSecondi = linea(QStringLiteral("Secondi per operazione"), paginaandamento::coloreSecondi);
    grafico->addSeries(serEsatte);
    grafico->addSeries(serSecondi);
    m_giorni = new QCategoryAxis;
    m_giorni->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    auto *esatte = asse(QStringLiteral("Risposte esatte (%)"), paginaandamento::coloreEsatte);
    esatte->setRange(0, 100);
    m_secondi = asse(QStringLiteral("Secondi per operazione"), paginaandamento::coloreSecondi);
    grafico->addAxis(m_giorni, Qt::AlignBottom);
    grafico->addAxis(esatte, Qt::AlignLeft);
    grafico->addAxis(m_secondi, Qt::AlignRight);
    for (QLineSeries *serie : {serEsatte, serSecondi})
        serie->attachAxis(m_giorni);
    serEsatte->attachAxis(esatte);
    serSecondi->attachAxis(m_secondi);
    grafico->legend()->setAlignment(Qt::AlignTop);
    grfAndamento = new QChartView(grafico, this);
    grfAndamento->setRenderHint(QPainter::Antialiasing);
    grfAndamento->setAccessibleName(QStringLiteral("Grafico dell'andamento"));
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
    lblNessuno->setText(cmbAlunno->count() == 0
                            ? QStringLiteral("Nel registro non c'è ancora nessuna serie con il nome dell'alunno.")
                            : QStringLiteral("%1 non ha serie di questa operazione.").arg(alunno));
    lblNessuno->setVisible(m_punti.empty());
    grfAndamento->setVisible(!m_punti.empty());
    cmdStampa->setEnabled(!m_punti.empty());
    disegna();
}

void ParteAndamento::disegna()
{
    serEsatte->clear();
    serSecondi->clear();
    for (const QString &etichetta : m_giorni->categoriesLabels())
        m_giorni->remove(etichetta);
    const int n = static_cast<int>(m_punti.size());
    for (int i = 0; i < n; ++i) {
        const PuntoAndamento &p = m_punti[std::size_t(i)];
        serEsatte->append(i, p.quotaEsatte());
        serSecondi->append(i, p.secondiPerOperazione());
        m_giorni->append(dataBreve(p.giorno) + QLatin1Char('\n') + testoLivelli(p.livelli), i);
    }
    m_giorni->setRange(-0.5, std::max(n, 1) - 0.5);
    m_secondi->setRange(0, scalaSecondi(m_punti));
}

void ParteAndamento::Stampa()
{
    if (m_punti.empty())
        return;
    PaginaAndamento pagina{cmbAlunno->currentText(), cmbOperazione->currentText(),
                           dataBreve(servizi().orologio->oggi()), m_punti};
    StampaAndamento(*servizi().creaStampante(), pagina);
}
