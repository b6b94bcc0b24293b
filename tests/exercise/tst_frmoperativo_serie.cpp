#include "provafrmoperativo.h"

#include <QKeyEvent>

using namespace prova;

namespace {

// Answers every operation right until the end-of-series notice.
void finisciSerie(FrmOperativo *f)
{
    while (!f->fraAvviso->isEnabled())
        digita(f, giusta() + (modulo2().NumeroOperazioni < 20 ? QStringLiteral("VA") : QStringLiteral("V")));
}

// Plays key tokens to the focused control: "SP" space, "ENT" Enter, "K1" keypad 1, any other
// its first character; "~" before a token repeats a held key, "^" releases the last key.
void suonaTasti(FrmOperativo *f, const QString &sequenza)
{
    int ultimo = 0;
    Qt::KeyboardModifiers modUltimo;
    for (QString gettone : sequenza.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool rilascio = gettone == QStringLiteral("^");
        const bool ripetuto = gettone.startsWith(QLatin1Char('~'));
        if (ripetuto)
            gettone.remove(0, 1);
        if (!rilascio) {
            modUltimo = gettone == QStringLiteral("K1") ? Qt::KeypadModifier : Qt::NoModifier;
            ultimo = gettone == QStringLiteral("SP")    ? Qt::Key_Space
                     : gettone == QStringLiteral("ENT") ? Qt::Key_Return
                     : gettone == QStringLiteral("K1")  ? Qt::Key_1
                                                        : gettone.at(0).unicode();
        }
        QKeyEvent evento(rilascio ? QEvent::KeyRelease : QEvent::KeyPress, ultimo, modUltimo, QString(), ripetuto);
        QApplication::sendEvent(f->focusWidget(), &evento);
    }
}

} // namespace

// A series in the exercise window: seconds, counts, its end and a new one, the
// keyboard of the help question and of the notice.
class TstFrmOperativoSerie final : public QObject
{
    Q_OBJECT

private slots:
    void tempi_data();
    void tempi();
    void secondoTentativo();
    void serieIntera_data();
    void serieIntera();
    void tastiera_data();
    void tastiera();
};

void TstFrmOperativoSerie::tempi_data()
{
    QTest::addColumn<float>("inizio");
    QTest::addColumn<float>("risposta");
    QTest::addColumn<QString>("parziale");
    QTest::addColumn<QString>("totale");
    QTest::addColumn<int>("secondi");
    QTest::newRow("4.9 s count 4") << 36000.0f << 36004.9f << " 4" << " 4" << 4;
    QTest::newRow("99 s shown as they are") << 36000.0f << 36099.0f << " 99" << " 99" << 99;
    QTest::newRow("100 s shown as 99") << 36000.0f << 36100.0f << "99" << " 100" << 100;
    QTest::newRow("150 s show 99, total 150") << 36000.0f << 36150.0f << "99" << " 150" << 150;
    QTest::newRow("across midnight") << 86399.0f << 3.5f << " 4" << " 4" << 4;
    QTest::newRow("a total of 999 s shown as it is") << 0.0f << 999.0f << "99" << " 999" << 999;
    QTest::newRow("a total of 1000 s shown as 999") << 0.0f << 1000.0f << "99" << "999" << 1000;
}

void TstFrmOperativoSerie::tempi()
{
    QFETCH(float, inizio);
    QFETCH(float, risposta);
    QFETCH(QString, parziale);
    QFETCH(QString, totale);
    QFETCH(int, secondi);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    ambiente.orologio().imposta(inizio);
    imposta(f, 10, 1, 1, 1);
    ambiente.orologio().imposta(risposta);
    digita(f, QStringLiteral("12V"));
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), parziale);
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), totale);
    QCOMPARE(modulo2().TempoTotale.value_or(-1), double(secondi));
    QCOMPARE(modulo2().TempiEsercizi.valore(1), QStringLiteral(" %1").arg(secondi));
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
    digita(f, QStringLiteral("N"));
    ambiente.orologio().avanza(3);
    digita(f, QStringLiteral("12V"));
    // The second judgement counts again from when the operation appeared.
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral(" 8"));
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral(" 13"));

    // After help the panel shows the plain, uncapped numbers.
    digita(f, QStringLiteral("A"));
    ambiente.orologio().avanza(150);
    digita(f, QStringLiteral("0V"));
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral("99"));
    digita(f, QStringLiteral("S"));
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QStringLiteral("150"));
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral("163"));
}

void TstFrmOperativoSerie::serieIntera_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("livello");
    QTest::addColumn<int>("erroreOgni");
    QTest::newRow("subtraction level 3, the 20th right") << 2 << 3 << 3;
    QTest::newRow("multiplication level 4, the 20th wrong and helped") << 3 << 4 << 4;
}

void TstFrmOperativoSerie::serieIntera()
{
    QFETCH(int, operazione);
    QFETCH(int, livello);
    QFETCH(int, erroreOgni);
    AmbienteProva ambiente;
    int aperture = 0;
    contaAperture(aperture);
    FrmOperativo *f = apri(operazione, livello);
    QVERIFY(f);
    QStringList attese;
    for (int i = 1; i <= 20; ++i) {
        QVERIFY(attivo(f) == f->fraTastierino);
        QCOMPARE(f->fraElaborazione->LblOperazione->text(), QString::number(i));
        const QString riga = rigaCorrente();
        QCOMPARE(riga.size(), 30); // every field four characters wide
        const bool errore = i % erroreOgni == 0;
        const QString risposta = errore ? QStringLiteral("0") : giusta();
        attese << riga + risposta + (errore ? QStringLiteral("* ") + modulo2().TestoIncognita + gradi : QStringLiteral("  "));
        digita(f, risposta + (errore ? QStringLiteral("VS") : QStringLiteral("V")));
        if (i < 20)
            digita(f, QStringLiteral("A"));
    }
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(modulo2().ElencoOperazioni.valore(i), attese.at(i - 1));
    QCOMPARE(int(modulo2().RisposteEsatte), 20 - 20 / erroreOgni);
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QString::number(20 / erroreOgni));

    // Only the notice is usable, with the focus on "Stampa"; "Stampa" leaves it there.
    QVERIFY(attivo(f) == f->fraAvviso);
    QCOMPARE(f->focusWidget(), f->fraAvviso->scelte[0]);
    QCOMPARE(f->fraAvviso->domanda->text(), QStringLiteral("Se ricominci gli esercizi andranno persi"));
    QCOMPARE(f->fraAvviso->scelte[0]->text(), QStringLiteral("Stampa"));
    QCOMPARE(f->fraAvviso->scelte[1]->text(), QStringLiteral("Ricomincia"));
    tasto(f, Tastierino::avanti);
    QCOMPARE(int(modulo2().NumeroOperazioni), 20);
    premi(f->fraAvviso->scelte[0]);
    QCOMPARE(aperture, 1);
    QVERIFY(attivo(f) == f->fraAvviso);

    // "Ricomincia": operation 1 of a new series; the lines past the series are not its own.
    modulo2().ElencoOperazioni.imposta(21, QStringLiteral("worksheet line"));
    premi(f->fraAvviso->scelte[1]);
    QVERIFY(attivo(f) == f->fraTastierino);
    QVERIFY(f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
    QCOMPARE(f->fraElaborazione->LblOperazione->text(), QStringLiteral("1"));
    QCOMPARE(f->fraElaborazione->lblRisEsatte->text(), QString());
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QString());
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), QString());
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral("0"));
    QCOMPARE(int(modulo2().NumeroOperazioni), 1);
    QCOMPARE(int(modulo2().RisposteEsatte) + int(modulo2().NumeroErrate), 0);
    QCOMPARE(modulo2().TempoTotale.value_or(-1), 0.0);
    for (int i = 2; i <= 20; ++i)
        QCOMPARE(modulo2().ElencoOperazioni.valore(i), QString());
    QCOMPARE(modulo2().ElencoOperazioni.valore(21), QStringLiteral("worksheet line"));
}

void TstFrmOperativoSerie::tastiera_data()
{
    QTest::addColumn<bool>("avviso");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<int>("fuoco"); // the button focused afterwards, -1 once the pair has acted
    QTest::addColumn<QString>("esito");
    QTest::newRow("help: N gives NO") << false << "N ^" << 1 << "";
    QTest::newRow("help: 2 gives NO") << false << "2 ^" << 1 << "";
    QTest::newRow("help: S gives SI back") << false << "N ^ S ^" << 0 << "";
    QTest::newRow("help: 1 gives SI") << false << "N ^ 1 ^" << 0 << "";
    QTest::newRow("help: keypad 1 gives SI") << false << "N ^ K1 ^" << 0 << "";
    QTest::newRow("help: S while N is held does nothing") << false << "N S" << 1 << "";
    QTest::newRow("help: R is not one of its keys") << false << "R ^" << 0 << "";
    QTest::newRow("help: held space moves once") << false << "SP ~SP ~SP" << 1 << "";
    QTest::newRow("help: space twice comes back") << false << "SP ^ SP ^" << 0 << "";
    QTest::newRow("help: held Enter on NO refuses once") << false << "N ^ ENT ~ENT ~ENT ^" << -1 << "no";
    QTest::newRow("help: Enter on SI helps") << false << "ENT ^" << -1 << "si";
    QTest::newRow("notice: R gives Ricomincia") << true << "R ^" << 1 << "";
    QTest::newRow("notice: S gives Stampa back") << true << "R ^ S ^" << 0 << "";
    QTest::newRow("notice: N is not one of its keys") << true << "N ^" << 0 << "";
    QTest::newRow("notice: S while R is held does nothing") << true << "R ~R S" << 1 << "";
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
    QCOMPARE(f->focusWidget(), coppia->scelte[0]);

    suonaTasti(f, sequenza);
    if (fuoco >= 0) {
        QVERIFY(attivo(f) == coppia);
        QCOMPARE(f->focusWidget(), coppia->scelte[fuoco]);
    }
    QCOMPARE(int(modulo2().Tentativi), esito == QStringLiteral("no") ? 1 : 0);
    QCOMPARE(f->frmNumero->lblCorrezione->text(), esito == QStringLiteral("si") ? modulo2().TestoIncognita : QString());
    QCOMPARE(int(modulo2().NumeroOperazioni), avviso && esito.isEmpty() ? 20 : 1);
    if (esito == QStringLiteral("no"))
        QVERIFY(attivo(f) == f->fraTastierino);
}

QTEST_MAIN(TstFrmOperativoSerie)
#include "tst_frmoperativo_serie.moc"
