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
    void aperturaEChiusura();
    void digitazione_data();
    void digitazione();
    void giudizio_data();
    void giudizio();
    void rifiutiEIntervento();
    void croceECorrezioneSeguonoIlRidimensionamento();
};

void TstFrmOperativo::aperturaEChiusura()
{
    AmbienteProva ambiente;
    int aperture = 0;
    contaAperture(aperture);
    auto *inizio = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
    QVERIFY(inizio);
    for (QWidget *scelta : {inizio->Option1[0], inizio->Option2[0], inizio->Option3[0]}) // objective, level, "Avanti"
        premi(scelta);
    auto *f = qobject_cast<FrmOperativo *>(Finestre::istanza().trova(nomi::FrmOperativo));
    QVERIFY(f && f->isVisible() && f->windowState() & Qt::WindowMaximized);
    QCOMPARE(f->windowTitle(), QStringLiteral("ESERCIZI SULLE VEVIDUVIV.1"));
    QCOMPARE(f->Label1[0]->text(), QStringLiteral("Obiettivo n.1:     CALCOLO DEL RISULTATO   "));
    QCOMPARE(f->Label1[1]->text(), QStringLiteral("   Operazione:        ") + modulo2().NomeProgramma);
    QCOMPARE(f->Label1[2]->text(), QStringLiteral("Livello n.1:         NUMERO MASSIMO da  1 a 30   "));
    // Level 1: the result is the unknown, "?" in brown; the numbers in blue.
    QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("?"));
    QCOMPARE(f->frmNumero->lblRisultato1->palette().color(QPalette::WindowText), QColor(128, 64, 0));
    QCOMPARE(f->frmNumero->LblNumero1->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(f->frmNumero->LblSegno->text(), QStringLiteral("+"));
    QCOMPARE(QStringList({f->fraAiuto->domanda->text(), f->fraAiuto->scelte[0]->text(), f->fraAiuto->scelte[1]->text()}),
             QStringList({"Ti aiuto ?", "SI", "NO"}));
    // Typing: digits, "Cancella" and "Verifica" usable.
    QVERIFY(attivo(f) == f->fraTastierino);
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        QCOMPARE(f->fraTastierino->Option2[i]->isEnabled(), i < Tastierino::avanti);

    // A click on the background, not on a control, hides and shows the statistics.
    QTest::mouseClick(f->LblEsito, Qt::LeftButton);
    QVERIFY(f->fraElaborazione->isVisible());
    const QPoint sfondo(1, f->area()->height() - 1);
    QTest::mouseClick(f->area(), Qt::LeftButton, {}, sfondo);
    QVERIFY(!f->fraElaborazione->isVisible());
    QTest::mouseClick(f->area(), Qt::LeftButton, {}, sfondo);
    QVERIFY(f->fraElaborazione->isVisible());

    QCOMPARE(f->mnuVisualizza->text(), QStringLiteral("Visualizza esercizio"));
    f->mnuVisualizza->trigger();
    QCOMPARE(aperture, 1);
    // A held mouse button acts once: "1" pressed twice and "2" while it is held.
    QWidget *uno = f->fraTastierino->Option2[1];
    QTest::mousePress(uno, Qt::LeftButton);
    QTest::mousePress(uno, Qt::LeftButton);
    QTest::mousePress(f->fraTastierino->Option2[2], Qt::LeftButton);
    QCOMPARE(modulo2().Risposta, QStringLiteral("1"));
    QTest::mouseRelease(uno, Qt::LeftButton);
    // Wrong, "Errato", help, then "Esco" unloads the window.
    digita(f, QStringLiteral("V"));
    QCOMPARE(f->LblEsito->text(), QStringLiteral("Errato"));
    QVERIFY(attivo(f) == f->fraAiuto);
    digita(f, QStringLiteral("SE"));
    QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));
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
    imposta(f, 10, 1, 1, 2); // ? + 1 + 1 = 12
    digita(f, tasti);
    QCOMPARE(f->frmNumero->LblNumero1->text(), mostrato);
    QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("12"));
    QCOMPARE(f->LblEsito->text(), esito);
}

void TstFrmOperativo::giudizio_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("tipoDomanda");
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<QString>("aggiunto");
    QTest::addColumn<QString>("esito");
    QTest::addColumn<int>("posto"); // the place crossed out and corrected, -1 for none
    QTest::newRow("right: 12 to 10 + 1 + 1 = ?") << 1 << 1 << "12V" << "12  " << "Esatto" << -1;
    QTest::newRow("10 + 1 + 1 = ?, 11 then SI") << 1 << 1 << "11VS" << QString("11* " " 12" + gradi) << "" << 3;
    QTest::newRow("? + 1 + 1 = 12, 9 then SI") << 1 << 2 << "9VS" << QString("9* " " 10" + gradi) << "" << 0;
    QTest::newRow("22 - ? - 1 = 1, 1 then SI") << 2 << 3 << "1VS" << QString("1* " " 10" + gradi) << "" << 1;
    QTest::newRow("10 x 1 x ? = 10, 10 then SI") << 3 << 4 << "10VS" << QString("10* " " 1" + gradi) << "" << 2;
}

void TstFrmOperativo::giudizio()
{
    QFETCH(int, operazione);
    QFETCH(int, tipoDomanda);
    QFETCH(QString, tasti);
    QFETCH(QString, aggiunto);
    QFETCH(QString, esito);
    QFETCH(int, posto);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(operazione, 3);
    imposta(f, 10, 1, 1, tipoDomanda);
    const QString riga = rigaCorrente();
    digita(f, tasti);
    QCOMPARE(rigaCorrente(), riga + aggiunto);
    QCOMPARE(f->LblEsito->text(), esito);
    QCOMPARE(f->fraElaborazione->lblRisEsatte->text(), posto < 0 ? QStringLiteral("1") : QString());
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), posto < 0 ? QString() : QStringLiteral("1"));
    for (int i = 0; i < numeroPosti; ++i) // the X: both lines over the wrong answer only
        QCOMPARE(QList<bool>({f->frmNumero->Line1[i]->isVisible(), f->frmNumero->Line2[i]->isVisible()}), QList<bool>(2, i == posto));
    QCOMPARE(f->frmNumero->lblCorrezione->text(), posto < 0 ? QString() : modulo2().TestoIncognita);
    if (posto >= 0)
        QCOMPARE(f->frmNumero->lblCorrezione->x(), f->frmNumero->etichetta(static_cast<Posto>(posto))->x());
    // Judged: only "Avanti" and "Esco" usable, focus on "Avanti".
    QVERIFY(attivo(f) == f->fraTastierino && !f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
    QCOMPARE(f->focusWidget(), f->fraTastierino->Option2[Tastierino::avanti]);

    // The next operation clears the verdict, the X and the correction.
    digita(f, QStringLiteral("A"));
    QCOMPARE(f->LblEsito->text(), QString());
    QCOMPARE(f->frmNumero->lblCorrezione->text(), QString());
    QCOMPARE(f->frmNumero->etichettaIncognita(modulo2().TipoDomanda)->text(), QStringLiteral("?"));
    if (posto >= 0)
        QVERIFY(!f->frmNumero->Line1[posto]->isVisible());
}

void TstFrmOperativo::rifiutiEIntervento()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    // A refusal: "?" again, no X, typing again from "1"; the next digit starts a new answer.
    imposta(f, 10, 1, 1, 1);
    digita(f, QStringLiteral("11VN"));
    QCOMPARE(f->frmNumero->lblRisultato1->text(), QStringLiteral("?"));
    QVERIFY(!f->frmNumero->Line1[3]->isVisible());
    QVERIFY(attivo(f) == f->fraTastierino && f->fraTastierino->Option2[Tastierino::verifica]->isEnabled());
    QCOMPARE(f->focusWidget(), f->fraTastierino->Option2[1]);
    digita(f, QStringLiteral("12V"));
    QCOMPARE(rigaCorrente(), QStringLiteral("  10 +    1 +    1 = ...    R.11* 12  "));
    // Second and third refusal on the next operation.
    digita(f, QStringLiteral("A"));
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
    QVERIFY(attivo(f) == f->fraTastierino && f->fraTastierino->Option2[Tastierino::avanti]->isEnabled());

    // The count starts again: two refusals now let the pupil retry.
    digita(f, QStringLiteral("A0VN0VN"));
    QVERIFY(attivo(f) == f->fraTastierino);
}

void TstFrmOperativo::croceECorrezioneSeguonoIlRidimensionamento()
{
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 3);
    imposta(f, 10, 1, 1, 3);
    digita(f, QStringLiteral("5VS"));
    for (const QSize dimensione : {QSize(1000, 700), QSize(640, 900)}) {
        f->showNormal();
        f->resize(dimensione);
        QCoreApplication::processEvents();
        for (int i = 0; i < numeroPosti; ++i)
            QCOMPARE(QList<QRect>({f->frmNumero->Line1[i]->geometry(), f->frmNumero->Line2[i]->geometry()}),
                     QList<QRect>(2, f->frmNumero->etichetta(static_cast<Posto>(i))->geometry()));
        QVERIFY(f->frmNumero->Line1[1]->isVisible());
        QCOMPARE(f->frmNumero->lblCorrezione->x(), f->frmNumero->LblNumero2->x());
        for (QWidget *riquadro : riquadri(f))
            QCOMPARE(riquadro->pos(), f->lblRiferimento->pos());
    }
}

QTEST_MAIN(TstFrmOperativo)
#include "tst_frmoperativo.moc"
