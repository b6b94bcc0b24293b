// The start window and the windows of its menu, on the real windows. The start
// window: the order in which its choices become usable, the summary lines, the
// objective groups and the settings file, the curtains and the way out. The
// grading window: the scale the certificate applies, the series done in the
// exercise window, the CSV export and its failures. The examples window: one
// example per place of the unknown, and the exercise window's series left as it was.
#include "exercise/provafrmoperativo.h"

#include "exercise/generatore.h"
#include "frame/aspetto.h"
#include "frame/etichetta.h"
#include "frame/unita.h"
#include "printing/valutazione.h"
#include "start/frmesemplicazione.h"
#include "start/frminizio.h"
#include "start/frmvalutazione.h"
#include "start/registroserie.h"
#include "worksheets/frmstampaschede.h"
#include "support/tabella.h"

#include <QFile>
#include <QGroupBox>
#include <QScopeGuard>
#include <QTableWidget>

using namespace prova;

namespace {
bool rosso(const QWidget *w)
{
    return w->palette().color(QPalette::Window) == QColor::fromRgb(unita::coloreDaBgr(aspetto::rosso));
}

QByteArray fileLivelli()
{
    QFile f(modulo2().NomeProgramma + QStringLiteral(".dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An objective and a level pressed; the summary lines, then TipoDa-TipoA NumeroMin-NumeroMax.
struct Riepilogo { const char *nome; std::size_t obiettivo, livello; const char *rigaObiettivo, *rigaLivello, *valori; };
constexpr Riepilogo riepiloghi[] = {
    {"objective 1, level 1", 0, 0, "Obiettivo n.1:     CALCOLO DEL RISULTATO",
     "Livello n.1:         NUMERO MASSIMO da  1 a 30", "1-1 1-30"},
    {"objective 3, level 3", 2, 2, "Obiettivo n.3:     CALCOLO CASUALE DEL RISULTATO O DEL TERMINE",
     "Livello n.3:         NUMERO MASSIMO da  60 a 99", "1-3 60-99"},
    {"objective 4, level 4", 3, 3, "Obiettivo n.4:     CALCOLO DEL NUMERO",
     "Livello n.4:         NUMERO MASSIMO da  1 a 99", "1-6 1-99"},
    {"objective 5, level 2", 4, 1, "Obiettivo n.5:     CALCOLO DEL SEGNO",
     "Livello n.2:         NUMERO MASSIMO da  30 a 60", "7-12 30-60"},
};

// The settings file before loading (none: no file); the operation read; lblNomeOperazione after
// the program's name, or "OPE" for the caption the window is built with; the frame's title; the
// file written back. Then "Avanti": the exercise window opens, or a message names why not (empty:
// none); the worksheet window's caption.
struct FileLetto { const char *nome, *file; int operazione; const char *suffisso, *cornice, *riscritto, *avviso, *titoloSchede; };
constexpr FileLetto fileLetti[] = {
    {"first start, no file", "", 1, ".1", "OBIETTIVI 1", " 1  1 \r\n", "", "VEVIDUVIV"},
    {"2 2: subtraction, group 2", "2 2", 2, ".2", "OBIETTIVI 2", " 2  2 \r\n", "", "SOTTRAZIONI"},
    {"group 7 leaves the captions as built; 3 trains multiplication", " 3  7 \r\n", 3, "OPE", "OBIETTIVI", " 3  7 \r\n", "",
     "VEVIDUVIV - SOTTRAZIONI"},
    {"4 is for the worksheets only", " 4  1 \r\n", 4, ".1", "OBIETTIVI 1", " 4  1 \r\n",
     "L'operazione 4 scritta in %1 serve solo per le schede", "MOLTIPLICAZIONI"},
    {"7 is for the worksheets only", "7,2", 7, ".2", "OBIETTIVI 2", " 7  2 \r\n",
     "L'operazione 7 scritta in %1 serve solo per le schede", "VEVIDUVIV - SOTTRAZIONI - MOLTIPLICAZIONI - DIVISIONI"},
    {"0 is no operation", " 0  1 \r\n", 0, ".1", "OBIETTIVI 1", " 0  1 \r\n", "L'operazione 0 scritta in %1 non esiste.",
     "STAMPA SCHEDE"},
};

// The export's proposed file: with a Documents folder in the home folder or without.
struct Proposta { const char *nome; bool documenti; const char *file; };
constexpr Proposta proposte[] = {
    {"Documents", true, "Documents/serie.csv"},
    {"no Documents: the home folder", false, "serie.csv"},
};

// The examples window with an operation the exercise window does not train: the header's
// operation and the notice that takes the rows' place.
struct SenzaEsempi { const char *nome; int operazione; const char *perche; };
constexpr SenzaEsempi senzaEsempi[] = {
    {"4, a worksheet operation", 4, "L'operazione 4 scritta in TARVELO.dat serve solo per le schede"},
    {"0, no operation", 0, "L'operazione 0 scritta in TARVELO.dat non esiste."},
};

// A size of the examples window and the size of its header text there.
struct Schermo { const char *nome; QSize dimensione; bool intero; };
constexpr Schermo schermi[] = {
    {"800x600: smaller text", {800, 600}, false},
    {"1024x600: smaller text", {1024, 600}, false},
    {"1920x1080: the full 18 points", {1920, 1080}, true},
};

// How the start window is left: by "Esci" or by closing it.
struct Uscita { const char *nome; bool conEsci; };
constexpr Uscita uscite[] = {{"Esci", true}, {"window closed", false}};

FrmValutazione *apriValutazione()
{
    return qobject_cast<FrmValutazione *>(Finestre::istanza().mostra(nomi::FrmValutazione));
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
} // namespace

class TstFrmInizio final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;
    static frmInizio *carica() { return static_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio)); }

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

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        registroSerie().svuota();
    }
    void cleanup() { m_ambiente.reset(); }

    // A level only after an objective, "Avanti" only after a level; keys never act. The curtains
    // open only once they have been seen closed (loaded and not shown, they stay where they are);
    // "Stampa schede" is usable once they are open.
    void avantiASuoTempo()
    {
        auto *f = static_cast<frmInizio *>(Finestre::istanza().carica(nomi::frmInizio));
        const int chiusa = f->Picture1->width();
        QTest::qWait(100);
        QVERIFY(f->Picture1->width() == chiusa && !f->tendineAperte());
        carica();
        QVERIFY(!f->mnuSchede->isEnabled() && !f->tendineAperte());
        QVERIFY(f->Frame1->isEnabled() && !f->Frame2->isEnabled() && !f->Frame3->isEnabled());
        premi(f->Option2[0]);
        premi(f->Option3[0]);
        QCOMPARE(modulo2().Livello, Modulo2::int16(0));
        premi(f->Option1[0]);
        QVERIFY(f->Frame2->isEnabled() && !f->Frame3->isEnabled());
        premi(f->Option3[0]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));
        premi(f->Option2[1]);
        premi(f->Option1[2]); // another objective keeps the level chosen
        QVERIFY(f->Frame3->isEnabled());
        QTest::keyClick(f->Option3[0], Qt::Key_Return);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));
        premi(f->Option3[0]);
        QVERIFY(Finestre::istanza().caricata(nomi::FrmOperativo) && Finestre::istanza().caricata(nomi::frmInizio));
        QTRY_VERIFY_WITH_TIMEOUT(f->tendineAperte(), 10000);
        QVERIFY(f->mnuSchede->isEnabled() && f->Picture1->width() < chiusa);
    }

    void riepilogo_data() { righeDa(riepiloghi); }

    // The summary lines and values of the choices; the red mark on the level, the objective's gone.
    void riepilogo()
    {
        const auto [nome, obiettivo, livello, rigaObiettivo, rigaLivello, valori] = rigaDi(riepiloghi);
        frmInizio *f = carica();
        if (obiettivo >= 3)
            premi(f->lblCambiaOb);
        premi(f->Option1[obiettivo]);
        QVERIFY(rosso(f->Label9[obiettivo]));
        premi(f->Option2[livello]);
        QVERIFY(!f->Option1[obiettivo]->isChecked() && !f->Option2[livello]->isChecked());
        QCOMPARE(QStringList({f->Label1->text(), f->Label3->text()}), QStringList({rigaObiettivo, rigaLivello}));
        const Modulo2 &m = modulo2();
        QCOMPARE(QStringLiteral("%1-%2 %3-%4").arg(m.TipoDa).arg(m.TipoA).arg(m.NumeroMin).arg(m.NumeroMax), QLatin1String(valori));
        QCOMPARE(std::size_t(m.Livello), livello + 1);
        QVERIFY(rosso(f->Label10[livello]) && !rosso(f->Label10[(livello + 1) % 4]) && !rosso(f->Label9[obiettivo]));
    }

    void fileLetto_data() { righeDa(fileLetti); }

    // The settings file read at loading and written back; "Cambia gli obiettivi" alternates the
    // groups (an unknown one becomes 1), empties the choices and writes the file. "Avanti" with
    // an operation the exercise window cannot train opens nothing and says why; the file keeps
    // its bytes and the worksheet window works with that operation.
    void fileLetto()
    {
        const FileLetto &r = rigaDi(fileLetti);
        const QByteArray file(r.file);
        const QString nome = QLatin1String(r.suffisso);
        // The program's name is known before the window loads: it is this test's own file name.
        QFile dat(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".dat"));
        QVERIFY(file.isEmpty() || (dat.open(QIODevice::WriteOnly) && dat.write(file) == file.size()));
        dat.close();
        frmInizio *f = carica();
        QCOMPARE(int(modulo2().Operazione), r.operazione);
        QCOMPARE(f->lblNomeOperazione->text(), nome == "OPE" ? nome : modulo2().NomeProgramma + nome);
        QCOMPARE(f->Frame1->title(), QLatin1String(r.cornice));
        QCOMPARE(fileLivelli(), QByteArray(r.riscritto));
        premi(f->Option1[f->gruppoObiettivi() == 2 ? 3 : 0]);
        premi(f->Option2[0]);
        premi(f->lblCambiaOb);
        const int gruppo = nome == ".1" ? 2 : 1;
        QCOMPARE(f->gruppoObiettivi(), Modulo2::int16(gruppo));
        QCOMPARE(QStringList({f->lblNomeOperazione->text(), f->Frame1->title(), f->Label1->text(), f->Label3->text()}),
                 QStringList({modulo2().NomeProgramma + QStringLiteral(".%1").arg(gruppo),
                              QStringLiteral("OBIETTIVI %1").arg(gruppo), "Obiettivo", "Livello"}));
        QVERIFY(!f->Frame2->isEnabled() && !f->Frame3->isEnabled());
        QCOMPARE(fileLivelli(), QStringLiteral(" %1  %2 \r\n").arg(r.operazione).arg(gruppo).toLatin1());

        premi(f->Option1[gruppo == 2 ? 3 : 0]);
        premi(f->Option2[0]);
        premi(f->Option3[0]);
        const QString avviso = *r.avviso ? QString::fromUtf8(r.avviso).arg(dat.fileName()) : QString();
        QCOMPARE(Finestre::istanza().caricata(nomi::FrmOperativo), avviso.isEmpty());
        QCOMPARE(m_ambiente->messaggi().size(), avviso.isEmpty() ? 0 : 1);
        QVERIFY(avviso.isEmpty() || m_ambiente->messaggi().constFirst().startsWith(avviso));
        QCOMPARE(fileLivelli(), QStringLiteral(" %1  %2 \r\n").arg(r.operazione).arg(gruppo).toLatin1());
        QTRY_VERIFY_WITH_TIMEOUT(f->mnuSchede->isEnabled(), 10000);
        f->mnuSchede->trigger();
        auto *schede = qobject_cast<FrmStampaSchede *>(Finestre::istanza().trova(nomi::FrmStampaSchede));
        QVERIFY(schede);
        QCOMPARE(schede->windowTitle(), QLatin1String(r.titoloSchede));
        premi(schede->Option1[1]);
        premi(schede->Option3[0]);
        QTest::mouseClick(schede->CmdSchedaAlunni, Qt::LeftButton);
        // Each operation writes its own signs; 0 writes no line.
        const QString riga = schede->LblOp[1]->text();
        QCOMPARE(riga.isEmpty(), r.operazione == 0);
        QVERIFY2(r.operazione != 4 || riga.contains(QLatin1String(" x ")), qPrintable(riga));
    }

    void esci_data() { righeDa(uscite); }

    // The menu opens the grading and examples windows; "Esci", or closing the
    // window, unloads every window, ends the program and writes the file.
    void esci()
    {
        const bool conEsci = rigaDi(uscite).conEsci;
        frmInizio *f = carica();
        f->mnuValutazione->trigger();
        f->mnuEsempi->trigger();
        QVERIFY(Finestre::istanza().caricata(nomi::FrmValutazione) && Finestre::istanza().caricata(nomi::FrmEsemplicazione));
        premi(f->lblCambiaOb);
        QFile::remove(modulo2().NomeProgramma + QStringLiteral(".dat"));
        if (conEsci)
            premi(f->Option3[1]);
        else
            f->close();
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        QCOMPARE(fileLivelli(), QByteArray(" 1  2 \r\n"));
    }

    void scala_data() { righeDa(scalaVoti); }

    // The row on screen, and the certificate agreeing with it: at 10 and at 100 operations the
    // least share it names earns its grade, one answer fewer does not. With no series: the notice
    // and no "Esporta"; "Chiudi" unloads the window.
    void scala()
    {
        const Grado &r = rigaDi(scalaVoti);
        const auto indice = static_cast<std::size_t>(&r - scalaVoti);
        const QStringList riga{r.voto, r.punteggio, r.quota};
        FrmValutazione *v = apriValutazione();
        QVERIFY(v->lblRegole->text().contains(QLatin1String("arrotondato per difetto")));
        const auto &lbl = v->lblScala.at(indice);
        QCOMPARE(QStringList({lbl[0]->text(), lbl[1]->text(), lbl[2]->text()}), riga);
        for (const int operazioni : {10, 100}) {
            const int esatte = r.percento * operazioni / 100;
            QCOMPARE(ValutazioneDaPunteggio(Punteggio(esatte, operazioni)), riga.at(0));
            QVERIFY(esatte == 0 || ValutazioneDaPunteggio(Punteggio(esatte - 1, operazioni)) != riga.at(0));
        }
        QVERIFY(v->tblSerie->rowCount() == 0 && v->lblNessunaSerie->isVisibleTo(v));
        QVERIFY(!v->optScelta[FrmValutazione::esporta]->isEnabled());
        premi(v->optScelta[FrmValutazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmValutazione));
    }

    void salvataggio_data() { righeDa(proposte); }

    // A window opened before a finished and a restarted series lists them once activated again.
    // The export starts in Documents, or in the home folder; cancelling saves nothing and says
    // nothing. A failed save names the place and why in a message and loses nothing: the list
    // stays and then saves elsewhere, which a message confirms, in UTF-8 after a byte order mark,
    // a field with a semicolon or a quote quoted, its quotes doubled.
    void salvataggio()
    {
        const Proposta &r = rigaDi(proposte);
        const QString casa = m_ambiente->cartella() + QStringLiteral("/casa");
        QVERIFY(QDir().mkpath(casa + (r.documenti ? "/Documents" : "")));
        const QByteArray primaCasa = qgetenv("HOME"), primaConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(casa));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(casa + "/.config"));
        const auto ripristina = qScopeGuard([&] {
            qputenv("HOME", primaCasa);
            qputenv("XDG_CONFIG_HOME", primaConfig);
        });
        const QString percorso = m_ambiente->cartella() + QStringLiteral("/manca/serie.csv");
        // The clock starts at 10:00:00 on 5 December 2026.
        const QString data = dataBreve(m_ambiente->orologio().oggi());
        const QStringList righe{data + "|10:01:40|UNITÀ; \"PIÙ\"|1|20|17|100|DISTINTO|",
                                data + "|in corso|UNITÀ; \"PIÙ\"|1|3|3|15|OTTIMO|Nessun attestato: meno di 10 operazioni"};
        FrmValutazione *v = apriValutazione();
        // In the exercise window: 20 operations, 17 right, then "Ricomincia" and 3 right.
        modulo2().DescrizioneObiettivo = QStringLiteral("UNITÀ; \"PIÙ\"");
        FrmOperativo *f = apri(1, 1);
        rispondi(f, 20, 17);
        m_ambiente->orologio().avanza(60);
        premi(f->fraAvviso->scelte[1]);
        rispondi(f, 3, 3);
        QEvent attivazione(QEvent::WindowActivate);
        QApplication::sendEvent(v, &attivazione);
        QCOMPARE(celle(v->tblSerie->model()), righe);
        QVERIFY(!v->lblNessunaSerie->isVisibleTo(v));
        QString proposto, scelto; // none chosen: cancelled
        v->dialoghi.file = [&](const QString &file) {
            proposto = file;
            return scelto;
        };
        premi(v->optScelta[FrmValutazione::esporta]);
        QCOMPARE(proposto, casa + '/' + QLatin1String(r.file));
        QCOMPARE(m_ambiente->messaggi(), QStringList());
        scelto = percorso;
        premi(v->optScelta[FrmValutazione::esporta]);
        QCOMPARE(m_ambiente->messaggi(), QStringList(QStringLiteral("Non è stato possibile salvare l'elenco in \"%1\": la "
                                                                   "cartella %2 non esiste. Scegli un'altra cartella.")
                                                                .arg(percorso, QFileInfo(percorso).path())));
        QCOMPARE(celle(v->tblSerie->model()), righe);

        QFile buono(m_ambiente->cartella() + QStringLiteral("/serie è.csv"));
        scelto = buono.fileName();
        premi(v->optScelta[FrmValutazione::esporta]);
        QCOMPARE(m_ambiente->messaggi().last(), QStringLiteral("L'elenco è stato salvato in \"%1\".").arg(buono.fileName()));
        QVERIFY(buono.open(QIODevice::ReadOnly));
        const QString testo = "Data;Ora di fine;Obiettivo;Livello;Operazioni;Risposte esatte;Secondi;Valutazione;Note\r\n"
                              + data + ";10:01:40;\"UNITÀ; \"\"PIÙ\"\"\";1;20;17;100;DISTINTO;\r\n"
                              + data + ";in corso;\"UNITÀ; \"\"PIÙ\"\"\";1;3;3;15;OTTIMO;"
                                       "Nessun attestato: meno di 10 operazioni\r\n";
        QCOMPARE(buono.readAll(), QByteArray("\xEF\xBB\xBF") + testo.toUtf8());
    }

    void senzaEsempi_data() { righeDa(::senzaEsempi); }

    // No row and no "Altri esempi", the operation's number and why in the window; once the
    // operation is one the window trains, the examples come back.
    void senzaEsempi()
    {
        const SenzaEsempi &r = rigaDi(::senzaEsempi);
        modulo2().Operazione = static_cast<Modulo2::int16>(r.operazione);
        modulo2().NomeProgramma = QStringLiteral("TARVELO");
        auto *e = qobject_cast<FrmEsemplicazione *>(Finestre::istanza().mostra(nomi::FrmEsemplicazione));
        QCOMPARE(e->Label1[0]->text(), QStringLiteral("   Operazione:    %1").arg(r.operazione));
        QVERIFY(e->lblAvviso->isVisibleTo(e) && !e->optScelta[FrmEsemplicazione::altriEsempi]->isEnabled());
        QVERIFY(!e->Label1[2]->isVisibleTo(e)); // no "Premi un esempio"
        QVERIFY(e->lblAvviso->text().startsWith(QLatin1String("Gli esempi sono per l'addizione, la sottrazione e la "
                                                              "moltiplicazione")));
        QVERIFY2(e->lblAvviso->text().contains(QString::fromUtf8(r.perche)), qPrintable(e->lblAvviso->text()));
        for (const RigaOperazione *riga : e->frmEsempio)
            QVERIFY(!riga->isVisibleTo(e));
        modulo2().Operazione = 2;
        QEvent attivazione(QEvent::WindowActivate);
        QApplication::sendEvent(e, &attivazione);
        QVERIFY(!e->lblAvviso->isVisibleTo(e) && e->frmEsempio[0]->isVisibleTo(e) && e->Label1[2]->isVisibleTo(e));
        QCOMPARE(e->Label1[0]->text(), QStringLiteral("   Operazione:    SOTTRAZIONE"));
    }

    void intestazioneEsempi_data() { righeDa(schermi); }
    // The three header lines of the examples window never run into one another or into the
    // first row: their text shrinks with them when the window is small.
    void intestazioneEsempi()
    {
        const Schermo &r = rigaDi(schermi);
        modulo2().Operazione = 1;
        auto *e = qobject_cast<FrmEsemplicazione *>(Finestre::istanza().mostra(nomi::FrmEsemplicazione));
        e->showNormal();
        e->resize(r.dimensione);
        QCOMPARE(e->area()->size(), r.dimensione);
        int sotto = 0;
        for (const QLabel *riga : e->Label1) {
            QVERIFY(riga->y() >= sotto && QFontMetrics(riga->font(), riga).height() <= riga->height());
            QCOMPARE(riga->font().pointSizeF() == 18, r.intero);
            sotto = riga->geometry().bottom() + 1;
        }
        QVERIFY(sotto <= e->frmEsempio[0]->y());
    }

    void esempi_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::addColumn<int>("livello");
        for (int op = 1; op <= 3; ++op) {
            QTest::addRow("operation %d, no level chosen: level 1", op) << op << 0;
            for (int l = 2; l <= 4; ++l)
                QTest::addRow("operation %d, level %d", op, l) << op << l;
        }
    }

    // Each draw, with a series half-way in the exercise window: the level drawn at in the header;
    // one example per place of the unknown (result, then the numbers from the left) with "?" in
    // it, its answer hidden until its row is pressed, true with the answer and in the generator's
    // range for the level; "Altri esempi" draws new ones. "Chiudi" leaves the series as it was.
    void esempi()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        const int livelloDisegno = std::max(livello, 1);
        const std::array<Posto, 4> ordine{Posto::risultato, Posto::primo, Posto::secondo, Posto::terzo};
        const auto limiti = rigaGeneratore(operazione, livelloDisegno);
        FrmOperativo *f = apri(operazione, livelloDisegno);
        digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("VA0V"));
        const auto stato = [] {
            const Modulo2 &s = modulo2();
            return QList<QVariant>{s.Termine1, s.Termine2, s.Termine3, s.Incognita, s.TipoDomanda, s.NumeroOperazioni,
                                   s.RisposteEsatte, s.Tentativi, s.TempoTotale.value_or(-1), s.TestoIncognita,
                                   s.ElencoOperazioni.valore(s.NumeroOperazioni)};
        };
        const QList<QVariant> prima = stato();
        modulo2().Livello = static_cast<Modulo2::int16>(livello);
        auto *e = qobject_cast<FrmEsemplicazione *>(Finestre::istanza().mostra(nomi::FrmEsemplicazione));
        QVERIFY(e->Label1[1]->text().startsWith(QStringLiteral("Livello n.%1: ").arg(livelloDisegno)));
        QList<int> precedenti; // the numbers of the draw before, answers included
        for (int giro = 0; giro < 10; ++giro) {
            QList<int> valori;
            for (std::size_t i = 0; i < ordine.size(); ++i) {
                const RigaOperazione *riga = e->frmEsempio[i];
                QCOMPARE(riga->lblCorrezione->text().trimmed(), QString());
                QTest::mousePress(riga->LblUguale, Qt::LeftButton);
                std::array<int, numeroPosti> v{};
                for (std::size_t p = 0; p < v.size(); ++p) {
                    const QString testo = riga->etichetta(static_cast<Posto>(p))->text();
                    QCOMPARE(testo == QLatin1String("?"), static_cast<Posto>(p) == ordine[i]);
                    v[p] = (testo == QLatin1String("?") ? riga->lblCorrezione->text() : testo).trimmed().toInt();
                }
                QCOMPARE(operazione == 1 ? v[0] + v[1] + v[2] : operazione == 2 ? v[0] - v[1] - v[2] : v[0] * v[1] * v[2], v[3]);
                const int controllo = operazione == operazioni::sottrazione ? v[0] : v[3];
                QVERIFY(controllo >= limiti->minimo && controllo <= limiti->massimo);
                valori += QList<int>(v.begin(), v.end());
            }
            QVERIFY(valori != precedenti);
            precedenti = valori;
            m_ambiente->orologio().avanza(1);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
        }
        premi(e->optScelta[FrmEsemplicazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmEsemplicazione));
        QCOMPARE(stato(), prima);
        QVERIFY(f->fraAiuto->isEnabled());
    }
};

QTEST_MAIN(TstFrmInizio)
#include "tst_frminizio.moc"
