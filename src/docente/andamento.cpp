#include "andamento.h"

#include "docente/filtroregistro.h"
#include "frame/orologio.h"

#include <QLocale>

#include <algorithm>
#include <map>

double PuntoAndamento::quotaEsatte() const
{
    return operazioni > 0 ? 100.0 * esatte / operazioni : 0.0;
}

double PuntoAndamento::secondiPerOperazione() const
{
    return operazioni > 0 ? static_cast<double>(secondi) / operazioni : 0.0;
}

std::vector<PuntoAndamento> andamento(const std::vector<SerieRegistro> &serie, const QString &chiaveAlunno,
                                      int operazione)
{
    std::map<QDate, PuntoAndamento> giorni;
    for (const SerieRegistro &s : serie) {
        if (s.chiaveAlunno.isEmpty() || s.chiaveAlunno != chiaveAlunno || s.operazione != operazione
            || s.operazioni <= 0)
            continue;
        PuntoAndamento &punto = giorni[s.inizio.date()];
        punto.giorno = s.inizio.date();
        punto.serie += 1;
        punto.operazioni += s.operazioni;
        punto.esatte += s.esatte;
        punto.secondi += s.secondi;
        if (!punto.livelli.contains(s.livello))
            punto.livelli.append(s.livello);
    }
    std::vector<PuntoAndamento> punti;
    for (auto &[giorno, punto] : giorni) {
        std::sort(punto.livelli.begin(), punto.livelli.end());
        punti.push_back(punto);
    }
    return punti;
}

QStringList alunniRegistro(const std::vector<SerieRegistro> &serie)
{
    // The spelling of the newest series wins.
    std::map<QString, const SerieRegistro *> perChiave;
    for (const SerieRegistro &s : serie) {
        const SerieRegistro *&visto = perChiave[s.chiaveAlunno];
        if (!s.chiaveAlunno.isEmpty() && (!visto || visto->inizio < s.inizio))
            visto = &s;
    }
    QStringList alunni;
    for (const auto &[chiave, s] : perChiave) {
        if (s)
            alunni << s->alunno;
    }
    return alunni;
}

QString testoLivelli(const QList<int> &livelli)
{
    QStringList numeri;
    for (const int livello : livelli)
        numeri << QString::number(livello);
    return QStringLiteral("liv. ") + numeri.join(QStringLiteral(", "));
}

QStringList intestazioniAndamento()
{
    return {QStringLiteral("Data"),       QStringLiteral("Livello"), QStringLiteral("Serie"),
            QStringLiteral("Operazioni"), QStringLiteral("Esatte"),  QStringLiteral("Secondi per operazione")};
}

QStringList rigaAndamento(const PuntoAndamento &punto)
{
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    return {dataBreve(punto.giorno),
            testoLivelli(punto.livelli),
            QString::number(punto.serie),
            QString::number(punto.operazioni),
            QString::number(qRound(punto.quotaEsatte())) + QLatin1Char('%'),
            italiano.toString(punto.secondiPerOperazione(), 'f', 1)};
}
