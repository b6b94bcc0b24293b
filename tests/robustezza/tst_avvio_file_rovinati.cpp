#include "support/ambienteprova.h"

#include "frame/etichetta.h"
#include "frame/finestre.h"
#include "frame/modulo2.h"
#include "frame/nomifinestre.h"
#include "frame/pulsanteopzione.h"
#include "start/filelivelli.h"
#include "start/frminizio.h"
#include "support/tabella.h"

#include <QGroupBox>
#include <QtTest>

// The program starts quietly whatever lies where its settings file should be:
// a locked file or folder, a folder of that name, a huge or a random file. It
// shows the objective group the file gives (1 when it gives none), trains the
// operation read, works, and a locked file or folder is left as it was.

namespace {
enum class Blocco { Nessuno, File, Cartella, CartellaAlPosto };

QByteArray casuali() // 1 MB whose first bytes are no digit, sign or blank: nothing can be read
{
    QByteArray byte(1 << 20, '\xFF');
    QRandomGenerator(2026).fillRange(reinterpret_cast<quint32 *>(byte.data()) + 1, byte.size() / 4 - 1);
    return byte;
}

// What lies there (a null text: no file; grown to dimensione when not 0, holes and all), what
// is locked; the operation and the objective group shown; the file's bytes once the group was
// changed and "Esci" pressed (empty: still a folder).
struct Avvio { const char *nome; QByteArray contenuto; qint64 dimensione; Blocco blocco; int operazione, gruppo; QByteArray dopo; };
const Avvio avvii[] = {
    {"read-only file: read, left alone", " 2  2 \r\n", 0, Blocco::File, 2, 2, " 2  2 \r\n"},
    {"read-only folder, no file: none created", QByteArray(), 0, Blocco::Cartella, 1, 1, "<missing>"},
    {"read-only folder with a file: read, left alone", " 3  2 \r\n", 0, Blocco::Cartella, 3, 2, " 3  2 \r\n"},
    {"a folder named as the file: defaults, folder kept", QByteArray(), 0, Blocco::CartellaAlPosto, 1, 1, ""},
    {"1 GB sparse file: defaults, replaced", "", qint64(1) << 30, Blocco::Nessuno, 1, 1, " 1  2 \r\n"},
    {"1 MB of random bytes: defaults, replaced", casuali(), 0, Blocco::Nessuno, 1, 1, " 1  2 \r\n"},
    {"a million blanks before 2 2: read as the numbers", QByteArray(1000000, ' ') + "2 2\r\n", 0, Blocco::Nessuno, 2, 2,
     " 2  1 \r\n"},
};
} // namespace

class TstAvvioFileRovinati final : public QObject
{
    Q_OBJECT

private slots:
    void avvioTranquillo_data() { righeDa(avvii); }
    void avvioTranquillo()
    {
        const auto &[nome, contenuto, dimensione, blocco, operazione, gruppo, dopo] = rigaDi(avvii);
        AmbienteProva ambiente;
        // The program's name is known before the window loads: this test's own file name.
        const QString percorso = QDir::current().filePath(
            nomeFileLivelli(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()));
        QFile file(percorso);
        if (!contenuto.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contenuto) == contenuto.size());
        if (dimensione > 0)
            QVERIFY(file.resize(dimensione));
        file.close();
        QVERIFY(blocco != Blocco::CartellaAlPosto || QDir().mkdir(percorso));
        // Locked for the start, unlocked at the end so that the temporary folder can go.
        const QString bloccato = blocco == Blocco::File ? percorso : ambiente.cartella();
        const auto permessi = QFile::permissions(bloccato);
        if (blocco == Blocco::File || blocco == Blocco::Cartella)
            QVERIFY(QFile::setPermissions(bloccato, QFile::ReadOwner | QFile::ExeOwner));
        const auto sblocca = qScopeGuard([&] { QFile::setPermissions(bloccato, permessi); });

        QElapsedTimer tempo;
        tempo.start();
        auto *f = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
        QVERIFY(f);
        QVERIFY2(tempo.elapsed() < 3000, qPrintable(QStringLiteral("loading took %1 ms").arg(tempo.elapsed())));
        QCOMPARE(int(modulo2().Operazione), operazione);
        QCOMPARE(f->Frame1->title(), QStringLiteral("OBIETTIVI ") + QString::number(gruppo));

        // The window works: the other group (written at once, or not at all),
        // then "Esci" writes (or tries to) and ends.
        QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
        QCOMPARE(int(f->gruppoObiettivi()), 3 - gruppo);
        QTest::mouseClick(f->Option3[1], Qt::LeftButton);
        QCOMPARE(ambiente.fineProgramma(), 1);
        QVERIFY2(ambiente.messaggi().isEmpty(), qPrintable(ambiente.messaggi().join(QLatin1Char('|'))));
        if (dopo.isEmpty())
            QVERIFY(QFileInfo(percorso).isDir());
        else if (!file.open(QIODevice::ReadOnly))
            QCOMPARE(QByteArray("<missing>"), dopo);
        else
            QCOMPARE(file.size() > 64 ? QByteArray("<not replaced>") : file.readAll(), dopo);
    }
};

QTEST_MAIN(TstAvvioFileRovinati)
#include "tst_avvio_file_rovinati.moc"
