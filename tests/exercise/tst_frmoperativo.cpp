#include "provafrmoperativo.h"

#include "exercise/linea.h"
#include "start/frminizio.h"

#include <QAction>

using namespace prova;

// The exercise window on screen: opening it, typing, judging, help and its
// refusals, the crossing lines and the statistics panel.
class TstFrmOperativo final : public QObject
{
    Q_OBJECT

private slots:
    void avantiApreLaFinestra();
    void digitazione_data();
    void digitazione();
    void tastoTenutoAgisceUnaVolta();
    void rispostaGiusta();
    void rispostaSbagliataEAiuto_data();
    void rispostaSbagliataEAiuto();
    void rifiutoRimetteLIncognita();
    void treRifiutiPortanoLIntervento();
    void croceECorrezioneSeguonoIlRidimensionamento();
    void clicSulloSfondo();
    void visualizzaEsercizioEdEsco();
};

void TstFrmOperativo::avantiApreLaFinestra()
{
    AmbienteProva ambiente;
    auto *inizio = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
    QVERIFY(inizio);
    premi(inizio->Option1[0]);
    premi(inizio->Option2[0]);
    premi(inizio->Option3[0]);

    auto *f = qobject_cast<FrmOperativo *>(Finestre::istanza().trova(nomi::FrmOperativo));
    QVERIFY(f && f->isVisible());
    QVERIFY(f->windowState() & Qt::WindowMaximized);
    QCOMPARE(f->windowTitle(), QStringLiteral("ESERCIZI SULLE VEVIDUVIV.1"));
    QCOMPARE(f->Label1[0]->text(), QStringLiteral("Obiettivo n.1:     CALCOLO DEL RISULTATO   "));
    QCOMPARE(f->Label1[1]->text(), QStringLiteral("   Operazione:        ") + modulo2().NomeProgramma);
    QCOMPARE(f->Label1[2]->text(), QStringLiteral("Livello n.1:         NUMERO MASSIMO da  1 a 30   "));
    // Level 1: the result is the unknown, "?" in brown; the numbers in blue.
    QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("?"));
    QCOMPARE(f->frmNumero->lblRisultato1->palette().color(QPalette::WindowText), QColor(128, 64, 0));
    QCOMPARE(f->frmNumero->LblNumero1->text(), QString::number(modulo2().Termine1));
    QCOMPARE(f->frmNumero->LblNumero1->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(f->frmNumero->LblSegno->text(), QStringLiteral("+"));
    QCOMPARE(f->frmNumero->LblUguale->text(), QStringLiteral("="));
    QCOMPARE(f->fraElaborazione->LblOperazione->text(), QStringLiteral("1"));
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), QStringLiteral("0"));
    // Typing: digits, "Cancella" and "Verifica" usable, focus on "1".
    QVERIFY(attivo(f) == f->fraTastierino);
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        QCOMPARE(f->fraTastierino->Option2[i]->isEnabled(), i < Tastierino::avanti);
    QCOMPARE(f->focusWidget(), f->fraTastierino->Option2[1]);
}

void TstFrmOperativo::digitazione_data()
{
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("mostrato");
    QTest::addColumn<QString>("esito");
    QTest::newRow("1,2,3,4,5 leaves 1234") << "12345" << "1234" << "";
    QTest::newRow("7, Cancella, Cancella shows ?") << "7CC" << "?" << "";
    QTest::newRow("then 5 shows 5") << "7CC5" << "5" << "";
    QTest::newRow("Cancella removes the last digit only") << "120C" << "12" << "";
    QTest::newRow("the right number") << "10V" << "10" << "Esatto";
    QTest::newRow("a leading zero is not the number") << "010V" << "010" << "Errato";
}

void TstFrmOperativo::digitazione()
{
    QFETCH(QString, tasti);
    QFETCH(QString, mostrato);
    QFETCH(QString, esito);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 3);
    QVERIFY(f);
    imposta(f, 10, 1, 1, 2); // ? + 1 + 1 = 12
    digita(f, tasti);
    QCOMPARE(f->frmNumero->LblNumero1->text(), mostrato);
    QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("12"));
    QCOMPARE(f->LblEsito->text(), esito);
}

void TstFrmOperativo::tastoTenutoAgisceUnaVolta()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    QWidget *uno = f->fraTastierino->Option2[1];
    QWidget *due = f->fraTastierino->Option2[2];
    QTest::mousePress(uno, Qt::LeftButton);
    QTest::mousePress(uno, Qt::LeftButton);
    QTest::mousePress(due, Qt::LeftButton);
    QCOMPARE(modulo2().Risposta, QStringLiteral("1"));
    QTest::mouseRelease(uno, Qt::LeftButton);
    premi(due);
    QCOMPARE(modulo2().Risposta, QStringLiteral("12"));
}

void TstFrmOperativo::rispostaGiusta()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    imposta(f, 10, 1, 1, 1);
    digita(f, QStringLiteral("12V"));
    QCOMPARE(rigaCorrente(), QStringLiteral("  10 +    1 +    1 = ...    R.12  "));
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Esatto"));
    QCOMPARE(f->fraElaborazione->lblRisEsatte->text(), QStringLiteral("1"));
    QCOMPARE(int(modulo2().RisposteEsatte), 1);
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        QCOMPARE(f->fraTastierino->Option2[i]->isEnabled(), i >= Tastierino::avanti);
    QCOMPARE(f->focusWidget(), f->fraTastierino->Option2[Tastierino::avanti]);

    digita(f, QStringLiteral("A"));
    QCOMPARE(f->fraElaborazione->LblOperazione->text(), QStringLiteral("2"));
    QCOMPARE(f->LblEsito->text(), QString());
    QCOMPARE(modulo2().Risposta, QString());
    QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("?"));
}

void TstFrmOperativo::rispostaSbagliataEAiuto_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("tipoDomanda");
    QTest::addColumn<QString>("sbagliata");
    QTest::addColumn<QString>("aggiunto");
    QTest::addColumn<int>("posto");
    QTest::newRow("10 + 1 + 1 = ?, 11 then SI") << 1 << 1 << "11" << QString("11* " " 12" + gradi) << 3;
    QTest::newRow("? + 1 + 1 = 12, 9 then SI") << 1 << 2 << "9" << QString("9* " " 10" + gradi) << 0;
    QTest::newRow("22 - ? - 1 = 1, 1 then SI") << 2 << 3 << "1" << QString("1* " " 10" + gradi) << 1;
    QTest::newRow("10 x 1 x ? = 10, 10 then SI") << 3 << 4 << "10" << QString("10* " " 1" + gradi) << 2;
}

void TstFrmOperativo::rispostaSbagliataEAiuto()
{
    QFETCH(int, operazione);
    QFETCH(int, tipoDomanda);
    QFETCH(QString, sbagliata);
    QFETCH(QString, aggiunto);
    QFETCH(int, posto);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(operazione, 3);
    QVERIFY(f);
    imposta(f, 10, 1, 1, tipoDomanda);
    const QString riga = rigaCorrente();
    digita(f, sbagliata + QStringLiteral("V"));
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Errato"));
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QStringLiteral("1"));
    for (int i = 0; i < numeroPosti; ++i) {
        QCOMPARE(f->frmNumero->Line1[i]->isVisible(), i == posto);
        QCOMPARE(f->frmNumero->Line2[i]->isVisible(), i == posto);
    }
    QVERIFY(attivo(f) == f->fraAiuto);
    QCOMPARE(f->fraAiuto->domanda->text(), QStringLiteral("Ti aiuto ?"));
    QCOMPARE(f->fraAiuto->scelte[0]->text(), QStringLiteral("SI"));
    QCOMPARE(f->fraAiuto->scelte[1]->text(), QStringLiteral("NO"));

    digita(f, QStringLiteral("S"));
    QCOMPARE(rigaCorrente(), riga + aggiunto);
    QCOMPARE(f->frmNumero->lblCorrezione->text(), modulo2().TestoIncognita);
    QCOMPARE(f->frmNumero->lblCorrezione->x(), f->frmNumero->etichetta(static_cast<Posto>(posto))->x());
    QCOMPARE(f->LblEsito->text(), QString());
    QVERIFY(attivo(f) == f->fraTastierino);
    QVERIFY(!f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());

    // The next operation clears the correction and the X.
    digita(f, QStringLiteral("A"));
    QCOMPARE(f->frmNumero->lblCorrezione->text(), QString());
    QVERIFY(!f->frmNumero->Line1[posto]->isVisible());
}

void TstFrmOperativo::rifiutoRimetteLIncognita()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 2);
    QVERIFY(f);
    imposta(f, 9, 8, 5, 2);
    const QString riga = rigaCorrente();
    digita(f, QStringLiteral("8VN"));
    QCOMPARE(f->frmNumero->LblNumero1->text(), QStringLiteral("?"));
    QVERIFY(!f->frmNumero->Line1[0]->isVisible());
    QVERIFY(attivo(f) == f->fraTastierino);
    QVERIFY(f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
    QCOMPARE(f->focusWidget(), f->fraTastierino->Option2[1]);

    // The next digit starts a new answer.
    digita(f, QStringLiteral("9"));
    QCOMPARE(f->frmNumero->LblNumero1->text(), QStringLiteral("9"));
    digita(f, QStringLiteral("V"));
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Esatto"));
    QCOMPARE(rigaCorrente(), riga + QStringLiteral("8* 9  "));
}

void TstFrmOperativo::treRifiutiPortanoLIntervento()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    // First refusal, then a right answer; second and third refusal on the next operation.
    imposta(f, 10, 1, 1, 1);
    digita(f, QStringLiteral("11VN12VA"));
    imposta(f, 10, 1, 1, 1);
    digita(f, QStringLiteral("11VN"));
    QVERIFY(attivo(f) == f->fraTastierino);
    digita(f, QStringLiteral("13VN"));
    QVERIFY(attivo(f) == f->fraIntervento);
    QCOMPARE(f->lblIntervento->text(), QStringLiteral("Intervengo io"));
    QCOMPARE(f->optOK->text(), QStringLiteral("OK"));
    QCOMPARE(f->focusWidget(), f->optOK);

    premi(f->optOK);
    QCOMPARE(f->frmNumero->lblCorrezione->text(), QStringLiteral(" 12"));
    QCOMPARE(rigaCorrente(), QStringLiteral("  10 +    1 +    1 = ...    R.11* 13*  12") + gradi);
    QVERIFY(attivo(f) == f->fraTastierino);
    QVERIFY(f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());

    // The count starts again: two refusals now let the pupil retry.
    digita(f, QStringLiteral("A0VN0VN"));
    QVERIFY(attivo(f) == f->fraTastierino);
}

void TstFrmOperativo::croceECorrezioneSeguonoIlRidimensionamento()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 3);
    QVERIFY(f);
    imposta(f, 10, 1, 1, 3);
    digita(f, QStringLiteral("5VS"));
    for (const QSize dimensione : {QSize(1000, 700), QSize(640, 900)}) {
        f->showNormal();
        f->resize(dimensione);
        QCoreApplication::processEvents();
        QCOMPARE(f->area()->size(), f->centralWidget()->size());
        for (int i = 0; i < numeroPosti; ++i) {
            const QRect etichetta = f->frmNumero->etichetta(static_cast<Posto>(i))->geometry();
            QCOMPARE(f->frmNumero->Line1[i]->geometry(), etichetta);
            QCOMPARE(f->frmNumero->Line2[i]->geometry(), etichetta);
        }
        QVERIFY(f->frmNumero->Line1[1]->isVisible());
        QCOMPARE(f->frmNumero->lblCorrezione->x(), f->frmNumero->LblNumero2->x());
        for (QWidget *riquadro : {static_cast<QWidget *>(f->fraTastierino), static_cast<QWidget *>(f->fraAiuto),
                                  static_cast<QWidget *>(f->fraAvviso), static_cast<QWidget *>(f->fraIntervento)})
            QCOMPARE(riquadro->pos(), f->lblRiferimento->pos());
    }
}

void TstFrmOperativo::clicSulloSfondo()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    QVERIFY(f);
    // A click on a control is not a click on the background.
    QTest::mouseClick(f->LblEsito, Qt::LeftButton);
    QVERIFY(f->fraElaborazione->isVisible());
    const QPoint sfondo(1, f->area()->height() - 1);
    QVERIFY(!f->area()->childAt(sfondo));
    QTest::mouseClick(f->area(), Qt::LeftButton, {}, sfondo);
    QVERIFY(!f->fraElaborazione->isVisible());
    QTest::mouseClick(f->area(), Qt::LeftButton, {}, sfondo);
    QVERIFY(f->fraElaborazione->isVisible());
}

void TstFrmOperativo::visualizzaEsercizioEdEsco()
{
    AmbienteProva ambiente;
    int aperture = 0;
    contaAperture(aperture);
    FrmOperativo *f = apri(2, 1);
    QVERIFY(f);
    QCOMPARE(f->mnuVisualizza->text(), QStringLiteral("Visualizza esercizio"));
    f->mnuVisualizza->trigger();
    QCOMPARE(aperture, 1);
    digita(f, QStringLiteral("VS"));
    tasto(f, Tastierino::esco);
    QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));
}

QTEST_MAIN(TstFrmOperativo)
#include "tst_frmoperativo.moc"
