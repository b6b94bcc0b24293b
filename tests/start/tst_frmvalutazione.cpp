// The grading window on the real windows: the scale the certificate applies,
// the series done in the exercise window, the CSV export and its failures.
#include "exercise/provafrmoperativo.h"

#include "printing/valutazione.h"
#include "start/elencoserie.h"
#include "start/frmvalutazione.h"
#include "start/registroserie.h"
#include "support/tabella.h"

#include <QFile>
#include <QTableWidget>

using namespace prova;

namespace {
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
            celle.append(tabella->item(r, c)->text());
        righe.append(celle.join(QLatin1Char('|')));
    }
    return righe;
}
// The grades from the best down: as listed, and the least share of right answers that earns each.
struct Grado { const char *nome, *voto, *punteggio, *quota; int percento; };
constexpr Grado scalaVoti[] = {
    {"best grade", "OTTIMO", "9 - 10", "90% o più", 90},
    {"DISTINTO", "DISTINTO", "8", "da 80% a meno di 90%", 80},
    {"BUONO", "BUONO", "7", "da 70% a meno di 80%", 70},
    {"SUFFICIENTE", "SUFFICIENTE", "6", "da 60% a meno di 70%", 60},
    {"(!) kept", "SUFFICIENTE (!)", "5", "da 50% a meno di 60%", 50},
    {"lowest grade", "Non classificato", "0 - 4", "meno di 50%", 0},
};

// The series done in the exercise window (see esegui) and the rows listed, one a line.
// The clock starts at 10:00:00 on 05/12/2026.
struct Scenario { const char *nome, *scenario, *righe; };
constexpr Scenario scenari[] = {
    {"none", "nessuna", ""},
    {"restarted: the finished one and the one under way", "ricominciata",
     "05/12/2026|10:01:40|CALCOLO DELL'UNITÀ|1|20|17|100|DISTINTO\n05/12/2026|in corso|CALCOLO DELL'UNITÀ|1|3|3|15|OTTIMO"},
    {"left half-way: ends when the window goes", "lasciata", "05/12/2026|10:01:20|CALCOLO DELL'UNITÀ|1|4|2|20|SUFFICIENTE (!)"},
};

// Where the list is saved (<cartella>: the test's own empty folder; empty: a cancelled choice).
struct Salvataggio { const char *nome, *percorso; bool messaggio; };
constexpr Salvataggio salvataggi[] = {
    {"choice cancelled: no message", "", false},
    {"folder that does not exist", "<cartella>/manca/serie.csv", true},
    {"a folder chosen as the file", "<cartella>", true},
};
} // namespace

class TstFrmValutazione final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

    // Answers n operations 5 seconds apart, the first giuste right, the others
    // wrong and then helped; moves on to the next while the series lasts.
    void rispondi(FrmOperativo *f, int n, int giuste)
    {
        for (int i = 0; i < n; ++i) {
            m_ambiente->orologio().avanza(5);
            const QString giusta = modulo2().TestoIncognita.trimmed();
            digita(f, i < giuste ? giusta + QStringLiteral("V") : QStringLiteral("0VS"));
            if (!f->fraAvviso->isEnabled())
                digita(f, QStringLiteral("A"));
        }
    }

    // In the exercise window: "finita" 20 operations, 17 right; "ricominciata"
    // then "Ricomincia" and 3 right; "lasciata" 4 operations, 2 right, then the
    // window closed a minute later; "nessuna" nothing.
    void esegui(const QString &scenario)
    {
        if (scenario == QStringLiteral("nessuna"))
            return;
        modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO DELL'UNITÀ");
        FrmOperativo *f = apri(1, 1);
        const bool lasciata = scenario == QStringLiteral("lasciata");
        rispondi(f, lasciata ? 4 : 20, lasciata ? 2 : 17);
        m_ambiente->orologio().avanza(60);
        if (lasciata)
            Finestre::istanza().scarica(nomi::FrmOperativo);
        if (scenario == QStringLiteral("ricominciata")) {
            premi(f->fraAvviso->scelte[1]);
            rispondi(f, 3, 3);
        }
    }

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        registroSerie().svuota();
    }
    void cleanup() { m_ambiente.reset(); }

    void scala_data() { righeDa(scalaVoti); }

    // The row on screen, and the certificate agreeing with it: at 10 and at 100
    // operations the least share it names earns its grade, one answer fewer does not.
    void scala()
    {
        const Grado &r = rigaDi(scalaVoti);
        const auto indice = static_cast<std::size_t>(&r - scalaVoti);
        const QStringList riga{r.voto, r.punteggio, r.quota};
        FrmValutazione *v = apriValutazione();
        const auto &lbl = v->lblScala.at(indice);
        QCOMPARE(QStringList({lbl[0]->text(), lbl[1]->text(), lbl[2]->text()}), riga);
        for (const int operazioni : {10, 100}) {
            const int esatte = r.percento * operazioni / 100;
            QCOMPARE(ValutazioneDaPunteggio(Punteggio(esatte, operazioni)), riga.at(0));
            QVERIFY(esatte == 0 || ValutazioneDaPunteggio(Punteggio(esatte - 1, operazioni)) != riga.at(0));
        }
    }

    void serie_data() { righeDa(scenari); }

    // The list of a window opened before, once activated again; the notice and
    // "Esporta" only when it is empty or not; "Chiudi" unloads the window.
    void serie()
    {
        const Scenario &r = rigaDi(scenari);
        const QStringList righe = QString::fromUtf8(r.righe).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        FrmValutazione *v = apriValutazione();
        esegui(QLatin1String(r.scenario));
        QEvent attivazione(QEvent::WindowActivate);
        QApplication::sendEvent(v, &attivazione);
        QCOMPARE(righeTabella(v->tblSerie), righe);
        QCOMPARE(v->lblNessunaSerie->isVisibleTo(v), righe.isEmpty());
        QCOMPARE(v->optScelta[FrmValutazione::esporta]->isEnabled(), !righe.isEmpty());
        premi(v->optScelta[FrmValutazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmValutazione));
    }

    void salvataggioFallito_data() { righeDa(salvataggi); }

    // A failed save names the place in a message and loses nothing: the list
    // stays and then saves elsewhere, every series in the file.
    void salvataggioFallito()
    {
        const Salvataggio &r = rigaDi(salvataggi);
        QString percorso = QString::fromLatin1(r.percorso);
        percorso.replace(QStringLiteral("<cartella>"), m_ambiente->cartella());
        esegui(QStringLiteral("ricominciata"));
        FrmValutazione *v = apriValutazione();
        const QStringList prima = righeTabella(v->tblSerie);
        QCOMPARE(prima.size(), 2);
        v->sceltaFile = [&] { return percorso; };
        premi(v->optScelta[FrmValutazione::esporta]);
        const QString testo = QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\". "
                                             "Scegli un'altra cartella.");
        QCOMPARE(m_ambiente->messaggi(), r.messaggio ? QStringList(testo.arg(percorso)) : QStringList());
        QVERIFY(QDir(m_ambiente->cartella()).entryList(QDir::Files).isEmpty());
        QCOMPARE(righeTabella(v->tblSerie), prima);

        QFile buono(m_ambiente->cartella() + QStringLiteral("/serie è.csv"));
        v->sceltaFile = [&] { return buono.fileName(); };
        premi(v->optScelta[FrmValutazione::esporta]);
        QVERIFY(buono.open(QIODevice::ReadOnly));
        QCOMPARE(buono.readAll(), contenutoFileCsv(registroSerie().serie()));
    }
};

QTEST_MAIN(TstFrmValutazione)
#include "tst_frmvalutazione.moc"
