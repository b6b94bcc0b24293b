// The chart of a pupil's progress drawn with Qt Charts, built as the module
// tarvelo_grafico that the grading window loads when it is first built.
#include "docente/graficoandamento.h"
#include "frame/unita.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

namespace {

QColor colore(quint32 coloreBgr)
{
    return QColor::fromRgb(unita::coloreDaBgr(coloreBgr));
}

class GraficoQtCharts final : public GraficoAndamento
{
public:
    explicit GraficoQtCharts(QWidget *parent)
        : m_vista(new QChartView(new QChart, parent))
    {
        // The view owns this object: it goes when the view goes.
        QObject::connect(m_vista, &QObject::destroyed, [this] { delete this; });
        QChart *grafico = m_vista->chart();
        grafico->addSeries(m_esatte);
        grafico->addSeries(m_secondi);
        m_giorni->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        grafico->addAxis(m_giorni, Qt::AlignBottom);
        grafico->addAxis(m_asseEsatte, Qt::AlignLeft);
        grafico->addAxis(m_asseSecondi, Qt::AlignRight);
        for (QLineSeries *serie : {m_esatte, m_secondi}) {
            serie->setPointsVisible(true);
            serie->attachAxis(m_giorni);
        }
        m_esatte->attachAxis(m_asseEsatte);
        m_secondi->attachAxis(m_asseSecondi);
        for (QValueAxis *asse : {m_asseEsatte, m_asseSecondi}) {
            asse->setTickCount(6);
            asse->setLabelFormat(QStringLiteral("%.0f"));
        }
        grafico->legend()->setAlignment(Qt::AlignTop);
        m_vista->setRenderHint(QPainter::Antialiasing);
        m_vista->setAccessibleName(QStringLiteral("Grafico dell'andamento"));
    }

    QWidget *widget() override { return m_vista; }

    void mostra(const DatiGrafico &dati) override
    {
        for (const QString &etichetta : m_giorni->categoriesLabels())
            m_giorni->remove(etichetta);
        for (int i = 0; i < dati.giorni.size(); ++i)
            m_giorni->append(dati.giorni.at(i), i);
        m_giorni->setRange(-0.5, static_cast<double>(std::max<qsizetype>(dati.giorni.size(), 1)) - 0.5);
        disegna(m_esatte, m_asseEsatte, dati.esatte);
        disegna(m_secondi, m_asseSecondi, dati.secondi);
    }

    DatiGrafico mostrati() const override
    {
        return {m_giorni->categoriesLabels(), letta(m_esatte, m_asseEsatte), letta(m_secondi, m_asseSecondi)};
    }

private:
    static void disegna(QLineSeries *serie, QValueAxis *asse, const LineaGrafico &linea)
    {
        serie->setName(linea.nome);
        serie->setPen(QPen(colore(linea.coloreBgr), 3));
        serie->replace(linea.punti);
        asse->setTitleText(linea.nome);
        asse->setLabelsColor(colore(linea.coloreBgr));
        asse->setRange(0, linea.massimo);
    }

    static LineaGrafico letta(const QLineSeries *serie, const QValueAxis *asse)
    {
        return {serie->name(), unita::coloreInBgr(serie->pen().color().rgb()), asse->max(), serie->points()};
    }

    QChartView *m_vista;
    QLineSeries *m_esatte = new QLineSeries;
    QLineSeries *m_secondi = new QLineSeries;
    QCategoryAxis *m_giorni = new QCategoryAxis;
    QValueAxis *m_asseEsatte = new QValueAxis;
    QValueAxis *m_asseSecondi = new QValueAxis;
};

} // namespace

extern "C" Q_DECL_EXPORT GraficoAndamento *creaGrafico(QWidget *parent)
{
    return new GraficoQtCharts(parent);
}
