#pragma once

#include "servercups.h"
#include "stampante.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QPageSize>
#include <QPdfWriter>

#include <chrono>
#include <functional>
#include <vector>

class QPainter;

// The system's default printer. The page is kept until fineDocumento(), which
// draws it at the printer's resolution into a PDF document and hands that to
// the default CUPS queue itself, reading every answer, under a wait cursor,
// and waiting for the print server no longer than the limit given. When there
// is no printer, the server does not answer in time, the queue rejects jobs or
// refuses the page, the page goes to a PDF file instead (in the user's
// documents folder, else the current folder) and the user is told where and
// why. A stopped queue keeps the page until it is restarted; the user is told
// that too.
class StampanteReale final : public Stampante
{
public:
    explicit StampanteReale(std::chrono::milliseconds attesaMassima = std::chrono::seconds(5));
    ~StampanteReale() override; // drops a page that was never ended

    int numeroFont() const override;
    QString nomeFont(int i) const override;
    void impostaFont(const QString &nome) override;
    void impostaDimensione(double punti) override;
    void impostaGrassetto(bool grassetto) override;
    void impostaColore(quint32 coloreBgr) override;
    double larghezzaTesto(const QString &testo) const override;
    void posiziona(int x, int y) override;
    void posizionaX(int x) override;
    void posizionaY(int y) override;
    void stampa(const QString &testo, bool aCapo) override;
    void disegnaRiquadro(const QRect &riquadro, quint32 coloreBgr) override;
    bool fineDocumento() override;
    bool inErrore() const override { return m_errore; }

private:
    QByteArray documento(const QPageSize &formato);
    bool salvaPdf(const QByteArray &pdf, const QString &motivo);
    double pixel(int twips) const;

    std::chrono::milliseconds m_attesaMassima;
    QBuffer m_uscita;             // the PDF document, written when the page ends
    QPdfWriter m_pdf{&m_uscita};  // the printer's resolution: fonts are measured here
    // The page so far, in device pixels, drawn only when the document ends.
    std::vector<std::function<void(QPainter &)>> m_pagina;
    QFont m_font;
    QColor m_colore = Qt::black;
    double m_x = 0; // print position, in device pixels
    double m_y = 0;
    bool m_errore = false;
};

/**
 * The fonts a printer offers on this platform: the installed families, plus
 * "Courier New" and "Courier" when fontconfig maps those names to an installed
 * monospace face, as it does for Liberation Mono or Nimbus Mono.
 */
QStringList fontDellaStampante();

/**
 * The page size for a queue's default media: a PWG name ("iso_a4_210x297mm",
 * "na_letter_8.5x11in") or a PPD one ("A4", "Letter"); A4 when it names none
 * or one not understood.
 */
QPageSize formatoPagina(const QString &media);

/**
 * Where a page goes when it cannot be printed, in the order to try: a new PDF
 * file in the documents folder when there is one, then in the current folder.
 */
QStringList percorsiPdfDiRiserva();

/** Why a page did not reach the printer, in Italian, for the user. */
QString motivoPdf(EsitoCups esito, const QString &coda);
