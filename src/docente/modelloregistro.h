#pragma once

#include "docente/filtroregistro.h"
#include "docente/serieregistro.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <vector>

// The register's series for Qt's table view: the rows under the register's
// headings, the filters and the sorting, each by the rules of the core.

class ModelloRegistro final : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    /** Takes the series in place of the ones held. */
    void imposta(std::vector<SerieRegistro> serie);
    const std::vector<SerieRegistro> &serie() const { return m_serie; }
    const SerieRegistro &serie(int riga) const { return m_serie[static_cast<std::size_t>(riga)]; }

    int rowCount(const QModelIndex &padre = QModelIndex()) const override;
    int columnCount(const QModelIndex &padre = QModelIndex()) const override;
    QVariant data(const QModelIndex &indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation orientamento, int ruolo = Qt::DisplayRole) const override;

private:
    std::vector<SerieRegistro> m_serie;
};

/** The rows the filter lets through, in the order of the column sorted. */
class VistaRegistro final : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit VistaRegistro(ModelloRegistro *modello, QObject *padre = nullptr);

    void impostaFiltro(const FiltroRegistro &filtro);
    /** The series of a row of this view. */
    const SerieRegistro &serie(int riga) const;
    /** The series shown, in the order shown. */
    std::vector<SerieRegistro> serieMostrate() const;

protected:
    bool filterAcceptsRow(int riga, const QModelIndex &padre) const override;
    bool lessThan(const QModelIndex &a, const QModelIndex &b) const override;

private:
    ModelloRegistro *m_modello = nullptr;
    FiltroRegistro m_filtro;
};
