// The worksheet printed with no print server at all: the page is kept as a
// PDF in Documents, the message names the file, the window stays usable and
// the shared state is as before. (The report and the certificate are checked
// the same way in tests/printing.)

#include "istantanea.h"

#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"
#include "worksheets/frmstampaschede.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TstGuastiSenzaServer final : public QObject
{
    Q_OBJECT

public:
    explicit TstGuastiSenzaServer(QString casa)
        : m_casa(std::move(casa))
    {
    }

private slots:
    void schedaInUnPdf();

private:
    QString m_casa;
};

void TstGuastiSenzaServer::schedaInUnPdf()
{
    AmbienteProva ambiente;
    servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
    modulo2().Operazione = 2;
    modulo2().TipoDa = modulo2().TipoA = modulo2().Livello = 1;
    auto *f = qobject_cast<FrmStampaSchede *>(Finestre::istanza().mostra(nomi::FrmStampaSchede));
    QVERIFY(f && QTest::qWaitForWindowActive(f));
    for (QWidget *scelta : {static_cast<QWidget *>(f->Option1[1]), static_cast<QWidget *>(f->Option3[2])}) {
        QTest::mousePress(scelta, Qt::LeftButton);
        QTest::mouseRelease(scelta, Qt::LeftButton);
    }
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    const QString primaRiga = f->LblOp[1]->text();
    QVERIFY(!primaRiga.isEmpty());
    const Istantanea prima = Istantanea::presa();

    QTest::mouseClick(f->CmdStampaAlunni, Qt::LeftButton);
    const QString prefisso = QStringLiteral("Nessuna stampante disponibile: la pagina è stata salvata nel file\n");
    QCOMPARE(ambiente.messaggi().size(), 1);
    const QString messaggio = ambiente.messaggi().constFirst();
    QVERIFY2(messaggio.startsWith(prefisso), qPrintable(messaggio));
    const QString file = messaggio.mid(prefisso.size());
    QCOMPARE(QFileInfo(file).absolutePath(), QDir(m_casa).filePath(QStringLiteral("Documents")));
    const QString testo = testoDelPdf(file);
    QVERIFY2(testo.contains(QStringLiteral("Cognome e nome:")), qPrintable(testo));
    QVERIFY2(testo.contains(primaRiga.simplified().section(QLatin1Char(' '), 0, 0)), qPrintable(testo));
    QVERIFY2(Istantanea::presa() == prima, "the print changed the shared state");

    // Still usable: another sheet, printed again into a second file.
    QTest::mouseClick(f->CmdSchedaAlunni, Qt::LeftButton);
    QTest::mouseClick(f->CmdStampaAlunni, Qt::LeftButton);
    QCOMPARE(ambiente.messaggi().size(), 2);
    QVERIFY(ambiente.messaggi().at(1) != messaggio);
    QVERIFY(Finestre::istanza().caricata(nomi::FrmStampaSchede));
}

// The print server named here does not exist; the kept files go to a home of the test's own.
int main(int argc, char *argv[])
{
    QTemporaryDir casa;
    if (!casa.isValid() || !QDir(casa.path()).mkpath(QStringLiteral("Documents")))
        return 1;
    qputenv("HOME", QFile::encodeName(casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("CUPS_SERVER", QFile::encodeName(casa.filePath(QStringLiteral("nessun-server.sock"))));
    QApplication app(argc, argv);
    TstGuastiSenzaServer prova(casa.path());
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}
#include "tst_guasti_senzaserver.moc"
