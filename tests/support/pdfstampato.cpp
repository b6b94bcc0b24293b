#include "pdfstampato.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace {
QString esegui(const QString &programma, const QStringList &argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
        return {};
    return QString::fromUtf8(processo.readAllStandardOutput());
}

// The captured jobs, oldest first: job ids grow, so by length, then by name.
// The backend writes "<name>.part" and renames it when the copy is whole.
QStringList lavori()
{
    if (PdfStampato::cartella().isEmpty())
        return {};
    QStringList nomi = QDir(PdfStampato::cartella()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    std::stable_sort(nomi.begin(), nomi.end(), [](const QString &a, const QString &b) { return a.size() < b.size(); });
    return nomi;
}
} // namespace

QString testoDelPdf(const QString &file)
{
    return esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
}

QRectF parolaDelPdf(const QString &file, const QString &testo)
{
    const QString html = esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                                              QStringLiteral("1"), file, QStringLiteral("-")});
    static const QRegularExpression parola(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = parola.globalMatch(html); it.hasNext();) {
        const auto p = it.next();
        if (p.captured(5) == testo.toHtmlEscaped())
            return QRectF(QPointF(p.captured(1).toDouble(), p.captured(2).toDouble()),
                          QPointF(p.captured(3).toDouble(), p.captured(4).toDouble()));
    }
    return {};
}

QSizeF paginaDelPdf(const QString &file)
{
    static const QRegularExpression pagina(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    const auto trovata = pagina.match(esegui(QStringLiteral("pdftotext"),
                                             {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), file,
                                              QStringLiteral("-")}));
    return trovata.hasMatch() ? QSizeF(trovata.captured(1).toDouble(), trovata.captured(2).toDouble()) : QSizeF();
}

QList<QStringList> elencoDelPdf(const QString &strumento, const QString &file)
{
    QStringList comando = strumento.split(QLatin1Char(' '));
    const QString programma = comando.takeFirst();
    QList<QStringList> righe;
    for (const QString &riga : esegui(programma, comando << file).split(QLatin1Char('\n')).mid(2)) {
        if (!riga.trimmed().isEmpty())
            righe.append(riga.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }
    return righe;
}

PdfStampato::PdfStampato()
    : m_prima(lavori())
{
}

bool PdfStampato::attendi(int millisecondi)
{
    const QDeadlineTimer scadenza(millisecondi);
    do {
        const QStringList tutti = lavori();
        if (!tutti.isEmpty() && !m_prima.contains(tutti.last())) {
            m_file = QDir(cartella()).filePath(tutti.last());
            return true;
        }
        QThread::msleep(50);
    } while (!scadenza.hasExpired());
    return false;
}
