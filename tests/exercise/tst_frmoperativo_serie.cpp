#include "provafrmoperativo.h"

#include "exercise/pannellostatistiche.h"
#include "frame/finestra.h"
#include "support/ambienteprova.h"

#include <QKeyEvent>
#include <QRegularExpression>

using namespace prova;

namespace {

const QString gradi = QString::fromUtf8("\xC2\xB0 ");

// Answers every operation right until the end-of-series notice.
void finisciSerie(FrmOperativo *f)
{
    while (!f->fraAvviso->isEnabled()) {
        digita(f, giusta() + QStringLiteral("V"));
        if (f->fraTastierino->Option2[Tastierino::avanti]->isEnabled() && !f->fraAvviso->isEnabled())
            digita(f, QStringLiteral("A"));
    }
}

// One key event to the control that has the focus in the window.
void tastoATastiera(FrmOperativo *f, QEvent::Type tipo, int tasto, Qt::KeyboardModifiers mod, bool ripetuto)
{
    QKeyEvent evento(tipo, tasto, mod, QString(), ripetuto);
    QApplication::sendEvent(f->focusWidget(), &evento);
}

// Plays a sequence of key tokens: "S", "N", "R", "1", "2", "X", "SP" (space), "ENT" (Enter) and
// "K1" (keypad 1) press a key; "~" before a token repeats a held key; "^" releases the last key.
void suonaTasti(FrmOperativo *f, const QString &sequenza)
{
    int ultimo = 0;
    Qt::KeyboardModifiers modUltimo;
    for (QString gettone : sequenza.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (gettone == QStringLiteral("^")) {
            tastoATastiera(f, QEvent::KeyRelease, ultimo, modUltimo, false);
            continue;
        }
        const bool ripetuto = gettone.startsWith(QLatin1Char('~'));
        if (ripetuto)
            gettone.remove(0, 1);
        Qt::KeyboardModifiers mod;
        int tasto = 0;
        if (gettone == QStringLiteral("SP"))
            tasto = Qt::Key_Space;
        else if (gettone == QStringLiteral("ENT"))
            tasto = Qt::Key_Return;
        else if (gettone == QStringLiteral("K1")) {
            tasto = Qt::Key_1;
            mod = Qt::KeypadModifier;
        } else
            tasto = gettone.at(0).unicode();
        tastoATastiera(f, QEvent::KeyPress, tasto, mod, ripetuto);
        ultimo = tasto;
        modUltimo = mod;
    }
}

} // namespace

// The frame of a series in the exercise window: seconds, counts, the end of a
// series, the keyboard of the help question and of the notice, whole series.
class TstFrmOperativoSerie final : public QObject
{
    Q_OBJECT

private slots:
    void tempi_data();
    void tempi();
    void secondoTentativo();
    void fineSerieERicomincia();
    void stampaLasciaLAvviso();
    void tastiera_data();
    void tastiera();
    void serieIntera_data();
    void serieIntera();
};

void TstFrmOperativoSerie::tempi_data()
{
    QTest::addColumn<float>("inizio");
    QTest::addColumn<float>("risposta");
    QTest::addColumn<QString>("parziale");
    QTest::addColumn<QString>("totale");
    QTest::newRow("4.9 seconds count 4") << 36000.0f << 36004.9f << " 4" << " 4";
    QTest::newRow("150 seconds show 99, total 150") << 36000.0f << 36150.0f << "99" << " 150";
    QTest::newRow("across midnight") << 86399.0f << 3.5f << " 4" << " 4";
}

void TstFrmOperativoSerie::tempi()
{
    QFETCH(float, inizio);
    QFETCH(float, risposta);
    QFETCH(QString, parziale);
    QFETCH(QString, totale);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    ambiente.orologio().imposta(inizio);
    imposta(f, 10, 1, 1, 1);
    ambiente.orologio().imposta(risposta);
    digita(f, QStringLiteral("12V"));
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), parziale);
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), totale);
    QCOMPARE(modulo2().TempiEsercizi.valore(1), totale.startsWith(QLatin1Char(' ')) ? totale : QString());
}

void TstFrmOperativoSerie::secondoTentativo()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    imposta(f, 10, 1, 1, 1);
    ambiente.orologio().avanza(5);
    digita(f, QStringLiteral("11V"));
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral(" 5"));
    premi(f->fraAiuto->scelte[1]);
    ambiente.orologio().avanza(3);
    digita(f, QStringLiteral("12V"));
    // The second judgement counts again from when the operation appeared.
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral(" 8"));
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral(" 13"));

    // After help the panel shows the plain, uncapped numbers.
    digita(f, QStringLiteral("A"));
    imposta(f, 10, 1, 1, 1);
    ambiente.orologio().avanza(150);
    digita(f, QStringLiteral("1V"));
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral("99"));
    premi(f->fraAiuto->scelte[0]);
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral("150"));
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral("163"));
}

void TstFrmOperativoSerie::fineSerieERicomincia()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(2, 3);
    QVERIFY(f);
    for (int i = 1; i < 20; ++i) {
        digita(f, giusta() + QStringLiteral("V"));
        QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraTastierino));
        digita(f, QStringLiteral("A"));
    }
    QCOMPARE(f->fraElaborazione->LblOperazione->text(), QStringLiteral("20"));
    digita(f, QStringLiteral("1V")); // the 20th, wrong, then helped
    QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraAiuto));
    premi(f->fraAiuto->scelte[0]);

    // Only the notice is usable, with the focus on "Stampa".
    QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraAvviso));
    QCOMPARE(f->focusWidget(), static_cast<QWidget *>(f->fraAvviso->scelte[0]));
    QCOMPARE(f->fraAvviso->domanda->text(), QStringLiteral("Se ricominci gli esercizi andranno persi"));
    QCOMPARE(f->fraAvviso->scelte[0]->text(), QStringLiteral("Stampa"));
    QCOMPARE(f->fraAvviso->scelte[1]->text(), QStringLiteral("Ricomincia"));
    QCOMPARE(int(modulo2().NumeroOperazioni), 20);
    QCOMPARE(int(modulo2().NumeroEsatte), 19);
    QCOMPARE(int(modulo2().RisposteEsatte), 19);
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QStringLiteral("1"));
    QVERIFY(modulo2().ElencoOperazioni.valore(20).endsWith(modulo2().TestoIncognita + gradi));
    // A press on the disabled keypad does nothing.
    tasto(f, Tastierino::avanti);
    QCOMPARE(int(modulo2().NumeroOperazioni), 20);

    premi(f->fraAvviso->scelte[1]);
    QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraTastierino));
    QCOMPARE(f->fraElaborazione->LblOperazione->text(), QStringLiteral("1"));
    QCOMPARE(f->fraElaborazione->lblRisEsatte->text(), QString());
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QString());
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QString());
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral("0"));
    QCOMPARE(int(modulo2().NumeroOperazioni), 1);
    QCOMPARE(int(modulo2().NumeroEsatte), 0);
    QCOMPARE(int(modulo2().RisposteEsatte), 0);
    QCOMPARE(modulo2().TempoTotale.value_or(-1), 0.0);
    QVERIFY(!modulo2().ElencoOperazioni.valore(1).isEmpty());
    for (int i = 2; i <= 20; ++i)
        QCOMPARE(modulo2().ElencoOperazioni.valore(i), QString());
    QVERIFY(f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
}

void TstFrmOperativoSerie::stampaLasciaLAvviso()
{
    AmbienteProva ambiente;
    int aperture = 0;
    Finestre::istanza().registra(nomi::FrmStampaEsercizio, [&aperture] {
        ++aperture;
        return new Finestra(nomi::FrmStampaEsercizio, QSize(1440, 1440));
    });
    FrmOperativo *f = apri(3, 2);
    QVERIFY(f);
    finisciSerie(f);
    premi(f->fraAvviso->scelte[0]);
    QCOMPARE(aperture, 1);
    QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaEsercizio));
    QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraAvviso));
    QCOMPARE(int(modulo2().NumeroOperazioni), 20);
}

void TstFrmOperativoSerie::tastiera_data()
{
    QTest::addColumn<bool>("avviso");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<int>("fuoco");
    QTest::addColumn<QString>("esito");

    QTest::newRow("help: N gives NO") << false << "N ^" << 1 << "";
    QTest::newRow("help: 2 gives NO") << false << "2 ^" << 1 << "";
    QTest::newRow("help: S gives SI back") << false << "N ^ S ^" << 0 << "";
    QTest::newRow("help: 1 gives SI") << false << "N ^ 1 ^" << 0 << "";
    QTest::newRow("help: keypad 1 gives SI") << false << "N ^ K1 ^" << 0 << "";
    QTest::newRow("help: S while N is held does nothing") << false << "N S" << 1 << "";
    QTest::newRow("help: R is not one of its keys") << false << "R ^" << 0 << "";
    QTest::newRow("help: other keys are swallowed") << false << "X ^ 3 ^" << 0 << "";
    QTest::newRow("help: space moves to the other") << false << "SP ^" << 1 << "";
    QTest::newRow("help: held space moves once") << false << "SP ~SP ~SP" << 1 << "";
    QTest::newRow("help: space twice comes back") << false << "SP ^ SP ^" << 0 << "";
    QTest::newRow("help: Enter on NO refuses") << false << "N ^ ENT ^" << -1 << "no";
    QTest::newRow("help: Enter while N is held does nothing") << false << "N ENT" << 1 << "";
    QTest::newRow("help: held Enter on NO refuses once") << false << "N ^ ENT ~ENT ~ENT ^" << -1 << "no";
    QTest::newRow("help: Enter on SI helps") << false << "ENT ^" << -1 << "si";
    QTest::newRow("notice: R gives Ricomincia") << true << "R ^" << 1 << "";
    QTest::newRow("notice: 2 gives Ricomincia") << true << "2 ^" << 1 << "";
    QTest::newRow("notice: N is not one of its keys") << true << "N ^" << 0 << "";
    QTest::newRow("notice: held R then S does nothing") << true << "R ~R S" << 1 << "";
    QTest::newRow("notice: Enter on Ricomincia starts again") << true << "R ^ ENT ^" << -1 << "ricomincia";
}

void TstFrmOperativoSerie::tastiera()
{
    QFETCH(bool, avviso);
    QFETCH(QString, sequenza);
    QFETCH(int, fuoco);
    QFETCH(QString, esito);

    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    if (avviso)
        finisciSerie(f);
    else
        digita(f, QStringLiteral("0V"));
    RiquadroScelta *coppia = avviso ? f->fraAvviso : f->fraAiuto;
    QCOMPARE(f->focusWidget(), static_cast<QWidget *>(coppia->scelte[0]));

    suonaTasti(f, sequenza);
    if (fuoco >= 0) {
        QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(coppia));
        QCOMPARE(f->focusWidget(), static_cast<QWidget *>(coppia->scelte[fuoco]));
    }
    if (esito == QStringLiteral("no")) {
        QCOMPARE(int(modulo2().Tentativi), 1);
        QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraTastierino));
    } else if (esito == QStringLiteral("si")) {
        QCOMPARE(f->frmNumero->lblCorrezione->text(), modulo2().TestoIncognita);
    } else if (esito == QStringLiteral("ricomincia")) {
        QCOMPARE(int(modulo2().NumeroOperazioni), 1);
    } else {
        QCOMPARE(int(modulo2().Tentativi), 0);
        QCOMPARE(int(modulo2().NumeroOperazioni), avviso ? 20 : 1);
    }
}

void TstFrmOperativoSerie::serieIntera_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    const char *nomiOperazioni[] = {"addition", "subtraction", "multiplication"};
    for (int operazione = 1; operazione <= 3; ++operazione)
        for (int livello = 1; livello <= 4; ++livello)
            QTest::addRow("%s, level %d", nomiOperazioni[operazione - 1], livello) << operazione << livello;
}

void TstFrmOperativoSerie::serieIntera()
{
    QFETCH(int, operazione);
    QFETCH(int, livello);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(operazione, livello);
    QVERIFY(f);
    const QString segno = QStringList{"+", "-", "x"}.at(operazione - 1);
    QStringList attese;
    for (int i = 1; i <= 20; ++i) {
        QCOMPARE(f->fraElaborazione->LblOperazione->text(), QString::number(i));
        const QString riga = rigaCorrente();
        // Every field of the row is four characters wide, the unknown written as dots.
        const QString campo = QStringLiteral("( \\.\\.\\.|   \\d|  \\d\\d)");
        const QString s = QRegularExpression::escape(QLatin1Char(' ') + segno + QLatin1Char(' '));
        const QRegularExpression forma(QLatin1Char('^') + campo + s + campo + s + campo +
                                       QStringLiteral("( = \\.\\.\\. | =    \\d| =   \\d\\d)   R\\.$"));
        QVERIFY2(forma.match(riga).hasMatch(), qPrintable(riga));
        QCOMPARE(riga.size(), 30);
        QCOMPARE(riga.count(QStringLiteral("...")), 1);
        QCOMPARE(riga.contains(QStringLiteral(" = ... ")), modulo2().TipoDomanda == 1);
        if (livello == 1)
            QCOMPARE(int(modulo2().TipoDomanda), 1);
        if (livello == 2)
            QVERIFY(modulo2().TipoDomanda != 1);
        if (i % 3 == 0) {
            // Wrong, then helped.
            digita(f, QStringLiteral("0V"));
            premi(f->fraAiuto->scelte[0]);
            attese << riga + QStringLiteral("0* ") + modulo2().TestoIncognita + gradi;
        } else {
            const QString risposta = giusta();
            digita(f, risposta + QStringLiteral("V"));
            attese << riga + risposta + QStringLiteral("  ");
        }
        if (i < 20)
            digita(f, QStringLiteral("A"));
    }
    QCOMPARE(riquadroAttivo(f), static_cast<QWidget *>(f->fraAvviso));
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(modulo2().ElencoOperazioni.valore(i), attese.at(i - 1));
    QCOMPARE(int(modulo2().NumeroOperazioni), 20);
    QCOMPARE(int(modulo2().NumeroEsatte), 14);
    QCOMPARE(int(modulo2().RisposteEsatte), 14);
    QCOMPARE(int(modulo2().NumeroErrate), 6);
    QCOMPARE(modulo2().TempiEsercizi.valore(1), QStringLiteral(" 0"));
}

QTEST_MAIN(TstFrmOperativoSerie)
#include "tst_frmoperativo_serie.moc"
