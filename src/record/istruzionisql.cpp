#include "istruzionisql.h"

bool eseguiIstruzione(QSqlQuery &query, const QString &istruzione, const QVariantList &valori, QSqlError &errore)
{
    bool riuscita = query.prepare(istruzione);
    for (const QVariant &valore : valori)
        query.addBindValue(valore);
    riuscita = riuscita && query.exec();
    if (!riuscita)
        errore = query.lastError();
    return riuscita;
}

bool eseguiInTransazione(QSqlDatabase &db, const std::function<bool()> &lavoro, QSqlError &errore)
{
    if (!db.transaction()) {
        errore = db.lastError();
        return false;
    }
    if (!lavoro()) {
        db.rollback();
        return false;
    }
    if (db.commit())
        return true;
    errore = db.lastError();
    db.rollback();
    return false;
}
