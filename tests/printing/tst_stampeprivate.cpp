// The report and the certificate printed from their windows through a real
// CUPS queue: the private print server copies each job into a folder, where
// the PDF is read back.
#include "serieprova.h"
#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/immagineattestato.h"

#include <QTemporaryDir>
#include <QtTest>

class TstStampePrivate final : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;
    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void initTestCase()
    {
        // A page kept as a PDF instead would land here, not in the user's home.
        qputenv("HOME", QFile::encodeName(m_casa.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void init()
    {
        if (PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
        m_ambiente = std::make_unique<AmbienteProva>();
        servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
    }

    void cleanup() { m_ambiente.reset(); }

    // Read back line by line, blanks collapsed as pdftotext spaces words; in a Courier face.
    void resoconto()
    {
        serieprova::riempi(21, 17, QStringLiteral(" 143"));
        modulo2().NomeAlunno = QStringLiteral("Nicolò");
        PdfStampato pdf;
        QTest::mouseClick(serieprova::apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio)->Option1.at(2), Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "no job reached the queue");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        QStringList righe = pdf.testo().split('\n');
        for (QString &riga : righe)
            riga = riga.simplified();
        righe.removeAll(QString());
        QStringList attese{QStringLiteral("Nome Nicolò Data di stampa 05/12/2026")};
        for (int i = 1; i <= 21; ++i) {
            if (i % 10 == 1)
                attese << QStringLiteral("Esercizio n.%1").arg(i / 10 + 1);
            attese << serieprova::rigaLog(i).simplified();
        }
        attese << "Eser. n.1: Tempo tot. 143 secondi" << "Eser. n.2: Tempo tot. secondi" << "Eser. n.3: Tempo tot. secondi";
        QCOMPARE(righe, attese);
        const QList<QStringList> font = elencoDelPdf(QStringLiteral("pdffonts"), pdf.file());
        QVERIFY(!font.isEmpty());
        for (const QStringList &f : font)
            QVERIFY2(f.at(0).contains(QLatin1String("Mono")), qPrintable(f.at(0)));
    }

    // The page holds the drawn picture, whole and in colour, and no text of its own.
    void attestato()
    {
        serieprova::riempi(20, 18);
        auto *f = serieprova::apri<FrmAttestato>(nomi::FrmAttestato);
        PdfStampato pdf;
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "no job reached the queue");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        const QList<QStringList> immagini = elencoDelPdf(QStringLiteral("pdfimages -list"), pdf.file());
        QCOMPARE(immagini.size(), 1);
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...: drawn at its natural
        // size, the picture keeps its own density on paper.
        const QImage &immagine = f->Picture1->immagine();
        const QString dpi = QString::number(qRound(immagine.dotsPerMeterX() * 0.0254));
        QCOMPARE(immagini.at(0).mid(3, 3), (QStringList{QString::number(immagine.width()),
                                                         QString::number(immagine.height()), "rgb"}));
        QCOMPARE(immagini.at(0).mid(12, 2), (QStringList{dpi, dpi}));
        QVERIFY(pdf.testo().simplified().isEmpty());
    }
};

QTEST_MAIN(TstStampePrivate)
#include "tst_stampeprivate.moc"
