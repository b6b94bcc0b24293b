// The teacher's view in the grading window, on a record seeded with the known
// register: what shows without the teacher's password and what the password
// opens, the filters and the sorting, a series' operations, names and
// deletions read back from the file, the export read back, the chart, and a
// window that stays usable while the record does not answer.
#include "registroprova.h"

#include "finestravalutazione.h"
#include "record/letturaregistro.h"
#include "support/tabella.h"

#include "docente/andamento.h"
#include "docente/barrafiltri.h"
#include "docente/pannellopassword.h"
#include "docente/graficoandamento.h"
#include "docente/parteandamento.h"
#include "docente/parteregistro.h"
#include "record/registroclasse.h"
#include "record/schema.h"
#include "start/frmvalutazione.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSemaphore>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

using namespace prova;
using namespace valutazioneprova;

namespace {

QByteArray contenuto(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A CSV file as spreadsheets read it: a byte order mark, lines ended by CR LF, fields split at
// semicolons outside quotes, doubled quotes inside them.
QList<QStringList> leggiCsv(const QByteArray &byte)
{
    if (!byte.startsWith("\xEF\xBB\xBF"))
        return {};
    QList<QStringList> righe;
    for (const QString &linea : QString::fromUtf8(byte.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        QStringList campi{QString()};
        bool tra = false;
        for (int i = 0; i < linea.size(); ++i) {
            const QChar c = linea[i];
            if (c == QLatin1Char('"') && tra && i + 1 < linea.size() && linea[i + 1] == QLatin1Char('"'))
                campi.last() += linea[++i];
            else if (c == QLatin1Char('"'))
                tra = !tra;
            else if (c == QLatin1Char(';') && !tra)
                campi << QString();
            else
                campi.last() += c;
        }
        righe << campi;
    }
    return righe;
}

// Filters set, and the series they leave, newest first.
struct Filtro { const char *nome, *alunno; QDate dal, al; const char *computer; int operazione; const char *serie; };
const Filtro filtri[] = {
    {"none", "", {}, {}, "", 0, "s6,s5,s4,s3,s2,s1"},
    {"nicolo finds Nicolò in both spellings", "nicolo", {}, {}, "", 0, "s5,s2,s1"},
    {"capitals and accents", "  NICOLÒ ", {}, {}, "", 0, "s5,s2,s1"},
    {"part of a surname", "bian", {}, {}, "", 0, "s3"},
    {"unnamed series match no text", "senza", {}, {}, "", 0, ""},
    {"from a day", "", {2026, 12, 4}, {}, "", 0, "s6,s5,s4,s3"},
    {"to a day", "", {}, {2026, 12, 3}, "", 0, "s2,s1"},
    {"one day", "", {2026, 12, 4}, {2026, 12, 4}, "", 0, "s4,s3"},
    {"a computer", "", {}, {}, "aula-2", 0, "s4,s2"},
    {"an operation", "", {}, {}, "", 2, "s6,s3"},
    {"all at once", "rossi", {2026, 12, 3}, {2026, 12, 5}, "aula-1", 1, "s5,s1"},
};

// A column sorted one way, and the series in the order it gives.
struct Ordine { const char *nome; Colonna colonna; Qt::SortOrder verso; const char *serie; };
constexpr Ordine ordini[] = {
    {"date, oldest first", Colonna::data, Qt::AscendingOrder, "s1,s2,s3,s4,s5,s6"},
    {"time of day", Colonna::ora, Qt::AscendingOrder, "s3,s1,s4,s5,s2,s6"},
    {"pupil: unnamed first, spellings together", Colonna::alunno, Qt::AscendingOrder, "s4,s6,s3,s1,s2,s5"},
    {"computer", Colonna::computer, Qt::AscendingOrder, "s1,s3,s5,s2,s4,s6"},
    {"operation", Colonna::operazione, Qt::AscendingOrder, "s1,s2,s5,s3,s6,s4"},
    {"objective", Colonna::obiettivo, Qt::AscendingOrder, "s1,s2,s5,s6,s3,s4"},
    {"level", Colonna::livello, Qt::AscendingOrder, "s1,s3,s2,s5,s4,s6"},
    {"right answers", Colonna::esatte, Qt::AscendingOrder, "s4,s6,s2,s1,s5,s3"},
    {"operations", Colonna::operazioni, Qt::AscendingOrder, "s4,s2,s6,s1,s3,s5"},
    {"grade, best first; none last", Colonna::giudizio, Qt::DescendingOrder, "s5,s3,s2,s1,s6,s4"},
    {"total time", Colonna::tempoTotale, Qt::AscendingOrder, "s4,s2,s5,s1,s6,s3"},
};

} // namespace

class TstFrmValutazione final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;
    RisposteDialoghi m_dialoghi;

    FrmValutazione *apri() { return valutazioneprova::apri(m_dialoghi); }

    FrmValutazione *apriCompleto()
    {
        FrmValutazione *v = apri();
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestra"));
        if (!v->fraRegistro->completo())
            QTest::qFail("the password did not open the register", __FILE__, __LINE__);
        return v;
    }

private slots:
    void initTestCase()
    {
        if (!registroprova::inItalia())
            QSKIP(registroprova::senzaItaliano);
    }

    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        m_dialoghi = {};
        m_ambiente->avviaRegistro();
        QVERIFY(m_ambiente->attendiRegistro());
        registroprova::semina(m_ambiente->percorsoRegistro());
    }
    void cleanup() { m_ambiente.reset(); }

    // Without the password: the register's headings over today's series only, newest first,
    // nothing to change, the days fixed; the record's state at the top; a first password asked
    // for twice. Every control can be reached by name.
    void senzaPassword()
    {
        FrmValutazione *v = apri();
        ParteRegistro *r = v->fraRegistro;
        QStringList intestazioni;
        for (int c = 0; c < r->tblRegistro->model()->columnCount(); ++c)
            intestazioni << r->tblRegistro->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(intestazioni, QStringList({"Data", "Ora", "Alunno", "Computer", "Operazione", "Obiettivo", "Livello",
                                            "Esatte", "Operazioni", "Giudizio", "Tempo totale"}));
        QCOMPARE(celle(r->tblRegistro->model()),
                 QStringList({"05/12/2026|12:00|(senza nome)|aula-3|Sottrazione|2. CALCOLO DEL TERMINE|4|6|12|SUFFICIENTE (!)|3 min 20 s",
                              "05/12/2026|10:30|nicolò rossi|aula-1|Addizione|1. CALCOLO DEL RISULTATO|2|18|20|OTTIMO|1 min 40 s"}));
        QCOMPARE(r->lblConteggio->text(), QStringLiteral("2 serie su 2"));
        QCOMPARE(v->lblStato->text(), registroClasse().stato().riga);
        QVERIFY(r->fraPassword->isVisibleTo(v) && r->fraPassword->txtRipeti->isVisibleTo(v));
        seleziona(v, {"s6"});
        for (QWidget *w : {static_cast<QWidget *>(r->fraFiltri->chkDal), static_cast<QWidget *>(r->fraFiltri->chkAl),
                           static_cast<QWidget *>(r->optAzioni[0]), static_cast<QWidget *>(r->optAzioni[1]),
                           static_cast<QWidget *>(r->optAzioni[2])})
            QVERIFY(!w->isEnabled());
        for (QWidget *w : v->findChildren<QWidget *>()) {
            // A control's own parts (the tab bar, a date's text) go by the control's name.
            const QWidget *padre = w->parentWidget();
            if (w->isVisibleTo(v) && w->focusPolicy() != Qt::NoFocus && !qobject_cast<const QTabWidget *>(padre)
                && !qobject_cast<const QAbstractSpinBox *>(padre))
                QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty(),
                         w->metaObject()->className());
        }
    }

    // A first password too short or typed differently is refused; one taken is kept only as
    // its hash and opens every day. Later nothing typed asks for it, the wrong one is refused and
    // the right one opens.
    void password()
    {
        FrmValutazione *v = apri();
        ParteRegistro *r = v->fraRegistro;
        entra(v, QStringLiteral("abc"), QStringLiteral("abc"));
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("La password deve avere almeno 4 caratteri."));
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestre"));
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("Le due password non sono uguali: scrivile di nuovo."));
        QVERIFY(!r->completo());
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestra"));
        QVERIFY(r->completo() && !r->fraPassword->isVisibleTo(v));
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5,s4,s3,s2,s1"));
        {
            const LetturaRegistro file(m_ambiente->percorsoRegistro());
            const QStringList hash = file.righe(QStringLiteral("SELECT hash FROM password_insegnante"));
            QVERIFY(hash.size() == 1 && hash[0].startsWith("$argon2id$") && !hash[0].contains("maestra"));
        }
        QVERIFY(!contenuto(m_ambiente->percorsoRegistro()).contains("maestra"));
        QVERIFY(!contenuto(m_ambiente->percorsoRegistro() + "-wal").contains("maestra"));

        Finestre::istanza().scarica(nomi::FrmValutazione);
        v = apri();
        r = v->fraRegistro;
        QVERIFY(!r->completo() && !r->fraPassword->txtRipeti->isVisibleTo(v));
        entra(v, QString());
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("Scrivi la password dell'insegnante."));
        entra(v, QStringLiteral("Maestra"));
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("Password errata."));
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5"));
        entra(v, QStringLiteral("maestra"));
        QVERIFY(r->completo());
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5,s4,s3,s2,s1"));
    }

    void filtra_data() { righeDa(filtri); }
    void filtra()
    {
        const Filtro &f = rigaDi(filtri);
        ParteRegistro *r = apriCompleto()->fraRegistro;
        BarraFiltri *b = r->fraFiltri;
        QTest::keyClicks(b->txtAlunno, QString::fromUtf8(f.alunno));
        for (auto [scelta, campo, giorno] : {std::tuple(b->chkDal, b->datDal, f.dal), std::tuple(b->chkAl, b->datAl, f.al)}) {
            scelta->setChecked(giorno.isValid());
            QCOMPARE(campo->isEnabled(), giorno.isValid());
            if (giorno.isValid())
                campo->setDate(giorno);
        }
        b->cmbComputer->setCurrentIndex(b->cmbComputer->findText(*f.computer ? f.computer : "Tutti"));
        b->cmbOperazione->setCurrentIndex(f.operazione);
        QCOMPARE(mostrate(r), QString::fromLatin1(f.serie));
        QCOMPARE(r->lblConteggio->text(), QStringLiteral("%1 serie su 6").arg(r->vista().rowCount()));
    }

    void ordina_data() { righeDa(ordini); }
    void ordina()
    {
        const Ordine &o = rigaDi(ordini);
        ParteRegistro *r = apriCompleto()->fraRegistro;
        r->tblRegistro->sortByColumn(static_cast<int>(o.colonna), o.verso);
        QCOMPARE(mostrate(r), QString::fromLatin1(o.serie));
    }

    // A series selected: its operations as the report lists them, with the answers and the
    // seconds; the chart turns to its pupil and operation.
    void operazioni()
    {
        FrmValutazione *v = apriCompleto();
        seleziona(v, {"s1"});
        QTableWidget *t = v->fraRegistro->tblOperazioni;
        QTRY_COMPARE(t->rowCount(), 20);
        QStringList righe;
        for (const int r : {0, 14}) {
            QStringList c;
            for (int k = 0; k < t->columnCount(); ++k)
                c << t->item(r, k)->text();
            righe << c.join(QLatin1Char('|'));
        }
        QCOMPARE(righe, QStringList({"1|   1 +    1 = ...    R.2|2 esatta|1",
                                     "15|  15 +    1 = ...    R.17*  16|17 errata, aiuto rifiutato / 16 esatta|15"}));
        QCOMPARE(v->fraAndamento->cmbAlunno->currentText(), QStringLiteral("nicolò rossi"));
    }

    // "Assegna nome" names the unnamed series selected, not the named one, each by a new row of
    // the file waiting for a lab's server; cancelled, it names nothing.
    void assegnaNome()
    {
        m_dialoghi.nome = QStringLiteral("  Zoë   Neri ");
        FrmValutazione *v = apri();
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestra"));
        ParteRegistro *r = v->fraRegistro;
        seleziona(v, {"s5"});
        QVERIFY(!r->optAzioni[ParteRegistro::assegnaNome]->isEnabled());
        seleziona(v, {"s4", "s5", "s6"});
        premi(r->optAzioni[ParteRegistro::assegnaNome]);
        QCOMPARE(m_dialoghi.domande.last(), QStringLiteral("Il nome dell'alunno che ha svolto le 2 serie selezionate senza nome:"));
        QTRY_VERIFY(r->lblConteggio->text() != caricamento && r->vista().rowCount() == 6 && r->modello().serie(0).alunno == "Zoë Neri");
        const LetturaRegistro file(m_ambiente->percorsoRegistro());
        QCOMPARE(file.righe(QStringLiteral("SELECT serie_id, nome, (SELECT count(*) FROM coda_invio WHERE tabella = 'nomi'"
                                           " AND chiave = nomi.id) FROM nomi WHERE nome LIKE 'Z%' ORDER BY serie_id")),
                 QStringList({"s4|Zoë Neri|1", "s6|Zoë Neri|1"}));
        QCOMPARE(file.righe(QStringLiteral("SELECT count(*) FROM nomi")), QStringList{"6"});
    }

    // "Elimina" asks how many of the pupil's series go, and only a yes deletes them: gone from the
    // file with their operations, answers, names and place in the queue, their names nowhere in
    // the file's bytes. "Elimina fino al" proposes the end of the school year.
    void elimina()
    {
        m_dialoghi.conferma = false;
        m_dialoghi.giorno = {2026, 12, 4};
        FrmValutazione *v = apri();
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestra"));
        ParteRegistro *r = v->fraRegistro;
        seleziona(v, {"s2"});
        premi(r->optAzioni[ParteRegistro::elimina]);
        QCOMPARE(m_dialoghi.domande.last(),
                 QStringLiteral("Eliminare le 3 serie di Nicolò Rossi? Saranno cancellate per sempre dal registro."));
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5,s4,s3,s2,s1"));
        m_dialoghi.conferma = true;
        premi(r->optAzioni[ParteRegistro::elimina]);
        QTRY_COMPARE(mostrate(r), QStringLiteral("s6,s4,s3"));
        {
            const LetturaRegistro file(m_ambiente->percorsoRegistro());
            QCOMPARE(file.righe(QStringLiteral("SELECT (SELECT group_concat(id) FROM serie), (SELECT count(*) FROM operazioni),"
                                               " (SELECT count(*) FROM risposte), (SELECT count(*) FROM nomi),"
                                               " (SELECT group_concat(chiave) FROM coda_invio)")),
                     QStringList{"s3,s4,s6|39|48|1|s3,s4,s6"});
        }
        const QByteArray byte = contenuto(m_ambiente->percorsoRegistro()) + contenuto(m_ambiente->percorsoRegistro() + "-wal");
        QVERIFY(!byte.contains("Nicol") && !byte.contains("nicol") && byte.contains("Anna Bianchi"));

        premi(r->optAzioni[ParteRegistro::eliminaFinoAl]);
        QCOMPARE(m_dialoghi.domande.mid(m_dialoghi.domande.size() - 2),
                 QStringList({"Eliminare tutte le serie fino al giorno:31/08/2026",
                              "Eliminare tutte le 2 serie fino al 04/12/2026 compreso? Saranno cancellate per sempre "
                              "dal registro."}));
        QTRY_COMPARE(mostrate(r), QStringLiteral("s6"));
        premi(r->optAzioni[ParteRegistro::eliminaFinoAl]);
        QCOMPARE(m_ambiente->messaggi().last(), QStringLiteral("Nel registro non ci sono serie fino al 04/12/2026."));
    }

    // "Esporta" in the register proposes the documents folder; the file read back as a spreadsheet
    // would is the table as filtered, then with one line per operation; a failed save says why.
    void esporta()
    {
        const QString percorso = m_ambiente->cartella() + QStringLiteral("/registro è.csv");
        QString scelto = percorso;
        m_dialoghi.file = [&](const QString &) { return scelto; };
        FrmValutazione *v = apri();
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestra"));
        ParteRegistro *r = v->fraRegistro;
        QTest::keyClicks(r->fraFiltri->txtAlunno, QStringLiteral("nicolo"));
        premi(v->optScelta[FrmValutazione::esporta]);
        QVERIFY(m_dialoghi.domande.last().endsWith(QStringLiteral("/registro-2026-12-05.csv")));
        QCOMPARE(m_ambiente->messaggi().last(), QStringLiteral("L'elenco è stato salvato in \"%1\".").arg(percorso));
        QList<QStringList> letto = leggiCsv(contenuto(percorso));
        QCOMPARE(letto.value(0).join(QLatin1Char('|')),
                 QStringLiteral("Data|Ora|Alunno|Computer|Operazione|Obiettivo|Livello|Esatte|Operazioni|Giudizio|Tempo totale"));
        QStringList righe;
        for (const QStringList &campi : letto.mid(1))
            righe << campi.join(QLatin1Char('|'));
        QCOMPARE(righe, celle(r->tblRegistro->model()));
        QVERIFY(contenuto(percorso).contains("\r\n") && contenuto(percorso).contains("Nicol\xC3\xB2"));

        r->chkOperazioni->setChecked(true);
        premi(v->optScelta[FrmValutazione::esporta]);
        QTRY_COMPARE(m_ambiente->messaggi().size(), 2);
        letto = leggiCsv(contenuto(percorso));
        QCOMPARE(letto.size(), 1 + 20 + 10 + 20);
        QCOMPARE(letto[0].mid(11), QStringList({"N. operazione", "Riga dell'operazione", "Risposte date", "Secondi dell'operazione"}));
        QCOMPARE(letto[1].mid(0, 3) + letto[1].mid(11), QStringList({"05/12/2026", "10:30", "nicolò rossi", "1", "   1 +    1 = ...    R.2",
                                                                      "2 esatta", "1"}));

        scelto = m_ambiente->cartella() + QStringLiteral("/manca/registro.csv");
        premi(v->optScelta[FrmValutazione::esporta]);
        QTRY_COMPARE(m_ambiente->messaggi().size(), 3);
        QCOMPARE(m_ambiente->messaggi().last(),
                 QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\": la cartella %2 non esiste. Scegli un'altra "
                                "cartella.").arg(scelto, QFileInfo(scelto).path()));
        QCOMPARE(mostrate(r), QStringLiteral("s5,s2,s1"));
    }

    // The chart of the pupil and the operation chosen: a point a day with its levels, as the
    // rules reckon them; "Stampa" prints it.
    void andamento()
    {
        FrmValutazione *v = apriCompleto();
        ParteAndamento *a = v->fraAndamento;
        v->tabParti->setCurrentIndex(FrmValutazione::andamento);
        QCOMPARE(a->cmbAlunno->count(), 2);
        a->cmbAlunno->setCurrentIndex(a->cmbAlunno->findText(QStringLiteral("nicolò rossi")));
        a->cmbOperazione->setCurrentIndex(0);
        const auto punti = ::andamento(v->fraRegistro->modello().serie(), QStringLiteral("nicolo rossi"), 1);
        QCOMPARE(a->punti().size(), std::size_t(2));
        QVERIFY2(a->grfAndamento, "the chart's module was not loaded");
        const DatiGrafico grafico = a->grfAndamento->mostrati();
        QCOMPARE(grafico.esatte.punti, QList<QPointF>({{0, punti[0].quotaEsatte()}, {1, 90}}));
        QCOMPARE(grafico.secondi.punti, QList<QPointF>({{0, 175.0 / 30}, {1, 5}}));
        QCOMPARE(grafico.secondi.massimo, 10.0);
        QCOMPARE(grafico.giorni, QStringList({"03/12/2026\nliv. 1, 2", "05/12/2026\nliv. 2"}));
        QCOMPARE(a->tblGiorni->rowCount(), 2);
        premi(a->cmdStampa);
        QCOMPARE(m_ambiente->stampanti().size(), std::size_t(1));
        QVERIFY(m_ambiente->stampanti()[0]->testi().contains(QStringLiteral("Andamento di nicolò rossi - Addizione")));
        a->cmbAlunno->setCurrentIndex(a->cmbAlunno->findText(QStringLiteral("Anna Bianchi")));
        QVERIFY(a->punti().empty() && !a->cmdStampa->isEnabled() && a->lblNessuno->isVisibleTo(v));
    }

    // While the record's thread is held the window opens and can be used, the register saying
    // "Caricamento…"; the answer fills it afterwards.
    void registroOccupato()
    {
        QSemaphore fermo, via;
        QObject contesto;
        registroClasse().interroga<bool>(
            [&](Archivio *) {
                fermo.release();
                return via.tryAcquire(1, 30000);
            },
            &contesto, [](bool) {});
        QVERIFY(fermo.tryAcquire(1, 10000));
        auto *v = qobject_cast<FrmValutazione *>(Finestre::istanza().mostra(nomi::FrmValutazione));
        ParteRegistro *r = v->fraRegistro;
        QCOMPARE(r->lblConteggio->text(), caricamento);
        for (const int parte : {FrmValutazione::registro, FrmValutazione::andamento, FrmValutazione::sessione})
            v->tabParti->setCurrentIndex(parte);
        QTest::keyClicks(r->fraFiltri->txtAlunno, QStringLiteral("nic"));
        QCOMPARE(r->lblConteggio->text(), QStringLiteral("Nessuna serie oggi."));
        via.release();
        QTRY_COMPARE(mostrate(r), QStringLiteral("s5"));
    }

    // A record file the program cannot use: the record's own line at the top, in the window's red,
    // and a register that says it cannot be read.
    void registroGuasto()
    {
        m_ambiente.reset();
        m_ambiente = std::make_unique<AmbienteProva>();
        const QString file = m_ambiente->percorsoRegistro();
        QDir().mkpath(QFileInfo(file).path());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("futuro"));
            db.setDatabaseName(file);
            db.open();
            QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(schema::versioneCorrente + 1));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("futuro"));
        m_ambiente->avviaRegistro();
        FrmValutazione *v = apri();
        QTRY_VERIFY(v->lblStato->text().contains(QStringLiteral("versione più recente")));
        QCOMPARE(v->lblStato->text(), registroClasse().stato().riga);
        QCOMPARE(v->fraRegistro->lblConteggio->text(), QStringLiteral("Il registro non si può leggere."));
    }

    // A record file another program holds: the record's line at the top says so while it lasts,
    // and the register fills by itself once the file is free.
    void registroBloccato()
    {
        QVERIFY(registroClasse().chiudi(std::chrono::seconds(10)));
        QSqlDatabase detentore = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("detentore"));
        detentore.setDatabaseName(m_ambiente->percorsoRegistro());
        // In write-ahead mode only a connection in exclusive locking mode keeps the readers out.
        QVERIFY(detentore.open() && QSqlQuery(detentore).exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"))
                && QSqlQuery(detentore).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        m_ambiente->avviaRegistro();
        FrmValutazione *v = apri();
        QTRY_COMPARE(registroClasse().stato().guasto, Guasto::bloccato);
        QTRY_COMPARE(v->lblStato->text(), registroClasse().stato().riga);
        QVERIFY(QSqlQuery(detentore).exec(QStringLiteral("COMMIT")));
        detentore.close();
        detentore = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("detentore"));
        QTRY_COMPARE(mostrate(v->fraRegistro), QStringLiteral("s6,s5"));
        QVERIFY(v->lblStato->text().startsWith(QStringLiteral("Registro in ordine")));
    }
};

QTEST_MAIN(TstFrmValutazione)
#include "tst_frmvalutazione.moc"
