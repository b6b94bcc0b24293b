// What assistive technology finds on every window, through the interfaces Qt
// hands to the accessibility bus: every control the mouse presses is a named
// button whose "Press" has the very effect of the mouse; what is hidden,
// covered or only decorates is neither shown nor focusable nor pressable; Tab
// goes only through what can be seen and used, in reading order; messages are
// announced as they appear; the operation row, the name box and the diploma
// read as the pupil sees them.
#include "printing/serieprova.h"
#include "support/tabella.h"
#include "worksheets/finestraschede.h"

#include "frame/annuncio.h"
#include "frame/etichetta.h"
#include "printing/attestato.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/immagineattestato.h"
#include "printing/pannellonome.h"
#include "start/frmesemplicazione.h"
#include "start/frminizio.h"
#include "start/frmvalutazione.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>

using namespace prova;

namespace {

QAccessibleInterface *interfaccia(QObject *oggetto)
{
    return QAccessible::queryAccessibleInterface(oggetto);
}

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

template <class Finestra>
Finestra *attiva(Finestra *f)
{
    f->activateWindow();
    return QTest::qWaitForWindowActive(f) ? f : nullptr;
}

// The exercise window on its first operation; tasti pressed on it ('G': the right answer).
FrmOperativo *esercizio(const QString &tasti = QString())
{
    FrmOperativo *f = attiva(apri(1, 1));
    digita(f, QString(tasti).replace(QLatin1Char('G'), modulo2().TestoIncognita.trimmed()));
    return f;
}

// Answers every operation left of the series right.
FrmOperativo *serieFinita()
{
    FrmOperativo *f = esercizio();
    while (!f->fraAvviso->isEnabled())
        digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("V") + (f->fraAvviso->isEnabled() ? "" : "A"));
    return f;
}

frmInizio *inizio()
{
    return apri<frmInizio>(nomi::frmInizio);
}

frmInizio *inizioPronto()
{
    frmInizio *f = inizio();
    for (QWidget *c : std::initializer_list<QWidget *>{f->lblCambiaOb, f->Option1[3], f->Option2[0]})
        QTest::mouseClick(c, Qt::LeftButton);
    return f;
}

FrmStampaEsercizio *resoconto(int operazioni = 20)
{
    serieprova::riempi(operazioni, operazioni * 17 / 20);
    return apri<FrmStampaEsercizio>(nomi::FrmStampaEsercizio);
}

FrmEsemplicazione *esempi()
{
    modulo2().Operazione = 1;
    return apri<FrmEsemplicazione>(nomi::FrmEsemplicazione);
}

FrmAttestato *apriAttestato(int operazioni)
{
    serieprova::riempi(operazioni, operazioni * 17 / 20);
    modulo2().NomeAlunno = QStringLiteral("nicolò");
    return apri<FrmAttestato>(nomi::FrmAttestato);
}

// A window in a state: the buttons assistive technology can press in tree order, then where Tab goes.
struct Albero { const char *nome; QWidget *(*apri)(); const char *premibili, *tab; };
const Albero alberi[] = {
    {"start: the shown group, Esci", [] { return static_cast<QWidget *>(inizio()); },
     "Cambia gli obiettivi|1. Calcolo del risultato|2. Calcolo di un termine|3. Calcolo del risultato o di un termine|Esci",
     "1. Calcolo del risultato|2. Calcolo di un termine|3. Calcolo del risultato o di un termine|Esci"},
    {"start: group 2, levels and Avanti usable", [] { return static_cast<QWidget *>(inizioPronto()); },
     "Cambia gli obiettivi|4. Calcolo di un termine|5. Calcolo del segno: = < >|6. Calcolo di un termine o del segno|"
     "1. Numeri da 1 a 30|2. Numeri da 30 a 60|3. Numeri da 60 a 99|4. Numeri da 1 a 99|Avanti|Esci",
     "4. Calcolo di un termine|5. Calcolo del segno: = < >|6. Calcolo di un termine o del segno|1. Numeri da 1 a 30|"
     "2. Numeri da 30 a 60|3. Numeri da 60 a 99|4. Numeri da 1 a 99|Avanti|Esci"},
    {"exercise: the keypad while typing", [] { return static_cast<QWidget *>(esercizio()); },
     "0|1|2|3|4|5|6|7|8|9|Cancella|Verifica", "0|1|2|3|4|5|6|7|8|9|Cancella|Verifica"},
    {"exercise: after a right answer", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("GV"))); },
     "Avanti|Esco", "Avanti|Esco"},
    // The keys of these panels are the design's own: Tab does not move.
    {"exercise: the help question", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0V"))); }, "SI|NO", "SI"},
    {"exercise: the intervention", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0VN0VN0VN"))); }, "OK", "OK"},
    {"exercise: the end of the series", [] { return static_cast<QWidget *>(serieFinita()); }, "Stampa|Ricomincia", "Stampa"},
    {"report", [] { return static_cast<QWidget *>(resoconto()); }, "E S C I|SCRIVI IL NOME|STAMPA|ATTESTATO",
     "E S C I|SCRIVI IL NOME|STAMPA|ATTESTATO"},
    {"report: the name panel over the list",
     [] {
         FrmStampaEsercizio *f = resoconto();
         f->EseguiScelta(1);
         return static_cast<QWidget *>(f);
     },
     "E S C I|SCRIVI IL NOME|STAMPA|ATTESTATO|AVANTI", "IMMETTI IL TUO NOME|AVANTI|E S C I|SCRIVI IL NOME|STAMPA|ATTESTATO"},
    {"certificate, printable", [] { return static_cast<QWidget *>(apriAttestato(20)); },
     "STAMPA L'ATTESTATO|TORNA ALLA FINESTRA PRECEDENTE|FINE SESSIONE",
     "STAMPA L'ATTESTATO|TORNA ALLA FINESTRA PRECEDENTE|FINE SESSIONE"},
    {"certificate, 9 operations: no printing", [] { return static_cast<QWidget *>(apriAttestato(9)); },
     "TORNA ALLA FINESTRA PRECEDENTE|FINE SESSIONE", "TORNA ALLA FINESTRA PRECEDENTE|FINE SESSIONE"},
    {"worksheets: the pupils' sheet shown",
     [] {
         FrmStampaSchede *f = finestraschede::apriSchede();
         finestraschede::mostraScheda(f, 1, 0, false);
         return static_cast<QWidget *>(f);
     },
     "Calcola risultato|Calcola termine|Calcola risultato o termine|da 1 a 40|da 30 a 70|da 50 a 99|da 1 a 99|"
     "VISUALIZZA SCHEDA ALUNNI|STAMPA SCHEDA ALUNNI|VISUALIZZA SCHEDA DOCENTI|STAMPA SCHEDA DOCENTI|CANCELLA SCHEDA|ESCI",
     "Calcola risultato|Calcola termine|Calcola risultato o termine|da 1 a 40|da 30 a 70|da 50 a 99|da 1 a 99|"
     "VISUALIZZA SCHEDA ALUNNI|STAMPA SCHEDA ALUNNI|VISUALIZZA SCHEDA DOCENTI|STAMPA SCHEDA DOCENTI|CANCELLA SCHEDA|ESCI"},
};

// Where the focus goes by Tab, once round, told from inizio on.
QStringList giroTab(const QString &inizio)
{
    QStringList giro;
    QWidget *primo = QApplication::focusWidget();
    for (QWidget *w = primo; w && giro.size() < 40; w = QApplication::focusWidget()) {
        giro.append(nome(interfaccia(w)));
        QTest::keyClick(w, Qt::Key_Tab);
        if (QApplication::focusWidget() == primo)
            break;
    }
    std::rotate(giro.begin(), giro.begin() + std::max<qsizetype>(giro.indexOf(inizio), 0), giro.end());
    return giro;
}

// Everything a press can change: the focus first, then the loaded windows and what they show,
// the shared state, the pages, messages and announcements, the end of the program.
QStringList fotografia(const AmbienteProva &ambiente)
{
    QStringList foto{QApplication::focusWidget() ? nome(interfaccia(QApplication::focusWidget())) : QString()};
    for (Finestra *f : Finestre::istanza().caricate()) {
        foto << f->nome();
        for (QWidget *w : f->findChildren<QWidget *>()) {
            QString voce = QStringLiteral("%1 %2 %3 %4").arg(w->metaObject()->className(), w->objectName()).arg(w->isVisible()).arg(w->isEnabled());
            if (auto *l = qobject_cast<QLabel *>(w))
                voce += l->text() + l->palette().color(QPalette::Window).name();
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                voce += b->text() + b->palette().color(QPalette::ButtonText).name() + b->palette().color(QPalette::Button).name();
            foto << voce;
        }
    }
    const Modulo2 &m = modulo2();
    foto << QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(m.Livello).arg(m.NumeroOperazioni).arg(m.NumeroEsatte).arg(m.NumeroErrate).arg(m.Tentativi).arg(m.TipoScheda).arg(ambiente.fineProgramma())
         << m.Risposta << m.DescrizioneObiettivo << m.NomeAlunno << m.ElencoOperazioni.valore(m.NumeroOperazioni)
         << QString::number(ambiente.stampanti().size()) << ambiente.messaggi() << ambiente.annunci();
    return foto;
}

// A window in a state and the control to press there (by the mouse, or by "Press").
struct Pressione { const char *nome; QWidget *(*controllo)(); };
const Pressione pressioni[] = {
    {"start: an objective", [] { return static_cast<QWidget *>(inizio()->Option1[1]); }},
    {"start: Cambia gli obiettivi", [] { return static_cast<QWidget *>(inizio()->lblCambiaOb); }},
    {"start: a level", [] { return static_cast<QWidget *>(inizioPronto()->Option2[2]); }},
    {"start: Avanti opens the exercise", [] { return static_cast<QWidget *>(inizioPronto()->Option3[0]); }},
    {"start: Esci ends the program", [] { return static_cast<QWidget *>(inizio()->Option3[1]); }},
    {"keypad: a digit", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("4"))->fraTastierino->Option2[7]); }},
    // A Press is a whole press: the next one acts too.
    {"keypad: a digit after a Press",
     [] {
         FrmOperativo *f = esercizio();
         azione(f->fraTastierino->Option2[1]);
         return static_cast<QWidget *>(f->fraTastierino->Option2[2]);
     }},
    {"keypad: Cancella", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("45"))->fraTastierino->Option2[Tastierino::cancella]); }},
    {"keypad: Verifica, wrong", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0"))->fraTastierino->Option2[Tastierino::verifica]); }},
    {"keypad: Verifica, right",
     [] { return static_cast<QWidget *>(esercizio(QStringLiteral("G"))->fraTastierino->Option2[Tastierino::verifica]); }},
    {"keypad: Avanti", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("GV"))->fraTastierino->Option2[Tastierino::avanti]); }},
    {"keypad: Esco", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0VS"))->fraTastierino->Option2[Tastierino::esco]); }},
    {"help: SI", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0V"))->fraAiuto->scelte[0]); }},
    {"help: NO", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0V"))->fraAiuto->scelte[1]); }},
    {"intervention: OK", [] { return static_cast<QWidget *>(esercizio(QStringLiteral("0VN0VN0VN"))->optOK); }},
    {"end of series: Stampa", [] { return static_cast<QWidget *>(serieFinita()->fraAvviso->scelte[0]); }},
    {"end of series: Ricomincia", [] { return static_cast<QWidget *>(serieFinita()->fraAvviso->scelte[1]); }},
    {"report: SCRIVI IL NOME", [] { return static_cast<QWidget *>(resoconto()->Option1[1]); }},
    {"report: STAMPA", [] { return static_cast<QWidget *>(resoconto()->Option1[2]); }},
    {"report: STAMPA, too few operations", [] { return static_cast<QWidget *>(resoconto(9)->Option1[2]); }},
    {"report: ATTESTATO", [] { return static_cast<QWidget *>(resoconto()->Option1[3]); }},
    {"report: E S C I", [] { return static_cast<QWidget *>(resoconto()->Option1[0]); }},
    {"certificate: STAMPA L'ATTESTATO", [] { return static_cast<QWidget *>(apriAttestato(20)->Option5[0]); }},
    {"certificate: TORNA ALLA FINESTRA PRECEDENTE", [] { return static_cast<QWidget *>(apriAttestato(20)->Option5[1]); }},
    {"certificate: FINE SESSIONE", [] { return static_cast<QWidget *>(apriAttestato(20)->Option5[2]); }},
    {"worksheets: an objective", [] { return static_cast<QWidget *>(finestraschede::apriSchede()->Option1[2]); }},
    // The print button appears once its "VISUALIZZA" button has the focus, as a click gives it.
    {"worksheets: VISUALIZZA SCHEDA ALUNNI",
     [] {
         FrmStampaSchede *f = finestraschede::apriSchede();
         premi(f->Option3[1]);
         return static_cast<QWidget *>(f->CmdSchedaAlunni);
     }},
    {"examples: a row shows its answer", [] { return static_cast<QWidget *>(esempi()->frmEsempio[2]); }},
    {"grading: Chiudi",
     [] { return static_cast<QWidget *>(apri<FrmValutazione>(nomi::FrmValutazione)->optScelta[FrmValutazione::chiudi]); }},
};

// Steps on the keypad (as prova::digita) on 10 + 15 + 6 with the result unknown, and how the row reads.
struct Lettura { const char *nome, *tasti, *frase; };
const Lettura letture[] = {
    {"shown", "", "10 più 15 più 6 uguale punto interrogativo"},
    {"typed", "30", "10 più 15 più 6 uguale 30"},
    {"judged wrong", "30V", "10 più 15 più 6 uguale 30 barrato"},
    {"help refused", "30VN", "10 più 15 più 6 uguale punto interrogativo"},
    {"help accepted", "30VS", "10 più 15 più 6 uguale 30 barrato, risposta esatta 31"},
};

// After so many operations answered right, steps on 10 + 15 + 6 with the result unknown and what
// they announce ("" at the end: the next operation, drawn at random).
struct Annunci { const char *nome; int fatte; const char *tasti, *annunci; };
const Annunci annunci[] = {
    {"right", 0, "31V", "Esatto"},
    {"wrong: the verdict and the help question", 0, "30V", "Errato|Ti aiuto ?"},
    {"help accepted: the correction", 0, "30VS", "Errato|Ti aiuto ?|10 più 15 più 6 uguale 30 barrato, risposta esatta 31"},
    {"the third refusal: the intervention", 0, "30VN30VN30VN",
     "Errato|Ti aiuto ?|Errato|Ti aiuto ?|Errato|Ti aiuto ?|Intervengo io"},
    {"Avanti: the next operation", 0, "31VA", "Esatto|"},
    {"the twentieth answer: the end-of-series notice", 19, "31V", "Esatto|Se ricominci gli esercizi andranno persi"},
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
    // Every button shown is named, and pressable while enabled; what is not shown offers nothing and
    // (among our controls) takes no focus; what decorates has no name; Tab goes round what is shown.
    void albero()
    {
        const Albero &r = rigaDi(alberi);
        QWidget *finestra = r.apri();
        QVERIFY(finestra && attiva(finestra));
        QList<QAccessibleInterface *> nodi;
        discendenti(interfaccia(static_cast<Finestra *>(finestra)->area()), nodi);
        QStringList premibili;
        for (QAccessibleInterface *nodo : nodi) {
            const QAccessible::State stato = nodo->state();
            const bool nostro = dynamic_cast<Accessibile *>(nodo->object());
            if (premibile(nodo)) {
                QVERIFY(nodo->role() == QAccessible::PushButton && !stato.invisible && !stato.disabled);
                premibili.append(nome(nodo));
            }
            if (nodo->role() == QAccessible::PushButton && !stato.invisible)
                QVERIFY2(!nome(nodo).isEmpty() && premibile(nodo) != stato.disabled, qPrintable(nome(nodo)));
            if (stato.invisible && nostro)
                QVERIFY2(!stato.focusable && !nodo->actionInterface()->actionNames().size(), qPrintable(nome(nodo)));
            if (nodo->role() == QAccessible::Whitespace)
                QVERIFY(stato.invisible && nome(nodo).isEmpty());
        }
        QCOMPARE(premibili.join('|'), QString::fromUtf8(r.premibili));
        const QString tab = QString::fromUtf8(r.tab);
        QCOMPARE(giroTab(tab.section('|', 0, 0)).join('|'), tab);
    }

    // The start window's colour boxes and curtains only decorate; the objectives under the
    // shown ones are not shown, nor the exercise window's panels under the one in use.
    void silenziosi()
    {
        frmInizio *f = inizio();
        QList<QWidget *> decorazioni{f->Picture1, f->Picture2};
        decorazioni << QList<QWidget *>(f->Label9.begin(), f->Label9.end())
                    << QList<QWidget *>(f->Label10.begin(), f->Label10.end());
        for (QWidget *w : decorazioni)
            QCOMPARE(interfaccia(w)->role(), QAccessible::Whitespace);
        for (std::size_t i = 3; i < 6; ++i)
            QVERIFY(interfaccia(f->Option1[i])->state().invisible);
        // Of the exercise window's panels on one place only the one in use is shown.
        FrmOperativo *e = esercizio(QStringLiteral("0V"));
        for (QWidget *riquadro : std::initializer_list<QWidget *>{e->fraTastierino, e->fraAiuto, e->fraAvviso, e->fraIntervento})
            QCOMPARE(interfaccia(riquadro)->state().invisible, riquadro != e->fraAiuto);
    }

    void comeIlMouse_data() { righeDa(pressioni); }
    // The same press, in two fresh programs: by the mouse, then by "Press". Both change the
    // same things, and more than the focus.
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

    void lettura_data() { righeDa(letture); }
    void lettura()
    {
        const Lettura &r = rigaDi(letture);
        FrmOperativo *f = esercizio();
        imposta(f, 10, 15, 6, 1);
        digita(f, QLatin1String(r.tasti));
        QAccessibleInterface *riga = interfaccia(f->frmNumero);
        QCOMPARE(riga->role(), QAccessible::StaticText);
        QCOMPARE(riga->childCount(), 0);
        QCOMPARE(nome(riga), QString::fromUtf8(r.frase));
    }

    void annunci_data() { righeDa(::annunci); }
    // The window opens announcing its operation; then each message once, in order; the window's
    // notification reads those of the last press, joined, and is hidden again.
    void annunci()
    {
        const Annunci &r = rigaDi(::annunci);
        FrmOperativo *f = esercizio();
        QCOMPARE(m_ambiente->annunci(), QStringList(f->frmNumero->frase()));
        for (int i = 0; i < r.fatte; ++i)
            digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("VA"));
        const qsizetype prima = m_ambiente->annunci().size();
        imposta(f, 10, 15, 6, 1);
        digita(f, QLatin1String(r.tasti));
        QStringList attesi = QString::fromUtf8(r.annunci).split('|');
        if (attesi.constLast().isEmpty())
            attesi.last() = f->frmNumero->frase();
        QCOMPARE(m_ambiente->annunci().mid(prima), attesi);
        QCoreApplication::processEvents();
        QAccessibleInterface *notifica = interfaccia(Annuncio::di(f));
        QCOMPARE(notifica->role(), QAccessible::Notification);
        QVERIFY(notifica->state().invisible && nome(notifica).endsWith(attesi.constLast().simplified()));
    }

    // The certificate's notice is announced; the diploma is named and described by its lines.
    void attestatoLetto()
    {
        FrmAttestato *f = apriAttestato(9);
        QCOMPARE(m_ambiente->annunci(), QStringList(QStringLiteral(
            "Per stampare un attestato è necessario eseguire almeno 10 operazioni.")));
        QAccessibleInterface *diploma = interfaccia(f->Picture1);
        QCOMPARE(diploma->role(), QAccessible::Graphic);
        QCOMPARE(diploma->text(QAccessible::Name), QStringLiteral("DIPLOMA DI MERITO"));
        QCOMPARE(diploma->text(QAccessible::Description).split('\n').mid(1, 2), QStringList({"RILASCIATO A", "Nicolò"}));
    }

    // The name box is labelled by its caption; an example row is a button named by its operation.
    void nomi()
    {
        FrmStampaEsercizio *r = resoconto();
        QAccessibleInterface *casella = interfaccia(r->fraNome->txtNome);
        QCOMPARE(nome(casella), QStringLiteral("IMMETTI IL TUO NOME"));
        QCOMPARE(casella->relations(QAccessible::Label).value(0).first->object(), r->fraNome->Label6);
        FrmEsemplicazione *e = esempi();
        QAccessibleInterface *esempio = interfaccia(e->frmEsempio[1]);
        QCOMPARE(esempio->role(), QAccessible::PushButton);
        QVERIFY(nome(esempio).startsWith(QStringLiteral("punto interrogativo più ")));
        azione(e->frmEsempio[1]);
        QVERIFY(nome(esempio).endsWith(QStringLiteral(", risposta esatta ") + e->frmEsempio[1]->lblCorrezione->text().trimmed()));
    }
};

QTEST_MAIN(TstAccessibile)
#include "tst_accessibile.moc"
