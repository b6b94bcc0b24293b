#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Printed pages read back as text, for the print tests.
//
// The private print server (tests/support/cups/stampante-privata.sh, started
// by scripts/test.sh) copies every job it receives into the folder named by
// the environment variable TARVELO_STAMPE. A PdfStampato notes the jobs there
// when it is made, then waits for the next one and reads it with pdftotext.

/** A word of a PDF page and its box, in points from the page's top-left corner. */
struct ParolaStampata
{
    QString testo;
    double sinistra = 0;
    double alto = 0;
    double destra = 0;
    double basso = 0;
};

/** A picture of a PDF page: its size in pixels and how densely it is printed. */
struct ImmagineStampata
{
    int larghezza = 0;
    int altezza = 0;
    double ppiX = 0; // pixels per inch on paper: the image's own dpi when drawn at natural size
    double ppiY = 0;
    QString colore; // "rgb", "gray", "cmyk", ...
};

/** The text of a PDF file as `pdftotext -layout` gives it; empty when it cannot be read. */
QString testoDelPdf(const QString &file);
/** The words of the first page of a PDF file with their boxes (`pdftotext -bbox`). */
QVector<ParolaStampata> paroleDelPdf(const QString &file);
/** The names of the fonts a PDF file uses, as `pdffonts` lists them (e.g. "ABCDEF+LiberationMono"). */
QStringList fontDelPdf(const QString &file);
/** The pictures of a PDF file, as `pdfimages -list` gives them. */
QVector<ImmagineStampata> immaginiDelPdf(const QString &file);
/** The first word equal to testo, or nullptr. */
const ParolaStampata *trovaParola(const QVector<ParolaStampata> &parole, const QString &testo);

class PdfStampato final
{
public:
    /** Why the print tests are skipped when the private print server is not running. */
    static constexpr const char *senzaServer =
        "TARVELO_STAMPE non impostata: avvia il server di stampa privato (scripts/test.sh lo fa)";

    /** The folder where the private print server leaves the jobs; empty when it is not running. */
    static QString cartella();

    /** Notes the jobs captured so far: attendi() only takes a newer one. */
    PdfStampato();

    /**
     * Waits up to millisecondi for a job captured after this object was made.
     * True when one arrived; file() then names it.
     */
    bool attendi(int millisecondi = 10000);
    /** True when no new job arrives within millisecondi. */
    bool nessunLavoro(int millisecondi);

    QString file() const { return m_file; }
    QString testo() const { return testoDelPdf(m_file); }
    QVector<ParolaStampata> parole() const { return paroleDelPdf(m_file); }

private:
    QStringList nuoviLavori() const;

    QStringList m_prima;
    QString m_file;
};
