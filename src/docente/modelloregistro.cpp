#include "modelloregistro.h"

void ModelloRegistro::imposta(std::vector<SerieRegistro> serie)
{
    beginResetModel();
    m_serie = std::move(serie);
    endResetModel();
}

int ModelloRegistro::rowCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(m_serie.size());
}

int ModelloRegistro::columnCount(const QModelIndex &padre) const
{
    return padre.isValid() ? 0 : numeroColonne;
}

QVariant ModelloRegistro::data(const QModelIndex &indice, int ruolo) const
{
    if (ruolo != Qt::DisplayRole || !indice.isValid())
        return QVariant();
    return testoColonna(serie(indice.row()), static_cast<Colonna>(indice.column()));
}

QVariant ModelloRegistro::headerData(int sezione, Qt::Orientation orientamento, int ruolo) const
{
    if (ruolo != Qt::DisplayRole || orientamento != Qt::Horizontal)
        return QAbstractTableModel::headerData(sezione, orientamento, ruolo);
    return intestazioniRegistro().value(sezione);
}

VistaRegistro::VistaRegistro(ModelloRegistro *modello, QObject *padre)
    : QSortFilterProxyModel(padre)
    , m_modello(modello)
{
    setSourceModel(modello);
    // Newest first until the teacher sorts another way.
    sort(static_cast<int>(Colonna::data), Qt::DescendingOrder);
}

void VistaRegistro::impostaFiltro(const FiltroRegistro &filtro)
{
    m_filtro = filtro;
    invalidateRowsFilter();
}

const SerieRegistro &VistaRegistro::serie(int riga) const
{
    return m_modello->serie(mapToSource(index(riga, 0)).row());
}

std::vector<SerieRegistro> VistaRegistro::serieMostrate() const
{
    std::vector<SerieRegistro> mostrate;
    mostrate.reserve(static_cast<std::size_t>(rowCount()));
    for (int r = 0; r < rowCount(); ++r)
        mostrate.push_back(serie(r));
    return mostrate;
}

bool VistaRegistro::filterAcceptsRow(int riga, const QModelIndex &) const
{
    return corrisponde(m_modello->serie(riga), m_filtro);
}

bool VistaRegistro::lessThan(const QModelIndex &a, const QModelIndex &b) const
{
    return precede(m_modello->serie(a.row()), m_modello->serie(b.row()), static_cast<Colonna>(a.column()));
}
