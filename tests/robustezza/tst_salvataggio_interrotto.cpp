#include "start/filelivelli.h"

#include <QtTest>

#include <csignal>
#include <thread>

// The settings file is saved whole or not at all: a program killed while it
// saves (power cut, task manager) leaves either the old line or the new one,
// never a cut or empty file.

class TstSalvataggioInterrotto final : public QObject
{
    Q_OBJECT

private slots:
    void uccisoMentreSalva()
    {
        QTemporaryDir cartella;
        const QString percorso = QDir(cartella.path()).filePath(nomeFileLivelli(QStringLiteral("TARVELO")));
        QRandomGenerator casuale(7);
        QMap<QByteArray, int> letti; // each content found after a kill, and how often
        for (int i = 0; i < 300; ++i) {
            QVERIFY(scriviFileLivelli(percorso, 1, 1));
            QProcess salva;
            salva.start(QStringLiteral(AIUTANTE_SALVA), {percorso});
            QVERIFY(salva.waitForStarted());
            // The kill falls during the first, second or third save: after that
            // many dots from the helper, and up to a millisecond more.
            for (const int punti = casuale.bounded(1, 4); salva.bytesAvailable() < punti;)
                QVERIFY2(salva.waitForReadyRead(), "the saving helper stopped");
            std::this_thread::sleep_for(std::chrono::microseconds(casuale.bounded(1001)));
            ::kill(pid_t(salva.processId()), SIGKILL);
            salva.waitForFinished();
            QFile file(percorso);
            ++letti[file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>")];
        }
        // Kills fell both before the first save was done and after, and none tore
        // the file (a save that cuts the file, then writes, leaves most of them empty).
        QVERIFY(letti.take(testoLivelli(1, 1)) > 0);
        QVERIFY(letti.take(testoLivelli(2, 2)) + letti.take(testoLivelli(3, 12345)) > 0);
        QVERIFY2(letti.isEmpty(), qPrintable(QStringLiteral("torn files, the first: \"%1\"")
                                                 .arg(QString::fromLatin1(letti.keys().value(0).toPercentEncoding()))));
    }
};

QTEST_GUILESS_MAIN(TstSalvataggioInterrotto)
#include "tst_salvataggio_interrotto.moc"
