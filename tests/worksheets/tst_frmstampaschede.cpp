#include "verificariga.h"

#include "../support/ambienteprova.h"
#include "frame/aspetto.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/unita.h"
#include "start/frminizio.h"
#include "worksheets/frmstampaschede.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>
#include <memory>

// The worksheet window on screen (offscreen): the order in which its frames
// are enabled, what each button shows, the focus colours and the printed page
// on the recording printer.
class TestFrmStampaSchede final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titolo_data();
    void titolo();
    void apertura();
    void posti_data();
    void posti();
    void aperturaConObiettivoDelSegno();
    void ordineAbilitazione();
    void obiettivo_data();
    void obiettivo();
    void livello_data();
    void livello();
    void dueSchedeDiverse();
    void pulsantiStampa();
    void cancellaScheda();
    void coloriFuoco_data();
    void coloriFuoco();
    void stampa_data();
    void stampa();
    void stampaSenzaCourier();
    void stampaGuasta();
    void esci();
    void dalMenuDellaFinestraIniziale();

private:
    FrmStampaSchede *apri(int operazione = 1, int tipoDa = 1, int tipoA = 1, int livello = 1);
    static QStringList etichette(const FrmStampaSchede *f);
    static QStringList righe(const ElencoTesti<90> &elenco);

    std::unique_ptr<AmbienteProva> m_ambiente;
};

namespace {
void premi(QWidget *pulsante)
{
    QTest::mousePress(pulsante, Qt::LeftButton);
    QTest::mouseRelease(pulsante, Qt::LeftButton);
}

QColor sfondo(const QWidget *w)
{
    return w->palette().color(QPalette::Button);
}

const QColor acceso = QColor::fromRgb(unita::coloreDaBgr(aspetto::fuocoAcceso));
const QColor spento = QColor::fromRgb(unita::coloreDaBgr(aspetto::fuocoSpento));
} // namespace

void TestFrmStampaSchede::init()
{
    m_ambiente = std::make_unique<AmbienteProva>();
}

void TestFrmStampaSchede::cleanup()
{
    m_ambiente.reset();
}

FrmStampaSchede *TestFrmStampaSchede::apri(int operazione, int tipoDa, int tipoA, int livello)
{
    Modulo2 &s = modulo2();
    s.Operazione = static_cast<Modulo2::int16>(operazione);
    s.TipoDa = static_cast<Modulo2::int16>(tipoDa);
    s.TipoA = static_cast<Modulo2::int16>(tipoA);
    s.Livello = static_cast<Modulo2::int16>(livello);
    s.DescrizioneObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    // The print buttons follow the focus, which needs an active window.
    if (f && !QTest::qWaitForWindowActive(f))
        return nullptr;
    return f;
}

QStringList TestFrmStampaSchede::etichette(const FrmStampaSchede *f)
{
    QStringList testi;
    for (int i = 1; i <= 60; ++i)
        testi.append(f->LblOp[static_cast<std::size_t>(i)]->text());
    return testi;
}

QStringList TestFrmStampaSchede::righe(const ElencoTesti<90> &elenco)
{
    QStringList testi;
    for (int i = 1; i <= 60; ++i)
        testi.append(elenco.valore(i));
    return testi;
}

void TestFrmStampaSchede::titolo_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<QString>("titolo");
    QTest::newRow("1") << 1 << QStringLiteral("VEVIDUVIV");
    QTest::newRow("2") << 2 << QStringLiteral("SOTTRAZIONI");
    QTest::newRow("3") << 3 << QStringLiteral("VEVIDUVIV - SOTTRAZIONI");
    QTest::newRow("4") << 4 << QStringLiteral("MOLTIPLICAZIONI");
    QTest::newRow("5") << 5 << QStringLiteral("DIVISIONI");
    QTest::newRow("6") << 6 << QStringLiteral("MOLTIPLICAZIONI - DIVISIONI");
    QTest::newRow("7") << 7 << QStringLiteral("VEVIDUVIV - SOTTRAZIONI - MOLTIPLICAZIONI - DIVISIONI");
    QTest::newRow("0 keeps the design caption") << 0 << QStringLiteral("STAMPA SCHEDE");
    QTest::newRow("8 keeps the design caption") << 8 << QStringLiteral("STAMPA SCHEDE");
}

void TestFrmStampaSchede::titolo()
{
    QFETCH(int, operazione);
    QFETCH(QString, titolo);
    FrmStampaSchede *f = apri(operazione);
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), titolo);
    QVERIFY(f->isMaximized());
}

void TestFrmStampaSchede::apertura()
{
    FrmStampaSchede *f = apri(1, 1, 1, 1);
    QVERIFY(f);
    const Modulo2 &s = modulo2();
    QCOMPARE(f->Label1->text(), QStringLiteral("CALCOLO DEL RISULTATO"));
    QCOMPARE(s.NumeroRighe, Modulo2::int16(60));
    QCOMPARE(s.TipoScheda, Modulo2::int16(0));
    QVERIFY(f->fraUno->isEnabled());
    QVERIFY(f->fraLivelli->isEnabled());
    QVERIFY(!f->fraAlunni->isEnabled());
    QVERIFY(!f->fraDocenti->isEnabled());
    QVERIFY(f->CmdStampaAlunni->isHidden());
    QVERIFY(f->CmdStampaDocenti->isHidden());
    for (const QString &t : etichette(f))
        QVERIFY(t.isEmpty());
    // 60 lines are already drawn from the start window's choices.
    for (const QString &riga : righe(s.SchedaAlunni))
        QVERIFY2(riga.endsWith(QLatin1String(" =  .")), qPrintable(riga));
}

void TestFrmStampaSchede::posti_data()
{
    // Controls by name, at the design size (twips, relative to their container).
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(90, 0, 11790, 435);
    QTest::newRow("LblOp(1)") << QStringLiteral("LblOp1") << QRect(525, 570, 3510, 225);
    QTest::newRow("LblOp(10)") << QStringLiteral("LblOp10") << QRect(525, 2460, 3510, 225);
    QTest::newRow("LblOp(11)") << QStringLiteral("LblOp11") << QRect(4260, 570, 3510, 225);
    QTest::newRow("LblOp(30)") << QStringLiteral("LblOp30") << QRect(7935, 2460, 3510, 225);
    QTest::newRow("LblOp(31)") << QStringLiteral("LblOp31") << QRect(525, 2880, 3510, 225);
    QTest::newRow("LblOp(38)") << QStringLiteral("LblOp38") << QRect(525, 4350, 3510, 225);
    QTest::newRow("LblOp(39)") << QStringLiteral("LblOp39") << QRect(525, 4545, 3510, 225);
    QTest::newRow("LblOp(45)") << QStringLiteral("LblOp45") << QRect(4260, 3720, 3510, 225);
    QTest::newRow("LblOp(46) a little lower") << QStringLiteral("LblOp46") << QRect(4260, 3945, 3510, 225);
    QTest::newRow("LblOp(56)") << QStringLiteral("LblOp56") << QRect(7935, 3930, 3510, 225);
    QTest::newRow("LblOp(60)") << QStringLiteral("LblOp60") << QRect(7935, 4770, 3510, 225);
    QTest::newRow("fraUno") << QStringLiteral("fraUno") << QRect(2910, 6330, 2505, 1890);
    QTest::newRow("Option1(3)") << QStringLiteral("Option1_3") << QRect(60, 1290, 2355, 480);
    QTest::newRow("fraLivelli") << QStringLiteral("fraLivelli") << QRect(5490, 5460, 2085, 2730);
    QTest::newRow("Option3(3)") << QStringLiteral("Option3_3") << QRect(60, 1875, 1920, 510);
    QTest::newRow("fraAlunni") << QStringLiteral("fraAlunni") << QRect(7620, 5460, 2085, 2730);
    QTest::newRow("CmdStampaAlunni") << QStringLiteral("CmdStampaAlunni") << QRect(60, 855, 1920, 510);
    QTest::newRow("fraDocenti") << QStringLiteral("fraDocenti") << QRect(9750, 5460, 2085, 2730);
    QTest::newRow("CmdSchedaDocenti") << QStringLiteral("CmdSchedaDocenti") << QRect(75, 330, 1920, 510);
    QTest::newRow("CmdRicomincia") << QStringLiteral("CmdRicomincia") << QRect(7680, 6945, 4080, 540);
    QTest::newRow("Command1") << QStringLiteral("Command1") << QRect(7680, 7545, 4080, 540);
}

void TestFrmStampaSchede::posti()
{
    QFETCH(QString, controllo);
    QFETCH(QRect, twips);
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().carica(nomi::FrmStampaSchede));
    QVERIFY(f);
    std::map<QString, QWidget *> controlli{
        {QStringLiteral("Label1"), f->Label1},
        {QStringLiteral("fraUno"), f->fraUno},
        {QStringLiteral("Option1_3"), f->Option1[3]},
        {QStringLiteral("fraLivelli"), f->fraLivelli},
        {QStringLiteral("Option3_3"), f->Option3[3]},
        {QStringLiteral("fraAlunni"), f->fraAlunni},
        {QStringLiteral("CmdStampaAlunni"), f->CmdStampaAlunni},
        {QStringLiteral("fraDocenti"), f->fraDocenti},
        {QStringLiteral("CmdSchedaDocenti"), f->CmdSchedaDocenti},
        {QStringLiteral("CmdRicomincia"), f->CmdRicomincia},
        {QStringLiteral("Command1"), f->Command1},
    };
    for (int i = 1; i <= 60; ++i)
        controlli[QStringLiteral("LblOp%1").arg(i)] = f->LblOp[static_cast<std::size_t>(i)];
    QWidget *w = controlli.at(controllo);
    QCOMPARE(w->geometry(), aspetto::pixelDaTwips(twips));
}

void TestFrmStampaSchede::aperturaConObiettivoDelSegno()
{
    // The start window's sign objective (kinds 7 to 12) has no addition line.
    FrmStampaSchede *f = apri(1, 7, 12, 1);
    QVERIFY(f);
    for (const QString &riga : righe(modulo2().SchedaAlunni))
        QVERIFY(riga.isEmpty());
    premi(f->Option3[0]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    for (const QString &t : etichette(f))
        QVERIFY(t.isEmpty());
}

void TestFrmStampaSchede::ordineAbilitazione()
{
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    // The pupils' button cannot be used before a level is chosen.
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    QVERIFY(etichette(f).join(QString()).isEmpty());
    QVERIFY(!f->fraDocenti->isEnabled());

    premi(f->Option1[2]);
    QVERIFY(f->fraLivelli->isEnabled());
    QVERIFY(!f->fraAlunni->isEnabled());
    QVERIFY(!f->fraDocenti->isEnabled());

    // Neither can the teachers' button before the pupils' sheet is shown.
    premi(f->Option3[1]);
    QVERIFY(f->fraAlunni->isEnabled());
    QVERIFY(!f->fraDocenti->isEnabled());
    QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
    QVERIFY(etichette(f).join(QString()).isEmpty());

    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    QVERIFY(f->fraDocenti->isEnabled());
    QCOMPARE(etichette(f), righe(modulo2().SchedaAlunni));

    // Frames once enabled stay so, whatever is chosen again.
    premi(f->Option1[1]);
    QVERIFY(f->fraAlunni->isEnabled());
    QVERIFY(f->fraDocenti->isEnabled());
}

void TestFrmStampaSchede::obiettivo_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("tipoDa");
    QTest::addColumn<int>("tipoA");
    QTest::newRow("Calcola risultato") << 1 << QStringLiteral("  -  CALCOLO DEL RISULTATO") << 1 << 1;
    QTest::newRow("Calcola termine") << 2 << QStringLiteral("  -  CALCOLO DI UN TERMINE") << 2 << 4;
    QTest::newRow("Calcola risultato o  termine")
        << 3 << QStringLiteral("  -  CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE") << 1 << 4;
}

void TestFrmStampaSchede::obiettivo()
{
    QFETCH(int, indice);
    QFETCH(QString, titolo);
    QFETCH(int, tipoDa);
    QFETCH(int, tipoA);

    FrmStampaSchede *f = apri(2);
    QVERIFY(f);
    premi(f->Option3[2]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    const QStringList elenco = righe(modulo2().ElencoOperazioni);
    QVERIFY(!etichette(f).join(QString()).isEmpty());

    premi(f->Option1[static_cast<std::size_t>(indice)]);
    const Modulo2 &s = modulo2();
    QCOMPARE(f->Label1->text(), titolo);
    QCOMPARE(f->TitoloObiettivo(), titolo);
    QCOMPARE(int(s.TipoDa), tipoDa);
    QCOMPARE(int(s.TipoA), tipoA);
    QVERIFY(etichette(f).join(QString()).isEmpty());
    QVERIFY(righe(s.SchedaAlunni).join(QString()).isEmpty());
    QVERIFY(righe(s.SchedaDocenti).join(QString()).isEmpty());
    QCOMPARE(righe(s.ElencoOperazioni), elenco);
}

void TestFrmStampaSchede::livello_data()
{
    QTest::addColumn<int>("obiettivo");
    QTest::addColumn<int>("indice");
    QTest::addColumn<QString>("titolo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("massimo");
    QTest::newRow("result, first level")
        << 1 << 0 << QStringLiteral("  -  CALCOLO DEL RISULTATO  - Livello:  1  NUMERO MASSIMO da  1 a 30") << 1 << 1
        << 30;
    QTest::newRow("term, second level")
        << 2 << 1 << QStringLiteral("  -  CALCOLO DI UN TERMINE  - Livello:  2  NUMERO MASSIMO da  30 a 60") << 2
        << 30 << 60;
    QTest::newRow("either, third level")
        << 3 << 2
        << QStringLiteral("  -  CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE  - Livello:  3  NUMERO MASSIMO da  60 a 99")
        << 3 << 60 << 99;
    QTest::newRow("no objective in this window, fourth level")
        << 0 << 3 << QStringLiteral("  - Livello:  4  NUMERO MASSIMO da  1 a 99") << 4 << 1 << 99;
}

void TestFrmStampaSchede::livello()
{
    QFETCH(int, obiettivo);
    QFETCH(int, indice);
    QFETCH(QString, titolo);
    QFETCH(int, livello);
    QFETCH(int, minimo);
    QFETCH(int, massimo);

    FrmStampaSchede *f = apri();
    QVERIFY(f);
    if (obiettivo > 0)
        premi(f->Option1[static_cast<std::size_t>(obiettivo)]);
    premi(f->Option3[static_cast<std::size_t>(indice)]);
    const Modulo2 &s = modulo2();
    QCOMPARE(f->Label1->text(), titolo);
    QCOMPARE(int(s.Livello), livello);
    QCOMPARE(int(s.NumeroMin), minimo);
    QCOMPARE(int(s.NumeroMax), massimo);
    QCOMPARE(s.DescrizioneLivello, QStringLiteral("NUMERO MASSIMO da  %1 a %2").arg(minimo).arg(massimo));
    // The 60 lines are drawn for that level, and not shown yet.
    QVERIFY(etichette(f).join(QString()).isEmpty());
    for (int i = 1; i <= 60; ++i) {
        const QString docente = s.SchedaDocenti.valore(i);
        QVERIFY(verificariga::veraConRisposta(s.SchedaAlunni.valore(i), verificariga::rispostaDocente(docente)));
    }
}

void TestFrmStampaSchede::dueSchedeDiverse()
{
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    premi(f->Option1[3]);
    premi(f->Option3[1]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    const QStringList prima = etichette(f);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    const QStringList seconda = etichette(f);
    QVERIFY(prima != seconda);
    QCOMPARE(seconda, righe(modulo2().SchedaAlunni));
    QCOMPARE(righe(modulo2().ElencoOperazioni), seconda);

    QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
    const QStringList docenti = etichette(f);
    QCOMPARE(righe(modulo2().ElencoOperazioni), docenti);
    for (int i = 0; i < 60; ++i) {
        QVERIFY2(docenti[i].startsWith(seconda[i] + QStringLiteral("       ")), qPrintable(docenti[i]));
        QVERIFY(verificariga::veraConRisposta(seconda[i], verificariga::rispostaDocente(docenti[i])));
    }
}

void TestFrmStampaSchede::pulsantiStampa()
{
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    premi(f->Option1[1]);
    premi(f->Option3[0]);
    QVERIFY(f->CmdStampaAlunni->isHidden());
    QVERIFY(f->CmdStampaDocenti->isHidden());
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    QVERIFY(f->CmdStampaAlunni->isVisible());
    QVERIFY(f->CmdStampaDocenti->isVisible());
    QVERIFY(f->CmdSchedaDocenti->hasFocus());
}

void TestFrmStampaSchede::cancellaScheda()
{
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    premi(f->Option1[2]);
    premi(f->Option3[1]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    const Modulo2 &s = modulo2();
    const QStringList alunni = righe(s.SchedaAlunni);
    const QStringList docenti = righe(s.SchedaDocenti);

    QTest::mouseClick(f->CmdRicomincia, Qt::LeftButton);
    QVERIFY(f->CmdStampaAlunni->isHidden());
    QVERIFY(f->CmdStampaDocenti->isHidden());
    QVERIFY(etichette(f).join(QString()).isEmpty());
    QCOMPARE(righe(s.SchedaAlunni), alunni);
    QCOMPARE(righe(s.SchedaDocenti), docenti);
    QCOMPARE(righe(s.ElencoOperazioni), alunni);

    // The teacher's sheet still shows the answers of the sheet drawn last.
    QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
    QCOMPARE(etichette(f), docenti);
    QVERIFY(f->CmdStampaDocenti->isVisible());
}

void TestFrmStampaSchede::coloriFuoco_data()
{
    QTest::addColumn<bool>("livelli");
    QTest::addColumn<QList<int>>("premuti");
    QTest::newRow("one objective") << false << QList<int>{2};
    QTest::newRow("objective then another") << false << QList<int>{1, 3};
    QTest::newRow("one level") << true << QList<int>{0};
    QTest::newRow("level, another, back") << true << QList<int>{3, 1, 3};
}

void TestFrmStampaSchede::coloriFuoco()
{
    QFETCH(bool, livelli);
    QFETCH(QList<int>, premuti);
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    QList<PulsanteOpzione *> gruppo;
    for (PulsanteOpzione *p : livelli ? f->Option3 : f->Option1) {
        if (p)
            gruppo.append(p);
    }
    for (const int i : premuti)
        premi(livelli ? f->Option3[static_cast<std::size_t>(i)] : f->Option1[static_cast<std::size_t>(i)]);
    for (PulsanteOpzione *p : gruppo) {
        const bool scelto = p->indice() == premuti.last();
        QCOMPARE(sfondo(p), scelto ? acceso : spento);
        QVERIFY(!p->isDown());
    }
}

void TestFrmStampaSchede::stampa_data()
{
    QTest::addColumn<bool>("docentiMostrati");
    QTest::addColumn<bool>("pulsanteDocenti");
    QTest::addColumn<int>("tipoScheda");
    QTest::addColumn<double>("dimensione");
    QTest::newRow("pupils' sheet, pupils' button") << false << false << 1 << 12.0;
    QTest::newRow("teacher's sheet, teachers' button") << true << true << 2 << 10.0;
    QTest::newRow("teacher's sheet, pupils' button prints it in 12") << true << false << 1 << 12.0;
    QTest::newRow("pupils' sheet, teachers' button prints it in 10") << false << true << 2 << 10.0;
}

void TestFrmStampaSchede::stampa()
{
    QFETCH(bool, docentiMostrati);
    QFETCH(bool, pulsanteDocenti);
    QFETCH(int, tipoScheda);
    QFETCH(double, dimensione);

    FrmStampaSchede *f = apri();
    QVERIFY(f);
    premi(f->Option1[3]);
    premi(f->Option3[2]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    if (docentiMostrati)
        QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
    const QStringList mostrate = etichette(f);
    QTest::mouseClick(pulsanteDocenti ? f->CmdStampaDocenti : f->CmdStampaAlunni, Qt::LeftButton);

    QCOMPARE(int(modulo2().TipoScheda), tipoScheda);
    QCOMPARE(m_ambiente->stampanti().size(), std::size_t(1));
    const StampanteRegistrata &p = *m_ambiente->stampanti().front();
    QVERIFY(p.documentoFinito());
    const QStringList testi = p.testi();
    QCOMPARE(testi.size(), 63);
    QCOMPARE(testi.mid(2, 60), mostrate);
    QCOMPARE(testi.first(), QStringLiteral("Cognome e nome: "));
    QCOMPARE(testi.last(), modulo2().DescrizioneObiettivo);
    double inUso = 0;
    for (const auto &c : p.chiamate()) {
        if (c.tipo == StampanteRegistrata::Tipo::Dimensione)
            inUso = c.numero;
        else if (c.tipo == StampanteRegistrata::Tipo::Testo && mostrate.contains(c.testo))
            QCOMPARE(inUso, dimensione);
    }
    QVERIFY(m_ambiente->messaggi().isEmpty());
    QCOMPARE(etichette(f), mostrate);
}

void TestFrmStampaSchede::stampaSenzaCourier()
{
    m_ambiente->impostaFontStampante({QStringLiteral("Arial"), QStringLiteral("Times New Roman")});
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    premi(f->Option3[0]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    QTest::mouseClick(f->CmdStampaAlunni, Qt::LeftButton);
    QCOMPARE(m_ambiente->messaggi(), QStringList{QStringLiteral("Devi installare il font Courier o il font Courier New")});
    for (const StampanteRegistrata *p : m_ambiente->stampanti())
        QVERIFY(p->chiamate().empty());
    QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaSchede));
}

void TestFrmStampaSchede::stampaGuasta()
{
    // The printer fails in the middle of the lines: the page does not go out,
    // and the window stays as it was.
    m_ambiente->impostaGuastoStampante(40);
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    premi(f->Option3[0]);
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    const QStringList mostrate = etichette(f);
    QTest::mouseClick(f->CmdStampaAlunni, Qt::LeftButton);
    QCOMPARE(m_ambiente->stampanti().size(), std::size_t(1));
    QVERIFY(!m_ambiente->stampanti().front()->documentoFinito());
    QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaSchede));
    QCOMPARE(m_ambiente->fineProgramma(), 0);
    QCOMPARE(etichette(f), mostrate);
    QVERIFY(f->CmdStampaAlunni->isVisible());
    QVERIFY(f->CmdStampaDocenti->isVisible());
}

void TestFrmStampaSchede::esci()
{
    FrmStampaSchede *f = apri();
    QVERIFY(f);
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QVERIFY(!Finestre::istanza().caricata(nomi::FrmStampaSchede));
}

void TestFrmStampaSchede::dalMenuDellaFinestraIniziale()
{
    auto *inizio = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
    QVERIFY(inizio);
    QVERIFY(!inizio->mnuSchede->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(inizio->tendineAperte(), 10000);
    QVERIFY(inizio->mnuSchede->isEnabled());
    inizio->mnuSchede->trigger();
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().trova(nomi::FrmStampaSchede));
    QVERIFY(f);
    QVERIFY(f->isVisible());
    QCOMPARE(f->windowTitle(), QStringLiteral("VEVIDUVIV"));
}

QTEST_MAIN(TestFrmStampaSchede)
#include "tst_frmstampaschede.moc"
