// The class record fed by the real windows: series played on the exercise
// window and read back from the SQLite file (figures, log lines, numbers,
// every answer with its help), the name typed in the report window, both with
// the record's thread held so that no press may wait for the store, and the
// store opened after the first paint.
#include "letturaregistro.h"

#include "exercise/provafrmoperativo.h"
#include "support/tabella.h"

#include "frame/chiusura.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/pannellonome.h"
#include "record/archivio.h"
#include "record/avvioregistro.h"
#include "record/registroclasse.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSemaphore>
#include <QSysInfo>

using namespace prova;

namespace {

// A series as the test sees it on screen: per operation its row, answers and help, and its
// log line.
struct RispostaVista { QString testo; bool esatta; QString aiuto; };
struct OperazioneVista { QString riga; QString valori; int incognita = 0; bool intervento = false; QList<RispostaVista> risposte; };
using SerieVista = QList<OperazioneVista>;

// Played one character at a time on the exercise window: G the right answer, X a wrong one
// (each after 2.5 s on the clock), S and N "SI" and "NO", K the intervention's "OK", A "Avanti",
// E "Esco", R "Ricomincia", C the window closed, F "FINE SESSIONE" (the program ends). Then
// how each series ended and its grade, "esito|valutazione" separated by ";".
struct Partita { const char *nome, *tasti, *esiti; };
constexpr Partita partite[] = {
    {"20 operations: help accepted, refused, the program stepping in",
     "XSA XNGA XNXNKA GAGAGAGAGAGAGAGAGAGAGAGAGAGAGAGAG", "completata|OTTIMO"},
    {"Ricomincia after 20 begins a second series", "GAGAGAGAGAGAGAGAGAGAGAGAGAGAGAGAGAGAGAG R GAXS E",
     "completata|OTTIMO;esco|-"},
    {"Esco at 10 operations, 5 right: graded", "GAXSAGAXSAGAXSAGAXSAGAXS E", "esco|SUFFICIENTE (!)"},
    {"Esco at 9 operations: no grade", "GAGAGAGAGAGAGAGAG E", "esco|-"},
    {"window closed with an operation shown and not answered", "GAXSA C", "finestra chiusa|-"},
    {"program ended", "XNG F", "programma chiuso|-"},
    {"never answered: nothing is recorded", "E", ""},
};

// A name typed in the report window after so many operations answered, with the
// certificate opened after it or not; the names of the series, oldest first.
struct Nome { const char *nome; int operazioni; const char *scritto; bool attestato; const char *nomi; };
constexpr Nome nomiScritti[] = {
    {"typed in the report", 3, "anna", false, "anna"},
    {"typed, then raised by the certificate", 3, "nicolò ROSSI", true, "nicolò ROSSI;Nicolò rossi"},
    {"typed raised already: the certificate adds nothing", 3, "Anna", true, "Anna"},
    {"blanks only are no name", 3, "   ", true, ""},
    {"the certificate with no name typed", 3, "", true, ""},
    {"no operation answered yet: no series to name", 0, "anna", true, ""},
};

// The row as the labels show it, the unknown's "?" replaced by its value.
QString valoriMostrati(FrmOperativo *f)
{
    QStringList valori;
    for (const QLabel *l : {f->frmNumero->LblNumero1, f->frmNumero->LblNumero2, f->frmNumero->lblNumero3, f->frmNumero->lblRisultato1})
        valori << (l->text() == QStringLiteral("?") ? QString::number(modulo2().Incognita) : l->text());
    return valori.join(QLatin1Char('|'));
}

// Plays the keys, noting what the screen shows into the series seen.
QList<SerieVista> gioca(FrmOperativo *f, OrologioFinto &orologio, const QString &tasti)
{
    QList<SerieVista> viste{{}};
    const auto nuovaOperazione = [&] { viste.last().append({QString(), valoriMostrati(f), modulo2().Incognita, false, {}}); };
    const auto rispondi = [&](bool esatta) {
        const QString risposta = QString::number(modulo2().Incognita + (esatta ? 0 : 1));
        orologio.avanza(2.5f);
        digita(f, risposta + QStringLiteral("V"));
        viste.last().last().risposte.append({risposta, esatta, QString()});
    };
    nuovaOperazione();
    for (const QChar c : tasti) {
        OperazioneVista &o = viste.last().last();
        switch (c.toLatin1()) {
        case 'G': rispondi(true); break;
        case 'X': rispondi(false); break;
        case 'S': digita(f, c); o.risposte.last().aiuto = QStringLiteral("accettato"); break;
        case 'N':
            o.risposte.last().aiuto = QStringLiteral("rifiutato");
            digita(f, c);
            o.intervento = attivo(f) == f->fraIntervento;
            break;
        case 'K': premi(f->optOK); break;
        case 'A': digita(f, c); nuovaOperazione(); break;
        case 'E': digita(f, c); break;
        case 'R': premi(f->fraAvviso->scelte[1]); viste.append(SerieVista()); nuovaOperazione(); break;
        case 'C': f->close(); break;
        case 'F': ChiudiTutto(); break;
        default: break;
        }
        if (c != QLatin1Char('R'))
            for (int i = 0; i < viste.last().size(); ++i)
                viste.last()[i].riga = modulo2().ElencoOperazioni.valore(i + 1);
    }
    return viste;
}

// Holds the record's thread busy until the function returned is called, which lets it go
// and says whether it was still held: whatever the windows hand the record meanwhile must
// not wait for the store.
std::function<bool()> trattieniRegistro()
{
    struct Fermo { QSemaphore preso, via; QAtomicInt liberato; };
    const auto f = std::make_shared<Fermo>();
    registroClasse().interroga<bool>(
        [f](Archivio *) {
            f->preso.release();
            const bool lasciato = f->via.tryAcquire(1, 30000);
            f->liberato.storeRelease(1);
            return lasciato;
        },
        &registroClasse(), [](bool) {});
    const bool preso = f->preso.tryAcquire(1, 10000);
    return [f, preso] {
        const bool tenuto = preso && f->liberato.loadAcquire() == 0;
        f->via.release();
        return tenuto;
    };
}

} // namespace

class TstRegistroFinestre final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        // As in the program, the start window lies below: every way out of the program passes it.
        Finestre::istanza().carica(nomi::frmInizio);
        modulo2().DescrizioneObiettivo = QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DEL TERMINE");
        modulo2().DescrizioneLivello = QStringLiteral("NUMERO MASSIMO da  60 a 99");
    }
    void cleanup() { m_ambiente.reset(); }

    // Each series in the file as the screen showed it: its end, its figures and grade, and
    // per operation the log line, the row, the right value, every answer with its help.
    void serieGiocate_data() { righeDa(partite); }
    void serieGiocate()
    {
        const Partita &r = rigaDi(partite);
        m_ambiente->avviaRegistro();
        const auto lascia = trattieniRegistro();
        const QList<SerieVista> viste = gioca(apri(2, 3), m_ambiente->orologio(), QString::fromLatin1(r.tasti));
        QVERIFY2(lascia(), "a press waited for the record");
        QVERIFY(m_ambiente->attendiRegistro());
        const LetturaRegistro file(m_ambiente->percorsoRegistro());
        const QStringList serie = file.righe(QStringLiteral(
            "SELECT id, esito, valutazione, operazioni, numero_esatte, numero_errate, risposte_esatte, secondi,"
            " programma || operazione || obiettivo || livello || descrizione_obiettivo || descrizione_livello,"
            " computer, fine > inizio FROM serie ORDER BY inizio"));
        const QStringList esiti = QString::fromUtf8(r.esiti).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        QCOMPARE(serie.size(), esiti.size());
        for (int s = 0; s < serie.size(); ++s) {
            const QStringList campi = serie[s].split(QLatin1Char('|'));
            const SerieVista &vista = viste[s];
            int esatte = 0, errate = 0, secondi = 0;
            QStringList operazioni, risposte;
            for (int i = 0; i < vista.size(); ++i) {
                const OperazioneVista &o = vista[i];
                operazioni << QStringLiteral("%1|%2|%3|%4|%5|%6").arg(i + 1).arg(o.riga, o.valori).arg(o.incognita)
                                  .arg(o.intervento).arg(int(2.5 * double(o.risposte.size())));
                for (int n = 0; n < o.risposte.size(); ++n) {
                    const RispostaVista &v = o.risposte[n];
                    (v.esatta ? esatte : errate) += 1;
                    // Each judgement counts the seconds since the operation appeared: 2, then 5, then 7.
                    const int tempo = int(2.5 * (n + 1));
                    secondi += tempo;
                    risposte << QStringLiteral("%1|%2|%3|%4|%5|%6").arg(i + 1).arg(n + 1).arg(v.testo).arg(v.esatta)
                                    .arg(v.aiuto.isEmpty() ? QStringLiteral("-") : v.aiuto).arg(tempo);
                }
            }
            QCOMPARE(campi.mid(1), esiti[s].split(QLatin1Char('|')) + QStringList({
                         QString::number(vista.size()), QString::number(esatte), QString::number(errate),
                         QString::number(esatte), QString::number(secondi),
                         "TARVELO233CALCOLO CASUALE DEL RISULTATO O DEL TERMINENUMERO MASSIMO da  60 a 99",
                         QSysInfo::machineHostName(), "1"}));
            QCOMPARE(file.righe(QStringLiteral("SELECT indice, riga, numero1 || '|' || numero2 || '|' || numero3 || '|' || risultato,"
                                               " incognita, intervento, secondi FROM operazioni WHERE serie_id = ? ORDER BY indice"),
                                {campi[0]}), operazioni);
            QCOMPARE(file.righe(QStringLiteral("SELECT indice, numero, testo, esatta, aiuto, secondi FROM risposte"
                                               " WHERE serie_id = ? ORDER BY indice, numero"), {campi[0]}), risposte);
        }
        // Every series that has ended waits for a lab's server.
        QCOMPARE(file.righe(QStringLiteral("SELECT count(*) FROM coda_invio")), QStringList{QString::number(serie.size())});
    }

    // "SCRIVI IL NOME", the name, "AVANTI", perhaps "ATTESTATO": every name is a row of the
    // series the report lists, the newest last, each waiting for a lab's server.
    void nomeDalResoconto_data() { righeDa(nomiScritti); }
    void nomeDalResoconto()
    {
        const Nome &r = rigaDi(nomiScritti);
        m_ambiente->avviaRegistro();
        FrmOperativo *f = apri(1, 1);
        gioca(f, m_ambiente->orologio(), QStringLiteral("GA").repeated(r.operazioni));
        const auto lascia = trattieniRegistro();
        f->mnuVisualizza->trigger();
        auto *resoconto = qobject_cast<FrmStampaEsercizio *>(Finestre::istanza().trova(nomi::FrmStampaEsercizio));
        premi(resoconto->Option1[1]);
        resoconto->fraNome->txtNome->insert(QString::fromUtf8(r.scritto));
        premi(resoconto->fraNome->cmdAvanti);
        if (r.attestato)
            premi(resoconto->Option1[3]);
        QVERIFY2(lascia(), "a press waited for the record");
        QVERIFY(m_ambiente->attendiRegistro());
        const LetturaRegistro file(m_ambiente->percorsoRegistro());
        const QStringList nomi = file.righe(QStringLiteral("SELECT nome FROM nomi WHERE serie_id = ? ORDER BY scritto"),
                                            {registroClasse().serieAttuale().toString(QUuid::WithoutBraces)});
        QCOMPARE(nomi.join(QLatin1Char(';')), QString::fromUtf8(r.nomi));
        QCOMPARE(file.righe(QStringLiteral("SELECT count(*) FROM nomi JOIN coda_invio ON tabella = 'nomi' AND chiave = id")),
                 QStringList{QString::number(nomi.size())});
    }

    // The store opens only once the start window has been painted, in the user's data folder.
    void apertoDopoIlPrimoDisegno()
    {
        Finestra *inizio = Finestre::istanza().mostra(nomi::frmInizio);
        avviaRegistroDopoIlPrimoDisegno(inizio);
        QVERIFY(!registroClasse().avviato());
        QTRY_VERIFY(registroClasse().avviato());
        QTRY_VERIFY(registroClasse().stato().guasto == Guasto::nessuno && !registroClasse().stato().riga.isEmpty());
        QCOMPARE(registroClasse().stato().riga,
                 QStringLiteral("Registro in ordine: ogni serie è salvata in %1.").arg(m_ambiente->percorsoRegistro()));
    }
};

QTEST_MAIN(TstRegistroFinestre)
#include "tst_registrofinestre.moc"
