// The start window: the order in which its choices become usable, the summary
// lines, the objective groups and the settings file, the curtains and the menu.
#include "exercise/provafrmoperativo.h"

#include "frame/aspetto.h"
#include "frame/chiusura.h"
#include "frame/etichetta.h"
#include "frame/unita.h"
#include "start/frminizio.h"
#include "support/tabella.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>

using namespace prova;

namespace {
bool rosso(const QWidget *w)
{
    return w->palette().color(QPalette::Window) == QColor::fromRgb(unita::coloreDaBgr(aspetto::rosso));
}

QByteArray fileLivelli()
{
    QFile f(modulo2().NomeProgramma + QStringLiteral(".dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool caricata(const QString &nome)
{
    return Finestre::istanza().caricata(nome);
}

struct Uscita { const char *nome; };
constexpr Uscita uscite[] = {{"Esci"}, {"closing by the title bar"}, {"ChiudiTutto"}};
// An objective and a level pressed; the summary lines, then TipoDa-TipoA NumeroMin-NumeroMax.
struct Riepilogo { const char *nome; std::size_t obiettivo, livello; const char *rigaObiettivo, *rigaLivello, *valori; };
constexpr Riepilogo riepiloghi[] = {
    {"objective 1, level 1", 0, 0, "Obiettivo n.1:     CALCOLO DEL RISULTATO",
     "Livello n.1:         NUMERO MASSIMO da  1 a 30", "1-1 1-30"},
    {"objective 3, level 3", 2, 2, "Obiettivo n.3:     CALCOLO CASUALE DEL RISULTATO O DEL TERMINE",
     "Livello n.3:         NUMERO MASSIMO da  60 a 99", "1-3 60-99"},
    {"objective 4, level 4", 3, 3, "Obiettivo n.4:     CALCOLO DEL NUMERO",
     "Livello n.4:         NUMERO MASSIMO da  1 a 99", "1-6 1-99"},
    {"objective 5, level 2", 4, 1, "Obiettivo n.5:     CALCOLO DEL SEGNO",
     "Livello n.2:         NUMERO MASSIMO da  30 a 60", "7-12 30-60"},
};

// The settings file before loading (none: no file); lblNomeOperazione after the program's
// name, or "OPE" for the caption left as designed; the frame's title; the file written back.
struct FileLetto { const char *nome, *file; int operazione; const char *suffisso, *cornice, *riscritto; };
constexpr FileLetto fileLetti[] = {
    {"first start, no file", "", 1, ".1", "OBIETTIVI 1", " 1  1 \r\n"},
    {"2 2: subtraction, group 2", "2 2", 2, ".2", "OBIETTIVI 2", " 2  2 \r\n"},
    {"group 7 leaves the design captions", " 3  7 \r\n", 3, "OPE", "OBIETTIVI", " 3  7 \r\n"},
    {"text: defaults", "ciao", 1, ".1", "OBIETTIVI 1", " 1  1 \r\n"},
};
} // namespace

class TstFrmInizio final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;
    static frmInizio *carica() { return static_cast<frmInizio *>(Finestre::istanza().mostra(nomi::frmInizio)); }

private slots:
    void init() { m_ambiente = std::make_unique<AmbienteProva>(); }
    void cleanup() { m_ambiente.reset(); }

    // A level only after an objective, "Avanti" only after a level; keys never act.
    void avantiASuoTempo()
    {
        frmInizio *f = carica();
        QVERIFY(f->Frame1->isEnabled() && !f->Frame2->isEnabled() && !f->Frame3->isEnabled());
        premi(f->Option2[0]);
        premi(f->Option3[0]);
        QCOMPARE(modulo2().Livello, Modulo2::int16(0));
        premi(f->Option1[0]);
        QVERIFY(f->Frame2->isEnabled() && !f->Frame3->isEnabled());
        premi(f->Option3[0]);
        QVERIFY(!caricata(nomi::FrmOperativo));
        premi(f->Option2[1]);
        premi(f->Option1[2]); // another objective keeps the level chosen
        QVERIFY(f->Frame3->isEnabled());
        QTest::keyClick(f->Option3[0], Qt::Key_Return);
        QVERIFY(!caricata(nomi::FrmOperativo));

        QFile::remove(modulo2().NomeProgramma + QStringLiteral(".dat"));
        modulo2().NomeAlunno = QStringLiteral("Luca");
        premi(f->Option3[0]);
        QVERIFY(caricata(nomi::FrmOperativo) && caricata(nomi::frmInizio));
        QVERIFY(modulo2().NomeAlunno.isEmpty());
        QCOMPARE(fileLivelli(), QByteArray(" 1  1 \r\n"));
    }

    void riepilogo_data() { righeDa(riepiloghi); }

    // The summary lines and values of the choices; the red mark on the level, the objective's gone.
    void riepilogo()
    {
        const Riepilogo &r = rigaDi(riepiloghi);
        const std::size_t obiettivo = r.obiettivo, livello = r.livello;
        frmInizio *f = carica();
        if (obiettivo >= 3)
            premi(f->lblCambiaOb);
        premi(f->Option1[obiettivo]);
        QVERIFY(rosso(f->Label9[obiettivo]));
        premi(f->Option2[livello]);
        QCOMPARE(QStringList({f->Label1->text(), f->Label3->text()}), QStringList({r.rigaObiettivo, r.rigaLivello}));
        const Modulo2 &m = modulo2();
        QCOMPARE(QStringLiteral("%1-%2 %3-%4").arg(m.TipoDa).arg(m.TipoA).arg(m.NumeroMin).arg(m.NumeroMax), QLatin1String(r.valori));
        QCOMPARE(std::size_t(m.Livello), livello + 1);
        QVERIFY(rosso(f->Label10[livello]) && !rosso(f->Label10[(livello + 1) % 4]) && !rosso(f->Label9[obiettivo]));
    }

    void fileLetto_data() { righeDa(fileLetti); }

    // The settings file read at loading and written back; "Cambia gli obiettivi" alternates the
    // groups (an unknown one becomes 1), empties the choices and writes the file.
    void fileLetto()
    {
        const FileLetto &r = rigaDi(fileLetti);
        const QByteArray file(r.file);
        const QString nome = QLatin1String(r.suffisso);
        // The program's name is known before the window loads: it is this test's own file name.
        QFile dat(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".dat"));
        QVERIFY(file.isEmpty() || (dat.open(QIODevice::WriteOnly) && dat.write(file) == file.size()));
        dat.close();
        frmInizio *f = carica();
        QCOMPARE(int(modulo2().Operazione), r.operazione);
        QCOMPARE(f->lblNomeOperazione->text(), nome == "OPE" ? nome : modulo2().NomeProgramma + nome);
        QCOMPARE(f->Frame1->title(), QLatin1String(r.cornice));
        QCOMPARE(fileLivelli(), QByteArray(r.riscritto));
        premi(f->Option1[f->gruppoObiettivi() == 2 ? 3 : 0]);
        premi(f->Option2[0]);
        premi(f->lblCambiaOb);
        const int gruppo = nome == ".1" ? 2 : 1;
        QCOMPARE(f->gruppoObiettivi(), Modulo2::int16(gruppo));
        QCOMPARE(f->lblNomeOperazione->text(), modulo2().NomeProgramma + QStringLiteral(".%1").arg(gruppo));
        QCOMPARE(f->Frame1->title(), QStringLiteral("OBIETTIVI %1").arg(gruppo));
        QCOMPARE(QStringList({f->Label1->text(), f->Label3->text()}), QStringList({"Obiettivo", "Livello"}));
        QVERIFY(!f->Frame2->isEnabled() && !f->Frame3->isEnabled());
        QCOMPARE(fileLivelli(), QStringLiteral(" %1  %2 \r\n").arg(r.operazione).arg(gruppo).toLatin1());
        auto *primo = f->Option1[gruppo == 2 ? 3 : 0];
        QCOMPARE(f->Frame1->childAt(primo->geometry().center()), primo);
    }

    // The menu is usable once the curtains are open, and opens its windows.
    void tendineEMenu()
    {
        frmInizio *f = carica();
        QVERIFY(!f->mnuSchede->isEnabled() && !f->tendineAperte());
        QTRY_VERIFY_WITH_TIMEOUT(f->tendineAperte(), 10000);
        QVERIFY(f->mnuSchede->isEnabled() && f->mnuValutazione->isEnabled() && f->mnuEsempi->isEnabled());
        for (QAction *voce : {f->mnuSchede, f->mnuValutazione, f->mnuEsempi})
            voce->trigger();
        for (const QString &nome : {nomi::FrmStampaSchede, nomi::FrmValutazione, nomi::FrmEsemplicazione})
            QVERIFY(caricata(nome));
        ChiudiTutto();
        QVERIFY(Finestre::istanza().caricate().isEmpty());
    }

    void uscita_data() { righeDa(uscite); }

    // Every way out unloads every window, ends the program and writes the file.
    void uscita()
    {
        const auto uscita = &rigaDi(uscite) - uscite;
        frmInizio *f = carica();
        Finestre::istanza().mostra(nomi::FrmValutazione);
        premi(f->lblCambiaOb);
        QFile::remove(modulo2().NomeProgramma + QStringLiteral(".dat"));
        if (uscita == 0)
            premi(f->Option3[1]);
        else if (uscita == 1)
            f->close();
        else
            ChiudiTutto();
        QVERIFY(Finestre::istanza().caricate().isEmpty());
        QCOMPARE(m_ambiente->fineProgramma(), 1);
        QCOMPARE(fileLivelli(), QByteArray(" 1  2 \r\n"));
    }
};

QTEST_MAIN(TstFrmInizio)
#include "tst_frminizio.moc"
