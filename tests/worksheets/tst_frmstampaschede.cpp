// The worksheet window on the real widgets offscreen: the order in which its
// frames are enabled, what each choice and button shows and what it sends to
// the recording printer.
#include "finestraschede.h"
#include "support/tabella.h"

#include "frame/aspetto.h"
#include "frame/unita.h"

#include <QGroupBox>

namespace {
QStringList righe(const ElencoTesti<90> &elenco)
{
    QStringList testi;
    for (int i = 1; i <= 60; ++i)
        testi.append(elenco.valore(i));
    return testi;
}

const QStringList vuote(60, QString());

// Only the option pressed last shows the focus colour, in both rows of options.
bool soloAcceso(const FrmStampaSchede *f, const PulsanteOpzione *premuto)
{
    for (const auto *gruppo : {&f->Option1, &f->Option3})
        for (const PulsanteOpzione *p : *gruppo) {
            const quint32 colore = p == premuto ? aspetto::fuocoAcceso : aspetto::fuocoSpento;
            if (p && p->palette().color(QPalette::Button) != QColor::fromRgb(unita::coloreDaBgr(colore)))
                return false;
        }
    return true;
}

// Operazione gives the caption; objective (0: none chosen in this window) and level the title line.
struct Scelta { const char *nome; int operazione, obiettivo, livello; const char *caption, *tipi, *titolo; };

constexpr Scelta scelte[] = {
    {"1, result, level 1", 1, 1, 0, "VEVIDUVIV", "1 to 1",
     "  -  CALCOLO DEL RISULTATO  - Livello:  1  NUMERO MASSIMO da  1 a 30"},
    {"4, no objective, level 4", 4, 0, 3, "MOLTIPLICAZIONI", "1 to 1", "  - Livello:  4  NUMERO MASSIMO da  1 a 99"},
    {"7, either, level 1", 7, 3, 0, "VEVIDUVIV - SOTTRAZIONI - MOLTIPLICAZIONI - DIVISIONI", "1 to 4",
     "  -  CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE  - Livello:  1  NUMERO MASSIMO da  1 a 30"},
    {"8 keeps the window's own caption", 8, 0, 2, "STAMPA SCHEDE", "1 to 1",
     "  - Livello:  3  NUMERO MASSIMO da  60 a 99"},
};
// The mouse button pressed on an objective and then on a level.
struct TastoMouse { const char *nome; Qt::MouseButton tasto; };
constexpr TastoMouse tastiMouse[] = {
    {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
} // namespace

using namespace finestraschede;
using prova::premi;

class TstFrmStampaSchede final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void schede()
    {
        FrmStampaSchede *f = apriSchede();
        QVERIFY(f);
        const Modulo2 &s = modulo2();
        QVERIFY(f->fraUno->isEnabled() && f->fraLivelli->isEnabled());
        QVERIFY(f->CmdStampaAlunni->isHidden() && f->CmdStampaDocenti->isHidden());
        QVERIFY(etichette(f) == vuote);

        // No pupils' sheet before a level, no teacher's sheet before the pupils'.
        QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
        premi(f->Option1[3]);
        QVERIFY(etichette(f) == vuote && !f->fraAlunni->isEnabled() && !f->fraDocenti->isEnabled());
        premi(f->Option3[1]);
        QVERIFY(f->fraAlunni->isEnabled() && !f->fraDocenti->isEnabled());
        QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
        QVERIFY(etichette(f) == vuote);

        // A new sheet at every press of "VISUALIZZA SCHEDA ALUNNI"; then both print buttons show.
        QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
        const QStringList prima = etichette(f);
        QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
        const QStringList alunni = etichette(f);
        QVERIFY(prima != alunni);
        QVERIFY(f->fraDocenti->isEnabled() && f->CmdSchedaDocenti->hasFocus());
        QVERIFY(f->CmdStampaAlunni->isVisible() && f->CmdStampaDocenti->isVisible());

        // The teacher's sheet: the second sheet's lines, each with its answer.
        QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
        const QStringList docenti = etichette(f);
        for (int i = 0; i < 60; ++i)
            QVERIFY2(docenti[i].startsWith(alunni[i] + "       ") && docenti[i].endsWith(')'), qPrintable(docenti[i]));

        // "CANCELLA SCHEDA" hides the print buttons and empties the labels, not the arrays.
        QTest::mouseClick(f->CmdRicomincia, Qt::LeftButton);
        QVERIFY(etichette(f) == vuote && f->CmdStampaAlunni->isHidden() && f->CmdStampaDocenti->isHidden());
        QCOMPARE(righe(s.SchedaAlunni), alunni);
        QTest::mouseClick(f->CmdSchedaDocenti, Qt::LeftButton);
        QCOMPARE(etichette(f), docenti);
    }

    void ogniTastoMouse_data() { righeDa(tastiMouse); }

    // Any mouse button chooses an objective and a level, as the left one does.
    void ogniTastoMouse()
    {
        const Qt::MouseButton tasto = rigaDi(tastiMouse).tasto;
        FrmStampaSchede *f = apriSchede();
        QTest::mouseClick(f->Option1[2], tasto);
        QCOMPARE(f->Label1->text(), QStringLiteral("  -  CALCOLO DI UN TERMINE"));
        QTest::mouseClick(f->Option3[0], tasto);
        QCOMPARE(f->Label1->text(), QStringLiteral("  -  CALCOLO DI UN TERMINE  - Livello:  1  NUMERO MASSIMO da  1 a 30"));
        QVERIFY(f->fraAlunni->isEnabled() && soloAcceso(f, f->Option3[0]));
    }

    void schedeObiettiviLivelli_data() { righeDa(scelte); }
    void schedeObiettiviLivelli()
    {
        const Scelta &r = rigaDi(scelte);
        FrmStampaSchede *f = apriSchede(r.operazione);
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QLatin1String(r.caption));
        const Modulo2 &s = modulo2();
        premi(f->Option3[2]);
        QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
        const QStringList stampabili = righe(s.ElencoOperazioni);
        const QString titolo = QLatin1String(r.titolo);
        if (r.obiettivo > 0) {
            // An objective empties the sheet on screen and both arrays, not the page to print.
            premi(f->Option1[static_cast<std::size_t>(r.obiettivo)]);
            QVERIFY(soloAcceso(f, f->Option1[static_cast<std::size_t>(r.obiettivo)]));
            QCOMPARE(f->Label1->text(), titolo.left(titolo.indexOf(QLatin1String("  - Livello"))));
            QVERIFY(etichette(f) == vuote && righe(s.SchedaAlunni) == vuote && righe(s.SchedaDocenti) == vuote);
            QCOMPARE(righe(s.ElencoOperazioni), stampabili);
        }
        QCOMPARE(QStringLiteral("%1 to %2").arg(s.TipoDa).arg(s.TipoA), QLatin1String(r.tipi));
        premi(f->Option3[static_cast<std::size_t>(r.livello)]);
        QCOMPARE(f->Label1->text(), titolo);
        QCOMPARE(int(s.Livello), r.livello + 1);
        QVERIFY(soloAcceso(f, f->Option3[static_cast<std::size_t>(r.livello)]));
    }

    // Each print button prints the pupils' sheet on screen as its own kind of sheet (TipoScheda 1
    // or 2); without a Courier face, a message and nothing printed.
    void schedeStampa()
    {
        FrmStampaSchede *f = apriSchede();
        QVERIFY(f);
        mostraScheda(f, 3, 2, false);
        QTest::mouseClick(f->CmdStampaDocenti, Qt::LeftButton);
        QCOMPARE(int(modulo2().TipoScheda), 2);
        QVERIFY(m_ambiente->stampanti().at(0)->documentoFinito());
        QCOMPARE(m_ambiente->stampanti().at(0)->testi().mid(2, 60), etichette(f));
        m_ambiente->impostaFontStampante({"Arial", "Times New Roman"});
        QTest::mouseClick(f->CmdStampaAlunni, Qt::LeftButton);
        QCOMPARE(int(modulo2().TipoScheda), 1);
        QCOMPARE(m_ambiente->messaggi(), QStringList("Devi installare il font Courier o il font Courier New"));
        QVERIFY(m_ambiente->stampanti().at(1)->chiamate().empty());
    }
};

QTEST_MAIN(TstFrmStampaSchede)
#include "tst_frmstampaschede.moc"
