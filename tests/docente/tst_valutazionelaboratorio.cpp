// The teacher's view of a school lab's register, on the private PostgreSQL
// server loaded with the known register: nothing without the teacher role's
// password, a wrong one refused by the server, the right one opening every
// series; names given and pupils deleted read back from the server; a server
// that stops answering said at the top of a window that stays usable.
#include "finestravalutazione.h"
#include "registroprova.h"

#include "record/letturaregistro.h"
#include "record/serverprova.h"
#include "support/tabella.h"

#include "docente/barrafiltri.h"
#include "record/registroclasse.h"

#include <QLabel>
#include <QTableWidget>

using namespace prova;
using namespace valutazioneprova;

class TstValutazioneLaboratorio final : public QObject
{
    Q_OBJECT

    std::unique_ptr<AmbienteProva> m_ambiente;
    std::unique_ptr<ServerProva> m_server;
    RisposteDialoghi m_dialoghi;

    // The window on this computer, whose record sends to the lab's server.
    FrmValutazione *apriConPassword()
    {
        FrmValutazione *v = apri(m_dialoghi);
        entra(v, QString::fromLatin1(ServerProva::passwordDocente));
        return v;
    }

private slots:
    void initTestCase()
    {
        if (!ServerProva::disponibile())
            QSKIP(ServerProva::senzaServer);
        if (!registroprova::inItalia())
            QSKIP(registroprova::senzaItaliano);
    }

    void init()
    {
        m_ambiente = std::make_unique<AmbienteProva>();
        m_server = std::make_unique<ServerProva>();
        m_dialoghi = {};
        registroprova::semina(m_server->db(), false);
        m_ambiente->avviaRegistro(QString(), {m_server->fileConfigurazione()});
        QVERIFY(m_ambiente->attendiRegistro());
    }
    void cleanup()
    {
        m_ambiente.reset();
        m_server.reset();
    }

    // Without the password nothing of the server is shown, and nothing asked of it; Entra with
    // nothing typed asks for it; the server refuses a wrong password, which is said; the right
    // one shows every series.
    void password()
    {
        FrmValutazione *v = apri(m_dialoghi);
        ParteRegistro *r = v->fraRegistro;
        QCOMPARE(r->fraPassword->modo(), PannelloPassword::Modo::laboratorio);
        QVERIFY(r->fraPassword->isVisibleTo(v) && !r->fraPassword->txtRipeti->isVisibleTo(v));
        QCOMPARE(r->lblAmbito->text(), QStringLiteral("Il registro del laboratorio si vede con la password dell'insegnante."));
        QCOMPARE(mostrate(r), QString());
        entra(v, QString());
        QCOMPARE(r->fraPassword->lblEsito->text(), QStringLiteral("Scrivi la password dell'insegnante."));
        entra(v, QStringLiteral("sbagliata"));
        QVERIFY2(r->fraPassword->lblEsito->text().startsWith(QStringLiteral("Il server del laboratorio"))
                     && r->fraPassword->lblEsito->text().contains(QStringLiteral("rifiuta la password del ruolo tarvelo_docente")),
                 qPrintable(r->fraPassword->lblEsito->text()));
        QVERIFY(!r->completo());
        QCOMPARE(mostrate(r), QString());
        entra(v, QString::fromLatin1(ServerProva::passwordDocente));
        QVERIFY(r->completo() && !r->fraPassword->isVisibleTo(v));
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5,s4,s3,s2,s1"));
        QCOMPARE(celle(r->tblRegistro->model()).constLast(),
                 QStringLiteral("03/12/2026|09:30|Nicolò Rossi|aula-1|Addizione|1. CALCOLO DEL RISULTATO|1|14|20|BUONO|2 min 10 s"));
        seleziona(v, {"s3"});
        QTRY_COMPARE(r->tblOperazioni->rowCount(), 20);
    }

    // Names given and a pupil deleted are the server's rows, read back as the superuser; a copy
    // this computer still kept of a deleted series is gone too, never to be sent again.
    void nomiEliminazioni()
    {
        {
            QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copia"));
            file.setDatabaseName(m_ambiente->percorsoRegistro());
            QVERIFY(file.open());
            QSqlQuery q(file);
            registroprova::esegui(q, QStringLiteral("INSERT INTO serie VALUES ('s5', '2026-12-05T09:30:00.000Z', '2026-12-05T09:31:00.000Z',"
                                                " 'completata', 'aula-1', 'alunno', 1, 'TARVELO', 1, 1, 'CALCOLO DEL RISULTATO', 2,"
                                                " 'NUMERO MASSIMO da  1 a 30', 1, 1, 0, 1, NULL, 5)"), {});
        }
        QSqlDatabase::removeDatabase(QStringLiteral("copia"));
        nominaEdElimina(apriConPassword(), m_dialoghi, [this](const QString &sql) { return m_server->righe(sql); });
        if (QTest::currentTestFailed())
            return;
        const LetturaRegistro file(m_ambiente->percorsoRegistro());
        QCOMPARE(file.righe(QStringLiteral("SELECT count(*) FROM serie WHERE id = 's5'")), QStringList{"0"});
    }

    // The server stopped: the window says so at the top and stays usable, its table as it was;
    // started again, the register is read again.
    void serverFermo()
    {
        FrmValutazione *v = apriConPassword();
        ParteRegistro *r = v->fraRegistro;
        QVERIFY(ServerProva::pausa());
        r->carica();
        QTRY_VERIFY(v->lblStato->text().endsWith(QStringLiteral(") non risponde; controlla che sia acceso e collegato alla rete.")));
        QVERIFY2(v->lblStato->text().startsWith(QStringLiteral("Il registro non si può leggere: il server del laboratorio (database ")
                                                + m_server->database()),
                 qPrintable(v->lblStato->text()));
        QCOMPARE(mostrate(r), QStringLiteral("s6,s5,s4,s3,s2,s1"));
        QTest::keyClicks(r->fraFiltri->txtAlunno, QStringLiteral("anna"));
        QCOMPARE(mostrate(r), QStringLiteral("s3"));
        QVERIFY(ServerProva::riprendi());
        r->carica();
        QTRY_VERIFY(r->guasto().isEmpty() && r->lblConteggio->text() == QStringLiteral("1 serie su 6"));
    }
};

QTEST_MAIN(TstValutazioneLaboratorio)
#include "tst_valutazionelaboratorio.moc"
