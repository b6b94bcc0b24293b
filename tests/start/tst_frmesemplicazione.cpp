// The examples window on the real window: one example per place of the
// unknown, drawn by the exercise window's generator at the level chosen and
// shown with "?" in its place; the answer under it on a press; new examples;
// and the exercise window's series left as it was.
#include "exercise/provafrmoperativo.h"

#include "exercise/generatore.h"
#include "start/frmesemplicazione.h"

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
            for (int l = 2; l <= 4; ++l)
                QTest::addRow("operation %d, level %d", op, l) << op << l << l;
        }
    }

    // Each draw: the level drawn at in the header; one example per place of the unknown
    // (result, then the numbers from the left), answers hidden, each true with its
    // answer and in the generator's range for the level; a press on a row shows its answer
    // alone, in red; "Altri esempi" draws new ones, answers hidden again.
    void esempi()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(int, livelloDisegno);
        const std::array<Posto, 4> ordine{Posto::risultato, Posto::primo, Posto::secondo, Posto::terzo};
        const auto limiti = rigaGeneratore(operazione, livelloDisegno);
        FrmEsemplicazione *e = apriEsempi(operazione, livello);
        QVERIFY(e->Label1[1]->text().startsWith(QStringLiteral("Livello n.%1: ").arg(livelloDisegno)));
        for (int giro = 0; giro < 10; ++giro) {
            QCOMPARE(schermo(e), atteso(e));
            for (std::size_t i = 0; i < ordine.size(); ++i) {
                const Esempio &esempio = e->esempi()[i];
                QCOMPARE(postoIncognita(esempio.riga.tipoDomanda), std::optional<Posto>(ordine[i]));
                const auto &v = esempio.riga.valori;
                QCOMPARE(esempio.risposta, v[static_cast<std::size_t>(ordine[i])]);
                const int controllo = operazione == operazioni::sottrazione ? v[0] : v[3];
                QVERIFY(controllo >= limiti->minimo && controllo <= limiti->massimo);
            }
            const std::size_t premuta = static_cast<std::size_t>(giro) % ordine.size();
            QTest::mousePress(e->frmEsempio[premuta]->LblUguale, Qt::LeftButton);
            QStringList rivelato = atteso(e);
            rivelato[static_cast<int>(premuta) * 5 + 4] = QString::number(e->esempi()[premuta].risposta);
            QCOMPARE(schermo(e), rivelato);
            QCOMPARE(e->frmEsempio[premuta]->lblCorrezione->palette().color(QPalette::WindowText), QColor(Qt::red));
            const QStringList prima = schermo(e);
            m_ambiente->orologio().avanza(1);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            QVERIFY(schermo(e) != prima);
        }
    }

    // Drawing many examples while a series is half-way changes nothing of it.
    void serieIntatta()
    {
        FrmOperativo *f = apri(operazioni::sottrazione, 2);
        digita(f, modulo2().TestoIncognita.trimmed() + QStringLiteral("VA0V"));
        const auto stato = [] {
            const Modulo2 &s = modulo2();
            return QList<QVariant>{s.Termine1, s.Termine2, s.Termine3, s.Incognita, s.TipoDomanda, s.NumeroOperazioni,
                                   s.RisposteEsatte, s.Tentativi, s.TempoTotale.value_or(-1), s.TestoIncognita,
                                   s.ElencoOperazioni.valore(s.NumeroOperazioni)};
        };
        const QList<QVariant> prima = stato();
        FrmEsemplicazione *e = apriEsempi(operazioni::sottrazione, 2);
        for (int giro = 0; giro < 100; ++giro) {
            m_ambiente->orologio().avanza(0.5f);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            QTest::mousePress(e->frmEsempio[static_cast<std::size_t>(giro % 4)], Qt::LeftButton);
        }
        premi(e->optScelta[FrmEsemplicazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmEsemplicazione));
        QCOMPARE(stato(), prima);
        QVERIFY(f->fraAiuto->isEnabled());
    }
};

QTEST_MAIN(TstFrmEsemplicazione)
#include "tst_frmesemplicazione.moc"
