// With no print server to talk to, both windows still print: the printer
// layer keeps the page as a PDF and says where, the windows stay usable and
// the shared state is left as it was.
#include "serieprova.h"
#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/finestra.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"

#include <QTemporaryDir>
#include <QtTest>

class TstStampaSenzaStampante final : public QObject
{
    Q_OBJECT

public:
    explicit TstStampaSenzaStampante(QString casa) : m_casa(std::move(casa)) {}

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
        serieprova::riempi(20, 17);
        modulo2().NomeAlunno = QStringLiteral("Anna");
    }
    void cleanup() { m_ambiente.reset(); }

    void paginaInUnPdf_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("testo"); // some text the page holds

        QTest::newRow("report") << nomi::FrmStampaEsercizio << "STAMPA" << "Esercizio n.2";
        QTest::newRow("certificate") << nomi::FrmAttestato << "STAMPA L'ATTESTATO" << "";
    }

    void paginaInUnPdf()
    {
        QFETCH(QString, finestra);
        QFETCH(QString, pulsante);
        QFETCH(QString, testo);
        Finestra *f = Finestre::istanza().mostra(finestra);
        QVERIFY(f);
        for (PulsanteOpzione *p : f->findChildren<PulsanteOpzione *>()) {
            if (p->caption() == pulsante)
                QTest::mouseClick(p, Qt::LeftButton);
        }
        // One message naming a file in the home's Documents.
        const QString prefisso = QStringLiteral("Nessuna stampante disponibile: la pagina è stata salvata nel file\n");
        QCOMPARE(m_ambiente->messaggi().size(), 1);
        QVERIFY(m_ambiente->messaggi().first().startsWith(prefisso));
        const QFileInfo file(m_ambiente->messaggi().first().mid(prefisso.size()));
        QVERIFY(file.exists());
        QCOMPARE(file.absolutePath(), QDir(m_casa).filePath(QStringLiteral("Documents")));
        QVERIFY(testoDelPdf(file.filePath()).contains(testo));
        // The window stays, the shared state is as it was.
        QVERIFY(Finestre::istanza().caricata(finestra));
        QCOMPARE(modulo2().NomeAlunno, QStringLiteral("Anna"));
        QCOMPARE(int(modulo2().NumeroOperazioni), 20);
        QCOMPARE(modulo2().TempiEsercizi.valore(1), QStringLiteral(" 57"));
    }

private:
    QString m_casa;
    std::unique_ptr<AmbienteProva> m_ambiente;
};

// The print server named here does not exist, so no printer is found; the
// fallback files go to a home of the test's own.
int main(int argc, char *argv[])
{
    QTemporaryDir casa;
    if (!casa.isValid() || !QDir(casa.path()).mkpath(QStringLiteral("Documents")))
        return 1;
    qputenv("HOME", QFile::encodeName(casa.path()));
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("CUPS_SERVER", QFile::encodeName(casa.filePath(QStringLiteral("nessun-server.sock"))));
    QApplication app(argc, argv);
    TstStampaSenzaStampante prova(casa.path());
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}
#include "tst_stampasenzastampante.moc"
