#include "stampantereale.h"

#include "modulo2.h"
#include "servizi.h"
#include "statocoda.h"
#include "unita.h"

#include <QDateTime>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPrinterInfo>
#include <QStandardPaths>

QStringList fontDellaStampante()
{
    static const QStringList elenco = [] {
        QStringList famiglie = QFontDatabase::families();
        for (const QString &courier : {QStringLiteral("Courier New"), QStringLiteral("Courier")}) {
            if (!famiglie.contains(courier) && QFontInfo(QFont(courier)).fixedPitch())
                famiglie.append(courier);
        }
        return famiglie;
    }();
    return elenco;
}

QString percorsoPdfDiRiserva()
{
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (cartella.isEmpty() || !QDir(cartella).exists())
        cartella = QDir::currentPath();
    const QString base = modulo2().NomeProgramma.isEmpty() ? QStringLiteral("TARVELO") : modulo2().NomeProgramma;
    const QString ora = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
    return QDir(cartella).filePath(base + QLatin1Char('-') + ora + QStringLiteral(".pdf"));
}

StampanteReale::StampanteReale()
    : m_printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution)
{
    m_printer.setFullPage(true);
    // Queues that declare no colour model default to grey, which would print
    // the certificate's red lines grey.
    m_printer.setColorMode(QPrinter::Color);
    m_printer.setDocName(modulo2().NomeProgramma);
}

StampanteReale::~StampanteReale() = default;

double StampanteReale::pixel(int twips) const
{
    return twips * m_printer.resolution() / unita::twipsPerPollice;
}

bool StampanteReale::iniziaPagina()
{
    if (iniziaSullaStampante() || iniziaSulPdf())
        return true;
    m_errore = true;
    servizi().messaggio(QStringLiteral("Impossibile stampare. %1 e il file %2 non può essere scritto.")
                            .arg(m_motivoPdf, QDir::toNativeSeparators(m_filePdf)));
    return false;
}

bool StampanteReale::iniziaSullaStampante()
{
    // With no print server QPrinter quietly turns into a PDF printer with no
    // file name: that is where "no printer" shows.
    const QString nome = m_printer.printerName();
    if (m_printer.outputFormat() != QPrinter::NativeFormat || nome.isEmpty()) {
        m_motivoPdf = QStringLiteral("Nessuna stampante disponibile");
        return false;
    }
    // A queue that rejects jobs takes the page and drops it, and Qt does not
    // say so: ask first, and keep the page in a file instead.
    const StatoCoda stato = statoCoda(nome);
    if (!stato.accettaLavori) {
        m_motivoPdf = QStringLiteral("La stampante %1 non accetta lavori").arg(nome);
        return false;
    }
    if (!m_painter.begin(&m_printer)) {
        m_motivoPdf = QStringLiteral("La stampante %1 non risponde").arg(nome);
        return false;
    }
    m_codaFerma = stato.ferma;
    return true;
}

bool StampanteReale::iniziaSulPdf()
{
    m_filePdf = percorsoPdfDiRiserva();
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(m_filePdf);
    return m_painter.begin(&m_printer);
}

int StampanteReale::numeroFont() const
{
    return static_cast<int>(fontDellaStampante().size());
}

QString StampanteReale::nomeFont(int i) const
{
    return fontDellaStampante().value(i);
}

void StampanteReale::impostaFont(const QString &nome)
{
    m_font.setFamily(nome);
}

void StampanteReale::impostaDimensione(double punti)
{
    if (punti > 0)
        m_font.setPointSizeF(punti);
}

void StampanteReale::impostaGrassetto(bool grassetto)
{
    m_font.setBold(grassetto);
}

void StampanteReale::posiziona(int x, int y)
{
    m_x = pixel(x);
    m_y = pixel(y);
}

void StampanteReale::posizionaX(int x)
{
    m_x = pixel(x);
}

void StampanteReale::posizionaY(int y)
{
    m_y = pixel(y);
}

void StampanteReale::stampa(const QString &testo, bool aCapo)
{
    if (m_errore)
        return;
    // Measured on the printer itself, as the page will be drawn there.
    const QFontMetricsF metrica(m_font, &m_printer);
    // The print position is the top of the line; Qt draws on the baseline.
    m_pagina.push_back([font = m_font, base = QPointF(m_x, m_y + metrica.ascent()), testo](QPainter &pittore) {
        pittore.setFont(font);
        pittore.drawText(base, testo);
    });
    if (aCapo) {
        m_x = 0;
        m_y += metrica.height();
    } else {
        m_x += metrica.horizontalAdvance(testo);
    }
}

void StampanteReale::disegnaImmagine(const QImage &immagine, int x, int y)
{
    if (m_errore || immagine.isNull())
        return;
    // Natural size: the image's own dots per inch decide how large it comes out.
    const double dpiImmagine = immagine.dotsPerMeterX() > 0 ? immagine.dotsPerMeterX() * 0.0254 : 96.0;
    const double scala = m_printer.resolution() / dpiImmagine;
    const QRectF dove(pixel(x), pixel(y), immagine.width() * scala, immagine.height() * scala);
    m_pagina.push_back([immagine, dove](QPainter &pittore) { pittore.drawImage(dove, immagine); });
}

bool StampanteReale::fineDocumento()
{
    if (m_errore || !iniziaPagina())
        return false;
    for (const auto &disegna : m_pagina)
        disegna(m_painter);
    m_pagina.clear();
    if (!m_painter.end()) {
        m_errore = true;
        servizi().messaggio(QStringLiteral("La stampante non ha accettato la pagina: controlla che sia accesa e "
                                           "collegata, poi riprova."));
        return false;
    }
    if (!m_filePdf.isEmpty()) {
        servizi().messaggio(QStringLiteral("%1: la pagina è stata salvata nel file\n%2")
                                .arg(m_motivoPdf, QDir::toNativeSeparators(m_filePdf)));
    } else if (m_codaFerma) {
        servizi().messaggio(QStringLiteral("La stampante %1 è ferma: la pagina resta in coda e sarà stampata "
                                           "quando la stampante verrà riattivata.")
                                .arg(m_printer.printerName()));
    }
    return true;
}
