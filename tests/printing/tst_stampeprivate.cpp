// The report, the certificate and the worksheets printed from their windows,
// and a pupil's progress, through a real CUPS queue: the private print server
// copies each job into a folder, where the PDF is read back.
#include "serieprova.h"
#include "docente/registroprova.h"
#include "support/pdfstampato.h"
#include "support/tabella.h"

#include "docente/paginaandamento.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"
#include "printing/attestato.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/immagineattestato.h"
#include "worksheets/finestraschede.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
// The page read back line by line, blanks collapsed as pdftotext spaces words.
QStringList righeLette(const PdfStampato &pdf)
{
    QStringList righe;
    for (const QString &riga : pdf.testo().split(QLatin1Char('\n')))
        righe.append(riga.simplified());
    righe.removeAll(QString());
    return righe;
}

// The worksheet window's operation and the sheet printed: the teacher's or the pupils'.
struct Scheda { const char *nome; int operazione; bool docenti; };
constexpr Scheda schede[] = {{"additions, pupils' sheet", 1, false}, {"mixed, teacher's sheet", 3, true}};
} // namespace

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

    // In a Courier face.
    void resoconto()
    {
        serieprova::riempi(21, 17, QStringLiteral(" 143"));
        modulo2().NomeAlunno = QStringLiteral("Nicolò");
        PdfStampato pdf;
        QTest::mouseClick(serieprova::apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio)->Option1.at(2), Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "no job reached the queue");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        QStringList attese{"Nome Nicolò Data di stampa " + dataBreve(m_ambiente->orologio().oggi())};
        for (int i = 1; i <= 21; ++i) {
            if (i % 10 == 1)
                attese << QStringLiteral("Esercizio n.%1").arg(i / 10 + 1);
            attese << serieprova::rigaLog(i).simplified();
        }
        attese << "Eser. n.1: Tempo tot. 143 secondi" << "Eser. n.2: Tempo tot. secondi" << "Eser. n.3: Tempo tot. secondi";
        QCOMPARE(righeLette(pdf), attese);
        const QList<QStringList> font = elencoDelPdf(QStringLiteral("pdffonts"), pdf.file());
        QVERIFY(!font.isEmpty());
        for (const QStringList &f : font)
            QVERIFY2(f.at(0).contains(QLatin1String("Mono")), qPrintable(f.at(0)));
    }

    // Printed on a screen where the picture is wider than A4 paper, the page
    // holds the picture drawn by the printer: its lines as text, in order, in
    // the box on the A4 page, and no picture copied from the screen.
    void attestato()
    {
        serieprova::riempi(20, 18);
        modulo2().NomeAlunno = QStringLiteral("nicolò");
        auto *f = serieprova::apri<FrmAttestato>(nomi::FrmAttestato);
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        QVERIFY2(f->Picture1->width() * 72.0 / 96 > a4.width(), "run on a screen over 2300 pixels wide, as ctest does");
        PdfStampato pdf;
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "no job reached the queue");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        const Modulo2 &m = modulo2();
        QStringList attese;
        for (const RigaAttestato &riga : righeAttestato({m.NomeAlunno, m.NomeEseguibile, m.DescrizioneObiettivo,
                                                         m.DescrizioneLivello, m.Valutazione, m.RisposteEsatte,
                                                         m.NumeroOperazioni, dataBreve(servizi().orologio->oggi())}))
            attese.append(riga.testo.simplified());
        attese.removeAll(QString());
        QCOMPARE(attese.value(2), QStringLiteral("Nicolò"));
        QCOMPARE(righeLette(pdf), attese);
        QCOMPARE(elencoDelPdf(QStringLiteral("pdfimages -list"), pdf.file()), QList<QStringList>());
        QCOMPARE(paginaDelPdf(pdf.file()), a4);
        const QRectF riquadro(attestato::riquadroStampato.x() / 20.0, attestato::riquadroStampato.y() / 20.0,
                              attestato::riquadroStampato.width() / 20.0, attestato::riquadroStampato.height() / 20.0);
        for (const QString &parola : {QStringLiteral("DIPLOMA"), QStringLiteral("MERITO"), QStringLiteral("Data")})
            QVERIFY2(riquadro.contains(parolaDelPdf(pdf.file(), parola)), qPrintable(parola));
    }

    void scheda_data() { righeDa(schede); }

    // The heading, then line i of the left column beside line i + 30 of the right one, then the
    // footer; the teacher's answers in brackets.
    void scheda()
    {
        const auto [nome, operazione, docenti] = rigaDi(schede);
        FrmStampaSchede *f = finestraschede::apriSchede(operazione);
        QVERIFY(f);
        finestraschede::mostraScheda(f, 3, 1, docenti);
        const QStringList mostrate = finestraschede::etichette(f);
        PdfStampato pdf;
        QTest::mouseClick(docenti ? f->CmdStampaDocenti : f->CmdStampaAlunni, Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "no job reached the queue");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        QStringList attese{QStringLiteral("Cognome e nome:"), QStringLiteral("CALCOLO DEL RISULTATO")};
        for (int i = 0; i < 30; ++i)
            attese.append((mostrate[i] + QLatin1Char(' ') + mostrate[i + 30]).simplified());
        attese.append(QStringLiteral("CALCOLO DEL RISULTATO"));
        QCOMPARE(righeLette(pdf), attese);
        static const QRegularExpression risposta(QStringLiteral("\\(([0-9]+|[=<>])\\)"));
        QCOMPARE(static_cast<int>(pdf.testo().count(risposta)), docenti ? 60 : 0);
    }

    // A pupil's progress: the title where it was put, the scales, the days with their levels
    // under the chart and the pupil's table, the accents right.
    void andamento()
    {
        if (!registroprova::inItalia())
            QSKIP(registroprova::senzaItaliano);
        const PaginaAndamento pagina{QStringLiteral("Nicolò Rossi"), QStringLiteral("Addizione"), QStringLiteral("05/12/2026"),
                                     ::andamento(registroprova::serie(), QStringLiteral("nicolo rossi"), 1)};
        PdfStampato pdf;
        QCOMPARE(StampaAndamento(*servizi().creaStampante(), pagina), EsitoStampa::Stampata);
        QVERIFY2(pdf.attendi(), "no job reached the queue");
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        const QStringList righe = righeLette(pdf);
        for (const char *attesa : {"Andamento di Nicolò Rossi - Addizione", "Data di stampa 05/12/2026",
                                   "Data Livello Serie Operazioni Esatte Secondi per operazione",
                                   "03/12/2026 liv. 1, 2 2 30 77% 5,8", "05/12/2026 liv. 2 1 20 90% 5,0"})
            QVERIFY2(righe.contains(QString::fromUtf8(attesa)), attesa);
        QVERIFY(righe.contains(QStringLiteral("03/12/2026 05/12/2026")) && righe.join(' ').contains(QStringLiteral("100%")));
        const QRectF titolo = parolaDelPdf(pdf.file(), QStringLiteral("Andamento"));
        QCOMPARE(titolo.topLeft().toPoint() / 10, QPoint(50, 50) / 10);
    }
};

QTEST_MAIN(TstStampePrivate)
#include "tst_stampeprivate.moc"
