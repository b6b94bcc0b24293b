// The teacher's view in the grading window, on a record seeded with the known
// register: what shows without the teacher's password and what the password
// opens, the filters and the sorting, a series' operations, names and
// deletions read back from the file, the export read back, the chart, and a
// window that stays usable while the record does not answer.
#include "finestravalutazione.h"
#include "registroprova.h"
#include "record/letturaregistro.h"
#include "support/stampanteregistrata.h"
#include "support/tabella.h"

#include "docente/barrafiltri.h"
#include "docente/dialoghi.h"
#include "docente/graficoandamento.h"
#include "docente/parteandamento.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QTableWidget>
#include <QTimer>

using namespace prova;
using namespace valutazioneprova;

namespace {

QByteArray contenuto(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a CSV file as a spreadsheet reads them, its cells joined by "|": a byte order
// mark, then UTF-8 lines ended by CR LF, cells split at semicolons (none is quoted here).
QStringList leggiCsv(const QByteArray &byte)
{
    if (!byte.startsWith("\xEF\xBB\xBF") || !byte.endsWith("\r\n"))
        return {};
    return QString::fromUtf8(byte.mid(3)).replace(QLatin1Char(';'), QLatin1Char('|')).split(QStringLiteral("\r\n"),
                                                                                          Qt::SkipEmptyParts);
}

// Filters set and a column sorted one way (the register's own order: newest first), and the
// series shown in that order.
struct Vista
{
    const char *nome, *alunno;
    QDate dal, al;
    const char *computer;
    int operazione;
    const char *serie;
    Colonna colonna = Colonna::data;
    Qt::SortOrder verso = Qt::DescendingOrder;
};
const Vista viste[] = {
    {"nicolo rossi finds Nicolò Rossi in both spellings", "nicolo rossi", {}, {}, "", 0, "s5,s2,s1"},
    {"capitals and accents", "  NICOLÒ ", {}, {}, "", 0, "s5,s2,s1"},
    {"part of a surname", "bian", {}, {}, "", 0, "s3"},
    {"unnamed series match no text", "senza", {}, {}, "", 0, ""},
    {"from a day", "", {2026, 12, 4}, {}, "", 0, "s6,s5,s4,s3"},
    {"to a day", "", {}, {2026, 12, 3}, "", 0, "s2,s1"},
    {"one day", "", {2026, 12, 4}, {2026, 12, 4}, "", 0, "s4,s3"},
    {"a computer", "", {}, {}, "aula-2", 0, "s4,s2"},
    {"an operation", "", {}, {}, "", 2, "s6,s3"},
    {"all at once", "rossi", {2026, 12, 3}, {2026, 12, 5}, "aula-1", 1, "s5,s1"},
    {"sorted by date, oldest first", "", {}, {}, "", 0, "s1,s2,s3,s4,s5,s6", Colonna::data, Qt::AscendingOrder},
    {"sorted by time of day", "", {}, {}, "", 0, "s3,s1,s4,s5,s2,s6", Colonna::ora, Qt::AscendingOrder},
    {"sorted by pupil: unnamed first, spellings together", "", {}, {}, "", 0, "s4,s6,s3,s1,s2,s5", Colonna::alunno,
     Qt::AscendingOrder},
    {"sorted by computer", "", {}, {}, "", 0, "s1,s3,s5,s2,s4,s6", Colonna::computer, Qt::AscendingOrder},
    {"sorted by operation", "", {}, {}, "", 0, "s1,s2,s5,s3,s6,s4", Colonna::operazione, Qt::AscendingOrder},
    {"sorted by objective", "", {}, {}, "", 0, "s1,s2,s5,s6,s3,s4", Colonna::obiettivo, Qt::AscendingOrder},
    {"sorted by level", "", {}, {}, "", 0, "s1,s3,s2,s5,s4,s6", Colonna::livello, Qt::AscendingOrder},
    {"sorted by right answers", "", {}, {}, "", 0, "s4,s6,s2,s1,s5,s3", Colonna::esatte, Qt::AscendingOrder},
    {"sorted by operations", "", {}, {}, "", 0, "s4,s2,s6,s1,s3,s5", Colonna::operazioni, Qt::AscendingOrder},
    {"sorted by grade, best first; none last", "", {}, {}, "", 0, "s5,s3,s2,s1,s6,s4", Colonna::giudizio},
    {"sorted by total time, filtered", "i", {}, {}, "", 0, "s2,s5,s1,s3", Colonna::tempoTotale, Qt::AscendingOrder},
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
    // for twice. Every control can be reached by name. Then the password (below).
    void password()
    {
        FrmValutazione *v = apri();
        ParteRegistro *r = v->fraRegistro;
        QStringList intestazioni;
        for (int c = 0; c < r->tblRegistro->model()->columnCount(); ++c)
            intestazioni << r->tblRegistro->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(intestazioni, QStringList({"Data", "Ora", "Alunno", "Computer", "Operazione", "Obiettivo", "Livello",
                                            "Esatte", "Operazioni", "Giudizio", "Tempo totale"}));
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5"));
        QCOMPARE(r->lblConteggio->text(), QStringLiteral("2 serie su 2"));
        QCOMPARE(v->lblStato->text(), registroClasse().stato().riga);
        QVERIFY(r->fraPassword->isVisibleTo(v) && r->fraPassword->txtRipeti->isVisibleTo(v));
        seleziona(v, {"s6"});
        for (QWidget *w : std::initializer_list<QWidget *>{r->fraFiltri->chkDal, r->fraFiltri->chkAl, r->optAzioni[0],
                                                            r->optAzioni[1], r->optAzioni[2]})
            QVERIFY(!w->isEnabled());
        for (QWidget *w : v->findChildren<QWidget *>()) {
            // A control's own parts (the tab bar, a date's text) go by the control's name.
            const QWidget *padre = w->parentWidget();
            if (w->isVisibleTo(v) && w->focusPolicy() != Qt::NoFocus && !qobject_cast<const QTabWidget *>(padre)
                && !qobject_cast<const QAbstractSpinBox *>(padre))
                QVERIFY2(!QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed().isEmpty(),
                         w->metaObject()->className());
        }

        // A first password too short or typed differently is refused; one taken is kept only as
        // its hash and opens every day, each series a row in local time: no name "(senza nome)",
        // under 10 operations no grade. Later nothing typed asks for it, the wrong one is refused
        // and the right one opens.
        entra(v, QStringLiteral("abc"), QStringLiteral("abc"));
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("La password deve avere almeno 4 caratteri."));
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestre"));
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("Le due password non sono uguali: scrivile di nuovo."));
        QVERIFY(!r->completo());
        entra(v, QStringLiteral("maestra"), QStringLiteral("maestra"));
        QVERIFY(r->completo() && !r->fraPassword->isVisibleTo(v));
        QCOMPARE(celle(r->tblRegistro->model()),
                 QStringList({"05/12/2026|12:00|(senza nome)|aula-3|Sottrazione|2. CALCOLO DEL TERMINE|4|6|12|SUFFICIENTE (!)|3 min 20 s",
                              "05/12/2026|10:30|nicolò rossi|aula-1|Addizione|1. CALCOLO DEL RISULTATO|2|18|20|OTTIMO|1 min 40 s",
                              "04/12/2026|10:00|(senza nome)|aula-2|Moltiplicazione|5. CALCOLO DEL NUMERO|3|5|7||42 s",
                              "04/12/2026|09:05|Anna Bianchi|aula-1|Sottrazione|4. CALCOLO DEL NUMERO|1|19|20|OTTIMO|1 h 02 min 05 s",
                              "03/12/2026|11:00|Nicolò Rossi|aula-2|Addizione|1. CALCOLO DEL RISULTATO|2|9|10|OTTIMO|45 s",
                              "03/12/2026|09:30|Nicolò Rossi|aula-1|Addizione|1. CALCOLO DEL RISULTATO|1|14|20|BUONO|2 min 10 s"}));
        const QString percorso = m_ambiente->percorsoRegistro();
        QCOMPARE(LetturaRegistro(percorso).righe(QStringLiteral("SELECT hash LIKE '$argon2id$%' FROM password_insegnante")),
                 QStringList{"1"});
        QVERIFY(!(contenuto(percorso) + contenuto(percorso + "-wal")).contains("maestra"));

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

    void vista_data() { righeDa(viste); }
    void vista()
    {
        const Vista &f = rigaDi(viste);
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
        r->tblRegistro->sortByColumn(static_cast<int>(f.colonna), f.verso);
        QCOMPARE(mostrate(r), QString::fromLatin1(f.serie));
        QCOMPARE(r->lblConteggio->text(), QStringLiteral("%1 serie su 6").arg(r->vista().rowCount()));
    }

    // A series selected: its operations as the report lists them, with the answers and the
    // seconds; the chart turns to its pupil and operation.
    void operazioni()
    {
        FrmValutazione *v = apriCompleto();
        seleziona(v, {"s1"});
        QTableWidget *t = v->fraRegistro->tblOperazioni;
        QTRY_COMPARE(t->rowCount(), 20);
        const QStringList righe = celle(t->model());
        QCOMPARE(QStringList({righe[0], righe[14]}),
                 QStringList({"1|   1 +    1 = ...    R.2|2 esatta|1",
                              "15|  15 +    1 = ...    R.17*  16|17 errata, aiuto rifiutato / 16 esatta|15"}));
        QCOMPARE(v->fraAndamento->cmbAlunno->currentText(), QStringLiteral("nicolò rossi"));
    }

    // Names and deletions in the file, each name waiting for a lab's server and each deleted series
    // gone from the queue, its pupil's name nowhere in the file's bytes. "Elimina fino al"
    // proposes the end of the school year and deletes everything begun on the day or before.
    void nomiEliminazioni()
    {
        m_dialoghi.giorno = {2026, 12, 4};
        FrmValutazione *v = apriCompleto();
        ParteRegistro *r = v->fraRegistro;
        const QString percorso = m_ambiente->percorsoRegistro();
        nominaEdElimina(v, m_dialoghi, [&](const QString &sql) { return LetturaRegistro(percorso).righe(sql); });
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(LetturaRegistro(percorso).righe(QStringLiteral(
                     "SELECT (SELECT group_concat(chiave) FROM coda_invio WHERE tabella = 'serie'), (SELECT count(*) FROM"
                     " coda_invio JOIN nomi ON chiave = nomi.id WHERE tabella = 'nomi' AND nome = 'Zoë Neri')")),
                 QStringList{"s3,s4,s6|2"});
        const QByteArray byte = contenuto(percorso) + contenuto(percorso + "-wal");
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
        const QString intestazioni =
            QStringLiteral("Data|Ora|Alunno|Computer|Operazione|Obiettivo|Livello|Esatte|Operazioni|Giudizio|Tempo totale");
        QCOMPARE(leggiCsv(contenuto(percorso)), QStringList(intestazioni) + celle(r->tblRegistro->model()));
        QVERIFY(contenuto(percorso).contains("Nicol\xC3\xB2"));

        r->chkOperazioni->setChecked(true);
        premi(v->optScelta[FrmValutazione::esporta]);
        QTRY_COMPARE(m_ambiente->messaggi().size(), 2);
        const QStringList letto = leggiCsv(contenuto(percorso));
        QCOMPARE(letto.size(), 1 + 20 + 10 + 20);
        QCOMPARE(letto.mid(0, 2), QStringList({intestazioni + "|N. operazione|Riga dell'operazione|Risposte date|Secondi dell'operazione",
                                              celle(r->tblRegistro->model())[0] + "|1|   1 +    1 = ...    R.2|2 esatta|1"}));

        scelto = m_ambiente->cartella() + QStringLiteral("/manca/registro.csv");
        premi(v->optScelta[FrmValutazione::esporta]);
        QTRY_COMPARE(m_ambiente->messaggi().size(), 3);
        QCOMPARE(m_ambiente->messaggi().last(),
                 QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\": la cartella %2 non esiste. Scegli un'altra "
                                "cartella.").arg(scelto, QFileInfo(scelto).path()));
        QCOMPARE(mostrate(r), QStringLiteral("s5,s2,s1"));
    }

    // The chart of the pupil and the operation chosen: a point a day with its levels (23 right of
    // 30 and 175 seconds the first day, 18 of 20 and 100 the second); "Stampa" prints it: title,
    // date, the pupil's table and the chart.
    void andamento()
    {
        FrmValutazione *v = apriCompleto();
        ParteAndamento *a = v->fraAndamento;
        v->tabParti->setCurrentIndex(FrmValutazione::andamento);
        QCOMPARE(a->cmbAlunno->count(), 2);
        a->cmbAlunno->setCurrentIndex(a->cmbAlunno->findText(QStringLiteral("nicolò rossi")));
        a->cmbOperazione->setCurrentIndex(0);
        QVERIFY2(a->grfAndamento, "the chart's module was not loaded");
        const DatiGrafico grafico = a->grfAndamento->mostrati();
        QCOMPARE(grafico.esatte.punti, QList<QPointF>({{0, 2300.0 / 30}, {1, 90}}));
        QCOMPARE(grafico.secondi.punti, QList<QPointF>({{0, 175.0 / 30}, {1, 5}}));
        QCOMPARE(grafico.secondi.massimo, 10.0);
        QCOMPARE(grafico.giorni, QStringList({"03/12/2026\nliv. 1, 2", "05/12/2026\nliv. 2"}));
        QCOMPARE(a->tblGiorni->rowCount(), 2);
        premi(a->cmdStampa);
        QCOMPARE(m_ambiente->stampanti().size(), std::size_t(1));
        const StampanteRegistrata &pagina = *m_ambiente->stampanti()[0];
        for (const char *atteso : {"Andamento di nicolò rossi - Addizione", "Data di stampa 05/12/2026", "Secondi per operazione",
                                   "03/12/2026", "liv. 1, 2", "77%", "5,8", "05/12/2026", "90%", "100%"})
            QVERIFY2(pagina.testi().contains(QString::fromUtf8(atteso)), atteso);
        QStringList linee; // each line of the chart through its days' points, seconds on a scale of 10
        for (const auto &c : pagina.chiamate())
            if (c.tipo == StampanteRegistrata::Tipo::Linea && c.spessore == 40)
                linee << QStringLiteral("%1 %2,%3 %4,%5").arg(quint32(c.numero), 0, 16).arg(c.x).arg(c.y).arg(c.fine.x()).arg(c.fine.y());
        QCOMPARE(linee, QStringList({"c00000 3975,3427 7925,2840", "ff 3975,4233 7925,4600"}));
        QVERIFY(pagina.documentoFinito());
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

    // A record file another program holds: the record's own line at the top says so while it
    // lasts, the register that it cannot be read; the register fills by itself once the file is free.
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
        QCOMPARE(v->fraRegistro->lblConteggio->text(), QStringLiteral("Il registro non si può leggere."));
        QVERIFY(QSqlQuery(detentore).exec(QStringLiteral("COMMIT")));
        detentore.close();
        detentore = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("detentore"));
        QTRY_COMPARE(mostrate(v->fraRegistro), QStringLiteral("s6,s5"));
        QVERIFY(v->lblStato->text().startsWith(QStringLiteral("Registro in ordine")));
    }

    // The real name dialog: "Assegna" stays off while the box is blank, so that a blank name
    // is never confirmed in silence.
    void nomeNonVuoto()
    {
        QList<bool> abilitato;
        QTimer::singleShot(0, [&abilitato] {
            auto *dialogo = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QPushButton *assegna = dialogo->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
            for (const QString &testo : {QString(), QStringLiteral("   "), QStringLiteral("Anna")}) {
                dialogo->setTextValue(testo);
                abilitato << assegna->isEnabled();
            }
            assegna->click();
        });
        QCOMPARE(dialoghiQt(nullptr).nome(QStringLiteral("Il nome:")), QStringLiteral("Anna"));
        QCOMPARE(abilitato, QList<bool>({false, false, true}));
    }
};

QTEST_MAIN(TstFrmValutazione)
#include "tst_frmvalutazione.moc"
