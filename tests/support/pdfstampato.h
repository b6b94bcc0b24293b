#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Printed pages read back as text, for the print tests.
//
// The private print server (tests/support/cups/stampante-privata.sh, started
// by scripts/test.sh) copies every job it receives into the folder named by
// the environment variable TARVELO_STAMPE. A PdfStampato notes the jobs there
// when it is made, then waits for the next one.

// The text of a PDF file as `pdftotext -layout` gives it; empty when it cannot be read.
QString testoDelPdf(const QString &file);
// The box, in points from the top-left corner of page 1, of the first word
// equal to testo (`pdftotext -bbox`); a null rectangle when there is none.
QRectF parolaDelPdf(const QString &file, const QString &testo);
// The size of page 1, in points; empty when the file cannot be read.
QSizeF paginaDelPdf(const QString &file);
// The rows of a listing tool run on the file ("pdffonts", "pdfimages -list"),
// each split at blanks, without the two heading lines.
QList<QStringList> elencoDelPdf(const QString &strumento, const QString &file);

class PdfStampato final
{
public:
    // Why the print tests are skipped when the private print server is not running.
    static constexpr const char *senzaServer =
        "TARVELO_STAMPE non impostata: avvia il server di stampa privato (scripts/test.sh lo fa)";

    // The folder where the private print server leaves the jobs; empty when it is not running.
    static QString cartella() { return qEnvironmentVariable("TARVELO_STAMPE"); }

    // Notes the jobs captured so far: attendi() only takes a newer one.
    PdfStampato();

    // Waits up to millisecondi for a job captured after this object was made;
    // true when one arrived, and file() then names the newest.
    bool attendi(int millisecondi = 10000);

    QString file() const { return m_file; }
    QString testo() const { return testoDelPdf(m_file); }

private:
    QStringList m_prima;
    QString m_file;
};
