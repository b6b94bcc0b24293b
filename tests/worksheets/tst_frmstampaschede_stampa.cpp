// The worksheet printed end to end: from the window's print buttons through
// the real printer layer to the private print server started by
// scripts/test.sh (tests/support/cups/stampante-privata.sh), which keeps each
// job as a PDF; the page is read back as text.

#include "finestraschede.h"

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"
#include "support/tabella.h"

#include "frame/servizi.h"
#include "frame/stampantereale.h"

#include <QRegularExpression>
#include <QTemporaryDir>

// The window's operation and the sheet printed: the teacher's or the pupils'.
struct Pagina { const char *nome; int operazione; bool docenti; };
constexpr Pagina pagine[] = {{"additions, pupils' sheet", 1, false}, {"mixed, teacher's sheet", 3, true}};

class TestFrmStampaSchedeStampa final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (PdfStampato::cartella().isEmpty())
            QSKIP(PdfStampato::senzaServer);
        qputenv("HOME", QFile::encodeName(m_casa.path()));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void pagina_data() { righeDa(pagine); }
    void pagina()
    {
        const auto [nome, operazione, docenti] = rigaDi(pagine);
        AmbienteProva ambiente;
        servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
        FrmStampaSchede *f = apri(operazione);
        QVERIFY(f);
        mostraScheda(f, 3, 1, docenti);
        const QStringList mostrate = etichette(f);

        PdfStampato pdf;
        QTest::mouseClick(docenti ? f->CmdStampaDocenti : f->CmdStampaAlunni, Qt::LeftButton);
        QVERIFY2(pdf.attendi(), "nessun lavoro arrivato alla coda");
        QCOMPARE(ambiente.messaggi(), QStringList());

        // The page read row by row, as words (pdftotext lays out its own blanks): the heading,
        // then line i of the left column beside line i + 30 of the right one, then the footer.
        QStringList attese{QStringLiteral("Cognome e nome:"), QStringLiteral("CALCOLO DEL RISULTATO")};
        for (int i = 0; i < 30; ++i)
            attese.append((mostrate[i] + QLatin1Char(' ') + mostrate[i + 30]).simplified());
        attese.append(QStringLiteral("CALCOLO DEL RISULTATO"));
        QStringList righe;
        for (const QString &riga : pdf.testo().split(QLatin1Char('\n')))
            righe.append(riga.simplified());
        righe.removeAll(QString());
        QCOMPARE(righe, attese);
        static const QRegularExpression risposta(QStringLiteral("\\(([0-9]+|[=<>])\\)"));
        QCOMPARE(static_cast<int>(pdf.testo().count(risposta)), docenti ? 60 : 0);
    }

private:
    QTemporaryDir m_casa; // HOME, so that nothing lands in the real one
};

QTEST_MAIN(TestFrmStampaSchedeStampa)
#include "tst_frmstampaschede_stampa.moc"
