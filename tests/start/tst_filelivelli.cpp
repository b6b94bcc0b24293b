// The settings file: the bytes written, what a text reads as, and files that
// cannot be written left as they were.
#include "start/filelivelli.h"
#include "support/tabella.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using int16 = std::int16_t;
Q_DECLARE_METATYPE(std::optional<int16>)

// The two numbers written and the file's bytes.
struct Scrittura { const char *nome; int16 operazione, gruppo; const char *atteso; };
constexpr Scrittura scritture[] = {
    {"first start: 1 and 1", 1, 1, "\x20\x31\x20\x20\x31\x20\x0D\x0A"},
    {"negative keeps its sign place", -1, 7, "-1  7 \r\n"},
    {"large numbers", 32767, -32768, " 32767 -32768 \r\n"},
};

class TstFileLivelli final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString percorso() const { return m_dir.filePath(nomeFileLivelli(QStringLiteral("TARVELO"))); }
    QByteArray contenuto() const
    {
        QFile f(percorso());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void scrivi(const QByteArray &dati)
    {
        QFile f(percorso());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size());
    }

private slots:
    void cleanup() { QFile::remove(percorso()); }

    void scrittura_data() { righeDa(scritture); }

    // Written whole, over a spoilt file too.
    void scrittura()
    {
        const Scrittura &r = rigaDi(scritture);
        QVERIFY(percorso().endsWith(QLatin1String("/TARVELO.dat")));
        scrivi(QByteArray(100000, 'x'));
        QVERIFY(scriviFileLivelli(percorso(), r.operazione, r.gruppo));
        QCOMPARE(contenuto(), QByteArray(r.atteso));
    }

    void lettura_data()
    {
        QTest::addColumn<QByteArray>("testo"); // a null text: no file
        QTest::addColumn<std::optional<int16>>("operazione");
        QTest::addColumn<std::optional<int16>>("gruppo");
        const std::optional<int16> niente;
        auto n = [](int v) { return std::optional<int16>(static_cast<int16>(v)); };
        QTest::newRow("as written") << QByteArray(" 1  2 \r\n") << n(1) << n(2);
        QTest::newRow("2 2: subtraction, group 2") << QByteArray("2 2") << n(2) << n(2);
        QTest::newRow("comma with blanks") << QByteArray("  3 ,  2  ") << n(3) << n(2);
        QTest::newRow("line ends and tabs") << QByteArray("\n\t2\r\n\n1\n") << n(2) << n(1);
        QTest::newRow("empty field reads 0, extra fields ignored") << QByteArray("-2,,1 4") << n(-2) << n(0);
        QTest::newRow("group out of 16 bits") << QByteArray("1 -40000") << n(1) << niente;
        QTest::newRow("number then text") << QByteArray("2 due") << n(2) << niente;
        QTest::newRow("decimal point") << QByteArray("1.5 2") << niente << niente;
        QTest::newRow("only blanks") << QByteArray(1000, ' ') << niente << niente;
        QTest::newRow("number glued to binary") << QByteArray("2\x00 1", 4) << niente << niente;
        QTest::newRow("no file") << QByteArray() << niente << niente;
    }

    void lettura()
    {
        QFETCH(QByteArray, testo);
        QFETCH(std::optional<int16>, operazione);
        QFETCH(std::optional<int16>, gruppo);
        if (!testo.isNull())
            scrivi(testo);
        const LivelliLetti letti = leggiFileLivelli(percorso());
        QCOMPARE(letti.operazione, operazione);
        QCOMPARE(letti.gruppo, gruppo);
    }

    // A read-only file, or a file in a read-only folder, is left as it was.
    void solaLettura()
    {
        scrivi(" 2  2 \r\n");
        for (const QString &bersaglio : {percorso(), m_dir.path()}) {
            const QFile::Permissions prima = QFile::permissions(bersaglio);
            QFile::setPermissions(bersaglio, QFile::ReadOwner | QFile::ExeOwner);
            const bool scritto = scriviFileLivelli(percorso(), 1, 1);
            QFile::setPermissions(bersaglio, prima);
            QVERIFY(!scritto);
            QCOMPARE(contenuto(), QByteArray(" 2  2 \r\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TstFileLivelli)
#include "tst_filelivelli.moc"
