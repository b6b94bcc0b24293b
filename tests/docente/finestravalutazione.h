#pragma once

// What the tests of the grading window share: opening it with its dialogs
// answered by the test, typing a password, selecting series and reading the
// register back.

#include "exercise/provafrmoperativo.h"

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

// The cells of a table as shown, a row per line.
inline QStringList celle(const QAbstractItemModel *modello)
{
    QStringList righe;
    for (int r = 0; r < modello->rowCount(); ++r) {
        QStringList riga;
        for (int c = 0; c < modello->columnCount(); ++c)
            riga << modello->index(r, c).data().toString();
        righe << riga.join(QLatin1Char('|'));
    }
    return righe;
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

} // namespace valutazioneprova
