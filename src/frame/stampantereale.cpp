#include "stampantereale.h"

#include "modulo2.h"
#include "servizi.h"
#include "unita.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
// The wait cursor while a page goes out; shown at once, as no event is
// handled until the page has gone.
class CursoreAttesa final
{
public:
    CursoreAttesa()
    {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        QGuiApplication::sync();
    }
    ~CursoreAttesa() { QGuiApplication::restoreOverrideCursor(); }
    CursoreAttesa(const CursoreAttesa &) = delete;
    CursoreAttesa &operator=(const CursoreAttesa &) = delete;
};

QString nomeDocumento()
{
    return modulo2().NomeProgramma.isEmpty() ? QStringLiteral("TARVELO") : modulo2().NomeProgramma;
}
} // namespace

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

QPageSize formatoPagina(const QString &media)
{
    // PWG self-describing names end in the size: class_name_WxHunit.
    static const QRegularExpression pwg(QStringLiteral("_(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)(mm|in)$"));
    const QRegularExpressionMatch misure = pwg.match(media);
    if (misure.hasMatch()) {
        const QPageSize::Unit unita =
            misure.captured(3) == QLatin1String("mm") ? QPageSize::Millimeter : QPageSize::Inch;
        const QPageSize trovato(QSizeF(misure.captured(1).toDouble(), misure.captured(2).toDouble()), unita, QString(),
                                QPageSize::FuzzyMatch);
        if (trovato.isValid())
            return trovato;
    }
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto formato = static_cast<QPageSize::PageSizeId>(id);
        if (!media.isEmpty() && QPageSize::key(formato).compare(media, Qt::CaseInsensitive) == 0)
            return QPageSize(formato);
    }
    return QPageSize(QPageSize::A4);
}

QStringList percorsiPdfDiRiserva()
{
    const QString nome = nomeDocumento() + QLatin1Char('-')
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz")) + QStringLiteral(".pdf");
    QStringList percorsi;
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documenti.isEmpty() && QDir(documenti).exists())
        percorsi.append(QDir(documenti).filePath(nome));
    percorsi.append(QDir::current().filePath(nome));
    return percorsi;
}

QString motivoPdf(EsitoCups esito, const QString &coda)
{
    switch (esito) {
    case EsitoCups::Inviata:
        return {};
    case EsitoCups::NessunaStampante:
        return QStringLiteral("Nessuna stampante disponibile");
    case EsitoCups::NonRisponde:
        return coda.isEmpty() ? QStringLiteral("Il servizio di stampa non risponde")
                              : QStringLiteral("La stampante %1 non risponde").arg(coda);
    case EsitoCups::NonAccetta:
        return QStringLiteral("La stampante %1 non accetta lavori").arg(coda);
    case EsitoCups::Rifiutata:
        return QStringLiteral("La stampante %1 ha rifiutato la pagina").arg(coda);
    }
    return {};
}

StampanteReale::StampanteReale(std::chrono::milliseconds attesaMassima)
    : m_attesaMassima(attesaMassima)
{
    // No margins: positions count from the paper's top-left corner.
    m_pdf.setPageMargins(QMarginsF());
    m_pdf.setCreator(nomeDocumento());
    m_pdf.setTitle(nomeDocumento());
}

StampanteReale::~StampanteReale() = default;

double StampanteReale::pixel(int twips) const
{
    return twips * m_pdf.resolution() / unita::twipsPerPollice;
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

void StampanteReale::impostaColore(quint32 coloreBgr)
{
    m_colore = QColor::fromRgb(unita::coloreDaBgr(coloreBgr));
}

double StampanteReale::larghezzaTesto(const QString &testo) const
{
    return unita::pixelInTwips(QFontMetricsF(m_font, &m_pdf).horizontalAdvance(testo), m_pdf.resolution());
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
    // Measured at the printer's resolution, as the page will be drawn.
    const QFontMetricsF metrica(m_font, &m_pdf);
    // The print position is the top of the line; Qt draws on the baseline.
    m_pagina.push_back(
        [font = m_font, colore = m_colore, base = QPointF(m_x, m_y + metrica.ascent()), testo](QPainter &pittore) {
            pittore.setFont(font);
            pittore.setPen(colore);
            pittore.drawText(base, testo);
        });
    if (aCapo) {
        m_x = 0;
        m_y += metrica.height();
    } else {
        m_x += metrica.horizontalAdvance(testo);
    }
}

void StampanteReale::disegnaRiquadro(const QRect &riquadro, quint32 coloreBgr)
{
    if (m_errore)
        return;
    const QRectF dove(QPointF(pixel(riquadro.left()), pixel(riquadro.top())),
                      QSizeF(pixel(riquadro.width()), pixel(riquadro.height())));
    m_pagina.push_back([dove, colore = QColor::fromRgb(unita::coloreDaBgr(coloreBgr))](QPainter &pittore) {
        pittore.fillRect(dove, colore);
        pittore.setClipRect(dove);
    });
}

QByteArray StampanteReale::documento(const QPageSize &formato)
{
    m_pdf.setPageSize(formato);
    if (!m_uscita.open(QIODevice::WriteOnly))
        return {};
    QPainter pittore;
    if (!pittore.begin(&m_pdf))
        return {};
    for (const auto &disegna : m_pagina)
        disegna(pittore);
    m_pagina.clear();
    return pittore.end() ? m_uscita.data() : QByteArray();
}

bool StampanteReale::salvaPdf(const QByteArray &pdf, const QString &motivo)
{
    QString percorso;
    for (const QString &tentativo : percorsiPdfDiRiserva()) {
        percorso = tentativo;
        QFile file(percorso);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            continue;
        if (file.write(pdf) == pdf.size() && file.flush()) {
            servizi().messaggio(QStringLiteral("%1: la pagina è stata salvata nel file\n%2")
                                    .arg(motivo, QDir::toNativeSeparators(percorso)));
            return true;
        }
        file.remove(); // a file cut short is no page
    }
    m_errore = true;
    servizi().messaggio(QStringLiteral("Impossibile stampare. %1 e il file %2 non può essere scritto.")
                            .arg(motivo, QDir::toNativeSeparators(percorso)));
    return false;
}

bool StampanteReale::fineDocumento()
{
    if (m_errore)
        return false;
    std::optional<CodaCups> coda;
    QByteArray pdf;
    EsitoCups esito = EsitoCups::NessunaStampante;
    {
        const CursoreAttesa attesa;
        ServerCups server{QDeadlineTimer(m_attesaMassima)};
        // The queue's paper decides the page's size.
        coda = server.codaPredefinita();
        pdf = documento(formatoPagina(coda ? coda->formato : QString()));
        if (!pdf.isEmpty() && coda && coda->accettaLavori)
            server.invia(coda->nome, pdf, nomeDocumento());
        esito = server.esito();
    }
    // The messages come after the wait cursor has gone.
    if (pdf.isEmpty()) {
        m_errore = true;
        servizi().messaggio(QStringLiteral("Impossibile stampare: la pagina non può essere preparata."));
        return false;
    }
    const QString nome = coda ? coda->nome : QString();
    if (esito != EsitoCups::Inviata)
        return salvaPdf(pdf, motivoPdf(esito, nome));
    if (coda->ferma) {
        servizi().messaggio(QStringLiteral("La stampante %1 è ferma: la pagina resta in coda e sarà stampata "
                                           "quando la stampante verrà riattivata.")
                                .arg(nome));
    }
    return true;
}
