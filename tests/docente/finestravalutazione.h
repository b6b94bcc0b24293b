#pragma once

// What the tests of the grading window share: opening it with its dialogs
// answered by the test, typing a password, selecting series and reading the
// register back, naming and deleting series on a computer's file or a lab's
// server alike.

#include "exercise/provafrmoperativo.h"
#include "support/tabella.h"

#include "docente/pannellopassword.h"
#include "docente/parteregistro.h"
#include "start/frmvalutazione.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>

namespace valutazioneprova {

inline const QString caricamento = QStringLiteral("Caricamento…");

// The answers the dialogs give, and the questions they were asked (a proposed file, a
// question, a date's question followed by the date proposed).
struct RisposteDialoghi
{
    std::function<QString(const QString &proposto)> file = [](const QString &) { return QString(); };
    bool conferma = true;
    QString nome;
    QDate giorno;
    QStringList domande;
};

// The ids of the series the register shows, in its order.
inline QString mostrate(const ParteRegistro *r)
{
    QStringList id;
    for (int i = 0; i < r->vista().rowCount(); ++i)
        id << r->vista().serie(i).id;
    return id.join(QLatin1Char(','));
}

// The grading window on its register, read; its dialogs answer from d.
inline FrmValutazione *apri(RisposteDialoghi &d)
{
    auto *v = qobject_cast<FrmValutazione *>(Finestre::istanza().mostra(nomi::FrmValutazione));
    v->dialoghi = {[&d](const QString &proposto) {
                       d.domande << proposto;
                       return d.file(proposto);
                   },
                   [&d](const QString &domanda) {
                       d.domande << domanda;
                       return d.conferma;
                   },
                   [&d](const QString &domanda) {
                       d.domande << domanda;
                       return d.nome;
                   },
                   [&d](const QString &domanda, const QDate &proposta) {
                       d.domande << domanda + dataBreve(proposta);
                       return d.giorno;
                   }};
    v->tabParti->setCurrentIndex(FrmValutazione::registro);
    if (!QTest::qWaitFor([v] { return v->fraRegistro->lblConteggio->text() != caricamento; }, 10000))
        QTest::qFail("the register was never read", __FILE__, __LINE__);
    return v;
}

// Types the password (twice at first use) and waits for the answer; the fields are emptied.
inline void entra(FrmValutazione *v, const QString &password, const QString &ripetuta = QString())
{
    PannelloPassword *p = v->fraRegistro->fraPassword;
    p->txtPassword->setText(password);
    p->txtRipeti->setText(ripetuta);
    prova::premi(p->cmdEntra);
    if (!p->txtPassword->text().isEmpty() || !p->txtRipeti->text().isEmpty())
        QTest::qFail("the password stayed in its field", __FILE__, __LINE__);
    if (!QTest::qWaitFor([v, p] { return p->cmdEntra->isEnabled() && v->fraRegistro->lblConteggio->text() != caricamento; },
                         10000))
        QTest::qFail("the password was never checked", __FILE__, __LINE__);
}

// Selects the series named, the first of them the current one.
inline void seleziona(FrmValutazione *v, const QStringList &id)
{
    QTableView *t = v->fraRegistro->tblRegistro;
    t->clearSelection();
    for (int r = 0; r < v->fraRegistro->vista().rowCount(); ++r) {
        if (id.contains(v->fraRegistro->vista().serie(r).id))
            t->selectionModel()->select(t->model()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (id.value(0) == v->fraRegistro->vista().serie(r).id)
            t->selectionModel()->setCurrentIndex(t->model()->index(r, 0), QItemSelectionModel::NoUpdate);
    }
}

// On the whole register: "Assegna nome" names the unnamed series selected, not the named one;
// "Elimina" asks how many of the pupil's series go, whatever the spelling, and only a yes
// deletes them with their operations, answers and names. leggi reads the record back, in SQL
// both a file and a server understand.
inline void nominaEdElimina(FrmValutazione *v, RisposteDialoghi &d, const std::function<QStringList(const QString &)> &leggi)
{
    ParteRegistro *r = v->fraRegistro;
    d.nome = QStringLiteral("  Zoë   Neri ");
    seleziona(v, {"s5"});
    QVERIFY(!r->optAzioni[ParteRegistro::assegnaNome]->isEnabled());
    seleziona(v, {"s4", "s5", "s6"});
    prova::premi(r->optAzioni[ParteRegistro::assegnaNome]);
    QCOMPARE(d.domande.last(), QStringLiteral("Il nome dell'alunno che ha svolto le 2 serie selezionate senza nome:"));
    QTRY_VERIFY(r->lblConteggio->text() != caricamento && r->modello().serie(0).alunno == QStringLiteral("Zoë Neri"));
    QCOMPARE(leggi(QStringLiteral("SELECT serie_id, nome FROM nomi WHERE nome LIKE 'Z%' ORDER BY serie_id")),
             QStringList({"s4|Zoë Neri", "s6|Zoë Neri"}));
    d.conferma = false;
    seleziona(v, {"s2"});
    prova::premi(r->optAzioni[ParteRegistro::elimina]);
    QCOMPARE(d.domande.last(), QStringLiteral("Eliminare le 3 serie di Nicolò Rossi? Saranno cancellate per sempre dal registro."));
    QCOMPARE(mostrate(r), QStringLiteral("s6,s5,s4,s3,s2,s1"));
    d.conferma = true;
    prova::premi(r->optAzioni[ParteRegistro::elimina]);
    QTRY_COMPARE(mostrate(r), QStringLiteral("s6,s4,s3"));
    QCOMPARE(leggi(QStringLiteral("SELECT id FROM serie ORDER BY id")), QStringList({"s3", "s4", "s6"}));
    QCOMPARE(leggi(QStringLiteral("SELECT (SELECT count(*) FROM operazioni), (SELECT count(*) FROM risposte),"
                                  " (SELECT count(*) FROM nomi)")),
             QStringList{"39|48|3"});
}

} // namespace valutazioneprova
