// A series under way when the program is killed (power cut, task manager)
// keeps every operation already judged: a helper plays a series on the real
// exercise window and is killed at a random moment; the next start closes the
// series as interrupted, at its last answer, with every operation it had
// written, and queues it for a lab's server.
#include "letturaregistro.h"

#include "support/ambienteprova.h"

#include "record/registroclasse.h"

#include <QProcess>
#include <QRandomGenerator>

#include <csignal>
#include <thread>

class TstRegistroInterrotto final : public QObject
{
    Q_OBJECT

private slots:
    void uccisoAMetaSerie()
    {
        AmbienteProva ambiente;
        const QString file = ambiente.percorsoRegistro();
        QRandomGenerator casuale(11);
        for (int giro = 0; giro < 10; ++giro) {
            // The kill falls after 1 to 15 operations written, and up to 3 ms more.
            const int scritte = casuale.bounded(1, 16);
            QProcess serie;
            // The helper's own temporary folders, left behind by the kill, go with the test's.
            QProcessEnvironment ambienteAiutante = QProcessEnvironment::systemEnvironment();
            ambienteAiutante.insert(QStringLiteral("TMPDIR"), ambiente.cartella());
            serie.setProcessEnvironment(ambienteAiutante);
            serie.start(QStringLiteral(AIUTANTE_SERIE), {file});
            QVERIFY(serie.waitForStarted());
            QString id;
            QStringList righe;
            while (righe.size() < scritte) {
                QVERIFY2(serie.canReadLine() || serie.waitForReadyRead(20000), "the helper stopped writing");
                while (serie.canReadLine()) {
                    const QString letta = QString::fromUtf8(serie.readLine()).chopped(1);
                    const QString valore = letta.mid(letta.indexOf(QLatin1Char('|')) + 1);
                    if (letta.startsWith(QStringLiteral("serie|")))
                        id = valore;
                    else
                        righe << valore;
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(casuale.bounded(3001)));
            ::kill(pid_t(serie.processId()), SIGKILL);
            serie.waitForFinished();

            ambiente.avviaRegistro(file);
            QVERIFY(ambiente.attendiRegistro());
            QVERIFY(registroClasse().chiudi(std::chrono::seconds(10)));
            const LetturaRegistro registro(file);
            const QStringList scritta = registro.righe(QStringLiteral(
                "SELECT esito, operazioni, fine = (SELECT max(quando) FROM risposte WHERE serie_id = id),"
                " (SELECT count(*) FROM coda_invio WHERE chiave = id) FROM serie WHERE id = ?"), {id});
            QCOMPARE(scritta.size(), 1);
            const QStringList campi = scritta[0].split(QLatin1Char('|'));
            QCOMPARE(campi[0] + campi[2] + campi[3], QStringLiteral("interrotta11"));
            // Every line printed is in the file as it was; the operation after it may be there too.
            const QStringList inFile = registro.righe(
                QStringLiteral("SELECT riga FROM operazioni WHERE serie_id = ? ORDER BY indice"), {id});
            QCOMPARE(inFile.size(), campi[1].toInt());
            QVERIFY2(inFile.size() == righe.size() || inFile.size() == righe.size() + 1,
                     qPrintable(QStringLiteral("%1 lines printed, %2 in the file").arg(righe.size()).arg(inFile.size())));
            QCOMPARE(inFile.mid(0, righe.size()), righe);
        }
    }
};

QTEST_GUILESS_MAIN(TstRegistroInterrotto)
#include "tst_registro_interrotto.moc"
