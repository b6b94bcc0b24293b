// The teacher's register measured: the grading window opened on a record of
// 10,000 series (all of today, so that the register shows them without the
// teacher's password) until its table is filled and painted, and then a
// pupil's name put in the filter until painted; against a bare QTableView over a
// QStandardItemModel filled with the same rows from the same file, and
// Qt's own fixed-string filter.
#include "registro.h"

#include "confronto.h"

#include "docente/barrafiltri.h"
#include "docente/parteregistro.h"
#include "frame/finestre.h"
#include "frame/nomifinestre.h"
#include "record/impostazioniregistro.h"
#include "record/registroclasse.h"
#include "start/frmvalutazione.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QUuid>

namespace {

constexpr int numeroSerie = 10000;
const QString nomeConnessione = QStringLiteral("banco");
// Each filtering turns from one pupil to the other, so that every time the whole register is gone through.
const std::array<QString, 2> filtri{QStringLiteral("nicolo"), QStringLiteral("anna")};

// Waits until the record's thread has dealt with everything handed to it so far.
void attendiRegistro()
{
    bool fatto = false;
    QObject contesto;
    registroClasse().interroga<bool>([](Archivio *) { return true; }, &contesto, [&fatto](bool) { fatto = true; });
    while (!fatto)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// 10,000 series of today, eight seconds apart, at twenty computers; one in nine unnamed.
void semina(QSqlDatabase &db)
{
    const QStringList nomi{"Nicolò Rossi", "nicolò rossi", "Anna Bianchi", "Luca Verdi", "Zoë Neri",
                           "Mattia Galli", "Giulia Fontana", "Sofia Conti", QString()};
    const QDateTime mezzanotte(QDate::currentDate(), QTime(0, 0));
    db.transaction();
    QSqlQuery serie(db), nome(db);
    serie.prepare(QStringLiteral("INSERT INTO serie VALUES (?, ?, ?, 'completata', ?, 'alunno', 1, 'TARVELO', ?, 1,"
                                 " 'CALCOLO DEL RISULTATO', ?, 'NUMERO MASSIMO da  1 a 30', 20, ?, 0, ?, NULL, ?)"));
    nome.prepare(QStringLiteral("INSERT INTO nomi VALUES (?, ?, ?, ?)"));
    for (int k = 0; k < numeroSerie; ++k) {
        const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString inizio = mezzanotte.addSecs(k * 8).toUTC().toString(Qt::ISODateWithMs);
        for (const QVariant &v : QVariantList{id, inizio, inizio, QStringLiteral("aula-%1").arg(k % 20), 1 + k % 3,
                                              1 + k % 4, k % 21, k % 21, 60 + k % 300})
            serie.addBindValue(v);
        serie.exec();
        const QString &chi = nomi.at(k % nomi.size());
        if (!chi.isEmpty()) {
            for (const QVariant &v : QVariantList{QUuid::createUuid().toString(QUuid::WithoutBraces), id, chi, inizio})
                nome.addBindValue(v);
            nome.exec();
        }
    }
    db.commit();
}

// Bare Qt: the same rows read with one query, as texts in a standard model under a proxy.
class RegistroNudo final
{
public:
    explicit RegistroNudo(QSqlDatabase &db)
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.exec(QStringLiteral("SELECT s.inizio, s.computer, s.operazione, s.obiettivo, s.livello, s.risposte_esatte,"
                              " s.operazioni, s.valutazione, s.secondi, (SELECT n.nome FROM nomi n WHERE"
                              " n.serie_id = s.id ORDER BY n.scritto DESC LIMIT 1) FROM serie s ORDER BY s.inizio DESC"));
        modello.setColumnCount(11);
        while (q.next()) {
            QList<QStandardItem *> riga;
            for (int c = 0; c < 10; ++c)
                riga << new QStandardItem(q.value(c).toString());
            riga << new QStandardItem(q.value(0).toString());
            modello.appendRow(riga);
        }
        proxy.setSourceModel(&modello);
        proxy.setFilterKeyColumn(9);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        vista.setModel(&proxy);
        vista.resize(1200, 700);
        vista.show();
        vista.viewport()->repaint();
    }

    QStandardItemModel modello;
    QSortFilterProxyModel proxy;
    QTableView vista;
};

FrmValutazione *apriValutazione()
{
    auto *v = static_cast<FrmValutazione *>(Finestre::istanza().mostra(nomi::FrmValutazione));
    v->tabParti->setCurrentIndex(FrmValutazione::registro);
    while (v->fraRegistro->lblConteggio->text() == QStringLiteral("Caricamento…"))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    v->fraRegistro->tblRegistro->viewport()->repaint();
    return v;
}

} // namespace

void registroDocente(int giri)
{
    attendiRegistro();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nomeConnessione);
        db.setDatabaseName(impostazioniPredefinite().percorso);
        db.open();
        semina(db);
        const QString mediana = QStringLiteral(" (median of %1), ms").arg(giri);
        const Lavoro chiudi = [] { Finestre::istanza().scarica(nomi::FrmValutazione); };
        std::unique_ptr<RegistroNudo> nudo;
        riga(QStringLiteral("register of %1 series read and shown").arg(numeroSerie) + mediana,
             confronta(giri, [] { apriValutazione(); }, [&nudo, &db] { nudo = std::make_unique<RegistroNudo>(db); }, chiudi),
             "200");
        FrmValutazione *v = apriValutazione();
        QLineEdit *alunno = v->fraRegistro->fraFiltri->txtAlunno;
        const auto filtra = [v, alunno, volta = 0]() mutable {
            alunno->setText(filtri.at(std::size_t(++volta % 2)));
            v->fraRegistro->tblRegistro->viewport()->repaint();
        };
        const auto filtraNudo = [&nudo, volta = 0]() mutable {
            nudo->proxy.setFilterFixedString(filtri.at(std::size_t(++volta % 2)));
            nudo->vista.viewport()->repaint();
        };
        riga(QStringLiteral("register of %1 series filtered by a pupil").arg(numeroSerie) + mediana,
             confronta(giri, filtra, filtraNudo), "200");
        chiudi();
        nudo.reset();
    }
    QSqlDatabase::removeDatabase(nomeConnessione);
}
