#include "filecsv.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr QChar separatore = QLatin1Char(';');

QString campoCsv(const QString &testo)
{
    const bool daRacchiudere = testo.contains(separatore) || testo.contains(QLatin1Char('"'))
                               || testo.contains(QLatin1Char('\n')) || testo.contains(QLatin1Char('\r'));
    if (!daRacchiudere)
        return testo;
    QString doppie = testo;
    doppie.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doppie + QLatin1Char('"');
}

// Empty when saved; otherwise why not, to follow a colon.
QString salvaFile(const QString &percorso, const QByteArray &contenuto)
{
    const QFileInfo cartella(QFileInfo(percorso).absolutePath());
    const QString nomeCartella = QDir::toNativeSeparators(cartella.filePath());
    if (!cartella.isDir())
        return QStringLiteral("la cartella %1 non esiste").arg(nomeCartella);
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        return QFileInfo(percorso).isDir() ? QStringLiteral("c'è già una cartella con quel nome")
                                           : QStringLiteral("nella cartella %1 non si può scrivere").arg(nomeCartella);
    }
    if (file.write(contenuto) != contenuto.size()) {
        file.cancelWriting();
        return QStringLiteral("il disco è pieno o non accetta il file");
    }
    return file.commit() ? QString() : QStringLiteral("il disco è pieno o non accetta il file");
}

} // namespace

QString rigaCsv(const QStringList &campi)
{
    QStringList racchiusi;
    for (const QString &campo : campi)
        racchiusi.append(campoCsv(campo));
    return racchiusi.join(separatore) + QStringLiteral("\r\n");
}

QByteArray contenutoCsv(const QString &testo)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + testo.toUtf8();
}

QString fileNeiDocumenti(const QString &nome)
{
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString cartella = !documenti.isEmpty() && QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
    return QDir(cartella).filePath(nome);
}

QString salvaElenco(const QString &percorso, const QByteArray &contenuto)
{
    const QString motivo = salvaFile(percorso, contenuto);
    if (!motivo.isEmpty())
        return messaggioSalvataggioFallito(percorso, motivo);
    return QStringLiteral("L'elenco è stato salvato in \"%1\".").arg(QDir::toNativeSeparators(percorso));
}

QString messaggioSalvataggioFallito(const QString &percorso, const QString &motivo)
{
    return QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\": %2. Scegli un'altra cartella.")
        .arg(QDir::toNativeSeparators(percorso), motivo);
}
