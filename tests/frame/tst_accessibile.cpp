// What assistive technology finds on the windows, through the interfaces Qt
// hands to the accessibility bus: the buttons shown are named and pressable
// while enabled, and "Press" has the very effect of the mouse; what is hidden,
// covered or only decorates is neither shown nor focusable nor pressable; Tab
// goes round what is shown, in reading order; messages are announced as they
// appear; the operation row, the name box and the diploma read as the pupil
// sees them.
#include "printing/serieprova.h"
#include "support/tabella.h"
#include "worksheets/finestraschede.h"

#include "frame/annuncio.h"
#include "frame/etichetta.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/immagineattestato.h"
#include "printing/pannellonome.h"
#include "start/frmesemplicazione.h"
#include "start/frminizio.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>

using namespace prova;

namespace {

QAccessibleInterface *(*const interfaccia)(QObject *) = &QAccessible::queryAccessibleInterface;

QString nome(QAccessibleInterface *nodo)
{
    return nodo->text(QAccessible::Name).simplified();
}

bool premibile(QAccessibleInterface *nodo)
{
    return nodo->actionInterface()
           && nodo->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
}

// Assistive technology's "Press".
void azione(QWidget *controllo)
{
    interfaccia(controllo)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

void discendenti(QAccessibleInterface *nodo, QList<QAccessibleInterface *> &nodi)
{
    for (int i = 0; i < nodo->childCount(); ++i) {
        nodi.append(nodo->child(i));
        discendenti(nodo->child(i), nodi);
    }
}

// The exercise window, active, on its first operation; tasti pressed on it ('G': the right answer).
FrmOperativo *esercizio(const QString &tasti = QString())
{
    FrmOperativo *f = apri(1, 1);
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f))
        return nullptr;
    digita(f, QString(tasti).replace(QLatin1Char('G'), modulo2().TestoIncognita.trimmed()));
    return f;
}

// A series answered right to its end (the last Avanti finds the keypad gone).
FrmOperativo *serieFinita()
{
    FrmOperativo *f = esercizio();
    while (!f->fraAvviso->isEnabled())
        digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("VA"));
    return f;
}

// The start window; ready: the second group shown, its first objective and the first level chosen.
frmInizio *inizio(bool pronto = false)
{
    auto *f = apri<frmInizio>(nomi::frmInizio);
    if (pronto)
        for (QWidget *c : std::initializer_list<QWidget *>{f->lblCambiaOb, f->Option1[3], f->Option2[0]})
            QTest::mouseClick(c, Qt::LeftButton);
    return f;
}

// A window after a series of so many operations, 17 right in 20, by "nicolò".
template <class Finestra>
Finestra *conSerie(const QString &nome, int operazioni = 20)
{
    serieprova::riempi(operazioni, operazioni * 17 / 20);
    modulo2().NomeAlunno = QStringLiteral("nicolò");
    return apri<Finestra>(nome);
}

// The report after a series of 20, with its name panel open or not.
FrmStampaEsercizio *resoconto(bool conNome = false)
{
    auto *f = conSerie<FrmStampaEsercizio>(nomi::FrmStampaEsercizio);
    if (conNome)
        f->EseguiScelta(1);
    return f;
}

FrmEsemplicazione *esempi()
{
    modulo2().Operazione = 1;
    return apri<FrmEsemplicazione>(nomi::FrmEsemplicazione);
}

// A window in a state: its buttons shown, in reading order ('-': disabled); where Tab goes
// round (empty: the enabled buttons that take the focus); how many decorations it holds.
struct Albero { const char *nome; std::function<QWidget *()> apri; const char *pulsanti, *tab; int decorazioni; };
const Albero alberi[] = {
    {"start: one group of objectives", [] { return inizio(); },
     "Cambia gli obiettivi|1. Calcolo del risultato|2. Calcolo di un termine|3. Calcolo del risultato o di un termine|"
     "-1. Numeri da 1 a 30|-2. Numeri da 30 a 60|-3. Numeri da 60 a 99|-4. Numeri da 1 a 99|-Avanti|Esci", "", 13},
    {"start: the other group, ready", [] { return inizio(true); },
     "Cambia gli obiettivi|4. Calcolo di un termine|5. Calcolo del segno: = < >|6. Calcolo di un termine o del segno|"
     "1. Numeri da 1 a 30|2. Numeri da 30 a 60|3. Numeri da 60 a 99|4. Numeri da 1 a 99|Avanti|Esci", "", 13},
    {"exercise: the keypad only", [] { return esercizio(); }, "0|1|2|3|4|5|6|7|8|9|Cancella|Verifica|-Avanti|-Esco", "", 1},
    // The keys of this panel are the design's own: Tab stays.
    {"exercise: the help question only", [] { return esercizio(QStringLiteral("0V")); }, "SI|NO", "SI", 1},
    {"report: the name panel", [] { return resoconto(true); }, "E S C I|SCRIVI IL NOME|STAMPA|ATTESTATO|AVANTI",
     "IMMETTI IL TUO NOME|AVANTI|E S C I|SCRIVI IL NOME|STAMPA|ATTESTATO", 0},
    {"certificate of 9 operations", [] { return conSerie<FrmAttestato>(nomi::FrmAttestato, 9); },
     "-STAMPA L'ATTESTATO|TORNA ALLA FINESTRA PRECEDENTE|FINE SESSIONE", "", 0},
    {"worksheets, print buttons hidden", [] { return finestraschede::apriSchede(); },
     "Calcola risultato|Calcola termine|Calcola risultato o termine|da 1 a 40|da 30 a 70|da 50 a 99|da 1 a 99|"
     "-VISUALIZZA SCHEDA ALUNNI|-VISUALIZZA SCHEDA DOCENTI|CANCELLA SCHEDA|ESCI", "", 0},
};

// Where the focus goes by Tab, once round, told from inizio on.
QStringList giroTab(const QString &inizio)
{
    QStringList giro;
    QWidget *primo = QApplication::focusWidget();
    for (QWidget *w = primo; w && giro.size() < 40 && (giro.isEmpty() || w != primo); w = QApplication::focusWidget()) {
        giro.append(nome(interfaccia(w)));
        QTest::keyClick(w, Qt::Key_Tab);
    }
    std::rotate(giro.begin(), giro.begin() + std::max<qsizetype>(giro.indexOf(inizio), 0), giro.end());
    return giro;
}

// What a press can change: the focus first, then the windows loaded and what they show, the
// shared state, the pages, messages and announcements, the end of the program.
QStringList fotografia(const AmbienteProva &ambiente)
{
    QStringList foto{QApplication::focusWidget() ? nome(interfaccia(QApplication::focusWidget())) : QString()};
    for (Finestra *f : Finestre::istanza().caricate()) {
        foto << f->nome();
        for (QWidget *w : f->findChildren<QWidget *>()) {
            foto << QStringLiteral("%1 %2 %3").arg(w->isVisible()).arg(w->isEnabled()).arg(w->palette().color(QPalette::Window).name());
            if (auto *l = qobject_cast<QLabel *>(w))
                foto.last() += l->text();
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                foto.last() += b->text() + b->palette().color(QPalette::ButtonText).name();
        }
    }
    const Modulo2 &m = modulo2();
    foto << QStringLiteral("%1 %2 %3 %4").arg(m.NumeroOperazioni).arg(m.NumeroErrate).arg(m.Tentativi).arg(ambiente.fineProgramma())
         << m.Risposta << m.DescrizioneObiettivo << m.ElencoOperazioni.valore(m.NumeroOperazioni)
         << QString::number(ambiente.stampanti().size()) << ambiente.messaggi() << ambiente.annunci();
    return foto;
}

// A window in a state and the control to press there; one of each kind of control and handler.
struct Pressione { const char *nome; std::function<QWidget *()> controllo; };
const Pressione pressioni[] = {
    {"start: an objective", [] { return inizio()->Option1[1]; }},
    {"start: Cambia gli obiettivi", [] { return inizio()->lblCambiaOb; }},
    {"start: Avanti opens the exercise", [] { return inizio(true)->Option3[0]; }},
    // A Press is a whole press: the next one acts too.
    {"keypad: a digit after a Press", [] {
         Tastierino *t = esercizio()->fraTastierino;
         azione(t->Option2[1]);
         return t->Option2[2];
     }},
    {"keypad: Verifica", [] { return esercizio(QStringLiteral("0"))->fraTastierino->Option2[Tastierino::verifica]; }},
    {"help: SI", [] { return esercizio(QStringLiteral("0V"))->fraAiuto->scelte[0]; }},
    {"intervention: OK", [] { return esercizio(QStringLiteral("0VN0VN0VN"))->optOK; }},
    {"end of series: Stampa", [] { return serieFinita()->fraAvviso->scelte[0]; }},
    {"report: STAMPA", [] { return resoconto()->Option1[2]; }},
    {"name panel: AVANTI", [] { return resoconto(true)->fraNome->cmdAvanti; }},
    {"certificate: FINE SESSIONE", [] { return conSerie<FrmAttestato>(nomi::FrmAttestato)->Option5[2]; }},
    // The print button appears once its "VISUALIZZA" button has the focus, as a click gives it.
    {"worksheets: VISUALIZZA SCHEDA ALUNNI", [] {
         FrmStampaSchede *f = finestraschede::apriSchede();
         premi(f->Option3[1]);
         return f->CmdSchedaAlunni;
     }},
    {"examples: a row", [] { return esempi()->frmEsempio[2]; }},
};

// Steps on 10 + 15 + 6 with the result unknown, after so many operations answered: how the
// row reads after them and what they announce ('*': the row as it reads).
struct Passi { const char *nome; int fatte; const char *tasti, *frase, *annunci; };
const Passi passi[] = {
    {"typed", 0, "30", "10 più 15 più 6 uguale 30", ""},
    {"right", 0, "31V", "10 più 15 più 6 uguale 31", "Esatto"},
    {"wrong: the X, the verdict and the help question", 0, "30V", "10 più 15 più 6 uguale 30 barrato", "Errato|Ti aiuto ?"},
    {"help refused: the unknown again", 0, "30VN", "10 più 15 più 6 uguale punto interrogativo", "Errato|Ti aiuto ?"},
    {"help accepted: the correction", 0, "30VS", "10 più 15 più 6 uguale 30 barrato, risposta esatta 31", "Errato|Ti aiuto ?|*"},
    {"the third refusal: the intervention", 0, "30VN30VN30VN", "10 più 15 più 6 uguale 30 barrato",
     "Errato|Ti aiuto ?|Errato|Ti aiuto ?|Errato|Ti aiuto ?|Intervengo io"},
    {"Avanti: the next operation", 0, "31VA", "*", "Esatto|*"},
    {"the twentieth answer: the end-of-series notice", 19, "31V", "10 più 15 più 6 uguale 31",
     "Esatto|Se ricominci gli esercizi andranno persi"},
};

} // namespace

class TstAccessibile final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void albero_data() { righeDa(alberi); }
    // Beside the buttons listed nothing else is shown to press; what is not shown offers nothing
    // and (our controls) takes no focus; decorations are nameless and never shown.
    void albero()
    {
        const Albero &r = rigaDi(alberi);
        auto *finestra = static_cast<Finestra *>(r.apri());
        QVERIFY(finestra);
        QList<QAccessibleInterface *> nodi;
        discendenti(interfaccia(finestra->area()), nodi);
        QStringList pulsanti;
        QStringList abilitati;
        int decorazioni = 0;
        for (QAccessibleInterface *nodo : nodi) {
            const QAccessible::State stato = nodo->state();
            if (nodo->role() == QAccessible::PushButton && !stato.invisible) {
                QCOMPARE(premibile(nodo), !stato.disabled);
                pulsanti.append((stato.disabled ? "-" : "") + nome(nodo));
                if (!stato.disabled && stato.focusable)
                    abilitati.append(nome(nodo));
            }
            if (stato.invisible && dynamic_cast<Accessibile *>(nodo->object()))
                QVERIFY2(!stato.focusable && nodo->actionInterface()->actionNames().isEmpty(), qPrintable(nome(nodo)));
            if (nodo->role() == QAccessible::Whitespace) {
                QVERIFY(stato.invisible && nome(nodo).isEmpty());
                ++decorazioni;
            }
        }
        QCOMPARE(pulsanti.join('|'), QString::fromUtf8(r.pulsanti));
        QCOMPARE(decorazioni, r.decorazioni);
        const QString tab = QByteArray(r.tab).isEmpty() ? abilitati.join('|') : QString::fromUtf8(r.tab);
        QCOMPARE(giroTab(tab.section('|', 0, 0)).join('|'), tab);
    }

    void comeIlMouse_data() { righeDa(pressioni); }
    // The same press in two fresh programs, by the mouse and by "Press": both change the same
    // things, and more than the focus.
    void comeIlMouse()
    {
        const Pressione &r = rigaDi(pressioni);
        QStringList prima;
        QStringList dopo[2];
        for (const bool conAzione : {false, true}) {
            m_ambiente.reset();
            m_ambiente = std::make_unique<AmbienteProva>();
            QWidget *controllo = r.controllo();
            QVERIFY(controllo && premibile(interfaccia(controllo)));
            prima = fotografia(*m_ambiente);
            if (conAzione)
                azione(controllo);
            else
                QTest::mouseClick(controllo, Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            dopo[conAzione] = fotografia(*m_ambiente);
        }
        QVERIFY(dopo[0].mid(1) != prima.mid(1));
        QCOMPARE(dopo[1], dopo[0]);
    }

    void passi_data() { righeDa(::passi); }
    // The row is one sentence with no children read on their own; the window opens announcing
    // its operation, then each message once, in order, and its notification reads those of the
    // last press, joined, hidden again.
    void passi()
    {
        const Passi &r = rigaDi(::passi);
        FrmOperativo *f = esercizio();
        QCOMPARE(m_ambiente->annunci(), QStringList(f->frmNumero->frase()));
        for (int i = 0; i < r.fatte; ++i)
            digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("VA"));
        const qsizetype prima = m_ambiente->annunci().size();
        imposta(f, 10, 15, 6, 1);
        digita(f, QLatin1String(r.tasti));
        QAccessibleInterface *riga = interfaccia(f->frmNumero);
        QVERIFY(riga->role() == QAccessible::StaticText && riga->childCount() == 0);
        const QString frase = nome(riga);
        QCOMPARE(frase, QString::fromUtf8(r.frase).replace('*', frase));
        const QStringList annunci = QString::fromUtf8(r.annunci).replace('*', frase).split('|', Qt::SkipEmptyParts);
        QCOMPARE(m_ambiente->annunci().mid(prima), annunci);
        QCoreApplication::processEvents();
        QAccessibleInterface *notifica = interfaccia(Annuncio::di(f));
        QVERIFY(notifica->role() == QAccessible::Notification && notifica->state().invisible);
        QVERIFY(annunci.isEmpty() || nome(notifica).endsWith(annunci.constLast()));
    }

    // The name box is labelled by its caption; the diploma is named and described by its lines
    // and the certificate's notice announced; an example is a button named by its operation.
    void nomi()
    {
        FrmStampaEsercizio *r = resoconto();
        QAccessibleInterface *casella = interfaccia(r->fraNome->txtNome);
        QCOMPARE(nome(casella), QStringLiteral("IMMETTI IL TUO NOME"));
        QCOMPARE(casella->relations(QAccessible::Label).value(0).first->object(), r->fraNome->Label6);
        auto *a = conSerie<FrmAttestato>(nomi::FrmAttestato, 9);
        QCOMPARE(m_ambiente->annunci(), QStringList("Per stampare un attestato è necessario eseguire almeno 10 operazioni."));
        QAccessibleInterface *diploma = interfaccia(a->Picture1);
        QVERIFY(diploma->role() == QAccessible::Graphic && nome(diploma) == QStringLiteral("DIPLOMA DI MERITO"));
        QCOMPARE(diploma->text(QAccessible::Description).split('\n').mid(1, 2), QStringList({"RILASCIATO A", "Nicolò"}));
        FrmEsemplicazione *e = esempi();
        QAccessibleInterface *esempio = interfaccia(e->frmEsempio[1]);
        QVERIFY(esempio->role() == QAccessible::PushButton && nome(esempio).startsWith("punto interrogativo più "));
        azione(e->frmEsempio[1]);
        QVERIFY(nome(esempio).endsWith(", risposta esatta " + e->frmEsempio[1]->lblCorrezione->text().trimmed()));
    }
};

QTEST_MAIN(TstAccessibile)
#include "tst_accessibile.moc"
