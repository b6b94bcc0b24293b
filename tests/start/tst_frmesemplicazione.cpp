// The examples window on the real window: the drawn examples in the exercise
// row's look with "?" in the unknown's place, the answer shown in red under it
// on a press, new examples, and the exercise window's series left as it was.
#include "exercise/provafrmoperativo.h"
#include "support/ambienteprova.h"

#include "exercise/generatore.h"
#include "frame/aspetto.h"
#include "frame/unita.h"
#include "start/elencoserie.h"
#include "start/frmesemplicazione.h"
#include "start/registroserie.h"

using namespace prova;

namespace {

FrmEsemplicazione *apriEsempi(int operazione, int livello)
{
    modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
    modulo2().Livello = static_cast<Modulo2::int16>(livello);
    return qobject_cast<FrmEsemplicazione *>(Finestre::istanza().mostra(nomi::FrmEsemplicazione));
}

bool colorata(const QWidget *w, quint32 bgr)
{
    return w->palette().color(QPalette::WindowText) == QColor::fromRgb(unita::coloreDaBgr(bgr));
}

// Per row: the four numbers (first, second, third, result) and the answer below.
QStringList schermo(const FrmEsemplicazione *e)
{
    QStringList testi;
    for (const RigaOperazione *riga : e->frmEsempio) {
        for (int p = 0; p < numeroPosti; ++p)
            testi.append(riga->etichetta(static_cast<Posto>(p))->text());
        testi.append(riga->lblCorrezione->text().trimmed());
    }
    return testi;
}

// The screen the drawn examples call for, "?" in each unknown's place and every answer hidden.
QStringList atteso(const FrmEsemplicazione *e)
{
    QStringList testi;
    for (const Esempio &esempio : e->esempi()) {
        QStringList riga;
        for (const int valore : esempio.riga.valori)
            riga.append(QString::number(valore));
        riga[static_cast<int>(*postoIncognita(esempio.riga.tipoDomanda))] = QStringLiteral("?");
        testi += riga << QString();
    }
    return testi;
}

// What of the series under way the exercise, report and certificate windows
// read: its record, counts and times, the operation on show and its log line.
QStringList statoSerie()
{
    const Modulo2 &s = modulo2();
    QStringList c = rigaSerie(registroSerie().serie().back());
    for (const int n : {s.Termine1, s.Termine2, s.Termine3, s.Incognita, s.TipoDomanda, s.NumeroOperazioni})
        c.append(QString::number(n));
    return c << s.TestoIncognita << s.ElencoOperazioni.valore(s.NumeroOperazioni)
             << QString::number(s.InizioOperazione.value_or(-1));
}

} // namespace

class TstFrmEsemplicazione final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void righe_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::addColumn<int>("livello");
        QTest::addColumn<QString>("segno");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<QString>("livelloTesto");

        QTest::newRow("addition, no level chosen: level 1") << 1 << 0 << "+" << "   Operazione:    ADDIZIONE"
                                                           << "Livello n.1:         NUMERO MASSIMO da  1 a 30";
        QTest::newRow("subtraction, level 2") << 2 << 2 << "-" << "   Operazione:    SOTTRAZIONE"
                                              << "Livello n.2:         NUMERO MASSIMO da  30 a 60";
        QTest::newRow("multiplication, level past the last: level 1")
            << 3 << 5 << "x" << "   Operazione:    MOLTIPLICAZIONE" << "Livello n.1:         NUMERO MASSIMO da  1 a 30";
    }

    // A press on a row shows its answer alone, in red under its "?", and it
    // stays there when the window changes size.
    void righe()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(QString, segno);
        QFETCH(QString, intestazione);
        QFETCH(QString, livelloTesto);
        FrmEsemplicazione *e = apriEsempi(operazione, livello);
        QCOMPARE(e->Label1[0]->text(), intestazione);
        QCOMPARE(e->Label1[1]->text(), livelloTesto);
        QCOMPARE(e->esempi().size(), std::size_t{4});
        QStringList righe = atteso(e);
        QCOMPARE(schermo(e), righe);

        const auto sottoIncognita = [e](std::size_t i) {
            const RigaOperazione *riga = e->frmEsempio[i];
            const QLabel *incognita = riga->etichettaIncognita(e->esempi()[i].riga.tipoDomanda);
            return riga->lblCorrezione->x() == incognita->x() && riga->lblCorrezione->y() > incognita->y();
        };
        for (std::size_t i = 0; i < e->frmEsempio.size(); ++i) {
            RigaOperazione *riga = e->frmEsempio[i];
            QCOMPARE(riga->LblSegno->text(), segno);
            QVERIFY(colorata(riga->etichettaIncognita(e->esempi()[i].riga.tipoDomanda), 0x00004080u));
            QTest::mousePress(riga->LblUguale, Qt::LeftButton);
            righe[static_cast<int>(i) * 5 + 4] = QString::number(e->esempi()[i].risposta);
            QCOMPARE(schermo(e), righe);
            QVERIFY(colorata(riga->lblCorrezione, aspetto::rosso));
            QVERIFY(sottoIncognita(i));
        }
        e->showNormal();
        e->resize(640, 600);
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < e->frmEsempio.size(); ++i)
            QVERIFY(sottoIncognita(i));
    }

    // Each press draws new examples, their answers hidden again.
    void altriEsempi()
    {
        FrmEsemplicazione *e = apriEsempi(operazioni::addizione, 3);
        QTest::mousePress(e->frmEsempio[2], Qt::LeftButton);
        for (int giro = 0; giro < 10; ++giro) {
            const QStringList prima = schermo(e);
            m_ambiente->orologio().avanza(1);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            QCOMPARE(schermo(e), atteso(e));
            QVERIFY(schermo(e) != prima);
        }
    }

    // Drawing many examples while a series is half-way changes nothing of it,
    // and "Chiudi" unloads the window.
    void serieIntatta()
    {
        FrmOperativo *f = apri(operazioni::sottrazione, 2);
        digita(f, giusta() + QStringLiteral("VA0V"));
        const QStringList stato = statoSerie();
        FrmEsemplicazione *e = apriEsempi(operazioni::sottrazione, 2);
        for (int giro = 0; giro < 200; ++giro) {
            m_ambiente->orologio().avanza(0.5f);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            QTest::mousePress(e->frmEsempio[static_cast<std::size_t>(giro % 4)], Qt::LeftButton);
        }
        premi(e->optScelta[FrmEsemplicazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmEsemplicazione));
        QCOMPARE(statoSerie(), stato);
        QVERIFY(f->fraAiuto->isEnabled());
    }

    // A window left loaded follows choices changed in the start window when it
    // is activated again; an activation without changes keeps the examples.
    void nuoveScelte()
    {
        FrmEsemplicazione *e = apriEsempi(operazioni::addizione, 1);
        QTest::mousePress(e->frmEsempio[0], Qt::LeftButton);
        const QStringList prima = schermo(e);
        QEvent attivazione(QEvent::WindowActivate);
        QApplication::sendEvent(e, &attivazione);
        QCOMPARE(schermo(e), prima);

        modulo2().Operazione = operazioni::moltiplicazione;
        modulo2().Livello = 3;
        QApplication::sendEvent(e, &attivazione);
        QCOMPARE(e->Label1[0]->text(), QStringLiteral("   Operazione:    MOLTIPLICAZIONE"));
        QCOMPARE(e->Label1[1]->text(), QStringLiteral("Livello n.3:         NUMERO MASSIMO da  60 a 99"));
        QCOMPARE(e->frmEsempio[0]->LblSegno->text(), QStringLiteral("x"));
        QCOMPARE(schermo(e), atteso(e));
    }

    // An operation the exercise window does not train: no rows, and presses do nothing.
    void operazioneNonAllenata()
    {
        FrmEsemplicazione *e = apriEsempi(4, 1);
        QTest::mousePress(e->frmEsempio[0], Qt::LeftButton);
        premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
        QVERIFY(e->esempi().empty());
        for (const RigaOperazione *riga : e->frmEsempio)
            QVERIFY(!riga->isVisible());
    }
};

QTEST_MAIN(TstFrmEsemplicazione)
#include "tst_frmesemplicazione.moc"
