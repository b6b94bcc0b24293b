#include "support/ambienteprova.h"

#include "frame/etichetta.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "start/filelivelli.h"
#include "start/frminizio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>

#include <random>

// The program starts quietly whatever lies where its settings file should be:
// a locked file or folder, a folder of that name, a huge or a random file. It
// shows the objective group the file gives (1 when it gives none), trains the
// operation read, and a locked file or folder is left exactly as it was.

namespace {

enum class Guasto { FileSolaLettura, CartellaSolaLettura, CartellaSolaLetturaConFile, CartellaAlPosto,
                    FileSparso1GB, ByteCasuali, BianchiPrimaDeiNumeri };

constexpr auto tuttiIPermessi = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr qint64 unGigabyte = qint64(1) << 30;

QByteArray contenuto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.read(64) : QByteArray("<missing>");
}

bool scrivi(const QString &percorso, const QByteArray &dati)
{
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
}

QByteArray byteCasuali(int quanti)
{
    std::mt19937 casuale(2026);
    QByteArray dati(quanti, '\0');
    for (char &c : dati)
        c = static_cast<char>(casuale() & 0xFF);
    dati[0] = '\xFF'; // not a digit, a sign or a blank: nothing can be read
    return dati;
}

} // namespace

Q_DECLARE_METATYPE(Guasto)

class TstAvvioFileRovinati final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void avvioTranquillo_data();
    void avvioTranquillo();

private:
    QString fileLivelli() const { return QDir::current().filePath(nomeFileLivelli(m_nome)); }
    void prepara(Guasto guasto);

    std::unique_ptr<AmbienteProva> m_ambiente;
    // The program's name is known before the window loads: this test's own file name.
    const QString m_nome = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
};

void TstAvvioFileRovinati::init()
{
    m_ambiente = std::make_unique<AmbienteProva>();
}

void TstAvvioFileRovinati::cleanup()
{
    // Unlock what the row locked, so that the temporary folder can go.
    QFile::setPermissions(m_ambiente->cartella(), tuttiIPermessi);
    QFile::setPermissions(fileLivelli(), QFile::ReadOwner | QFile::WriteOwner);
    m_ambiente.reset();
}

void TstAvvioFileRovinati::prepara(Guasto guasto)
{
    const QString percorso = fileLivelli();
    switch (guasto) {
    case Guasto::FileSolaLettura:
        QVERIFY(scrivi(percorso, " 2  2 \r\n"));
        QVERIFY(QFile::setPermissions(percorso, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        break;
    case Guasto::CartellaSolaLetturaConFile:
        QVERIFY(scrivi(percorso, " 3  2 \r\n"));
        [[fallthrough]];
    case Guasto::CartellaSolaLettura:
        QVERIFY(QFile::setPermissions(m_ambiente->cartella(), QFile::ReadOwner | QFile::ExeOwner));
        break;
    case Guasto::CartellaAlPosto:
        QVERIFY(QDir().mkdir(percorso));
        break;
    case Guasto::FileSparso1GB: {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(unGigabyte));
        break;
    }
    case Guasto::ByteCasuali:
        QVERIFY(scrivi(percorso, byteCasuali(1 << 20)));
        break;
    case Guasto::BianchiPrimaDeiNumeri:
        QVERIFY(scrivi(percorso, QByteArray(1000000, ' ') + "2 2\r\n"));
        break;
    }
}

void TstAvvioFileRovinati::avvioTranquillo_data()
{
    QTest::addColumn<Guasto>("guasto");
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("gruppo");
    // The file's first bytes once the group was changed and "Esci" pressed; empty: a folder.
    QTest::addColumn<QByteArray>("dopo");
    QTest::newRow("read-only file: read, left alone") << Guasto::FileSolaLettura << 2 << 2 << QByteArray(" 2  2 \r\n");
    QTest::newRow("read-only folder, no file: none created")
        << Guasto::CartellaSolaLettura << 1 << 1 << QByteArray("<missing>");
    QTest::newRow("read-only folder with a file: read, left alone")
        << Guasto::CartellaSolaLetturaConFile << 3 << 2 << QByteArray(" 3  2 \r\n");
    QTest::newRow("a folder named as the file: defaults, folder kept") << Guasto::CartellaAlPosto << 1 << 1
                                                                       << QByteArray();
    QTest::newRow("1 GB sparse file: defaults, replaced") << Guasto::FileSparso1GB << 1 << 1
                                                          << QByteArray(" 1  2 \r\n");
    QTest::newRow("1 MB of random bytes: defaults, replaced") << Guasto::ByteCasuali << 1 << 1
                                                              << QByteArray(" 1  2 \r\n");
    QTest::newRow("a million blanks before 2 2: read as the numbers") << Guasto::BianchiPrimaDeiNumeri << 2 << 2
                                                                      << QByteArray(" 2  1 \r\n");
}

void TstAvvioFileRovinati::avvioTranquillo()
{
    QFETCH(Guasto, guasto);
    QFETCH(int, operazione);
    QFETCH(int, gruppo);
    QFETCH(QByteArray, dopo);
    prepara(guasto);

    QElapsedTimer tempo;
    tempo.start();
    auto *f = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
    const qint64 millisecondi = tempo.elapsed();
    QVERIFY(f);
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QVERIFY2(millisecondi < 3000, qPrintable(QStringLiteral("loading took %1 ms").arg(millisecondi)));
    QCOMPARE(int(modulo2().Operazione), operazione);
    QCOMPARE(int(f->gruppoObiettivi()), gruppo);
    QCOMPARE(f->lblNomeOperazione->text(), m_nome + QLatin1Char('.') + QString::number(gruppo));
    QCOMPARE(f->Frame1->title(), QStringLiteral("OBIETTIVI ") + QString::number(gruppo));
    QVERIFY(f->Frame1->isEnabled());

    // The window works: the other group (written at once, or not at all), an
    // objective, a level, then "Esci" writes (or tries to) and ends.
    QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
    QCOMPARE(int(f->gruppoObiettivi()), 3 - gruppo);
    QTest::mouseClick(f->Option1[0], Qt::LeftButton);
    QTest::mouseClick(f->Option2[0], Qt::LeftButton);
    QCOMPARE(int(modulo2().Livello), 1);
    QTest::mouseClick(f->Option3[1], Qt::LeftButton);
    QVERIFY(Finestre::istanza().caricate().isEmpty());
    QCOMPARE(m_ambiente->fineProgramma(), 1);

    QVERIFY2(m_ambiente->messaggi().isEmpty(), qPrintable(m_ambiente->messaggi().join(QLatin1Char('|'))));
    if (dopo.isEmpty())
        QVERIFY(QFileInfo(fileLivelli()).isDir());
    else
        QCOMPARE(contenuto(fileLivelli()), dopo);
    if (guasto == Guasto::FileSparso1GB || guasto == Guasto::ByteCasuali)
        QCOMPARE(QFileInfo(fileLivelli()).size(), qint64(8));
}

QTEST_MAIN(TstAvvioFileRovinati)
#include "tst_avvio_file_rovinati.moc"
