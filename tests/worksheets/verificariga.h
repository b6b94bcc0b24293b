#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

// Test helpers that read worksheet lines back as arithmetic, independently of
// how the program builds them.
namespace verificariga {

/** The text between the last "(" and the final ")" of a teacher line. */
inline QString rispostaDocente(const QString &rigaDocente)
{
    const qsizetype aperta = rigaDocente.lastIndexOf(QLatin1Char('('));
    if (aperta < 0 || !rigaDocente.endsWith(QLatin1Char(')')))
        return {};
    return rigaDocente.mid(aperta + 1, rigaDocente.size() - aperta - 2);
}

/** How many blanks ("." or "*") the pupil line holds. */
inline int numeroVuoti(const QString &rigaAlunno)
{
    return static_cast<int>(rigaAlunno.count(QLatin1Char('.')) + rigaAlunno.count(QLatin1Char('*')));
}

/** The numbers written on a line. */
inline QList<int> numeri(const QString &riga)
{
    QList<int> elenco;
    static const QRegularExpression cifre(QStringLiteral("-?\\d+"));
    for (auto it = cifre.globalMatch(riga); it.hasNext();)
        elenco.append(it.next().captured().toInt());
    return elenco;
}

// One side of a line, read left to right: a number, then operator and number pairs.
inline std::optional<int> valuta(const QStringList &pezzi)
{
    if (pezzi.isEmpty() || pezzi.size() % 2 == 0)
        return std::nullopt;
    bool ok = false;
    int valore = pezzi[0].toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (int i = 1; i + 1 < pezzi.size(); i += 2) {
        const int n = pezzi[i + 1].toInt(&ok);
        if (!ok)
            return std::nullopt;
        const QString &op = pezzi[i];
        if (op == QLatin1String("+"))
            valore += n;
        else if (op == QLatin1String("-"))
            valore -= n;
        else if (op == QLatin1String("x"))
            valore *= n;
        else if (op == QLatin1String(":") && n != 0 && valore % n == 0)
            valore /= n;
        else
            return std::nullopt;
    }
    return valore;
}

/** True when the pupil line, with its one blank filled by risposta, is a true statement. */
inline bool veraConRisposta(const QString &rigaAlunno, const QString &risposta)
{
    if (numeroVuoti(rigaAlunno) != 1)
        return false;
    QString riga = rigaAlunno;
    const qsizetype vuoto = riga.indexOf(QRegularExpression(QStringLiteral("[.*]")));
    riga.replace(vuoto, 1, QLatin1Char(' ') + risposta + QLatin1Char(' '));
    const QStringList pezzi = riga.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &relazione : {QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">")}) {
        const qsizetype i = pezzi.indexOf(relazione);
        if (i < 0)
            continue;
        const auto sinistra = valuta(pezzi.mid(0, i));
        const auto destra = valuta(pezzi.mid(i + 1));
        if (!sinistra || !destra)
            return false;
        if (relazione == QLatin1String("="))
            return *sinistra == *destra;
        return relazione == QLatin1String("<") ? *sinistra < *destra : *sinistra > *destra;
    }
    return false;
}

} // namespace verificariga
