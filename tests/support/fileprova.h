#pragma once

// A file's bytes read and written whole by a test, outside the program.

#include <QFile>
#include <QTest>

// The bytes of the file; none when it cannot be read.
inline QByteArray contenuto(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file made anew with these bytes; the test fails when it cannot be.
inline void scriviFile(const QString &percorso, const QByteArray &byte)
{
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(byte) != byte.size())
        QTest::qFail(qPrintable("cannot write " + percorso), __FILE__, __LINE__);
}
