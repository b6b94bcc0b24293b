// The settings file: the bytes written, what a text reads as, and files that
// cannot be written left as they were. The record of the series since the
// program started and its rows.
#include "start/elencoserie.h"
#include "start/filelivelli.h"
#include "start/registroserie.h"
#include "support/orologiofinto.h"
#include "support/tabella.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <tuple>

using int16 = std::int16_t;

// The two numbers written and the file's bytes.
struct Scrittura { const char *nome; int16 operazione, gruppo; const char *atteso; };
constexpr Scrittura scritture[] = {
    {"negative keeps its sign place", -1, 7, "-1  7 \r\n"},
    {"large numbers", 32767, -32768, " 32767 -32768 \r\n"},
};

// A text in the file (a null one: no file) and the numbers read; niente: none read.
constexpr int niente = INT_MIN;
struct Lettura { const char *nome; QByteArrayView testo; int operazione, gruppo; };
constexpr Lettura letture[] = {
    {"as written", " 1  2 \r\n", 1, 2},
    {"2 2", "2 2", 2, 2},
    {"comma with blanks", "  3 ,  2  ", 3, 2},
    {"empty field reads 0, extra fields ignored", "-2,,1 4", -2, 0},
    {"number then text", "2 due", 2, niente},
    {"one number", "3", 3, niente},
    {"text", "due tre", niente, niente},
    {"empty", "", niente, niente},
    {"only blanks", "        ", niente, niente},
    {"number glued to binary", QByteArrayView("2\x00 1", 4), niente, niente},
    {"line ends and tabs", "\n\t2\r\n\n1\n", 2, 1},
    {"group out of 16 bits", "1 -40000", 1, niente},
    {"decimal point", "1.5 2", niente, niente},
    {"no file", QByteArrayView(), niente, niente},
};

// One series of objective "A" at level 4 from 10:00:00 on 05/12/2026: its counts and time when
// it ends, the seconds it lasts; then 20 more answers, which change nothing. The row listed,
// its date in the short date format of LC_TIME.
struct Registro { const char *nome; int operazioni, esatte; double tempo; float durata; const char *atteso; };
constexpr Registro registri[] = {
    {"afternoon end: 24 hours, whole seconds", 10, 5, 33.9, 12630.9f, "05/12/2026|13:30:30|A|4|10|5|33|SUFFICIENTE (!)|"},
    {"9 operations: no certificate", 9, 9, 20, 60, "05/12/2026|10:01:00|A|4|9|9|20|OTTIMO|Nessun attestato: meno di 10 operazioni"},
    {"left before any answer: dropped", 0, 0, 0, 10, ""},
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
        scrivi(QByteArray(100000, 'x'));
        QVERIFY(scriviFileLivelli(percorso(), r.operazione, r.gruppo));
        QCOMPARE(contenuto(), QByteArray(r.atteso));
    }

    void lettura_data() { righeDa(letture); }
    void lettura()
    {
        const Lettura &r = rigaDi(letture);
        if (!r.testo.isNull())
            scrivi(r.testo.toByteArray());
        const LivelliLetti letti = leggiFileLivelli(percorso());
        const auto numero = [](int v) { return v == niente ? std::nullopt : std::optional<int16>(static_cast<int16>(v)); };
        QCOMPARE(letti.operazione, numero(r.operazione));
        QCOMPARE(letti.gruppo, numero(r.gruppo));
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

    void serie_data() { righeDa(registri); }
    void serie()
    {
        const Registro &r = rigaDi(registri);
        RegistroSerie registro;
        Modulo2 stato;
        OrologioFinto orologio;
        stato.DescrizioneObiettivo = QStringLiteral("A");
        stato.Livello = 4;
        registro.inizia(stato, orologio);
        std::tie(stato.NumeroOperazioni, stato.RisposteEsatte) = std::tuple(Modulo2::int16(r.operazioni), Modulo2::int16(r.esatte));
        stato.TempoTotale = r.tempo;
        registro.aggiorna(stato);
        orologio.avanza(r.durata);
        registro.termina(orologio);
        stato.NumeroOperazioni = 20;
        registro.aggiorna(stato);
        QStringList righe;
        for (const SerieRegistrata &serie : registro.serie())
            righe.append(rigaSerie(serie).join(QLatin1Char('|')));
        QCOMPARE(righe.join(QLatin1Char('\n')), QString::fromLatin1(r.atteso).replace("05/12/2026", dataBreve(orologio.oggi())));
    }
};

QTEST_GUILESS_MAIN(TstFileLivelli)
#include "tst_filelivelli.moc"
