#include "scimmia.h"

#include "exercise/frmoperativo.h"
#include "exercise/rigaoperazione.h"
#include "exercise/riquadroscelta.h"
#include "exercise/tastierino.h"
#include "frame/finestra.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "printing/serieprova.h"
#include "start/frmvalutazione.h"
#include "support/ambienteprova.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QtTest>

#include <random>

// Thousands of random presses and keys on each window, from fixed seeds. After
// every action: nothing crashed, no option button stays down or checked, the
// answer has at most four characters, a series has at most 20 operations, the
// log is written only where a series or a sheet may write it, and the counts
// of right and wrong answers agree with the marks in the log lines.

namespace {

constexpr int righeSerie = 20;
constexpr int righeScheda = 60;
const QString inizioRisposte = QStringLiteral("   R.");

// Where the exercise window left things wrong; empty when all is well.
QString controllaSerie(const FrmOperativo *f)
{
    const Modulo2 &m = modulo2();
    if (const QLabel *incognita = f->frmNumero->etichettaIncognita(m.TipoDomanda);
        incognita && incognita->text().size() > 4)
        return QStringLiteral("the unknown shows \"%1\"").arg(incognita->text());
    int attivi = 0;
    const std::array<const QWidget *, 4> riquadri{f->fraTastierino, f->fraAiuto, f->fraAvviso, f->fraIntervento};
    for (const QWidget *r : riquadri)
        attivi += r->isEnabled() ? 1 : 0;
    if (attivi != 1)
        return QStringLiteral("%1 panels in use at once").arg(attivi);

    int esatte = 0;
    int errate = 0;
    for (int i = 1; i <= righeSerie; ++i) {
        const QString riga = m.ElencoOperazioni.valore(i);
        if (i > m.NumeroOperazioni) {
            if (!riga.isEmpty())
                return QStringLiteral("log line %1 written past operation %2").arg(i).arg(m.NumeroOperazioni);
            continue;
        }
        const auto dove = riga.indexOf(inizioRisposte);
        if (dove < 0)
            return QStringLiteral("log line %1 has no \"   R.\": \"%2\"").arg(i).arg(riga);
        const QString risposte = riga.mid(dove + inizioRisposte.size());
        errate += static_cast<int>(risposte.count(QStringLiteral("* ")));
        esatte += risposte.endsWith(QStringLiteral("  ")) ? 1 : 0;
    }
    if (esatte != m.NumeroEsatte || esatte != m.RisposteEsatte || errate != m.NumeroErrate)
        return QStringLiteral("log marks %1 right and %2 wrong, counts %3/%4 right and %5 wrong")
            .arg(esatte)
            .arg(errate)
            .arg(m.NumeroEsatte)
            .arg(m.RisposteEsatte)
            .arg(m.NumeroErrate);
    return {};
}

QString controllaPulsanti()
{
    for (const Finestra *finestra : Finestre::istanza().caricate())
        for (const PulsanteOpzione *p : finestra->findChildren<PulsanteOpzione *>())
            if (p->isDown() || p->isChecked())
                return QStringLiteral("option button \"%1\" left %2")
                    .arg(p->caption(), p->isDown() ? QStringLiteral("down") : QStringLiteral("checked"));
    return {};
}

// Everything that must hold after any action on any window.
QString controlla(bool schedaMostrata)
{
    const Modulo2 &m = modulo2();
    if (m.Risposta.size() > 4)
        return QStringLiteral("answer \"%1\" longer than 4 characters").arg(m.Risposta);
    if (m.NumeroOperazioni < 0 || m.NumeroOperazioni > righeSerie || m.NumeroOperazione > righeSerie)
        return QStringLiteral("operation %1 of %2 in a series").arg(m.NumeroOperazione).arg(m.NumeroOperazioni);
    if (m.NomeAlunno.size() > 15)
        return QStringLiteral("name \"%1\" longer than 15 characters").arg(m.NomeAlunno);
    // Line 0 is never written; a series writes up to line 20, a sheet up to 60.
    const int ultimaScritta = schedaMostrata ? righeScheda : righeSerie;
    for (int i = 0; i <= ElencoTesti<90>::ultimo; ++i)
        if ((i == 0 || i > ultimaScritta) && !m.ElencoOperazioni.valore(i).isEmpty())
            return QStringLiteral("log line %1 written").arg(i);
    if (QString errore = controllaPulsanti(); !errore.isEmpty())
        return errore;
    const auto *f = qobject_cast<const FrmOperativo *>(Finestre::istanza().trova(nomi::FrmOperativo));
    return f && !schedaMostrata ? controllaSerie(f) : QString();
}

// Where the grading window's export goes: a file of the test's folder, a
// folder that does not exist, or nowhere (the choice cancelled).
void sceltaFileCasuale(unsigned &giro)
{
    auto *f = qobject_cast<FrmValutazione *>(Finestre::istanza().trova(nomi::FrmValutazione));
    if (!f)
        return;
    f->sceltaFile = [&giro] {
        const QString scelte[] = {QDir::current().filePath(QStringLiteral("serie.csv")),
                                  QStringLiteral("/nessuna/cartella/serie.csv"), QString()};
        return scelte[giro++ % 3];
    };
}

// Drops Qt's notes that the offscreen platform cannot raise a window or grab
// the keyboard, which would otherwise fill the log of thousands of actions.
QtMessageHandler gestoreQt = nullptr;
void senzaNoteDellaPiattaforma(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (!testo.startsWith(QLatin1String("This plugin does not support")))
        gestoreQt(tipo, contesto, testo);
}

// A pupil who now and then knows the answer: its digits, "Verifica" and
// "Avanti" on the keypad, so that series run to their end among the random
// presses.
void rispondiGiusto(Scimmia &scimmia, FrmOperativo *f)
{
    const QString cifre = modulo2().TestoIncognita.trimmed();
    for (const QChar c : cifre) {
        if (!f->isVisible() || !f->fraTastierino->isEnabled())
            return;
        scimmia.clicSu(f, f->fraTastierino->Option2.at(static_cast<std::size_t>(c.digitValue())));
    }
    for (const int tasto : {Tastierino::verifica, Tastierino::avanti}) {
        if (!f->isVisible() || !f->fraTastierino->isEnabled())
            return;
        scimmia.clicSu(f, f->fraTastierino->Option2.at(tasto));
    }
}

} // namespace

class TstClicCasuali final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { gestoreQt = qInstallMessageHandler(senzaNoteDellaPiattaforma); }
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }
    void finestra_data();
    void finestra();

private:
    Finestra *apri(const QString &nome, int operazione, int livello, int fatte);

    std::unique_ptr<AmbienteProva> m_ambiente;
};

void TstClicCasuali::finestra_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("fatte"); // operations in the log for the report and the certificate
    QTest::addColumn<uint>("seme");
    QTest::addColumn<int>("azioni");
    QTest::addColumn<int>("quotaGiuste"); // percentage of actions that answer right when the keypad is ready
    QTest::newRow("start window and all it opens") << nomi::frmInizio << 1 << 0 << 0 << 11u << 2500 << 25;
    QTest::newRow("start window, another seed") << nomi::frmInizio << 1 << 0 << 0 << 12u << 1500 << 25;
    QTest::newRow("exercise, addition level 1") << nomi::FrmOperativo << 1 << 1 << 0 << 21u << 2000 << 40;
    QTest::newRow("exercise, subtraction level 3") << nomi::FrmOperativo << 2 << 3 << 0 << 22u << 2000 << 40;
    QTest::newRow("exercise, multiplication level 4") << nomi::FrmOperativo << 3 << 4 << 0 << 23u << 2000 << 40;
    QTest::newRow("report, full series") << nomi::FrmStampaEsercizio << 1 << 1 << 20 << 31u << 1200 << 0;
    QTest::newRow("report, 5 operations") << nomi::FrmStampaEsercizio << 1 << 1 << 5 << 32u << 1000 << 0;
    QTest::newRow("certificate, full series") << nomi::FrmAttestato << 1 << 1 << 20 << 41u << 1000 << 0;
    QTest::newRow("certificate, 12 operations") << nomi::FrmAttestato << 1 << 1 << 12 << 42u << 1000 << 0;
    QTest::newRow("worksheets, addition") << nomi::FrmStampaSchede << 1 << 2 << 0 << 51u << 1200 << 0;
    QTest::newRow("worksheets, mixed") << nomi::FrmStampaSchede << 3 << 4 << 0 << 52u << 1200 << 0;
}

Finestra *TstClicCasuali::apri(const QString &nome, int operazione, int livello, int fatte)
{
    Modulo2 &m = modulo2();
    m.NomeProgramma = QStringLiteral("TARVELO");
    m.Operazione = static_cast<Modulo2::int16>(operazione);
    m.Livello = static_cast<Modulo2::int16>(livello);
    m.TipoDa = 1;
    m.TipoA = 3;
    m.NumeroMin = 1;
    m.NumeroMax = 99;
    if (fatte > 0)
        serieprova::riempi(fatte, fatte * 3 / 4);
    return Finestre::istanza().mostra(nome);
}

void TstClicCasuali::finestra()
{
    QFETCH(QString, nome);
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, fatte);
    QFETCH(uint, seme);
    QFETCH(int, azioni);
    QFETCH(int, quotaGiuste);
    std::mt19937 casuale(seme + 1000);

    Scimmia scimmia(seme, m_ambiente->orologio());
    // A dialog of Qt's own would wait for a person: note it and close it. So
    // do the menus that pop up (a right click in the name box, the menu bar's
    // arrow in a narrow window), which are no fault.
    int dialoghi = 0;
    int menuChiusi = 0;
    QTimer chiudiDialoghi;
    QObject::connect(&chiudiDialoghi, &QTimer::timeout, [&dialoghi, &menuChiusi] {
        if (QWidget *menu = QApplication::activePopupWidget()) {
            ++menuChiusi;
            menu->close();
        } else if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++dialoghi;
            d->reject();
        }
    });
    chiudiDialoghi.start(20);
    unsigned esportazioni = 0;
    QVERIFY(apri(nome, operazione, livello, fatte));
    bool schedaMostrata = false;
    int riaperture = 0;
    int serieComplete = 0;
    bool eraCompleta = false;
    for (int azione = 0; azione < azioni; ++azione) {
        const QList<Finestra *> caricate = Finestre::istanza().caricate();
        if (caricate.isEmpty()) {
            // The pupil ended the program: start again where this row began.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            azzeraModulo2();
            schedaMostrata = false;
            ++riaperture;
            QVERIFY(apri(nome, operazione, livello, fatte));
            continue;
        }
        sceltaFileCasuale(esportazioni);
        auto *esercizio = qobject_cast<FrmOperativo *>(caricate.last());
        if (esercizio && esercizio->fraTastierino->isEnabled() && int(casuale() % 100) < quotaGiuste)
            rispondiGiusto(scimmia, esercizio);
        else
            scimmia.agisci(caricate.last());
        QCoreApplication::processEvents();
        serieComplete += modulo2().NumeroOperazioni == righeSerie && !eraCompleta ? 1 : 0;
        eraCompleta = modulo2().NumeroOperazioni == righeSerie;
        // Showing a sheet rewrites log lines 1 to 60, the series' lines included.
        schedaMostrata = schedaMostrata || Finestre::istanza().caricata(nomi::FrmStampaSchede);
        const QString errore = controlla(schedaMostrata);
        QVERIFY2(errore.isEmpty(), qPrintable(QStringLiteral("after action %1: %2\nlast actions:\n%3")
                                                  .arg(azione)
                                                  .arg(errore, scimmia.storia())));
        if (azione % 200 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    qInfo("%d actions, %d series of 20 reached, program ended and restarted %d times, %lld messages, %zu pages, %u exports, %d pop-up menus and %d dialogs closed",
          azioni, serieComplete, riaperture, static_cast<long long>(m_ambiente->messaggi().size()), m_ambiente->stampanti().size(),
          esportazioni, menuChiusi, dialoghi);
    QCOMPARE(dialoghi, 0);
    // Where the pupil answers, series reach their end: the limit of 20 was put to the test.
    if (quotaGiuste > 0 && nome == nomi::FrmOperativo)
        QVERIFY(serieComplete > 0);
}

QTEST_MAIN(TstClicCasuali)
#include "tst_clic_casuali.moc"
