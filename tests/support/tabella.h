#pragma once

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
