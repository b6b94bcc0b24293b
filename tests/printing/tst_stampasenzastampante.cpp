// With no print server to talk to, both windows still print: the printer
// layer keeps the page as a PDF and says where, the windows stay usable and
// the shared state is left as it was.
#include "serieprova.h"
#include "support/ambienteprova.h"
#include "support/pdfstampato.h"

#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "frame/servizi.h"
#include "frame/stampantereale.h"
#include "printing/frmattestato.h"
#include "printing/frmstampaesercizio.h"
#include "printing/pannellonome.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString prefisso = QStringLiteral("Nessuna stampante disponibile: la pagina è stata salvata nel file\n");
}

class TstStampaSenzaStampante final : public QObject
{
    Q_OBJECT

public:
    explicit TstStampaSenzaStampante(QString casa)
        : m_casa(std::move(casa))
    {
    }

private slots:
    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        servizi().creaStampante = [] { return std::make_unique<StampanteReale>(); };
        serieprova::riempi(20, 17);
        modulo2().NomeAlunno = QStringLiteral("Anna");
    }
    void cleanup() { m_ambiente.reset(); }

    void resocontoInUnPdf()
    {
        auto *f = qobject_cast<FrmStampaEsercizio *>(Finestre::istanza().mostra(nomi::FrmStampaEsercizio));
        QVERIFY(f);
        QTest::mouseClick(f->Option1.at(2), Qt::LeftButton);
        const QString file = filePdfDelMessaggio();
        QVERIFY(!file.isEmpty());
        const QString testo = testoDelPdf(file);
        QVERIFY2(testo.contains(QStringLiteral("Esercizio n.2")), qPrintable(testo));
        QVERIFY(testo.contains(QStringLiteral("Data di stampa 05/12/2026")));
        statoInvariato();
        // Still usable: the name panel opens.
        QTest::mouseClick(f->Option1.at(1), Qt::LeftButton);
        QVERIFY(f->fraNome->isVisible());
    }

    void attestatoInUnPdf()
    {
        auto *f = qobject_cast<FrmAttestato *>(Finestre::istanza().mostra(nomi::FrmAttestato));
        QVERIFY(f);
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QVERIFY(!filePdfDelMessaggio().isEmpty());
        QCOMPARE(modulo2().Valutazione, QStringLiteral("DISTINTO"));
        // A second print makes a second file; the window stays.
        QTest::mouseClick(f->Option5.at(0), Qt::LeftButton);
        QCOMPARE(m_ambiente->messaggi().size(), 2);
        QVERIFY(Finestre::istanza().caricata(nomi::FrmAttestato));
    }

private:
    // The file named by the one message shown, which must exist.
    QString filePdfDelMessaggio()
    {
        if (m_ambiente->messaggi().size() != 1 || !m_ambiente->messaggi().constFirst().startsWith(prefisso))
            return {};
        const QString file = m_ambiente->messaggi().constFirst().mid(prefisso.size());
        return QFileInfo(file).absolutePath() == QDir(m_casa).filePath(QStringLiteral("Documents")) && QFile::exists(file)
                   ? file
                   : QString();
    }

    static void statoInvariato()
    {
        const auto &m = modulo2();
        QCOMPARE(m.NomeAlunno, QStringLiteral("Anna"));
        QCOMPARE(int(m.NumeroOperazioni), 20);
        QCOMPARE(m.TempiEsercizi.valore(1), QStringLiteral(" 57"));
        QCOMPARE(m.ElencoOperazioni.valore(1), serieprova::rigaLog(1));
    }

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
