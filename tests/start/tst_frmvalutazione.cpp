// The grading window on the real windows: the scale the certificate applies,
// the series done in the exercise window, the CSV export and its failures,
// and how the window and its menu entry open and close.
#include "exercise/provafrmoperativo.h"
#include "start/leggicsv.h"
#include "support/ambienteprova.h"

#include "frame/chiusura.h"
#include "printing/valutazione.h"
#include "start/frminizio.h"
#include "start/frmvalutazione.h"
#include "start/registroserie.h"
#include "start/scalavalutazione.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableWidget>

using namespace prova;

namespace {

constexpr float secondiPerRisposta = 5;

// Answers n operations, each after secondiPerRisposta: the first giuste right,
// the others wrong and then helped; moves on to the next while the series lasts.
void rispondi(FrmOperativo *f, AmbienteProva &ambiente, int n, int giuste)
{
    for (int i = 0; i < n; ++i) {
        ambiente.orologio().avanza(secondiPerRisposta);
        if (i < giuste) {
            digita(f, giusta() + QStringLiteral("V"));
        } else {
            digita(f, QStringLiteral("0V"));
            premi(f->fraAiuto->scelte[0]);
        }
        if (!f->fraAvviso->isEnabled())
            digita(f, QStringLiteral("A"));
    }
}

FrmValutazione *apriValutazione()
{
    return qobject_cast<FrmValutazione *>(Finestre::istanza().mostra(nomi::FrmValutazione));
}

QStringList righeTabella(const QTableWidget *tabella)
{
    QStringList righe;
    for (int r = 0; r < tabella->rowCount(); ++r) {
        QStringList celle;
        for (int c = 0; c < tabella->columnCount(); ++c)
            celle.append(tabella->item(r, c) ? tabella->item(r, c)->text() : QStringLiteral("<none>"));
        righe.append(celle.join(QLatin1Char('|')));
    }
    return righe;
}

QStringList intestazioniTabella(const QTableWidget *tabella)
{
    QStringList testi;
    for (int c = 0; c < tabella->columnCount(); ++c)
        testi.append(tabella->horizontalHeaderItem(c)->text());
    return testi;
}

} // namespace

class TstFrmValutazione final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

    // Runs a scenario in the exercise window: "finita" (20 operations, 17
    // right), "ricominciata" (then "Ricomincia" and 3 right), "lasciata" (4
    // operations, 2 right, then the window closed a minute later), "nessuna".
    void esegui(const QString &scenario)
    {
        if (scenario == QStringLiteral("nessuna"))
            return;
        modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
        FrmOperativo *f = apri(1, 1);
        QVERIFY(f);
        if (scenario == QStringLiteral("lasciata")) {
            rispondi(f, *m_ambiente, 4, 2);
            m_ambiente->orologio().avanza(60);
            Finestre::istanza().scarica(nomi::FrmOperativo);
            return;
        }
        rispondi(f, *m_ambiente, 20, 17);
        QVERIFY(f->fraAvviso->isEnabled());
        if (scenario == QStringLiteral("ricominciata")) {
            m_ambiente->orologio().avanza(30);
            premi(f->fraAvviso->scelte[1]);
            rispondi(f, *m_ambiente, 3, 3);
        }
    }

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        registroSerie().svuota();
    }

    void cleanup() { m_ambiente.reset(); }

    // The scale on screen is the certificate's table, row by row.
    void scala()
    {
        FrmValutazione *v = apriValutazione();
        QVERIFY(v);
        const auto righe = righeScala();
        QCOMPARE(v->lblScala.size(), valutazione::fasce.size());
        QCOMPARE(righe.size(), valutazione::fasce.size());
        for (std::size_t i = 0; i < righe.size(); ++i) {
            QCOMPARE(v->lblScala[i][0]->text(), valutazione::fasce[i].voto);
            QCOMPARE(v->lblScala[i][1]->text(), righe[i].punteggio);
            QCOMPARE(v->lblScala[i][2]->text(), righe[i].quota);
        }
        QCOMPARE(v->lblScala.front()[2]->text(), QStringLiteral("90% o più"));
        QCOMPARE(v->lblScala.back()[0]->text(), QStringLiteral("Non classificato"));
        QCOMPARE(v->lblScala.back()[2]->text(), QStringLiteral("meno di 50%"));
        QCOMPARE(v->lblRegole->text(), regoleValutazione());
        QVERIFY(v->lblRegole->text().contains(QStringLiteral("almeno 10 operazioni")));
    }

    void serie_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QStringList>("righe");

        // The clock starts at 10:00:00 on 05/12/2026; each answer takes 5 seconds.
        QTest::newRow("none") << "nessuna" << QStringList();
        QTest::newRow("finished: ends at the 20th answer")
            << "finita"
            << QStringList{"05/12/2026|10:01:40|CALCOLO DEL RISULTATO|1|20|17|100|DISTINTO"};
        QTest::newRow("restarted: the finished one and the one under way")
            << "ricominciata"
            << QStringList{"05/12/2026|10:01:40|CALCOLO DEL RISULTATO|1|20|17|100|DISTINTO",
                           "05/12/2026|in corso|CALCOLO DEL RISULTATO|1|3|3|15|OTTIMO"};
        QTest::newRow("left half-way: ends when the window goes")
            << "lasciata"
            << QStringList{"05/12/2026|10:01:20|CALCOLO DEL RISULTATO|1|4|2|20|SUFFICIENTE (!)"};
    }

    void serie()
    {
        QFETCH(QString, scenario);
        QFETCH(QStringList, righe);
        esegui(scenario);
        FrmValutazione *v = apriValutazione();
        QVERIFY(v);
        QCOMPARE(intestazioniTabella(v->tblSerie),
                 QStringList({"Data", "Ora di fine", "Obiettivo", "Livello", "Operazioni", "Risposte esatte",
                              "Secondi", "Valutazione"}));
        QCOMPARE(righeTabella(v->tblSerie), righe);
        QCOMPARE(v->lblNessunaSerie->isVisibleTo(v), righe.isEmpty());
        // Nothing to export before a series exists.
        QCOMPARE(v->optScelta[FrmValutazione::esporta]->isEnabled(), !righe.isEmpty());
    }

    // A window opened before the series comes up to date when it is activated again.
    void aggiornataAllaRiattivazione()
    {
        FrmValutazione *v = apriValutazione();
        QCOMPARE(v->tblSerie->rowCount(), 0);
        esegui(QStringLiteral("finita"));
        QCOMPARE(v->tblSerie->rowCount(), 0);
        QEvent attivazione(QEvent::WindowActivate);
        QApplication::sendEvent(v, &attivazione);
        QCOMPARE(v->tblSerie->rowCount(), 1);
        QVERIFY(v->optScelta[FrmValutazione::esporta]->isEnabled());
    }

    // The file holds the headings and the rows of the list, accented letters
    // and semicolons included.
    void esportaCsv()
    {
        modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DELL'UNITÀ; \"PIÙ\" È MEGLIO");
        FrmOperativo *f = apri(2, 3);
        rispondi(f, *m_ambiente, 2, 1);
        FrmValutazione *v = apriValutazione();
        const QString percorso = m_ambiente->cartella() + QStringLiteral("/serie è.csv");
        int scelte = 0;
        v->sceltaFile = [&] {
            ++scelte;
            return percorso;
        };
        premi(v->optScelta[FrmValutazione::esporta]);
        QCOMPARE(scelte, 1);
        QVERIFY(m_ambiente->messaggi().isEmpty());

        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contenuto = file.readAll();
        QVERIFY(contenuto.startsWith("\xEF\xBB\xBF"));
        const QString testo = QString::fromUtf8(contenuto.mid(3));
        QVERIFY(testo.startsWith(QStringLiteral("Data;Ora di fine;Obiettivo;Livello;Operazioni;Risposte esatte;"
                                                "Secondi;Valutazione\r\n")));
        const QList<QStringList> righe = leggiCsv(testo);
        QCOMPARE(righe.size(), 2);
        QCOMPARE(righe.at(0), intestazioniTabella(v->tblSerie));
        QCOMPARE(righe.at(1).join(QLatin1Char('|')), righeTabella(v->tblSerie).at(0));
        QCOMPARE(righe.at(1).at(2), QStringLiteral("CALCOLO DELL'UNITÀ; \"PIÙ\" È MEGLIO"));
        QCOMPARE(righe.at(1).mid(3), QStringList({"3", "2", "1", "10", "SUFFICIENTE (!)"}));
    }

    void sceltaAnnullata()
    {
        esegui(QStringLiteral("lasciata"));
        FrmValutazione *v = apriValutazione();
        v->sceltaFile = [] { return QString(); };
        premi(v->optScelta[FrmValutazione::esporta]);
        QVERIFY(m_ambiente->messaggi().isEmpty());
        QVERIFY(QDir(m_ambiente->cartella()).entryList(QDir::Files).isEmpty());
    }

    void salvataggioFallito_data()
    {
        QTest::addColumn<QString>("percorso");
        // <cartella> stands for the test's own empty folder.
        QTest::newRow("folder that does not exist") << "<cartella>/manca/serie.csv";
        QTest::newRow("read-only folder") << "/proc/serie.csv";
        QTest::newRow("a folder chosen as the file") << "<cartella>";
    }

    void salvataggioFallito()
    {
        QFETCH(QString, percorso);
        percorso.replace(QStringLiteral("<cartella>"), m_ambiente->cartella());
        esegui(QStringLiteral("finita"));
        FrmValutazione *v = apriValutazione();
        const QStringList prima = righeTabella(v->tblSerie);
        v->sceltaFile = [&] { return percorso; };
        premi(v->optScelta[FrmValutazione::esporta]);
        QCOMPARE(m_ambiente->messaggi(),
                 QStringList(QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\". "
                                            "Scegli un'altra cartella.")
                                 .arg(percorso)));
        QVERIFY(!QFileInfo(percorso).isFile());

        // Nothing is lost: the list is still there and saves elsewhere.
        QCOMPARE(righeTabella(v->tblSerie), prima);
        QVERIFY(Finestre::istanza().caricata(nomi::FrmValutazione));
        const QString buono = m_ambiente->cartella() + QStringLiteral("/serie.csv");
        v->sceltaFile = [&] { return buono; };
        premi(v->optScelta[FrmValutazione::esporta]);
        QCOMPARE(m_ambiente->messaggi().size(), 1);
        QFile file(buono);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(leggiCsv(QString::fromUtf8(file.readAll().mid(3))).size(), 2);
    }

    void chiudi()
    {
        FrmValutazione *v = apriValutazione();
        QVERIFY(v->isVisible());
        premi(v->optScelta[FrmValutazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmValutazione));
    }

    // The menu entries of the start window open the two windows; "Esci" and
    // ChiudiTutto leave nothing loaded.
    void menuEChiusura_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::newRow("Esci in the start window") << true;
        QTest::newRow("ChiudiTutto") << false;
    }

    void menuEChiusura()
    {
        QFETCH(bool, conEsci);
        auto *inizio = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
        QVERIFY(inizio);
        inizio->mnuValutazione->trigger();
        inizio->mnuEsempi->trigger();
        auto &finestre = Finestre::istanza();
        QVERIFY(finestre.caricata(nomi::FrmValutazione));
        QVERIFY(finestre.caricata(nomi::FrmEsemplicazione));
        QVERIFY(finestre.trova(nomi::FrmValutazione)->isVisible());
        QVERIFY(finestre.trova(nomi::FrmEsemplicazione)->isVisible());
        // Single instances: a second press brings back the same window.
        Finestra *prima = finestre.trova(nomi::FrmValutazione);
        inizio->mnuValutazione->trigger();
        QCOMPARE(finestre.trova(nomi::FrmValutazione), prima);
        QCOMPARE(finestre.caricate().size(), 3);

        if (conEsci)
            premi(inizio->Option3[1]);
        else
            ChiudiTutto();
        QVERIFY(finestre.caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
    }

    // ChiudiTutto alone, with only the two windows loaded.
    void chiudiTuttoSenzaInizio()
    {
        auto &finestre = Finestre::istanza();
        finestre.mostra(nomi::FrmEsemplicazione);
        finestre.mostra(nomi::FrmValutazione);
        ChiudiTutto();
        QVERIFY(finestre.caricate().isEmpty());
    }
};

QTEST_MAIN(TstFrmValutazione)
#include "tst_frmvalutazione.moc"
