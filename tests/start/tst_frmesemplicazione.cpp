// The examples window on the real window: one example per place of the
// unknown, drawn by the exercise window's generator at the level chosen and
// shown with "?" in its place; the answer in red under it on a press; new
// examples; and the exercise window's series left as it was.
#include "exercise/provafrmoperativo.h"
#include "support/ambienteprova.h"

#include "exercise/generatore.h"
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
    for (const int n : {s.Termine1, s.Termine2, s.Termine3, s.Incognita, s.TipoDomanda, s.NumeroOperazioni,
                        s.RisposteEsatte, s.Tentativi})
        c.append(QString::number(n));
    for (const auto &tempo : {s.InizioOperazione, s.TempoParziale, s.TempoTotale})
        c.append(QString::number(tempo.value_or(-1)));
    return c << s.TestoIncognita << s.ElencoOperazioni.valore(s.NumeroOperazioni);
}

} // namespace

class TstFrmEsemplicazione final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    void esempi_data()
    {
        QTest::addColumn<int>("operazione");
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("livelloDisegno");

        for (int op = 1; op <= 3; ++op) {
            QTest::addRow("operation %d, no level chosen: level 1", op) << op << 0 << 1;
            QTest::addRow("operation %d, level past the last: level 1", op) << op << 5 << 1;
            for (int l = 1; l <= 4; ++l)
                QTest::addRow("operation %d, level %d", op, l) << op << l << l;
        }
    }

    // Each draw and each press on "Altri esempi": the header names the operation
    // and the level drawn at; the rows show new examples, answers hidden, one per
    // place of the unknown (result, then the numbers from the left), each true
    // with its answer and in the generator's range for the level.
    void esempi()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(int, livelloDisegno);
        const QStringList nomi{"ADDIZIONE", "SOTTRAZIONE", "MOLTIPLICAZIONE"};
        const QStringList segni{"+", "-", "x"};
        const QStringList livelli{"1 a 30", "30 a 60", "60 a 99", "1 a 99"};
        const std::array<Posto, 4> ordine{Posto::risultato, Posto::primo, Posto::secondo, Posto::terzo};
        const auto limiti = rigaGeneratore(operazione, livelloDisegno);
        FrmEsemplicazione *e = apriEsempi(operazione, livello);
        QCOMPARE(e->Label1[0]->text(), QStringLiteral("   Operazione:    ") + nomi.at(operazione - 1));
        QCOMPARE(e->Label1[1]->text(), QStringLiteral("Livello n.%1:         NUMERO MASSIMO da  %2")
                                           .arg(livelloDisegno)
                                           .arg(livelli.at(livelloDisegno - 1)));
        for (int giro = 0; giro < 20; ++giro) {
            QCOMPARE(schermo(e), atteso(e)); // four rows drawn, all shown
            for (std::size_t i = 0; i < ordine.size(); ++i) {
                const Esempio &esempio = e->esempi()[i];
                QVERIFY(e->frmEsempio[i]->isVisible());
                QCOMPARE(e->frmEsempio[i]->LblSegno->text(), segni.at(operazione - 1));
                QCOMPARE(postoIncognita(esempio.riga.tipoDomanda), std::optional<Posto>(ordine[i]));
                auto valori = esempio.riga.valori;
                valori[static_cast<std::size_t>(ordine[i])] = esempio.risposta;
                const auto [a, b, c, r] = valori;
                const bool vera = operazione == operazioni::addizione     ? a + b + c == r
                                  : operazione == operazioni::sottrazione ? a - b - c == r
                                                                          : a * b * c == r;
                QVERIFY2(vera, qPrintable(QStringLiteral("%1 %2 %3 = %4").arg(a).arg(b).arg(c).arg(r)));
                const int controllo = operazione == operazioni::sottrazione ? a : r;
                QVERIFY(controllo >= limiti->minimo && controllo <= limiti->massimo);
            }
            const QStringList prima = schermo(e);
            QTest::mousePress(e->frmEsempio[static_cast<std::size_t>(giro % 4)], Qt::LeftButton);
            m_ambiente->orologio().avanza(1);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            QVERIFY(schermo(e) != prima);
        }
    }

    // A press on a row shows its answer alone, in red under its "?", and it
    // stays there when the window changes size.
    void risposta()
    {
        FrmEsemplicazione *e = apriEsempi(operazioni::sottrazione, 2);
        const auto sottoIncognita = [e](std::size_t i) {
            const RigaOperazione *riga = e->frmEsempio[i];
            const QLabel *incognita = riga->etichettaIncognita(e->esempi()[i].riga.tipoDomanda);
            return riga->lblCorrezione->x() == incognita->x() && riga->lblCorrezione->y() > incognita->y();
        };
        QStringList righe = atteso(e);
        for (std::size_t i = 0; i < e->frmEsempio.size(); ++i) {
            RigaOperazione *riga = e->frmEsempio[i];
            QTest::mousePress(riga->LblUguale, Qt::LeftButton);
            righe[static_cast<int>(i) * 5 + 4] = QString::number(e->esempi()[i].risposta);
            QCOMPARE(schermo(e), righe);
            QCOMPARE(riga->lblCorrezione->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(sottoIncognita(i));
        }
        e->showNormal();
        e->resize(640, 600);
        QCoreApplication::processEvents();
        for (std::size_t i = 0; i < e->frmEsempio.size(); ++i)
            QVERIFY(sottoIncognita(i));
    }

    // Drawing many examples while a series is half-way changes nothing of it,
    // and "Chiudi" unloads the window.
    void serieIntatta()
    {
        FrmOperativo *f = apri(operazioni::sottrazione, 2);
        digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("VA0V"));
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
        QCOMPARE(e->Label1[1]->text(), QStringLiteral("Livello n.3:         NUMERO MASSIMO da  60 a 99"));
        QCOMPARE(e->esempi().front().operazione, 3);
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
