#include "finestre.h"

#include "finestra.h"

#include <QCoreApplication>
#include <QEventLoop>

Finestre::Finestre()
    : m_allaFine([] { QCoreApplication::quit(); })
{
}

Finestre &Finestre::istanza()
{
    static Finestre finestre;
    return finestre;
}

void Finestre::registra(const QString &nome, Fabbrica fabbrica)
{
    m_fabbriche[nome] = std::move(fabbrica);
}

Finestra *Finestre::trova(const QString &nome) const
{
    for (const auto &finestra : m_caricate) {
        if (finestra && finestra->nome() == nome)
            return finestra;
    }
    return nullptr;
}

QList<Finestra *> Finestre::caricate() const
{
    QList<Finestra *> elenco;
    for (const auto &finestra : m_caricate) {
        if (finestra)
            elenco.append(finestra);
    }
    return elenco;
}

Finestra *Finestre::carica(const QString &nome)
{
    if (Finestra *gia = trova(nome))
        return gia;
    const auto fabbrica = m_fabbriche.find(nome);
    if (fabbrica == m_fabbriche.end())
        return nullptr;
    // The window joins the collection before its load handler runs, as the
    // handler may itself reach the window by name.
    Finestra *finestra = fabbrica->second();
    m_caricate.append(finestra);
    finestra->alCaricamento();
    return finestra;
}

Finestra *Finestre::mostra(const QString &nome, bool modale)
{
    Finestra *finestra = carica(nome);
    if (!finestra)
        return nullptr;
    finestra->mostraIngrandita();
    finestra->raise();
    finestra->activateWindow();
    if (modale && trova(nome)) {
        finestra->setWindowModality(Qt::ApplicationModal);
        QEventLoop ciclo;
        QObject::connect(finestra, &Finestra::scaricata, &ciclo, &QEventLoop::quit);
        ciclo.exec();
    }
    return finestra;
}

void Finestre::scarica(const QString &nome)
{
    Finestra *finestra = trova(nome);
    if (!finestra || m_inScaricamento.contains(nome))
        return;
    m_inScaricamento.append(nome);
    finestra->alloScaricamento();
    m_caricate.removeAll(finestra);
    m_inScaricamento.removeAll(nome);
    finestra->hide();
    emit finestra->scaricata();
    // The request may come from one of the window's own handlers: delete it
    // once that handler has returned.
    finestra->deleteLater();
    if (caricate().isEmpty() && m_allaFine)
        m_allaFine();
}
