#include "pdfstampato.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace {
QByteArray esegui(const QString &programma, const QStringList &argomenti)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(30000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
        return {};
    return processo.readAllStandardOutput();
}

QString testoDaHtml(QString testo)
{
    testo.replace(QLatin1String("&lt;"), QLatin1String("<"));
    testo.replace(QLatin1String("&gt;"), QLatin1String(">"));
    testo.replace(QLatin1String("&quot;"), QLatin1String("\""));
    testo.replace(QLatin1String("&apos;"), QLatin1String("'"));
    testo.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return testo;
}

QStringList lavori(const QString &cartella)
{
    if (cartella.isEmpty())
        return {};
    // The backend writes "<name>.part" and renames it when the copy is whole.
    return QDir(cartella).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}
} // namespace

QString testoDelPdf(const QString &file)
{
    return QString::fromUtf8(esegui(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}));
}

QVector<ParolaStampata> paroleDelPdf(const QString &file)
{
    const QString html = QString::fromUtf8(esegui(QStringLiteral("pdftotext"),
                                                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                   QStringLiteral("-l"), QStringLiteral("1"), file, QStringLiteral("-")}));
    static const QRegularExpression parola(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QVector<ParolaStampata> parole;
    for (auto it = parola.globalMatch(html); it.hasNext();) {
        const auto trovata = it.next();
        parole.append({testoDaHtml(trovata.captured(5)),
                       trovata.captured(1).toDouble(), trovata.captured(2).toDouble(),
                       trovata.captured(3).toDouble(), trovata.captured(4).toDouble()});
    }
    return parole;
}

QStringList fontDelPdf(const QString &file)
{
    // Two heading lines, then one font a line, its name up to the first blank.
    const QStringList righe = QString::fromUtf8(esegui(QStringLiteral("pdffonts"), {file})).split(QLatin1Char('\n'));
    QStringList font;
    for (qsizetype i = 2; i < righe.size(); ++i) {
        const QString nome = righe.at(i).section(QLatin1Char(' '), 0, 0);
        if (!nome.isEmpty())
            font.append(nome);
    }
    return font;
}

QVector<ImmagineStampata> immaginiDelPdf(const QString &file)
{
    // Two heading lines, then one picture a line:
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    const QStringList righe =
        QString::fromUtf8(esegui(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})).split(QLatin1Char('\n'));
    QVector<ImmagineStampata> immagini;
    for (qsizetype i = 2; i < righe.size(); ++i) {
        const QStringList campi = righe.at(i).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (campi.size() >= 14)
            immagini.append({campi.at(3).toInt(), campi.at(4).toInt(), campi.at(12).toDouble(), campi.at(13).toDouble(),
                             campi.at(5)});
    }
    return immagini;
}

const ParolaStampata *trovaParola(const QVector<ParolaStampata> &parole, const QString &testo)
{
    for (const auto &parola : parole) {
        if (parola.testo == testo)
            return &parola;
    }
    return nullptr;
}

QString PdfStampato::cartella()
{
    return qEnvironmentVariable("TARVELO_STAMPE");
}

PdfStampato::PdfStampato()
    : m_prima(lavori(cartella()))
{
}

QStringList PdfStampato::nuoviLavori() const
{
    QStringList nuovi;
    for (const QString &nome : lavori(cartella())) {
        if (!m_prima.contains(nome))
            nuovi.append(nome);
    }
    return nuovi;
}

bool PdfStampato::attendi(int millisecondi)
{
    const QDeadlineTimer scadenza(millisecondi);
    do {
        const QStringList nuovi = nuoviLavori();
        if (!nuovi.isEmpty()) {
            // Job ids grow, so the newest job has the longest, then largest name.
            auto piuRecente = std::max_element(nuovi.cbegin(), nuovi.cend(), [](const QString &a, const QString &b) {
                return a.size() != b.size() ? a.size() < b.size() : a < b;
            });
            m_file = QDir(cartella()).filePath(*piuRecente);
            return true;
        }
        QThread::msleep(50);
    } while (!scadenza.hasExpired());
    return false;
}

bool PdfStampato::nessunLavoro(int millisecondi)
{
    return !attendi(millisecondi);
}
