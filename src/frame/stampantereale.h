#pragma once

#include "stampante.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <functional>
#include <vector>

// The system's default printer, through Qt Print Support. The page is kept
// until fineDocumento(), which draws it and sends it: a page never ended never
// reaches the printer. When no printer is installed, the print server
// does not answer or the queue rejects jobs, the page goes to a PDF file
// instead (in the user's documents folder, or the current folder when there is
// none) and the user is told where and why. A stopped queue keeps the page
// until it is restarted; the user is told that too.
class StampanteReale final : public Stampante
{
public:
    StampanteReale();
    ~StampanteReale() override; // drops a page that was never ended

    int numeroFont() const override;
    QString nomeFont(int i) const override;
    void impostaFont(const QString &nome) override;
    void impostaDimensione(double punti) override;
    void impostaGrassetto(bool grassetto) override;
    void posiziona(int x, int y) override;
    void posizionaX(int x) override;
    void posizionaY(int y) override;
    void stampa(const QString &testo, bool aCapo) override;
    void disegnaImmagine(const QImage &immagine, int x, int y) override;
    bool fineDocumento() override;
    bool inErrore() const override { return m_errore; }

private:
    bool iniziaPagina();
    bool iniziaSullaStampante();
    bool iniziaSulPdf();
    double pixel(int twips) const;

    QPrinter m_printer;
    QPainter m_painter;
    // The page so far, in device pixels, drawn only when the document ends
    // (once a page is started QPrinter cannot take it back: abort() does nothing).
    std::vector<std::function<void(QPainter &)>> m_pagina;
    QFont m_font;
    QString m_filePdf;   // set when the page goes to a PDF file instead
    QString m_motivoPdf; // why it does, in Italian, for the user
    bool m_codaFerma = false; // the queue took the page but is stopped
    double m_x = 0;    // print position, in device pixels
    double m_y = 0;
    bool m_errore = false;
};

/**
 * The fonts a printer offers on this platform: the installed families, plus
 * "Courier New" and "Courier" when fontconfig maps those names to an installed
 * monospace face, as it does for Liberation Mono or Nimbus Mono.
 */
QStringList fontDellaStampante();

/** Where a page goes when there is no printer: a new PDF file name. */
QString percorsoPdfDiRiserva();
