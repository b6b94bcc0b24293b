#include "exercise/frmoperativo.h"
#include "exercise/tastierino.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "printing/serieprova.h"
#include "start/frmvalutazione.h"
#include "support/ambienteprova.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <random>

// A restless pupil on each window, from fixed seeds: clicks with either
// button, single and held keys and changes of size, with the clock running on
// (past midnight now and then). Mouse events go through the window system, so
// they reach the control really on top (or none when it is disabled). After
// every action: no option button stays down or checked, the answer has at most
// four characters, a series has at most 20 operations, the log is written only
// where a series or a sheet may write it, and the counts of right and wrong
// answers agree with the marks in the log lines.

// Qt's own entry for mouse events from the window system (what QtTest uses):
// the event is delivered by position, to the control really on top there.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow *window, const QPointF &local, const QPointF &global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace {

constexpr int righeSerie = 20;
constexpr int righeScheda = 60;
constexpr int azioni = 1500;
constexpr int quotaGiuste = 40; // percent of the actions that answer right when the keypad is ready

// Besides the ten digits: the keys the windows give a meaning to, and some
// that only a restless pupil would press.
constexpr std::array<int, 12> altriTasti{Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab,
                                         Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_S,
                                         Qt::Key_N,      Qt::Key_Agrave,    Qt::Key_F4,   Qt::Key_Minus};

// The window an action goes on with: the one it began on, or, when a press
// unloaded it, whatever window is now on top (none at the program's end).
QWidget *finestraViva(const QPointer<QWidget> &finestra)
{
    if (finestra && finestra->isVisible())
        return finestra;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle())
            return w;
    return nullptr;
}

class Scimmia final
{
public:
    Scimmia(unsigned seme, OrologioFinto &orologio) : m_casuale(seme), m_orologio(orologio) {}

    int tra(int a, int b) { return std::uniform_int_distribution<int>(a, b)(m_casuale); }

    void agisci(QWidget *finestra)
    {
        // Mostly quick answers, now and then a very slow one.
        const float ora = m_orologio.secondiDallaMezzanotte() + float(tra(0, 120)) / 10 + (tra(1, 100) <= 3 ? 600 : 0);
        m_orologio.imposta(ora >= secondiPerGiorno ? ora - secondiPerGiorno : ora);
        // Buttons three times as likely as any other visible control.
        QList<QWidget *> bersagli{finestra};
        for (QWidget *w : finestra->findChildren<QWidget *>())
            for (int k = qobject_cast<QAbstractButton *>(w) ? 3 : 1; w->isVisible() && k > 0; --k)
                bersagli << w;
        const int scelta = tra(1, 100);
        if (scelta <= 74)
            premi(finestra, bersagli.at(tra(0, int(bersagli.size()) - 1)), scelta <= 64 ? Qt::LeftButton : Qt::RightButton);
        else if (scelta <= 97)
            tasto(finestra, scelta <= 93 ? 1 : tra(2, 6));
        else {
            finestra->showNormal();
            finestra->resize(tra(1, 1600), tra(1, 1200));
        }
    }

    // Down and up at one point of the control, with no event processed in
    // between: the release reaches the window even when the press unloaded it.
    void premi(QWidget *finestra, QWidget *su, Qt::MouseButton pulsante = Qt::LeftButton)
    {
        const QPointer<QWidget> vivo(finestra);
        const QPoint punto = su->mapTo(finestra, QPoint(tra(0, std::max(0, su->width() - 1)),
                                                        tra(0, std::max(0, su->height() - 1))));
        for (const bool giu : {true, false})
            if (QWidget *w = finestraViva(vivo))
                qt_handleMouseEvent(w->windowHandle(), punto, w->mapToGlobal(punto), giu ? pulsante : Qt::NoButton,
                                    pulsante, giu ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                                    Qt::NoModifier, m_istante += 2);
        m_istante += 1000; // the next press is never taken for a double click
    }

private:
    // A held key repeats its key-down before its single key-up; digits come
    // from the keypad now and then.
    void tasto(QWidget *finestra, int ripetizioni)
    {
        const int n = tra(0, 9 + int(altriTasti.size()));
        const auto codice = Qt::Key(n < 10 ? Qt::Key_0 + n : altriTasti.at(std::size_t(n - 10)));
        const auto modificatore = tra(0, 3) == 0 ? Qt::KeypadModifier : Qt::NoModifier;
        const QString testo = codice < 0x100                                   ? QString(QChar(codice)).toLower()
                              : codice == Qt::Key_Return || codice == Qt::Key_Enter ? QStringLiteral("\r")
                                                                                    : QString();
        QWidget *fuoco = QApplication::focusWidget();
        QPointer<QWidget> vivo(fuoco && fuoco->window() == finestra ? fuoco : finestra);
        for (int i = 0; i < ripetizioni && vivo; ++i) {
            QKeyEvent giu(QEvent::KeyPress, codice, modificatore, testo, i > 0);
            QCoreApplication::sendEvent(vivo, &giu);
        }
        QKeyEvent su(QEvent::KeyRelease, codice, modificatore, testo);
        if (vivo)
            QCoreApplication::sendEvent(vivo, &su);
    }

    std::mt19937 m_casuale;
    OrologioFinto &m_orologio;
    int m_istante = 1000; // timestamp of the mouse events, in milliseconds
};

// Everything that must hold after any action on any window; empty when all is well.
QString controlla(bool schedaMostrata)
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
    // Line 0 is never written; a series writes up to line 20 (in the exercise
    // window, one line per operation so far, each with its marks), a sheet up to 60.
    const bool serie = Finestre::istanza().caricata(nomi::FrmOperativo) && !schedaMostrata;
    const int ultima = schedaMostrata ? righeScheda : serie ? m.NumeroOperazioni : righeSerie;
    int esatte = 0;
    int errate = 0;
    for (int i = 0; i <= ElencoTesti<90>::ultimo; ++i) {
        const QString riga = m.ElencoOperazioni.valore(i);
        const auto dove = riga.indexOf(QStringLiteral("   R."));
        if ((i == 0 || i > ultima) ? !riga.isEmpty() : serie && dove < 0)
            return QStringLiteral("log line %1 of %2: \"%3\"").arg(i).arg(ultima).arg(riga);
        errate += int(riga.mid(dove + 5).count(QStringLiteral("* ")));
        esatte += riga.endsWith(QStringLiteral("  ")) ? 1 : 0;
    }
    if (serie && (esatte != m.NumeroEsatte || esatte != m.RisposteEsatte || errate != m.NumeroErrate))
        return QStringLiteral("log marks %1 right and %2 wrong, counts %3/%4 right and %5 wrong")
            .arg(esatte).arg(errate).arg(m.NumeroEsatte).arg(m.RisposteEsatte).arg(m.NumeroErrate);
    return {};
}

// A pupil who now and then knows the answer: its digits, "Verifica" and
// "Avanti", so that series run to their end among the random presses.
void rispondiGiusto(Scimmia &scimmia, FrmOperativo *f)
{
    QList<int> tasti;
    for (const QChar c : modulo2().TestoIncognita.trimmed())
        tasti << c.digitValue();
    for (const int t : tasti << Tastierino::verifica << Tastierino::avanti)
        if (f->isVisible() && f->fraTastierino->isEnabled())
            scimmia.premi(f, f->fraTastierino->Option2.at(std::size_t(t)));
}

// Drops Qt's notes that the offscreen platform cannot raise a window or grab
// the keyboard, which would otherwise fill the log.
QtMessageHandler gestoreQt = nullptr;
void senzaNoteDellaPiattaforma(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (!testo.startsWith(QLatin1String("This plugin does not support")))
        gestoreQt(tipo, contesto, testo);
}

} // namespace

class TstClicCasuali final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { gestoreQt = qInstallMessageHandler(senzaNoteDellaPiattaforma); }
    void finestra_data();
    void finestra();
};

void TstClicCasuali::finestra_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("fatte"); // operations in the log for the report and the certificate
    QTest::addColumn<uint>("seme");
    QTest::newRow("start window and all it opens") << nomi::frmInizio << 1 << 0 << 0 << 12u;
    QTest::newRow("exercise, addition level 1") << nomi::FrmOperativo << 1 << 1 << 0 << 21u;
    QTest::newRow("exercise, subtraction level 3") << nomi::FrmOperativo << 2 << 3 << 0 << 22u;
    QTest::newRow("exercise, multiplication level 4") << nomi::FrmOperativo << 3 << 4 << 0 << 23u;
    QTest::newRow("report, 5 operations") << nomi::FrmStampaEsercizio << 1 << 1 << 5 << 32u;
    QTest::newRow("certificate, full series") << nomi::FrmAttestato << 1 << 1 << 20 << 41u;
    QTest::newRow("worksheets, mixed") << nomi::FrmStampaSchede << 3 << 4 << 0 << 52u;
}

void TstClicCasuali::finestra()
{
    QFETCH(QString, nome);
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, fatte);
    QFETCH(uint, seme);
    AmbienteProva ambiente;
    Scimmia scimmia(seme, ambiente.orologio());
    ambiente.orologio().imposta(secondiPerGiorno - 3600); // 23:00: series run past midnight
    // A dialog of Qt's own would wait for a person: count it and close it.
    // Pop-up menus (a right click in the name box) are closed too, no fault.
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
    // The grading window's export goes to a file here, to a missing folder, or nowhere.
    int esportazioni = 0;
    const auto sceltaFile = [&esportazioni] {
        return QStringList{QStringLiteral("serie.csv"), QStringLiteral("/nessuna/serie.csv"), {}}[esportazioni++ % 3];
    };
    const auto apri = [&] {
        Modulo2 &m = modulo2();
        m.NomeProgramma = QStringLiteral("TARVELO");
        std::tie(m.Operazione, m.Livello, m.TipoDa, m.TipoA, m.NumeroMin, m.NumeroMax) =
            std::tuple(operazione, livello, 1, 3, 1, 99);
        if (fatte > 0)
            serieprova::riempi(fatte, fatte * 3 / 4);
        return Finestre::istanza().mostra(nome);
    };
    QVERIFY(apri());
    bool schedaMostrata = false;
    int serieComplete = 0;
    for (int azione = 0; azione < azioni; ++azione) {
        const QList<Finestra *> caricate = Finestre::istanza().caricate();
        if (caricate.isEmpty()) {
            // The pupil ended the program: start again where this row began.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            azzeraModulo2();
            schedaMostrata = false;
            QVERIFY(apri());
            continue;
        }
        if (auto *v = qobject_cast<FrmValutazione *>(Finestre::istanza().trova(nomi::FrmValutazione)))
            v->sceltaFile = sceltaFile;
        const int primaFatte = modulo2().NumeroOperazioni;
        auto *esercizio = qobject_cast<FrmOperativo *>(caricate.last());
        if (esercizio && esercizio->fraTastierino->isEnabled() && scimmia.tra(1, 100) <= quotaGiuste)
            rispondiGiusto(scimmia, esercizio);
        else
            scimmia.agisci(caricate.last());
        QCoreApplication::processEvents();
        serieComplete += modulo2().NumeroOperazioni == righeSerie && primaFatte < righeSerie ? 1 : 0;
        // Showing a sheet rewrites log lines 1 to 60, the series' lines included.
        schedaMostrata = schedaMostrata || Finestre::istanza().caricata(nomi::FrmStampaSchede);
        const QString errore = controlla(schedaMostrata);
        QVERIFY2(errore.isEmpty(), qPrintable(QStringLiteral("after action %1: %2").arg(azione).arg(errore)));
        if (azione % 200 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(dialoghi, 0);
    // Where the pupil answers, series reach their end: the limit of 20 was put to the test.
    if (nome == nomi::FrmOperativo)
        QVERIFY(serieComplete > 0);
}

QTEST_MAIN(TstClicCasuali)
#include "tst_clic_casuali.moc"
