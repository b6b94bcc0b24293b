#include "provafrmoperativo.h"

#include <QKeyEvent>

using namespace prova;

namespace {

// Answers every operation right until the end-of-series notice.
void finisciSerie(FrmOperativo *f)
{
    while (!f->fraAvviso->isEnabled())
        digita(f, modulo2().TestoIncognita.trimmed() + (modulo2().NumeroOperazioni < 20 ? QStringLiteral("VA") : QStringLiteral("V")));
}

// Plays keys to the focused control, one character each: "_" space, "E" Enter, "k" 1 on
// the numeric keypad, any other the key of that letter or digit; "~" presses the last key
// again as a held key repeats, "^" releases it.
void suonaTasti(FrmOperativo *f, const QString &sequenza)
{
    int tasto = 0;
    Qt::KeyboardModifiers mod;
    for (const QChar c : sequenza) {
        if (c != QLatin1Char('^') && c != QLatin1Char('~')) {
            mod = c == QLatin1Char('k') ? Qt::KeypadModifier : Qt::NoModifier;
            tasto = c == QLatin1Char('_') ? int(Qt::Key_Space) : c == QLatin1Char('E') ? int(Qt::Key_Return) : c == QLatin1Char('k') ? int(Qt::Key_1) : int(c.unicode());
        }
        QKeyEvent evento(c == QLatin1Char('^') ? QEvent::KeyRelease : QEvent::KeyPress, tasto, mod, QString(), c == QLatin1Char('~'));
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
    void serieIntera_data();
    void serieIntera();
    void tastiera_data();
    void tastiera();
};

void TstFrmOperativoSerie::tempi_data()
{
    QTest::addColumn<float>("inizio");
    QTest::addColumn<float>("risposta");
    QTest::addColumn<QString>("tasti"); // pressed at the time of the answer on 10 + 1 + 1 = ?
    QTest::addColumn<QString>("parziale");
    QTest::addColumn<QString>("totale");
    QTest::addColumn<int>("secondi");
    const QString giusta = QStringLiteral("12V");
    QTest::newRow("4.9 s count 4") << 36000.0f << 36004.9f << giusta << " 4" << " 4" << 4;
    QTest::newRow("99 s shown as they are") << 36000.0f << 36099.0f << giusta << " 99" << " 99" << 99;
    QTest::newRow("100 s shown as 99") << 36000.0f << 36100.0f << giusta << "99" << " 100" << 100;
    QTest::newRow("150 s show 99, total 150") << 36000.0f << 36150.0f << giusta << "99" << " 150" << 150;
    QTest::newRow("across midnight") << 86399.0f << 3.5f << giusta << " 4" << " 4" << 4;
    QTest::newRow("a total of 999 s shown as it is") << 0.0f << 999.0f << giusta << "99" << " 999" << 999;
    QTest::newRow("a total of 1000 s shown as 999") << 0.0f << 1000.0f << giusta << "99" << "999" << 1000;
    QTest::newRow("a second attempt adds its time again") << 36000.0f << 36005.0f << "11VN12V" << " 5" << " 10" << 10;
    QTest::newRow("after help: the plain seconds") << 36000.0f << 36150.0f << "11VS" << "150" << "150" << 150;
}

void TstFrmOperativoSerie::tempi()
{
    QFETCH(float, inizio);
    QFETCH(float, risposta);
    QFETCH(QString, tasti);
    QFETCH(QString, parziale);
    QFETCH(QString, totale);
    QFETCH(int, secondi);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    ambiente.orologio().imposta(inizio);
    imposta(f, 10, 1, 1, 1);
    ambiente.orologio().imposta(risposta);
    digita(f, tasti);
    QCOMPARE(f->fraElaborazione->LblTempoParziale->text(), parziale);
    QCOMPARE(f->fraElaborazione->LblTempoTotale->text(), totale);
    QCOMPARE(modulo2().TempiEsercizi.valore(1), QStringLiteral(" %1").arg(secondi));
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
    QStringList attese;
    for (int i = 1; i <= 20; ++i) {
        QCOMPARE(f->fraElaborazione->LblOperazione->text(), QString::number(i));
        const QString riga = rigaCorrente();
        QCOMPARE(riga.size(), 30); // every field four characters wide
        const bool errore = i % erroreOgni == 0;
        const QString risposta = errore ? QStringLiteral("0") : modulo2().TestoIncognita.trimmed();
        attese << riga + risposta + (errore ? QStringLiteral("* ") + modulo2().TestoIncognita + gradi : QStringLiteral("  "));
        digita(f, risposta + (errore ? QStringLiteral("VS") : QStringLiteral("V")) + (i < 20 ? QStringLiteral("A") : QString()));
    }
    for (int i = 1; i <= 20; ++i)
        QCOMPARE(modulo2().ElencoOperazioni.valore(i), attese.at(i - 1));
    QCOMPARE(int(modulo2().RisposteEsatte), 20 - 20 / erroreOgni);
    QCOMPARE(f->fraElaborazione->lblRisErrate->text(), QString::number(20 / erroreOgni));

    // Only the notice is usable, with the focus on "Stampa"; "Stampa" leaves it there.
    QVERIFY(attivo(f) == f->fraAvviso);
    QCOMPARE(f->focusWidget(), f->fraAvviso->scelte[0]);
    QCOMPARE(QStringList({f->fraAvviso->domanda->text(), f->fraAvviso->scelte[0]->text(), f->fraAvviso->scelte[1]->text()}),
             QStringList({"Se ricominci gli esercizi andranno persi", "Stampa", "Ricomincia"}));
    premi(f->fraAvviso->scelte[0]);
    QCOMPARE(aperture, 1);
    QVERIFY(attivo(f) == f->fraAvviso);

    // "Ricomincia": operation 1 of a new series; the lines past the series are not its own.
    modulo2().ElencoOperazioni.imposta(21, QStringLiteral("worksheet line"));
    premi(f->fraAvviso->scelte[1]);
    QVERIFY(attivo(f) == f->fraTastierino);
    const PannelloStatistiche *p = f->fraElaborazione;
    QCOMPARE(QStringList({p->LblOperazione->text(), p->lblRisEsatte->text(), p->lblRisErrate->text(), p->LblTempoParziale->text(),
                          p->LblTempoTotale->text()}),
             QStringList({"1", "", "", "", "0"}));
    QCOMPARE(QList<int>({modulo2().NumeroOperazioni, modulo2().RisposteEsatte, modulo2().NumeroErrate}), QList<int>({1, 0, 0}));
    QCOMPARE(modulo2().TempoTotale.value_or(-1), 0.0);
    for (int i = 2; i <= 20; ++i)
        QCOMPARE(modulo2().ElencoOperazioni.valore(i), QString());
    QCOMPARE(modulo2().ElencoOperazioni.valore(21), QStringLiteral("worksheet line"));
}

void TstFrmOperativoSerie::tastiera_data()
{
    QTest::addColumn<bool>("avviso");
    QTest::addColumn<QString>("sequenza");
    QTest::addColumn<QString>("fuoco"); // the button with the focus afterwards
    QTest::newRow("help: N gives NO") << false << "N^" << "NO";
    QTest::newRow("help: 2 gives NO") << false << "2^" << "NO";
    QTest::newRow("help: S gives SI back") << false << "N^S^" << "SI";
    QTest::newRow("help: 1 on the keypad gives SI back") << false << "N^k^" << "SI";
    QTest::newRow("help: S while N is held does nothing") << false << "NS" << "NO";
    QTest::newRow("help: R is not one of its keys") << false << "R^" << "SI";
    QTest::newRow("help: held space moves once") << false << "_~~" << "NO";
    QTest::newRow("help: space twice comes back") << false << "_^_^" << "SI";
    QTest::newRow("help: Enter on NO refuses, typing again") << false << "N^E^" << "1";
    QTest::newRow("help: Enter on SI helps, Avanti next") << false << "E^" << "Avanti";
    QTest::newRow("notice: R gives Ricomincia") << true << "R^" << "Ricomincia";
    QTest::newRow("notice: S while R is held does nothing") << true << "R~S" << "Ricomincia";
    QTest::newRow("notice: Enter on Ricomincia starts again") << true << "R^E^" << "1";
}

void TstFrmOperativoSerie::tastiera()
{
    QFETCH(bool, avviso);
    QFETCH(QString, sequenza);
    QFETCH(QString, fuoco);
    AmbienteProva ambiente;
    FrmOperativo *f = apri(1, 1);
    if (avviso)
        finisciSerie(f);
    else
        digita(f, QStringLiteral("0V"));
    suonaTasti(f, sequenza);
    auto *pulsante = qobject_cast<QPushButton *>(f->focusWidget());
    QVERIFY(attivo(f) && pulsante && pulsante->isEnabled());
    QCOMPARE(pulsante->text(), fuoco);
    QCOMPARE(int(modulo2().NumeroOperazioni), avviso && fuoco != QStringLiteral("1") ? 20 : 1);
}

QTEST_MAIN(TstFrmOperativoSerie)
#include "tst_frmoperativo_serie.moc"
