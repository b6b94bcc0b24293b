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

#include <sys/stat.h>
#include <unistd.h>

// The program starts quietly whatever lies where its settings file should be:
// a locked file or folder, a folder of that name, a huge or a random file. It
// shows the objective group the file gives (1 when it gives none), trains the
// operation read, works, and a locked file or folder is left as it was. In a
// folder whose name is not valid UTF-8 the file is read and written all the same.

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
// In a folder named in Latin-1 bytes: the file there before (null: none), the file after
// "Cambia gli obiettivi" and "Esci".
struct Latina { const char *nome; QByteArray prima; int operazione, gruppo; QByteArray dopo; };
const Latina latine[] = {
    {"no file: created", QByteArray(), 1, 1, " 1  2 \r\n"},
    {"2 2: read, then rewritten", " 2  2 \r\n", 2, 2, " 2  1 \r\n"},
};

// Reads a file named relative to the current folder; null when there is none.
QByteArray leggiQui(const QByteArray &nome)
{
    QFile file(QFile::decodeName(nome));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
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

    void cartellaLatina_data() { righeDa(latine); }
    void cartellaLatina()
    {
        const Latina &r = rigaDi(latine);
        AmbienteProva ambiente;
        // "Classe 3ª à" in Latin-1, as an old USB stick names it: no UTF-8 text decodes it back.
        const QByteArray cartella = QFile::encodeName(ambiente.cartella()) + "/Classe 3\xAA \xE0";
        const QByteArray nome = QFile::encodeName(
            nomeFileLivelli(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()));
        QVERIFY(::mkdir(cartella.constData(), 0700) == 0 && ::chdir(cartella.constData()) == 0);
        const auto pulisci = qScopeGuard([&] {
            QVERIFY(::chdir(QFile::encodeName(ambiente.cartella()).constData()) == 0);
            ::unlink((cartella + '/' + nome).constData());
            ::rmdir(cartella.constData());
        });
        QFile file(QFile::decodeName(nome));
        QVERIFY(r.prima.isNull() || (file.open(QIODevice::WriteOnly) && file.write(r.prima) == r.prima.size()));
        file.close();

        auto *f = qobject_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio));
        QVERIFY(f);
        QCOMPARE(int(modulo2().Operazione), r.operazione);
        QCOMPARE(f->Frame1->title(), QStringLiteral("OBIETTIVI ") + QString::number(r.gruppo));
        QCOMPARE(leggiQui(nome), testoLivelli(std::int16_t(r.operazione), std::int16_t(r.gruppo)));
        QTest::mouseClick(f->lblCambiaOb, Qt::LeftButton);
        QTest::mouseClick(f->Option3[1], Qt::LeftButton);
        QCOMPARE(leggiQui(nome), r.dopo);
    }
};

QTEST_MAIN(TstAvvioFileRovinati)
#include "tst_avvio_file_rovinati.moc"
