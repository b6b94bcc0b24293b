#pragma once

#include <QRect>
#include <QString>
#include <QVector>

class QDate;
class Stampante;
struct Modulo2;

// The certificate: what its lines say and how they look, and the one routine
// that draws them on a picture. The picture itself is behind
// SuperficieAttestato, so the screen, the printed page and the tests share the
// same drawing.

struct FontAttestato
{
    QString nome;
    double punti = 0;
    bool grassetto = false;

    bool operator==(const FontAttestato &altro) const
    {
        return nome == altro.nome && punti == altro.punti && grassetto == altro.grassetto;
    }
};

// One line of the certificate, centred on the picture, followed by empty lines
// of its own font.
struct RigaAttestato
{
    QString testo;
    FontAttestato font;
    quint32 colore = 0; // 0x00BBGGRR
    int righeVuoteDopo = 0;
};

namespace attestato {
/** The picture's own font, in which its first three empty lines are printed. */
inline const FontAttestato fontIniziale{QStringLiteral("MS Sans Serif"), 8.25, true};
constexpr int righeVuoteIniziali = 3;
constexpr quint32 rosso = 0x000000FFu;
constexpr quint32 nero = 0x00000000u;
/** The picture's background. */
constexpr quint32 sfondo = 0x00FFFFC0u;
/**
 * The picture's box on the printed page, in twips, whatever the screen: the
 * design's 3750 x 5205 enlarged 1.8 times, so that every line fits at its size
 * in points (at the design size the title overflows the sides and the score
 * and the date fall below the bottom). Centred across an A4 sheet and one inch
 * from the top, it lies inside the printable area of A4 and Letter paper.
 */
constexpr QRect riquadroStampato{2578, 1440, 6750, 9369};
} // namespace attestato

// What the certificate shows, from the shared state.
struct DatiAttestato
{
    QString nomeAlunno;
    QString nomeEseguibile;
    QString obiettivo;
    QString livello;
    QString valutazione;
    int esatte = 0;
    int operazioni = 0;
    QString data; // short date
};

/** The lines of the certificate, from "DIPLOMA DI MERITO" down to the date, in order. */
QVector<RigaAttestato> righeAttestato(const DatiAttestato &dati);

/** The certificate as a screen reader reads it: the texts of its lines in order, one a line,
    empty lines left out. */
QString testoAttestato(const QVector<RigaAttestato> &righe);

/**
 * The load-time work of the certificate on the shared state: NomeAlunno
 * capitalised, Valutazione graded, NomeEseguibile set. Returns what to draw.
 */
DatiAttestato PreparaAttestato(Modulo2 &m, const QString &nomeEseguibile, const QDate &oggi);

// A picture that can be written on like a page, in its own unit (pixels on the
// screen, twips on paper): a current position that each printed line moves to
// the start of the next line.
class SuperficieAttestato
{
public:
    SuperficieAttestato() = default;
    virtual ~SuperficieAttestato() = default;
    SuperficieAttestato(const SuperficieAttestato &) = delete;
    SuperficieAttestato &operator=(const SuperficieAttestato &) = delete;

    virtual void impostaFont(const FontAttestato &font) = 0;
    virtual void impostaColore(quint32 coloreBgr) = 0;
    /** Inner width of the picture. */
    virtual double larghezzaInterna() const = 0;
    /** Width of the text in the current font. */
    virtual double larghezzaTesto(const QString &testo) const = 0;
    virtual void posizionaX(double x) = 0;
    /** Prints at the current position, then moves to the left edge one line lower. */
    virtual void stampa(const QString &testo) = 0;
};

/** Draws the certificate: three empty lines, then each line centred on the picture's width. */
void DisegnaAttestato(SuperficieAttestato &superficie, const QVector<RigaAttestato> &righe);

/**
 * The printed certificate: the picture drawn by the printer in its box
 * (attestato::riquadroStampato) with the same lines as on the screen, and the
 * end of the page. False when the page did not go out.
 */
bool StampaAttestato(Stampante &stampante, const QVector<RigaAttestato> &righe);
