#pragma once

// Reads CSV text back into rows of fields, independently of the code that
// writes it: semicolons, quoted fields with doubled quotes, CR LF line ends.

#include <QList>
#include <QString>
#include <QStringList>

namespace prova {

inline QList<QStringList> leggiCsv(const QString &testo)
{
    QList<QStringList> righe;
    QStringList riga;
    QString campo;
    bool traVirgolette = false;
    const auto segue = [&](int i, QChar c) { return i + 1 < testo.size() && testo.at(i + 1) == c; };
    for (int i = 0; i < testo.size(); ++i) {
        const QChar c = testo.at(i);
        if (traVirgolette) {
            if (c == QLatin1Char('"') && segue(i, QLatin1Char('"'))) {
                campo += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                traVirgolette = false;
            } else {
                campo += c;
            }
        } else if (c == QLatin1Char('"')) {
            traVirgolette = true;
        } else if (c == QLatin1Char(';')) {
            riga.append(campo);
            campo.clear();
        } else if (c == QLatin1Char('\r') && segue(i, QLatin1Char('\n'))) {
            riga.append(campo);
            righe.append(riga);
            riga.clear();
            campo.clear();
            ++i;
        } else {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !riga.isEmpty())
        righe.append(riga << campo);
    return righe;
}

} // namespace prova
