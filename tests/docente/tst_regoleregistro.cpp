// The rules of the teacher's view on the known register as the record reads it
// back: a pupil's days for the chart, the CSV lines of operations, which series
// a deletion takes, the teacher's password hash. The rows under the register's
// headings and the chart's page are read on the grading window itself.
#include "registroprova.h"

#include "support/tabella.h"

#include "docente/andamento.h"
#include "docente/eliminazione.h"
#include "docente/esportazione.h"
#include "record/passwordinsegnante.h"

namespace {

// The known register as the record reads it, newest first.
const std::vector<SerieRegistro> &registro()
{
    static const std::vector<SerieRegistro> elenco = registroprova::serie();
    return elenco;
}

const SerieRegistro &serieProva(const char *id)
{
    return *std::find_if(registro().begin(), registro().end(), [id](const SerieRegistro &s) { return s.id == id; });
}

// A pupil as typed, an operation, and the days of the chart as the pupil's table lists them.
struct Andamento { const char *nome, *alunno; int operazione; const char *giorni; };
constexpr Andamento andamenti[] = {
    {"two spellings, one pupil; two levels in a day", "NICOLO rossi", 1,
     "03/12/2026|liv. 1, 2|2|30|77%|5,8;05/12/2026|liv. 2|1|20|90%|5,0"},
    {"another operation", "Anna Bianchi", 2, "04/12/2026|liv. 1|1|20|95%|186,3"},
    {"no series of that operation", "Anna Bianchi", 1, ""},
    {"part of a name is no pupil", "nicolo", 1, ""},
};

// The end of the last school year from a day.
struct Anno { const char *nome; QDate oggi, fine; };
const Anno anni[] = {
    {"December", {2026, 12, 5}, {2026, 8, 31}},
    {"June", {2027, 6, 15}, {2026, 8, 31}},
    {"31 August itself", {2027, 8, 31}, {2026, 8, 31}},
    {"1 September", {2027, 9, 1}, {2027, 8, 31}},
};

QString unite(const std::vector<PuntoAndamento> &punti)
{
    QStringList giorni;
    for (const PuntoAndamento &p : punti)
        giorni << rigaAndamento(p).join(QLatin1Char('|'));
    return giorni.join(QLatin1Char(';'));
}

} // namespace

class TstRegoleRegistro final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!registroprova::inItalia())
            QSKIP(registroprova::senzaItaliano);
    }

    void andamento_data() { righeDa(andamenti); }
    void andamento()
    {
        const Andamento &r = rigaDi(andamenti);
        QCOMPARE(unite(::andamento(registro(), chiaveRicerca(QString::fromUtf8(r.alunno)), r.operazione)),
                 QString::fromUtf8(r.giorni));
    }

    // The pupils to choose from: one per name with accents and case ignored, the newest spelling.
    void alunni() { QCOMPARE(alunniRegistro(registro()), QStringList({"Anna Bianchi", "nicolò rossi"})); }

    // A series' CSV lines with its operations: one a line, an answer the program corrected said
    // so, and empty fields when none was kept. (Headings and rows: the grading window's export.)
    void csv()
    {
        const std::vector<SerieRegistro> serie{serieProva("s4")};
        const QString riga = QStringLiteral("04/12/2026;10:00;(senza nome);aula-2;Moltiplicazione;5. CALCOLO DEL NUMERO;3;5;7;;42 s");
        OperazioniPerSerie operazioni;
        operazioni["s4"] = {{1, QStringLiteral("   1 +    1 = ...    R.2"), 4, false, {{"2", true, ""}}},
                            {2, QStringLiteral("   2 +    1 = ...    R.4*  3"), 9, true,
                             {{"4", false, "rifiutato"}, {"3", true, ""}}}};
        QCOMPARE(csvRegistro(serie, &operazioni).split(QStringLiteral("\r\n")).mid(1),
                 QStringList({riga + ";1;   1 +    1 = ...    R.2;2 esatta;4",
                              riga + ";2;   2 +    1 = ...    R.4*  3;4 errata, aiuto rifiutato / 3 esatta / "
                                     "correzione del programma;9",
                              ""}));
        operazioni.clear();
        QCOMPARE(csvRegistro(serie, &operazioni).split(QStringLiteral("\r\n")).at(1), riga + ";;;;");
    }

    // "Elimina" takes every series of the pupil, whatever the spelling, or an unnamed series
    // alone; "Elimina fino al" everything begun on the day or before.
    void eliminazioni()
    {
        const auto &serie = registro();
        QCOMPARE(serieDellAlunno(serie, serieProva("s5")), QStringList({"s5", "s2", "s1"}));
        QCOMPARE(serieDellAlunno(serie, serieProva("s4")), QStringList{"s4"});
        QCOMPARE(serieFinoAl(serie, {2026, 12, 4}), QStringList({"s4", "s3", "s2", "s1"}));
        QCOMPARE(domandaEliminaAlunno(serieProva("s5"), 3),
                 QStringLiteral("Eliminare le 3 serie di nicolò rossi? Saranno cancellate per sempre dal registro."));
        QCOMPARE(domandaEliminaFinoAl({2026, 12, 4}, 1),
                 QStringLiteral("Eliminare l'unica serie fino al 04/12/2026 compreso? Sarà cancellata per sempre dal registro."));
    }

    void fineAnno_data() { righeDa(anni); }
    void fineAnno()
    {
        const Anno &r = rigaDi(anni);
        QCOMPARE(fineAnnoScolastico(r.oggi), r.fine);
    }

    // The hash is Argon2id with a salt of its own each time and never holds the password; only
    // the very password matches it.
    void hashPassword()
    {
        const QString password = QStringLiteral("Maestrà 1");
        const QByteArray hash = passwordinsegnante::hash(password);
        QVERIFY(hash.startsWith("$argon2id$"));
        QVERIFY(!hash.contains(password.toUtf8()) && !hash.contains("Maestr"));
        QVERIFY(hash != passwordinsegnante::hash(password));
        QVERIFY(passwordinsegnante::giusta(hash, password));
        for (const QString &altra : {QStringLiteral("maestrà 1"), QStringLiteral("Maestrà 1 "), QStringLiteral("Maestra 1"), QString()})
            QVERIFY2(!passwordinsegnante::giusta(hash, altra), qPrintable(altra));
        QVERIFY(!passwordinsegnante::giusta(QByteArray(), password));
    }
};

QTEST_GUILESS_MAIN(TstRegoleRegistro)
#include "tst_regoleregistro.moc"
