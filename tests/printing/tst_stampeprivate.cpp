// The report and the certificate printed from their windows through a real
// CUPS queue: the private print server copies each job into a folder, where
// the PDF is read back.
#include "serieprova.h"
#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/finestre.h"
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

private slots:
    void initTestCase()
    {
        QVERIFY(m_casa.isValid());
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

    void resoconto()
    {
        serieprova::riempi(21, 17, QStringLiteral(" 143"));
        modulo2().NomeAlunno = QStringLiteral("Nicolò");
        auto *f = qobject_cast<FrmStampaEsercizio *>(Finestre::istanza().mostra(nomi::FrmStampaEsercizio));
        QVERIFY(f);
        PdfStampato pdf;
        QTest::mouseClick(f->Option1.at(2), Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "nessun lavoro arrivato alla coda");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        // Read back line by line; blanks collapsed, as pdftotext spaces words.
        QStringList righe;
        for (const QString &riga : pdf.testo().split(QLatin1Char('\n'))) {
            if (!riga.simplified().isEmpty())
                righe << riga.simplified();
        }
        QStringList attese{QStringLiteral("Nome Nicolò Data di stampa 05/12/2026")};
        for (int i = 1; i <= 21; ++i) {
            if (i % 10 == 1)
                attese << QStringLiteral("Esercizio n.%1").arg(i / 10 + 1);
            attese << serieprova::rigaLog(i).simplified();
        }
        attese << "Eser. n.1: Tempo tot. 143 secondi" << "Eser. n.2: Tempo tot. secondi" << "Eser. n.3: Tempo tot. secondi";
        QCOMPARE(righe, attese);
        const QStringList font = fontDelPdf(pdf.file());
        QVERIFY2(!font.filter(QStringLiteral("Mono")).isEmpty() || !font.filter(QStringLiteral("Courier")).isEmpty(),
                 qPrintable(font.join(QLatin1Char(','))));
    }

    void attestato()
    {
        serieprova::riempi(20, 18);
        auto *f = qobject_cast<FrmAttestato *>(Finestre::istanza().mostra(nomi::FrmAttestato));
        QVERIFY(f);
        PdfStampato pdf;
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "nessun lavoro arrivato alla coda");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        // The page holds the drawn picture, whole and in colour, and no text of its own.
        const QVector<ImmagineStampata> immagini = immaginiDelPdf(pdf.file());
        QCOMPARE(immagini.size(), 1);
        QCOMPARE(QSize(immagini.at(0).larghezza, immagini.at(0).altezza), f->Picture1->immagine().size());
        QCOMPARE(immagini.at(0).colore, QStringLiteral("rgb"));
        QVERIFY(pdf.testo().simplified().isEmpty());
    }

private:
    QTemporaryDir m_casa;
    std::unique_ptr<AmbienteProva> m_ambiente;
};

QTEST_MAIN(TstStampePrivate)
#include "tst_stampeprivate.moc"
