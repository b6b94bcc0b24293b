#include "support/ambienteprova.h"

#include "frame/aspetto.h"
#include "frame/chiusura.h"
#include "frame/etichetta.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/pulsanteopzione.h"
#include "frame/unita.h"
#include "start/frminizio.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

namespace {
QColor sfondo(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::Window);
}
QColor testo(const QWidget *w)
{
    return w->palette().color(QPalette::Active, QPalette::ButtonText);
}
QColor colore(quint32 bgr)
{
    return QColor::fromRgb(unita::coloreDaBgr(bgr));
}
} // namespace

class TstFrmInizio final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void allAvvioScritteEFrame();
    void livelliEAvantiSoloASuoTempo();
    void righeDiRiepilogo_data();
    void righeDiRiepilogo();
    void segniRossiSeguonoUltimaScelta();
    void cambiaObiettiviAlternaERiscriveFile();
    void fileLetto_data();
    void fileLetto();
    void ogniUscitaScriveIlFile_data();
    void ogniUscitaScriveIlFile();
    void stampaSchedeSoloATendineAperte();
    void nessunPulsanteRestaPremuto();
    void tastieraSpostaFuocoMaNonAgisce();
    void avantiSvuotaNomeEScriveFile();

private:
    frmInizio *carica();
    QString fileLivelli() const { return modulo2().NomeProgramma + QStringLiteral(".dat"); }
    static QByteArray contenuto(const QString &percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void scrivi(const QString &percorso, const QByteArray &dati)
    {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(dati);
    }
    static void premi(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }

    std::unique_ptr<AmbienteProva> m_ambiente;
};

void TstFrmInizio::init()
{
    m_ambiente = std::make_unique<AmbienteProva>();
}

void TstFrmInizio::cleanup()
{
    m_ambiente.reset();
}

frmInizio *TstFrmInizio::carica()
{
    auto *f = static_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
    if (f && !QTest::qWaitForWindowExposed(f))
        qWarning("the start window was not exposed");
    return f;
}

void TstFrmInizio::allAvvioScritteEFrame()
{
    frmInizio *f = carica();
    QVERIFY(f);
    QCOMPARE(modulo2().Operazione, 1);
    QVERIFY(!modulo2().NomeProgramma.isEmpty());
    QCOMPARE(f->windowTitle(), modulo2().NomeProgramma);
    QCOMPARE(f->lblNomeOperazione->text(), modulo2().NomeProgramma + QStringLiteral(".1"));
    QCOMPARE(f->Frame1->title(), QStringLiteral("OBIETTIVI 1"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Obiettivo: "));
    QCOMPARE(f->Label3->text(), QStringLiteral("Livello: "));
    QCOMPARE(f->Label6->text(), QStringLiteral(" OPERAZIONI IN  RIGA CON NUMERI INTERI"));
    QCOMPARE(f->lblVersione->text(), QStringLiteral("Ver.1.0.3\n\nUtilizza il MOUSE"));
    QCOMPARE(f->Label5->text(), QStringLiteral("Il nuovo software di Ormido"));
    QCOMPARE(f->Option3[0]->caption(), QStringLiteral("Avanti"));
    QCOMPARE(f->Option3[1]->caption(), QStringLiteral("Esci"));
    QCOMPARE(f->Option1[4]->caption(), QStringLiteral("5. Calcolo del segno:  =  <  >"));
    QCOMPARE(f->Option2[3]->caption(), QStringLiteral("4. Numeri da    1 a 99"));
    QCOMPARE(f->mnuSchede->text(), QStringLiteral("Stampa schede"));
    QCOMPARE(f->mnuValutazione->text(), QStringLiteral("Valutazione"));
    QCOMPARE(f->mnuEsempi->text(), QStringLiteral("Esemplicazione"));
    QVERIFY(f->Frame1->isEnabled());
    QVERIFY(!f->Frame2->isEnabled());
    QVERIFY(!f->Frame3->isEnabled());
    QVERIFY(f->Option3[1]->isEnabled());
    QCOMPARE(Modulo2::int16(0), modulo2().Livello);
    QCOMPARE(Modulo2::int16(0), modulo2().TipoDa);
    QVERIFY(modulo2().DescrizioneObiettivo.isEmpty());
}

void TstFrmInizio::livelliEAvantiSoloASuoTempo()
{
    frmInizio *f = carica();
    // A level pressed before any objective does nothing.
    premi(f->Option2[0]);
    QCOMPARE(modulo2().Livello, Modulo2::int16(0));
    QCOMPARE(f->Label3->text(), QStringLiteral("Livello: "));
    QVERIFY(!f->Option3[0]->isEnabled() || !f->Frame3->isEnabled());
    premi(f->Option3[0]);
    QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));

    premi(f->Option1[0]);
    QVERIFY(f->Frame2->isEnabled());
    QVERIFY(!f->Frame3->isEnabled());
    premi(f->Option2[1]);
    QVERIFY(f->Frame3->isEnabled());
    QCOMPARE(modulo2().Livello, Modulo2::int16(2));
    // Another objective keeps "Avanti" usable with the level chosen before.
    premi(f->Option1[2]);
    QVERIFY(f->Frame3->isEnabled());
    QCOMPARE(f->Label3->text(), QStringLiteral("Livello n.2:         NUMERO MASSIMO da  30 a 60"));
}

void TstFrmInizio::righeDiRiepilogo_data()
{
    QTest::addColumn<int>("gruppo");
    QTest::addColumn<int>("obiettivo");
    QTest::addColumn<int>("livello");
    QTest::addColumn<QString>("rigaObiettivo");
    QTest::addColumn<QString>("rigaLivello");
    QTest::addColumn<int>("tipoDa");
    QTest::addColumn<int>("tipoA");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("massimo");
    QTest::newRow("objective 1, level 1") << 1 << 0 << 0 << "Obiettivo n.1:     CALCOLO DEL RISULTATO"
                                          << "Livello n.1:         NUMERO MASSIMO da  1 a 30" << 1 << 1 << 1 << 30;
    QTest::newRow("objective 2, level 2") << 1 << 1 << 1 << "Obiettivo n.2:     CALCOLO DEL TERMINE"
                                          << "Livello n.2:         NUMERO MASSIMO da  30 a 60" << 2 << 3 << 30 << 60;
    QTest::newRow("objective 3, level 3")
        << 1 << 2 << 2 << "Obiettivo n.3:     CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"
        << "Livello n.3:         NUMERO MASSIMO da  60 a 99" << 1 << 3 << 60 << 99;
    QTest::newRow("objective 4, level 4") << 2 << 3 << 3 << "Obiettivo n.4:     CALCOLO DEL NUMERO"
                                          << "Livello n.4:         NUMERO MASSIMO da  1 a 99" << 1 << 6 << 1 << 99;
    QTest::newRow("objective 5") << 2 << 4 << 0 << "Obiettivo n.5:     CALCOLO DEL SEGNO"
                                 << "Livello n.1:         NUMERO MASSIMO da  1 a 30" << 7 << 12 << 1 << 30;
    QTest::newRow("objective 6") << 2 << 5 << 0 << "Obiettivo n.6:     CALCOLO CASUALE DEL NUMERO O DEL SEGNO"
                                 << "Livello n.1:         NUMERO MASSIMO da  1 a 30" << 1 << 12 << 1 << 30;
}

void TstFrmInizio::righeDiRiepilogo()
{
    QFETCH(int, gruppo);
    QFETCH(int, obiettivo);
    QFETCH(int, livello);
    QFETCH(QString, rigaObiettivo);
    QFETCH(QString, rigaLivello);
    QFETCH(int, tipoDa);
    QFETCH(int, tipoA);
    QFETCH(int, minimo);
    QFETCH(int, massimo);
    frmInizio *f = carica();
    if (gruppo == 2)
        QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
    premi(f->Option1[obiettivo]);
    premi(f->Option2[livello]);
    QCOMPARE(f->Label1->text(), rigaObiettivo);
    QCOMPARE(f->Label3->text(), rigaLivello);
    const Modulo2 &m = modulo2();
    QCOMPARE(int(m.TipoDa), tipoDa);
    QCOMPARE(int(m.TipoA), tipoA);
    QCOMPARE(int(m.NumeroMin), minimo);
    QCOMPARE(int(m.NumeroMax), massimo);
    QCOMPARE(int(m.Livello), livello + 1);
    QVERIFY(rigaObiettivo.endsWith(m.DescrizioneObiettivo));
    QVERIFY(rigaLivello.endsWith(m.DescrizioneLivello));
}

void TstFrmInizio::segniRossiSeguonoUltimaScelta()
{
    frmInizio *f = carica();
    premi(f->Option1[1]);
    QCOMPARE(sfondo(f->Label9[1]), colore(aspetto::rosso));
    QCOMPARE(testo(f->Option1[1]), colore(aspetto::rosso));
    QCOMPARE(testo(f->Option1[0]), colore(aspetto::bluScuro));
    for (int livello = 0; livello < 4; ++livello) {
        premi(f->Option2[livello]);
        for (int i = 0; i < 4; ++i) {
            const bool scelto = i == livello;
            QCOMPARE(sfondo(f->Label10[i]), colore(scelto ? aspetto::rosso : aspetto::giallinoChiaro));
            QCOMPARE(testo(f->Option2[i]), colore(scelto ? aspetto::rosso : aspetto::bluScuro));
        }
        // The objective's marks go; its summary and values stay.
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(sfondo(f->Label9[i]), colore(aspetto::giallinoChiaro));
            QCOMPARE(testo(f->Option1[i]), colore(aspetto::bluScuro));
        }
        QCOMPARE(f->Label1->text(), QStringLiteral("Obiettivo n.2:     CALCOLO DEL TERMINE"));
        QCOMPARE(modulo2().TipoA, Modulo2::int16(3));
    }
}

void TstFrmInizio::cambiaObiettiviAlternaERiscriveFile()
{
    frmInizio *f = carica();
    premi(f->Option1[0]);
    premi(f->Option2[0]);
    QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
    QCOMPARE(f->gruppoObiettivi(), Modulo2::int16(2));
    QCOMPARE(f->lblNomeOperazione->text(), modulo2().NomeProgramma + QStringLiteral(".2"));
    QCOMPARE(f->Frame1->title(), QStringLiteral("OBIETTIVI 2"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Obiettivo"));
    QCOMPARE(f->Label3->text(), QStringLiteral("Livello"));
    QVERIFY(!f->Frame2->isEnabled());
    QVERIFY(!f->Frame3->isEnabled());
    QCOMPARE(contenuto(fileLivelli()), QByteArray(" 1  2 \r\n"));
    // Group 2's buttons lie on top: a click in the objectives' first row reaches objective 4.
    QCOMPARE(f->Frame1->childAt(f->Option1[3]->geometry().center()), f->Option1[3]);

    QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
    QCOMPARE(f->gruppoObiettivi(), Modulo2::int16(1));
    QCOMPARE(f->lblNomeOperazione->text(), modulo2().NomeProgramma + QStringLiteral(".1"));
    QCOMPARE(f->Frame1->childAt(f->Option1[0]->geometry().center()), f->Option1[0]);
    QCOMPARE(contenuto(fileLivelli()), QByteArray(" 1  1 \r\n"));
}

void TstFrmInizio::fileLetto_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("gruppo");
    QTest::addColumn<QString>("suffisso");
    QTest::addColumn<QString>("cornice");
    QTest::addColumn<QByteArray>("riscritto");
    QTest::newRow("first start, no file") << QByteArray() << 1 << 1 << ".1" << "OBIETTIVI 1"
                                          << QByteArray("\x20\x31\x20\x20\x31\x20\x0D\x0A", 8);
    QTest::newRow("2 2: subtraction, group 2") << QByteArray("2 2") << 2 << 2 << ".2"
                                               << "OBIETTIVI 2" << QByteArray(" 2  2 \r\n");
    QTest::newRow("group 0 leaves the design captions") << QByteArray(" 3  0 \r\n") << 3 << 0 << "OPE"
                                                        << "OBIETTIVI" << QByteArray(" 3  0 \r\n");
    QTest::newRow("group 7 leaves the design captions") << QByteArray(" 1  7 \r\n") << 1 << 7 << "OPE"
                                                        << "OBIETTIVI" << QByteArray(" 1  7 \r\n");
    QTest::newRow("one number: group 1, operation read") << QByteArray("3") << 3 << 1 << ".1" << "OBIETTIVI 1"
                                                         << QByteArray(" 3  1 \r\n");
    QTest::newRow("text: defaults") << QByteArray("ciao") << 1 << 1 << ".1" << "OBIETTIVI 1"
                                    << QByteArray(" 1  1 \r\n");
    QTest::newRow("binary: defaults") << QByteArray("\xde\xad\xbe\xef", 4) << 1 << 1 << ".1" << "OBIETTIVI 1"
                                      << QByteArray(" 1  1 \r\n");
    QTest::newRow("a million blanks: defaults") << QByteArray(1000000, ' ') << 1 << 1 << ".1" << "OBIETTIVI 1"
                                                << QByteArray(" 1  1 \r\n");
}

void TstFrmInizio::fileLetto()
{
    QFETCH(QByteArray, file);
    QFETCH(int, operazione);
    QFETCH(int, gruppo);
    QFETCH(QString, suffisso);
    QFETCH(QString, cornice);
    QFETCH(QByteArray, riscritto);
    // The program's name is known before the window loads: it is this test's own file name.
    if (!file.isEmpty())
        scrivi(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".dat"), file);
    frmInizio *f = carica();
    QCOMPARE(int(modulo2().Operazione), operazione);
    QCOMPARE(int(f->gruppoObiettivi()), gruppo);
    const QString atteso = suffisso == QLatin1String("OPE") ? suffisso : modulo2().NomeProgramma + suffisso;
    QCOMPARE(f->lblNomeOperazione->text(), atteso);
    QCOMPARE(f->Frame1->title(), cornice);
    QCOMPARE(contenuto(fileLivelli()), riscritto);
    if (gruppo != 1 && gruppo != 2) {
        QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
        QCOMPARE(f->gruppoObiettivi(), Modulo2::int16(1));
    }
}

void TstFrmInizio::stampaSchedeSoloATendineAperte()
{
    frmInizio *f = carica();
    QVERIFY(!f->mnuSchede->isEnabled());
    QVERIFY(!f->tendineAperte());
    QVERIFY(f->Picture1->width() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(f->tendineAperte(), 10000);
    QVERIFY(f->mnuSchede->isEnabled());
    QVERIFY(f->mnuValutazione->isEnabled());
    QVERIFY(f->mnuEsempi->isEnabled());
    // Open curtains stay open when the window changes size.
    const int larghezza = f->Picture1->width();
    QVERIFY(larghezza <= aspetto::pixelDaTwips(74) * 2 + 1);
    f->resize(f->width() / 2, f->height() / 2);
    QVERIFY(f->Picture1->width() <= larghezza);
    QCOMPARE(f->Picture1->geometry().right(), f->area()->width() - 1);
}

void TstFrmInizio::nessunPulsanteRestaPremuto()
{
    frmInizio *f = carica();
    premi(f->Option1[0]);
    premi(f->Option2[0]);
    for (PulsanteOpzione *p : {f->Option1[0], f->Option2[0]}) {
        QVERIFY(!p->isDown());
        QVERIFY(!p->isChecked());
    }
    // Mouse-down alone already acts.
    QTest::mousePress(f->Option1[2], Qt::LeftButton);
    QCOMPARE(modulo2().TipoA, Modulo2::int16(3));
    QTest::mouseRelease(f->Option1[2], Qt::LeftButton);
    QVERIFY(!f->Option1[2]->isDown());
}

void TstFrmInizio::tastieraSpostaFuocoMaNonAgisce()
{
    frmInizio *f = carica();
    premi(f->Option1[0]);
    premi(f->Option2[0]);
    f->Option3[0]->setFocus();
    QTRY_VERIFY(f->Option3[0]->hasFocus());
    QCOMPARE(sfondo(f->Option3[0]), colore(aspetto::fuocoAcceso));
    QCOMPARE(sfondo(f->Option3[1]), colore(aspetto::fuocoSpento));
    QTest::keyClick(f->Option3[0], Qt::Key_Return);
    QTest::keyClick(f->Option3[0], Qt::Key_Space);
    QVERIFY(!Finestre::istanza().caricata(nomi::FrmOperativo));
    QVERIFY(Finestre::istanza().caricata(nomi::frmInizio));
    f->Option3[1]->setFocus();
    QTRY_VERIFY(f->Option3[1]->hasFocus());
    QCOMPARE(sfondo(f->Option3[1]), colore(aspetto::fuocoAcceso));
    QCOMPARE(sfondo(f->Option3[0]), colore(aspetto::fuocoSpento));
    QTest::keyClick(f->Option3[1], Qt::Key_Return);
    QVERIFY(Finestre::istanza().caricata(nomi::frmInizio));
}

void TstFrmInizio::ogniUscitaScriveIlFile_data()
{
    QTest::addColumn<QString>("uscita");
    QTest::newRow("Esci") << "Esci";
    QTest::newRow("closing by the title bar") << "barra";
    QTest::newRow("ChiudiTutto") << "ChiudiTutto";
}

void TstFrmInizio::ogniUscitaScriveIlFile()
{
    QFETCH(QString, uscita);
    Finestre::istanza().registra(QStringLiteral("FrmProva"), [] {
        return new Finestra(QStringLiteral("FrmProva"), QSize(3000, 2000));
    });
    frmInizio *f = carica();
    Finestre::istanza().mostra(QStringLiteral("FrmProva"));
    QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
    QFile::remove(fileLivelli());
    if (uscita == QLatin1String("Esci"))
        premi(f->Option3[1]);
    else if (uscita == QLatin1String("barra"))
        f->close();
    else
        ChiudiTutto();
    QVERIFY(Finestre::istanza().caricate().isEmpty());
    QCOMPARE(m_ambiente->fineProgramma(), 1);
    QCOMPARE(contenuto(fileLivelli()), QByteArray(" 1  2 \r\n"));
}

void TstFrmInizio::avantiSvuotaNomeEScriveFile()
{
    frmInizio *f = carica();
    premi(f->Option1[0]);
    premi(f->Option2[0]);
    QFile::remove(fileLivelli());
    modulo2().NomeAlunno = QStringLiteral("Luca");
    premi(f->Option3[0]);
    QVERIFY(modulo2().NomeAlunno.isEmpty());
    QCOMPARE(contenuto(fileLivelli()), QByteArray(" 1  1 \r\n"));
    QVERIFY(Finestre::istanza().caricata(nomi::frmInizio));
}

QTEST_MAIN(TstFrmInizio)
#include "tst_frminizio.moc"
