#include "start/filelivelli.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using int16 = std::int16_t;
Q_DECLARE_METATYPE(std::optional<int16>)

class TstFileLivelli final : public QObject
{
    Q_OBJECT

private slots:
    void bytesScritti_data();
    void bytesScritti();
    void lettura_data();
    void lettura();
    void fileMancanteNonDaNulla();
    void fileEnormeLettoSoloInParte();
    void fileSolaLetturaNonToccato();
    void cartellaSolaLetturaNonToccata();
    void cartellaAlPostoDelFile();
    void scritturaSostituisceFileRovinato();
    void letturaFallitaPoiScritturaRiuscita();

private:
    static QByteArray contenuto(const QString &percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void scrivi(const QString &percorso, const QByteArray &dati)
    {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(dati);
    }
};

void TstFileLivelli::bytesScritti_data()
{
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("gruppo");
    QTest::addColumn<QByteArray>("atteso");
    QTest::newRow("first start: 1 and 1") << 1 << 1 << QByteArray("\x20\x31\x20\x20\x31\x20\x0D\x0A", 8);
    QTest::newRow("addition, group 2") << 1 << 2 << QByteArray("\x20\x31\x20\x20\x32\x20\x0D\x0A", 8);
    QTest::newRow("multiplication, group never set") << 3 << 0 << QByteArray(" 3  0 \r\n");
    QTest::newRow("negative keeps its sign place") << -1 << 7 << QByteArray("-1  7 \r\n");
    QTest::newRow("large numbers") << 32767 << -32768 << QByteArray(" 32767 -32768 \r\n");
}

void TstFileLivelli::bytesScritti()
{
    QFETCH(int, operazione);
    QFETCH(int, gruppo);
    QFETCH(QByteArray, atteso);
    QCOMPARE(testoLivelli(static_cast<int16>(operazione), static_cast<int16>(gruppo)), atteso);

    QTemporaryDir dir;
    const QString percorso = dir.filePath(nomeFileLivelli(QStringLiteral("TARVELO")));
    QVERIFY(percorso.endsWith(QLatin1String("/TARVELO.dat")));
    QVERIFY(scriviFileLivelli(percorso, static_cast<int16>(operazione), static_cast<int16>(gruppo)));
    QCOMPARE(contenuto(percorso), atteso);
}

void TstFileLivelli::lettura_data()
{
    QTest::addColumn<QByteArray>("testo");
    QTest::addColumn<std::optional<int16>>("operazione");
    QTest::addColumn<std::optional<int16>>("gruppo");
    const std::optional<int16> niente;
    auto n = [](int v) { return std::optional<int16>(static_cast<int16>(v)); };
    QTest::newRow("as written") << QByteArray(" 1  2 \r\n") << n(1) << n(2);
    QTest::newRow("2 2: subtraction, group 2") << QByteArray("2 2") << n(2) << n(2);
    QTest::newRow("comma") << QByteArray("3,1") << n(3) << n(1);
    QTest::newRow("comma with blanks") << QByteArray("  3 ,  2  ") << n(3) << n(2);
    QTest::newRow("line end between") << QByteArray("2\r\n1\r\n") << n(2) << n(1);
    QTest::newRow("bare line feeds") << QByteArray("\n\n2\n\n2\n") << n(2) << n(2);
    QTest::newRow("tabs") << QByteArray("\t1\t2") << n(1) << n(2);
    QTest::newRow("group 0") << QByteArray(" 1  0 \r\n") << n(1) << n(0);
    QTest::newRow("group 7") << QByteArray(" 1  7 \r\n") << n(1) << n(7);
    QTest::newRow("negative numbers") << QByteArray("-2 -1") << n(-2) << n(-1);
    QTest::newRow("extra fields ignored") << QByteArray("1 2 3 4") << n(1) << n(2);
    QTest::newRow("empty field reads 0") << QByteArray("2,,1") << n(2) << n(0);
    QTest::newRow("operation out of 16 bits") << QByteArray("40000 2") << niente << niente;
    QTest::newRow("group out of 16 bits") << QByteArray("1 -40000") << n(1) << niente;
    QTest::newRow("text") << QByteArray("uno due") << niente << niente;
    QTest::newRow("number then text") << QByteArray("2 due") << n(2) << niente;
    QTest::newRow("decimal point") << QByteArray("1.5 2") << niente << niente;
    QTest::newRow("empty") << QByteArray() << niente << niente;
    QTest::newRow("only blanks") << QByteArray(1000, ' ') << niente << niente;
    QTest::newRow("one number") << QByteArray(" 2 \r\n") << n(2) << niente;
    QTest::newRow("binary") << QByteArray("\x00\xff\x13\x37 \x01", 6) << niente << niente;
    QTest::newRow("number glued to binary") << QByteArray("2\x00 1", 4) << niente << niente;
}

void TstFileLivelli::lettura()
{
    QFETCH(QByteArray, testo);
    QFETCH(std::optional<int16>, operazione);
    QFETCH(std::optional<int16>, gruppo);
    const LivelliLetti letti = interpretaLivelli(testo);
    QCOMPARE(letti.operazione, operazione);
    QCOMPARE(letti.gruppo, gruppo);

    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("TARVELO.dat"));
    scrivi(percorso, testo);
    const LivelliLetti dalFile = leggiFileLivelli(percorso);
    QCOMPARE(dalFile.operazione, operazione);
    QCOMPARE(dalFile.gruppo, gruppo);
}

void TstFileLivelli::fileMancanteNonDaNulla()
{
    QTemporaryDir dir;
    const LivelliLetti letti = leggiFileLivelli(dir.filePath(QStringLiteral("TARVELO.dat")));
    QVERIFY(!letti.operazione);
    QVERIFY(!letti.gruppo);
}

void TstFileLivelli::fileEnormeLettoSoloInParte()
{
    // A 1 GB sparse file of zero bytes: read quickly, rejected, nothing crashes.
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("TARVELO.dat"));
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(qint64(1) << 30));
    f.close();
    const LivelliLetti letti = leggiFileLivelli(percorso);
    QVERIFY(!letti.operazione);
    QVERIFY(!letti.gruppo);

    // Valid numbers at the start of a huge file are still found.
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.write(" 2  2 \r\n");
    f.close();
    QCOMPARE(leggiFileLivelli(percorso).gruppo, std::optional<int16>(2));
}

void TstFileLivelli::fileSolaLetturaNonToccato()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("TARVELO.dat"));
    scrivi(percorso, " 2  2 \r\n");
    QFile::setPermissions(percorso, QFile::ReadOwner);
    QVERIFY(!scriviFileLivelli(percorso, 1, 1));
    QCOMPARE(contenuto(percorso), QByteArray(" 2  2 \r\n"));
}

void TstFileLivelli::cartellaSolaLetturaNonToccata()
{
    QTemporaryDir dir;
    const QString sotto = dir.filePath(QStringLiteral("sola"));
    QVERIFY(QDir().mkdir(sotto));
    const QString percorso = sotto + QStringLiteral("/TARVELO.dat");
    scrivi(percorso, " 3  1 \r\n");
    QFile::setPermissions(sotto, QFile::ReadOwner | QFile::ExeOwner);
    const bool scritto = scriviFileLivelli(percorso, 1, 2);
    QFile::setPermissions(sotto, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!scritto);
    QCOMPARE(contenuto(percorso), QByteArray(" 3  1 \r\n"));
}

void TstFileLivelli::cartellaAlPostoDelFile()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("TARVELO.dat"));
    QVERIFY(QDir().mkdir(percorso));
    QVERIFY(!leggiFileLivelli(percorso).operazione);
    QVERIFY(!scriviFileLivelli(percorso, 1, 1));
    QVERIFY(QFileInfo(percorso).isDir());
}

void TstFileLivelli::scritturaSostituisceFileRovinato()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("TARVELO.dat"));
    scrivi(percorso, QByteArray(100000, 'x'));
    QVERIFY(scriviFileLivelli(percorso, 2, 1));
    QCOMPARE(contenuto(percorso), QByteArray(" 2  1 \r\n"));
}

void TstFileLivelli::letturaFallitaPoiScritturaRiuscita()
{
    QTemporaryDir dir;
    const QString percorso = dir.filePath(QStringLiteral("TARVELO.dat"));
    scrivi(percorso, "3 abc");
    const LivelliLetti letti = leggiFileLivelli(percorso);
    QCOMPARE(letti.operazione, std::optional<int16>(3));
    QVERIFY(!letti.gruppo);
    QVERIFY(scriviFileLivelli(percorso, 3, 1));
    QCOMPARE(contenuto(percorso), QByteArray(" 3  1 \r\n"));
}

QTEST_GUILESS_MAIN(TstFileLivelli)
#include "tst_filelivelli.moc"
