// Printer faults seen from the windows: the private print server's queue
// (started by scripts/test.sh) is stopped, or made to reject jobs, while the
// report, the certificate and the worksheet are printed. Each time the user
// gets one Italian message (the page waits in the queue, or is kept as a PDF
// whose name the message gives), the window stays usable and the shared
// state is as before the print.

#include "istantanea.h"

#include "printing/serieprova.h"
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
#include "printing/pannellonome.h"
#include "worksheets/frmstampaschede.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString coda = QStringLiteral("TEST"); // the private server's default queue
const QString ferma = QStringLiteral("La stampante TEST è ferma: la pagina resta in coda e sarà stampata quando la "
                                     "stampante verrà riattivata.");
const QString rifiuta = QStringLiteral("La stampante TEST non accetta lavori: la pagina è stata salvata nel file\n");

enum class Pagina { Resoconto, Attestato, Scheda };
enum class Guasto { CodaFerma, CodaCheRifiuta };

// The queue put in a fault state and back when the row ends, even half-way.
class CodaGuasta final
{
public:
    explicit CodaGuasta(Guasto guasto)
        : m_togli(guasto == Guasto::CodaFerma ? QStringLiteral("cupsenable") : QStringLiteral("cupsaccept"))
        , m_riuscito(QProcess::execute(guasto == Guasto::CodaFerma ? QStringLiteral("cupsdisable")
                                                                     : QStringLiteral("cupsreject"),
                                       {coda}) == 0)
    {
    }
    ~CodaGuasta() { ripara(); }
    CodaGuasta(const CodaGuasta &) = delete;
    CodaGuasta &operator=(const CodaGuasta &) = delete;

    bool riuscito() const { return m_riuscito; }
    void ripara() { QProcess::execute(m_togli, {coda}); }

private:
    QString m_togli;
    bool m_riuscito = false;
};

void premi(QWidget *w)
{
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

} // namespace

Q_DECLARE_METATYPE(Pagina)
Q_DECLARE_METATYPE(Guasto)

class TstGuastiStampante final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void guasto_data();
    void guasto();

private:
    static Finestra *apri(Pagina pagina);
    static QWidget *pulsanteStampa(Finestra *f, Pagina pagina);
    static bool ancoraUsabile(Finestra *f, Pagina pagina);

    QTemporaryDir m_casa; // HOME: the kept PDFs go to its Documents folder
};

void TstGuastiStampante::initTestCase()
{
    if (PdfStampato::cartella().isEmpty())
        QSKIP(PdfStampato::senzaServer);
    QVERIFY(QDir(m_casa.path()).mkpath(QStringLiteral("Documents")));
    qputenv("HOME", QFile::encodeName(m_casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
}

void TstGuastiStampante::guasto_data()
{
    QTest::addColumn<Pagina>("pagina");
    QTest::addColumn<Guasto>("guasto");
    QTest::addColumn<QString>("testoAtteso"); // a word of the page kept as a PDF; empty for a picture
    QTest::newRow("report, stopped queue") << Pagina::Resoconto << Guasto::CodaFerma << QString();
    QTest::newRow("report, queue rejecting jobs") << Pagina::Resoconto << Guasto::CodaCheRifiuta
                                                  << QStringLiteral("Esercizio n.2");
    QTest::newRow("certificate, stopped queue") << Pagina::Attestato << Guasto::CodaFerma << QString();
    QTest::newRow("certificate, queue rejecting jobs") << Pagina::Attestato << Guasto::CodaCheRifiuta << QString();
    QTest::newRow("worksheet, stopped queue") << Pagina::Scheda << Guasto::CodaFerma << QString();
    QTest::newRow("worksheet, queue rejecting jobs") << Pagina::Scheda << Guasto::CodaCheRifiuta
                                                     << QStringLiteral("Cognome e nome:");
}

Finestra *TstGuastiStampante::apri(Pagina pagina)
{
    serieprova::riempi(20, 17);
    modulo2().NomeAlunno = QStringLiteral("Anna");
    switch (pagina) {
    case Pagina::Resoconto:
        return Finestre::istanza().mostra(nomi::FrmStampaEsercizio);
    case Pagina::Attestato:
        return Finestre::istanza().mostra(nomi::FrmAttestato);
    case Pagina::Scheda: {
        modulo2().Operazione = 1;
        modulo2().TipoDa = modulo2().TipoA = modulo2().Livello = 1;
        auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
        if (!f || !QTest::qWaitForWindowActive(f))
            return nullptr;
        premi(f->Option1[1]);
        premi(f->Option3[1]);
        QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
        return f;
    }
    }
    return nullptr;
}

QWidget *TstGuastiStampante::pulsanteStampa(Finestra *f, Pagina pagina)
{
    switch (pagina) {
    case Pagina::Resoconto:
        return static_cast<FrmStampaEsercizio *>(f)->Option1.at(2);
    case Pagina::Attestato:
        return static_cast<FrmAttestato *>(f)->Option5.at(0);
    case Pagina::Scheda:
        return static_cast<FrmStampaSchede *>(f)->CmdStampaAlunni;
    }
    return nullptr;
}

bool TstGuastiStampante::ancoraUsabile(Finestra *f, Pagina pagina)
{
    if (!Finestre::istanza().caricata(f->nome()) || !pulsanteStampa(f, pagina)->isEnabled())
        return false;
    switch (pagina) {
    case Pagina::Resoconto: {
        auto *r = static_cast<FrmStampaEsercizio *>(f);
        premi(r->Option1.at(1));
        return r->fraNome->isVisible();
    }
    case Pagina::Attestato:
        return static_cast<FrmAttestato *>(f)->Picture1->isVisible();
    case Pagina::Scheda: {
        // A new sheet can be shown, and printed again.
        auto *s = static_cast<FrmStampaSchede *>(f);
        QTest::mouseClick(s->CmdSchedaAlunni, Qt::LeftButton);
        return !s->LblOp[1]->text().isEmpty() && s->CmdStampaAlunni->isVisible();
    }
    }
    return false;
}

void TstGuastiStampante::guasto()
{
    QFETCH(Pagina, pagina);
    QFETCH(Guasto, guasto);
    QFETCH(QString, testoAtteso);

    AmbienteProva ambiente;
    servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
    Finestra *f = apri(pagina);
    QVERIFY(f);
    const Istantanea prima = Istantanea::presa();

    PdfStampato pdf;
    CodaGuasta coda(guasto);
    QVERIFY(coda.riuscito());
    QWidget *stampa = pulsanteStampa(f, pagina);
    QVERIFY(stampa && stampa->isEnabled());
    if (qobject_cast<PulsanteOpzione *>(stampa))
        premi(stampa);
    else
        QTest::mouseClick(stampa, Qt::LeftButton);

    QCOMPARE(ambiente.messaggi().size(), 1);
    const QString messaggio = ambiente.messaggi().constFirst();
    if (guasto == Guasto::CodaFerma) {
        QCOMPARE(messaggio, ferma);
    } else {
        QVERIFY2(messaggio.startsWith(rifiuta), qPrintable(messaggio));
        const QString file = messaggio.mid(rifiuta.size());
        QCOMPARE(QFileInfo(file).absolutePath(), QDir(m_casa.path()).filePath(QStringLiteral("Documents")));
        QVERIFY(QFileInfo(file).size() > 0);
        if (!testoAtteso.isEmpty())
            QVERIFY2(testoDelPdf(file).contains(testoAtteso), qPrintable(file));
        QVERIFY(QFile::remove(file));
    }
    QVERIFY2(Istantanea::presa() == prima, "the print changed the shared state");
    QVERIFY(ancoraUsabile(f, pagina));

    // A stopped queue keeps the page and prints it once started again; a
    // rejecting one never got it.
    coda.ripara();
    if (guasto == Guasto::CodaFerma)
        QVERIFY2(pdf.attendi(), "the page kept in the stopped queue never came out");
    else
        QVERIFY2(pdf.nessunLavoro(1500), "the queue that rejects jobs printed");
}

QTEST_MAIN(TstGuastiStampante)
#include "tst_guasti_stampante.moc"
