#include "start/filelivelli.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <random>
#include <thread>

// The settings file is saved whole or not at all: a program killed while it
// saves (power cut, task manager) leaves either the old line or the new one,
// never a cut or empty file.

namespace {


QByteArray contenuto(const QString &percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct Esiti
{
    int vecchi = 0;
    int nuovi = 0;
    QList<QByteArray> rovinati;
};

} // namespace

class TstSalvataggioInterrotto final : public QObject
{
    Q_OBJECT

private slots:
    void uccisoMentreSalva_data();
    void uccisoMentreSalva();

private:
    static Esiti uccidiRipetutamente(const QString &cartella, bool diretto, unsigned seme, int uccisioni);
};

Esiti TstSalvataggioInterrotto::uccidiRipetutamente(const QString &cartella, bool diretto, unsigned seme,
                                                    int uccisioni)
{
    const QString percorso = QDir(cartella).filePath(nomeFileLivelli(QStringLiteral("TARVELO")));
    const QByteArray vecchio = testoLivelli(1, 1);
    const QList<QByteArray> nuovi{testoLivelli(2, 2), testoLivelli(3, 12345)};
    std::mt19937 casuale(seme);
    // The kill falls during the first, second or third save: after that many
    // dots from the helper, and up to a millisecond more.
    std::uniform_int_distribution<int> salvataggi(1, 3);
    std::uniform_int_distribution<int> attesa(0, 1000);
    Esiti esiti;
    for (int i = 0; i < uccisioni; ++i) {
        if (!scriviFileLivelli(percorso, 1, 1))
            qFatal("cannot write the old settings");
        QProcess salva;
        QStringList argomenti{percorso, QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("3"),
                              QStringLiteral("12345")};
        if (diretto)
            argomenti << QStringLiteral("direct");
        salva.start(QStringLiteral(AIUTANTE_SALVA), argomenti);
        if (!salva.waitForStarted())
            qFatal("cannot start the saving helper");
        for (const int punti = salvataggi(casuale); salva.bytesAvailable() < punti;)
            if (!salva.waitForReadyRead())
                qFatal("the saving helper stopped");
        std::this_thread::sleep_for(std::chrono::microseconds(attesa(casuale)));
        ::kill(static_cast<pid_t>(salva.processId()), SIGKILL);
        salva.waitForFinished();
        const QByteArray letto = contenuto(percorso);
        if (letto == vecchio)
            ++esiti.vecchi;
        else if (nuovi.contains(letto))
            ++esiti.nuovi;
        else
            esiti.rovinati.append(letto);
    }
    return esiti;
}

void TstSalvataggioInterrotto::uccisoMentreSalva_data()
{
    QTest::addColumn<bool>("diretto");
    QTest::addColumn<uint>("seme");
    QTest::addColumn<int>("uccisioni");
    QTest::newRow("program's save") << false << 7u << 150;
    QTest::newRow("program's save, another seed") << false << 8u << 150;
    // The same kills on a save that cuts the file first must be caught, or
    // the rows above prove nothing.
    QTest::newRow("a cut-then-write save is caught") << true << 9u << 60;
}

void TstSalvataggioInterrotto::uccisoMentreSalva()
{
    QFETCH(bool, diretto);
    QFETCH(uint, seme);
    QFETCH(int, uccisioni);
    QTemporaryDir cartella;
    const Esiti esiti = uccidiRipetutamente(cartella.path(), diretto, seme, uccisioni);
    qInfo("%d kills: old content %d, new content %d, anything else %lld", uccisioni, esiti.vecchi, esiti.nuovi,
          static_cast<long long>(esiti.rovinati.size()));
    // A cut-then-write save is torn by most kills; whether one ever lands
    // right between two of its saves depends on the machine's speed.
    if (diretto) {
        QVERIFY2(!esiti.rovinati.isEmpty(), "a torn file was never seen: the kills do not reach into the save");
        return;
    }
    // Kills fell both before the first save was done and after.
    QVERIFY(esiti.vecchi > 0);
    QVERIFY(esiti.nuovi > 0);
    QVERIFY2(esiti.rovinati.isEmpty(), esiti.rovinati.isEmpty() ? "" : esiti.rovinati.first().toPercentEncoding().constData());
    // Whatever a killed save left behind, the next start reads the file as written.
    QCOMPARE(leggiFileLivelli(QDir(cartella.path()).filePath(QStringLiteral("TARVELO.dat"))).operazione.has_value(),
             true);
}

QTEST_GUILESS_MAIN(TstSalvataggioInterrotto)
#include "tst_salvataggio_interrotto.moc"
