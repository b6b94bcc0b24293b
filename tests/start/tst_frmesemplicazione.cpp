// The examples window on the real window: one row per place of the unknown in
// the exercise row's look, the answer shown on a press, new examples, and the
// exercise window's series left exactly as it was.
#include "exercise/provafrmoperativo.h"
#include "support/ambienteprova.h"

#include "exercise/generatore.h"
#include "exercise/linea.h"
#include "frame/aspetto.h"
#include "frame/unita.h"
#include "start/frmesemplicazione.h"

using namespace prova;

namespace {

constexpr std::array<Posto, 4> postiInOrdine{Posto::risultato, Posto::primo, Posto::secondo, Posto::terzo};

FrmEsemplicazione *apriEsempi()
{
    return qobject_cast<FrmEsemplicazione *>(Finestre::istanza().mostra(nomi::FrmEsemplicazione));
}

QColor colore(quint32 bgr)
{
    return QColor::fromRgb(unita::coloreDaBgr(bgr));
}

// What a row shows, read from its labels: "a + b + c = r" with "?" in one place.
QString testoRiga(const RigaOperazione *riga)
{
    return QStringList{riga->LblNumero1->text(), riga->LblSegno->text(), riga->LblNumero2->text(),
                       riga->lblSegno1->text(), riga->lblNumero3->text(), riga->LblUguale->text(),
                       riga->lblRisultato1->text()}
        .join(QLatin1Char(' '));
}

// True when the row read from the screen holds with the answer put in place of "?".
bool veraConRisposta(const RigaOperazione *riga, const QString &risposta)
{
    std::array<int, 4> v{};
    for (int i = 0; i < 4; ++i) {
        const QString testo = riga->etichetta(static_cast<Posto>(i))->text();
        v[static_cast<std::size_t>(i)] = (testo == QStringLiteral("?") ? risposta : testo).toInt();
    }
    const QString segno = riga->LblSegno->text();
    if (segno != riga->lblSegno1->text() || riga->LblUguale->text() != QStringLiteral("="))
        return false;
    if (segno == QStringLiteral("+"))
        return v[0] + v[1] + v[2] == v[3];
    if (segno == QStringLiteral("-"))
        return v[0] - v[1] - v[2] == v[3];
    if (segno == QStringLiteral("x"))
        return v[0] * v[1] * v[2] == v[3];
    return false;
}

QStringList schermoEsercizio(const FrmOperativo *f)
{
    QStringList testi{testoRiga(f->frmNumero), f->frmNumero->lblCorrezione->text(), f->LblEsito->text()};
    for (const QLabel *l : f->Label1)
        testi.append(l->text());
    return testi;
}

QStringList statoSerie()
{
    const Modulo2 &s = modulo2();
    QStringList c{QString::number(s.Operazione), QString::number(s.Livello), QString::number(s.Termine1),
                  QString::number(s.Termine2), QString::number(s.Termine3), QString::number(s.Incognita),
                  QString::number(s.TipoDomanda), s.TestoTermine1, s.TestoTermine2, s.TestoTermine3, s.Spazi1,
                  s.Spazi2, s.Spazi3, s.SpaziIncognita, s.TestoIncognita, s.Risposta, s.SegnoEsito,
                  QString::number(s.Tentativi), QString::number(s.NumeroOperazione),
                  QString::number(s.NumeroOperazioni), QString::number(s.NumeroEsercizio),
                  QString::number(s.NumeroEsatte), QString::number(s.NumeroErrate),
                  QString::number(s.RisposteEsatte), QString::number(s.InizioOperazione.value_or(-1)),
                  QString::number(s.FineOperazione.value_or(-1)), QString::number(s.TempoParziale.value_or(-1)),
                  QString::number(s.TempoTotale.value_or(-1)), s.TestoTempoParziale, s.Valutazione};
    for (int i = 0; i <= 5; ++i)
        c.append(s.TempiEsercizi.valore(i));
    for (int i = 0; i <= 90; ++i)
        c.append(s.ElencoOperazioni.valore(i));
    return c;
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

        const char *nomi[] = {"addition", "subtraction", "multiplication"};
        const char *segni[] = {"+", "-", "x"};
        const char *intestazioni[] = {"   Operazione:    ADDIZIONE", "   Operazione:    SOTTRAZIONE",
                                      "   Operazione:    MOLTIPLICAZIONE"};
        for (int op = 1; op <= 3; ++op) {
            for (int l = 0; l <= 4; ++l)
                QTest::addRow("%s, level %d", nomi[op - 1], l)
                    << op << l << segni[op - 1] << intestazioni[op - 1];
        }
    }

    // One row per place, "?" in it and brown, every answer hidden until its row is pressed.
    void righe()
    {
        QFETCH(int, operazione);
        QFETCH(int, livello);
        QFETCH(QString, segno);
        QFETCH(QString, intestazione);
        modulo2().Operazione = static_cast<Modulo2::int16>(operazione);
        modulo2().Livello = static_cast<Modulo2::int16>(livello);
        FrmEsemplicazione *e = apriEsempi();
        QVERIFY(e);
        QCOMPARE(e->Label1[0]->text(), intestazione);
        QCOMPARE(e->Label1[1]->text(), intestazioneLivello(livello));
        QCOMPARE(e->Label1[2]->text(), QStringLiteral("Premi un esempio per vedere la risposta"));

        for (std::size_t i = 0; i < e->frmEsempio.size(); ++i) {
            RigaOperazione *riga = e->frmEsempio[i];
            QVERIFY(riga->isVisible());
            QCOMPARE(riga->LblSegno->text(), segno);
            QLabel *incognita = riga->etichetta(postiInOrdine[i]);
            QCOMPARE(incognita->text(), QStringLiteral("?"));
            QCOMPARE(coloreTesto(incognita), colore(0x00004080u));
            for (int p = 0; p < numeroPosti; ++p) {
                QLabel *numero = riga->etichetta(static_cast<Posto>(p));
                if (numero == incognita)
                    continue;
                bool intero = false;
                const int valore = numero->text().toInt(&intero);
                QVERIFY2(intero && valore >= 1 && valore <= 99, qPrintable(testoRiga(riga)));
                QCOMPARE(coloreTesto(numero), colore(aspetto::bluScuro));
            }
            QVERIFY(riga->lblCorrezione->text().isEmpty());
            // The empty place of the answer already waits under the "?".
            QCOMPARE(riga->lblCorrezione->x(), incognita->x());
            for (std::size_t k = 0; k < riga->Line1.size(); ++k)
                QVERIFY(!riga->Line1[k]->isVisible() && !riga->Line2[k]->isVisible());
        }

        for (std::size_t i = 0; i < e->frmEsempio.size(); ++i) {
            RigaOperazione *riga = e->frmEsempio[i];
            QTest::mousePress(riga->LblUguale, Qt::LeftButton);
            const QString risposta = riga->lblCorrezione->text().trimmed();
            QCOMPARE(riga->lblCorrezione->text(), QLatin1Char(' ') + risposta);
            QVERIFY2(veraConRisposta(riga, risposta), qPrintable(testoRiga(riga) + " / " + risposta));
            QCOMPARE(coloreTesto(riga->lblCorrezione), colore(aspetto::rosso));
            QCOMPARE(riga->lblCorrezione->x(), riga->etichetta(postiInOrdine[i])->x());
            QVERIFY(riga->lblCorrezione->y() > riga->etichetta(postiInOrdine[i])->y());
            // Rows not yet pressed keep their answer hidden.
            for (std::size_t k = i + 1; k < e->frmEsempio.size(); ++k)
                QVERIFY(e->frmEsempio[k]->lblCorrezione->text().isEmpty());
        }
    }

    // New examples hide the answers again and change the rows.
    void altriEsempi()
    {
        modulo2().Operazione = operazioni::addizione;
        modulo2().Livello = 3;
        FrmEsemplicazione *e = apriEsempi();
        QTest::mousePress(e->frmEsempio[2], Qt::LeftButton);
        QVERIFY(!e->frmEsempio[2]->lblCorrezione->text().isEmpty());

        QStringList prima;
        for (const RigaOperazione *riga : e->frmEsempio)
            prima.append(testoRiga(riga));
        int cambiate = 0;
        for (int giro = 0; giro < 10; ++giro) {
            m_ambiente->orologio().avanza(1);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            for (std::size_t i = 0; i < e->frmEsempio.size(); ++i) {
                const RigaOperazione *riga = e->frmEsempio[i];
                QVERIFY(riga->lblCorrezione->text().isEmpty());
                QCOMPARE(riga->etichetta(postiInOrdine[i])->text(), QStringLiteral("?"));
                if (testoRiga(riga) != prima.at(static_cast<int>(i)))
                    ++cambiate;
            }
        }
        QVERIFY(cambiate >= 20);
    }

    // The answer stays under its "?" when the window changes size.
    void rispostaDopoRidimensionamento()
    {
        modulo2().Operazione = operazioni::moltiplicazione;
        modulo2().Livello = 2;
        FrmEsemplicazione *e = apriEsempi();
        for (RigaOperazione *riga : e->frmEsempio)
            QTest::mousePress(riga->lblRisultato1, Qt::LeftButton);
        for (const QSize dimensione : {QSize(1200, 900), QSize(640, 600)}) {
            e->showNormal();
            e->resize(dimensione);
            QCoreApplication::processEvents();
            for (std::size_t i = 0; i < e->frmEsempio.size(); ++i) {
                const RigaOperazione *riga = e->frmEsempio[i];
                QCOMPARE(riga->lblCorrezione->x(), riga->etichetta(postiInOrdine[i])->x());
            }
        }
    }

    // Drawing many examples while a series is half-way changes nothing the
    // exercise, report and certificate windows read, nor the exercise row.
    void serieIntatta()
    {
        FrmOperativo *f = apri(operazioni::sottrazione, 2);
        digita(f, giusta() + QStringLiteral("VA"));
        digita(f, QStringLiteral("0V"));
        const QStringList stato = statoSerie();
        const QStringList schermo = schermoEsercizio(f);

        FrmEsemplicazione *e = apriEsempi();
        for (int giro = 0; giro < 200; ++giro) {
            m_ambiente->orologio().avanza(0.5f);
            premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
            QTest::mousePress(e->frmEsempio[static_cast<std::size_t>(giro % 4)], Qt::LeftButton);
        }
        premi(e->optScelta[FrmEsemplicazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmEsemplicazione));

        QCOMPARE(statoSerie(), stato);
        QCOMPARE(schermoEsercizio(f), schermo);
        // The pupil goes on where he was.
        QVERIFY(f->fraAiuto->isEnabled());
    }

    // Choices changed in the start window reach a window left loaded when it
    // is activated again; an activation without changes keeps the examples.
    void nuoveSceltePerLaFinestraCaricata()
    {
        modulo2().Operazione = operazioni::addizione;
        modulo2().Livello = 1;
        FrmEsemplicazione *e = apriEsempi();
        QTest::mousePress(e->frmEsempio[0], Qt::LeftButton);
        const QString prima = testoRiga(e->frmEsempio[0]);
        QEvent attivazione(QEvent::WindowActivate);
        QApplication::sendEvent(e, &attivazione);
        QVERIFY(!e->frmEsempio[0]->lblCorrezione->text().isEmpty());
        QCOMPARE(testoRiga(e->frmEsempio[0]), prima);

        modulo2().Operazione = operazioni::moltiplicazione;
        modulo2().Livello = 3;
        QCOMPARE(Finestre::istanza().mostra(nomi::FrmEsemplicazione), e);
        QApplication::sendEvent(e, &attivazione);
        QCOMPARE(e->Label1[0]->text(), QStringLiteral("   Operazione:    MOLTIPLICAZIONE"));
        QCOMPARE(e->Label1[1]->text(), QStringLiteral("Livello n.3:         NUMERO MASSIMO da  60 a 99"));
        for (const RigaOperazione *riga : e->frmEsempio) {
            QCOMPARE(riga->LblSegno->text(), QStringLiteral("x"));
            QVERIFY(riga->lblCorrezione->text().isEmpty());
        }
    }

    void operazioneNonAllenata()
    {
        modulo2().Operazione = 9;
        FrmEsemplicazione *e = apriEsempi();
        QVERIFY(e);
        for (const RigaOperazione *riga : e->frmEsempio)
            QVERIFY(!riga->isVisible());
        QTest::mousePress(e->frmEsempio[0], Qt::LeftButton);
        premi(e->optScelta[FrmEsemplicazione::altriEsempi]);
        QVERIFY(e->esempi().empty());
    }

    void chiudi()
    {
        FrmEsemplicazione *e = apriEsempi();
        premi(e->optScelta[FrmEsemplicazione::chiudi]);
        QVERIFY(!Finestre::istanza().caricata(nomi::FrmEsemplicazione));
        QVERIFY(Finestre::istanza().caricate().isEmpty());
    }
};

QTEST_MAIN(TstFrmEsemplicazione)
#include "tst_frmesemplicazione.moc"
