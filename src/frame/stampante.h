#pragma once

#include <QRect>
#include <QString>

// How a printed page went.
enum class EsitoStampa {
    Stampata,        // the page went out
    PocheOperazioni, // too few operations for a report: only the notice was printed
    SenzaCourier,    // the printer has neither "Courier New" nor "Courier": nothing printed
    NonRiuscita,     // the printer failed; it has told the user already
};

// The printer as the windows see it: the system's default printer, unit twips,
// origin at the top-left corner of the page. Every printed page is a sequence
// of calls on this interface; one implementation drives the real printer,
// another records the calls for tests.
//
// No call throws. A failing call puts the printer in error (inErrore()), after
// which the remaining calls do nothing; the implementation has already told the
// user what went wrong, in Italian.
class Stampante
{
public:
    Stampante() = default;
    virtual ~Stampante() = default;
    Stampante(const Stampante &) = delete;
    Stampante &operator=(const Stampante &) = delete;

    /** The printer's fonts, in its own order. */
    virtual int numeroFont() const = 0;
    /** Name of font i, 0 <= i < numeroFont(); empty outside. */
    virtual QString nomeFont(int i) const = 0;

    virtual void impostaFont(const QString &nome) = 0;
    virtual void impostaDimensione(double punti) = 0;
    virtual void impostaGrassetto(bool grassetto) = 0;

    /** The next text starts at x, y (twips). */
    virtual void posiziona(int x, int y) = 0;
    /** Moves the print position along the current line to x (twips). */
    virtual void posizionaX(int x) = 0;
    /** Moves the print position up or down to y (twips); x stays. */
    virtual void posizionaY(int y) = 0;
    /**
     * Prints the text at the print position. With aCapo the position then goes
     * back to the left edge, one line of the current font lower; without it
     * the next text continues on the same line. An empty text is an empty line.
     */
    virtual void stampa(const QString &testo, bool aCapo = true) = 0;
    /** Text printed from now on takes this colour (0x00BBGGRR); black until set. */
    virtual void impostaColore(quint32 coloreBgr) = 0;
    /** Width of the text in the current font, in twips, as the printer will print it. */
    virtual double larghezzaTesto(const QString &testo) const = 0;
    /**
     * Fills the box (twips) with the colour (0x00BBGGRR). Whatever is printed
     * afterwards on the page shows only inside the box.
     */
    virtual void disegnaRiquadro(const QRect &riquadro, quint32 coloreBgr) = 0;
    /** Ends the document and sends the page; false when the page did not go out. */
    virtual bool fineDocumento() = 0;

    virtual bool inErrore() const = 0;
};

// The name of the first font, in the printer's order, that is exactly "Courier"
// or "Courier New"; empty when the printer has neither.
QString primoFontCourier(const Stampante &stampante);
