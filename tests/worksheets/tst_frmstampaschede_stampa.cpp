// The worksheet printed end to end: from the window's print buttons through
// the real printer layer to the private print server started by
// scripts/test.sh (tests/support/cups/stampante-privata.sh), which keeps each
// job as a PDF; the page is read back as text.

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"
#include "worksheets/frmstampaschede.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestFrmStampaSchedeStampa final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void pagina_data();
    void pagina();

private:
    QTemporaryDir m_casa; // HOME, so that nothing lands in the real one
};

namespace {
// Blanks as pdftotext lays them out are not the printed ones: compare words.
QString parole(const QString &testo)
{
    static const QRegularExpression spazi(QStringLiteral("\\s+"));
    return testo.simplified().replace(spazi, QStringLiteral(" "));
}

void premi(QWidget *pulsante)
{
    QTest::mousePress(pulsante, Qt::LeftButton);
    QTest::mouseRelease(pulsante, Qt::LeftButton);
}
} // namespace

void TestFrmStampaSchedeStampa::initTestCase()
{
    QVERIFY(m_casa.isValid());
    qputenv("HOME", QFile::encodeName(m_casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
}

void TestFrmStampaSchedeStampa::init()
{
    if (PdfStampato::cartella().isEmpty())
        QSKIP(PdfStampato::senzaServer);
}

void TestFrmStampaSchedeStampa::pagina_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<bool>("docenti");
    QTest::newRow("additions, pupils' sheet") << 1 << false;
    QTest::newRow("additions, teacher's sheet") << 1 << true;
    QTest::newRow("subtractions, pupils' sheet") << 2 << false;
    QTest::newRow("mixed, teacher's sheet") << 3 << true;
}

void TestFrmStampaSchedeStampa::pagina()
{
    QFETCH(int, operazione);
    QFETCH(bool, docenti);

    AmbienteProva ambiente;
    servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
    modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
    modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    QVERIFY(f);
    QVERIFY(QTest::qWaitForWindowActive(f));
    premi(f->Option1[3]);
    premi(f->Option3[1]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    if (docenti)
        QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
    QStringList mostrate;
    for (int i = 1; i <= 60; ++i)
        mostrate.append(f->LblOp[static_cast<std::size_t>(i)]->text());

    PdfStampato pdf;
    QTest::mouseClick(docenti ? f->CmdStampaDocenti : f->CmdStampaAlunni, Qt::LeftButton);
    QVERIFY2(pdf.attendi(), "nessun lavoro arrivato alla coda");
    QCOMPARE(ambiente.messaggi(), QStringList());

    // The page is read row by row: line i of the left column shares its row
    // with line i + 30 of the right column.
    QStringList righe;
    for (const QString &riga : pdf.testo().split(QLatin1Char('\n'))) {
        if (!parole(riga).isEmpty())
            righe.append(riga);
    }
    QVERIFY2(parole(righe.value(0)) == QLatin1String("Cognome e nome:"), qPrintable(pdf.testo()));
    QCOMPARE(parole(righe.value(1)), QStringLiteral("CALCOLO DEL RISULTATO"));
    QCOMPARE(righe.size(), 2 + 30 + 1);
    for (int i = 0; i < 30; ++i) {
        const QString attesa = parole(mostrate[i] + QLatin1Char(' ') + mostrate[i + 30]);
        QCOMPARE(parole(righe[2 + i]), attesa);
    }
    QCOMPARE(parole(righe.last()), QStringLiteral("CALCOLO DEL RISULTATO"));
    static const QRegularExpression risposta(QStringLiteral("\\(([0-9]+|[=<>])\\)"));
    const int parentesi = static_cast<int>(pdf.testo().count(risposta));
    QCOMPARE(parentesi, docenti ? 60 : 0);
}

QTEST_MAIN(TestFrmStampaSchedeStampa)
#include "tst_frmstampaschede_stampa.moc"
