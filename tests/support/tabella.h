#pragma once

#include <QAbstractItemModel>
#include <QStringList>
#include <QTest>

#include <cstddef>

// Test data as one array of structs, each row named by its first member `nome`:
// righeDa(tabella) in a _data() function, rigaDi(tabella) in the test itself.
template <typename Riga, std::size_t N>
void righeDa(const Riga (&tabella)[N])
{
    QTest::addColumn<int>("riga");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(tabella[i].nome) << static_cast<int>(i);
}

template <typename Riga, std::size_t N>
const Riga &rigaDi(const Riga (&tabella)[N])
{
    QFETCH(int, riga);
    return tabella[riga];
}

// The cells of a table as shown, a row per line, joined by "|".
inline QStringList celle(const QAbstractItemModel *modello)
{
    QStringList righe;
    for (int r = 0; r < modello->rowCount(); ++r) {
        QStringList riga;
        for (int c = 0; c < modello->columnCount(); ++c)
            riga << modello->index(r, c).data().toString();
        righe << riga.join(QLatin1Char('|'));
    }
    return righe;
}
