#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"
#include "frame/etichetta.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "printing/serieprova.h"
#include "start/frmvalutazione.h"
#include "support/ambienteprova.h"
#include "support/tabella.h"

#include <QDialog>
#include <QLineEdit>
#include <QtTest>


// A restless pupil on each window, from fixed seeds: clicks on any visible,
// usable button, label or text box, keys on the control with the focus and
// changes of size, with the clock running on past midnight. After every
// action: no option button stays down or checked, the answer has at most four
// characters, a series has at most 20 operations, and in a series the counts
// of right and wrong answers agree with the marks in its log lines.

namespace {

constexpr int righeSerie = 20;
constexpr int azioni = 1500;

// Besides the digits, keys the windows give a meaning to and some they do not.
constexpr std::array<int, 8> altriTasti{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab,
                                        Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_S, Qt::Key_F4};

// Mostly a click on any visible, usable button, label or text box; else a key
// on the control with the focus; now and then a change of size.
void agisci(QWidget *finestra, QRandomGenerator &casuale)
{
    const int scelta = casuale.bounded(1, 101);
    QList<QWidget *> bersagli;
    for (QWidget *w : finestra->findChildren<QWidget *>())
        if (w->isVisible() && w->isEnabled()
            && (qobject_cast<QAbstractButton *>(w) || qobject_cast<Etichetta *>(w) || qobject_cast<QLineEdit *>(w)))
            bersagli << w;
    if (scelta <= 75 && !bersagli.isEmpty()) {
        QTest::mouseClick(bersagli.at(casuale.bounded(int(bersagli.size()))), Qt::LeftButton);
    } else if (scelta <= 98) {
        const int n = casuale.bounded(10 + int(altriTasti.size()));
        QWidget *fuoco = QApplication::focusWidget();
        QTest::keyClick(fuoco && fuoco->window() == finestra ? fuoco : finestra,
                        Qt::Key(n < 10 ? Qt::Key_0 + n : altriTasti.at(std::size_t(n - 10))));
    } else {
        finestra->showNormal();
        finestra->resize(casuale.bounded(1, 1601), casuale.bounded(1, 1201));
    }
}

// The window shown first, the state it opens on (operations already in the
// log, for the report and the certificate), the seed.
struct Prova { const char *nome; QString finestra; int operazione, livello, fatte; unsigned seme; };
const Prova prove[] = {
    {"start window and all it opens", nomi::frmInizio, 1, 0, 0, 12},
    {"exercise, subtraction level 3", nomi::FrmOperativo, 2, 3, 0, 22},
    {"exercise, multiplication level 4", nomi::FrmOperativo, 3, 4, 0, 23},
    {"report, 5 operations", nomi::FrmStampaEsercizio, 1, 1, 5, 32},
    {"certificate, full series", nomi::FrmAttestato, 1, 1, 20, 41},
    {"worksheets, mixed", nomi::FrmStampaSchede, 3, 4, 0, 52},
};

// Everything that must hold after any action; empty when all is well. In a
// series (the exercise window loaded, no sheet shown since) log line i holds
// operation i with its marks: "* " for each wrong answer, "  " at the end when right.
QString controlla(bool serie)
{
    const Modulo2 &m = modulo2();
    if (m.Risposta.size() > 4)
        return QStringLiteral("answer \"%1\" longer than 4 characters").arg(m.Risposta);
    if (m.NumeroOperazioni < 0 || m.NumeroOperazioni > righeSerie || m.NumeroOperazione > righeSerie)
        return QStringLiteral("operation %1 of %2 in a series").arg(m.NumeroOperazione).arg(m.NumeroOperazioni);
    for (const Finestra *finestra : Finestre::istanza().caricate())
        for (const PulsanteOpzione *p : finestra->findChildren<PulsanteOpzione *>())
            if (p->isDown() || p->isChecked())
                return QStringLiteral("option button \"%1\" left down or checked").arg(p->caption());
    if (!serie)
        return {};
    int esatte = 0;
    int errate = 0;
    for (int i = 1; i <= m.NumeroOperazioni; ++i) {
        const QString riga = m.ElencoOperazioni.valore(i);
        errate += int(riga.mid(riga.indexOf(QStringLiteral("   R.")) + 5).count(QStringLiteral("* ")));
        esatte += riga.endsWith(QStringLiteral("  ")) ? 1 : 0;
    }
    if (esatte != m.NumeroEsatte || esatte != m.RisposteEsatte || errate != m.NumeroErrate)
        return QStringLiteral("log marks %1 right and %2 wrong, counts %3/%4 right and %5 wrong")
            .arg(esatte).arg(errate).arg(m.NumeroEsatte).arg(m.RisposteEsatte).arg(m.NumeroErrate);
    return {};
}

} // namespace

class TstClicCasuali final : public QObject
{
    Q_OBJECT

private slots:
    void finestra_data() { righeDa(prove); }
    void finestra()
    {
        const Prova &p = rigaDi(prove);
        AmbienteProva ambiente;
        QRandomGenerator casuale(p.seme);
        ambiente.orologio().imposta(secondiPerGiorno - 3600); // 23:00: series run past midnight
        // A dialog of Qt's own would wait for a person: count it and close it. Pop-up menus are no fault.
        int dialoghi = 0;
        QTimer chiudi;
        QObject::connect(&chiudi, &QTimer::timeout, [&dialoghi] {
            if (QWidget *menu = QApplication::activePopupWidget())
                menu->close();
            else if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ++dialoghi;
                d->reject();
            }
        });
        chiudi.start(20);
        const auto apri = [&p] {
            Modulo2 &m = modulo2();
            m.NomeProgramma = QStringLiteral("TARVELO");
            std::tie(m.Operazione, m.Livello, m.TipoDa, m.TipoA, m.NumeroMin, m.NumeroMax) =
                std::tuple(p.operazione, p.livello, 1, 3, 1, 99);
            if (p.fatte > 0)
                serieprova::riempi(p.fatte, p.fatte * 3 / 4);
            return Finestre::istanza().mostra(p.finestra);
        };
        QVERIFY(apri());
        bool schedaMostrata = false; // a sheet rewrites log lines 1 to 60
        int serieComplete = 0;
        for (int azione = 0; azione < azioni; ++azione) {
            const QList<Finestra *> caricate = Finestre::istanza().caricate();
            if (caricate.isEmpty()) { // the pupil ended the program: start again
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                azzeraModulo2();
                schedaMostrata = false;
                QVERIFY(apri());
                continue;
            }
            // The grading window's export goes to a file here, to a missing folder or nowhere, never to a dialog.
            if (auto *v = qobject_cast<FrmValutazione *>(Finestre::istanza().trova(nomi::FrmValutazione)))
                v->sceltaFile = [&casuale](const QString &) {
                    return QStringList{QStringLiteral("serie.csv"), QStringLiteral("/nessuna/serie.csv"), {}}[casuale.bounded(3)];
                };
            const int primaFatte = modulo2().NumeroOperazioni;
            // Mostly quick answers, now and then a very slow one.
            const float ora = ambiente.orologio().secondiDallaMezzanotte() + float(casuale.bounded(121)) / 10
                              + (casuale.bounded(1, 101) <= 3 ? 600 : 0);
            ambiente.orologio().imposta(std::fmod(ora, float(secondiPerGiorno)));
            // Now and then the pupil knows the answer, so that series run to their end.
            auto *esercizio = qobject_cast<FrmOperativo *>(caricate.last());
            if (esercizio && esercizio->fraTastierino->isEnabled() && casuale.bounded(1, 101) <= 40) {
                QList<int> tasti;
                for (const QChar c : modulo2().TestoIncognita.trimmed())
                    tasti << c.digitValue();
                for (const int t : tasti << Tastierino::verifica << Tastierino::avanti)
                    if (esercizio->isVisible() && esercizio->fraTastierino->isEnabled())
                        QTest::mouseClick(esercizio->fraTastierino->Option2.at(std::size_t(t)), Qt::LeftButton);
            } else {
                agisci(caricate.last(), casuale);
            }
            QCoreApplication::processEvents();
            serieComplete += modulo2().NumeroOperazioni == righeSerie && primaFatte < righeSerie ? 1 : 0;
            schedaMostrata = schedaMostrata || Finestre::istanza().caricata(nomi::FrmStampaSchede);
            const QString errore = controlla(Finestre::istanza().caricata(nomi::FrmOperativo) && !schedaMostrata);
            QVERIFY2(errore.isEmpty(), qPrintable(QStringLiteral("after action %1: %2").arg(azione).arg(errore)));
        }
        QCOMPARE(dialoghi, 0);
        if (p.finestra == nomi::FrmOperativo)
            QVERIFY2(serieComplete > 0, "no series reached its end: the limit of 20 was never put to the test");
    }
};

QTEST_MAIN(TstClicCasuali)
#include "tst_clic_casuali.moc"
