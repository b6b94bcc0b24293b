#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

class Finestra;

// The windows of the program, one instance each, loaded, shown and unloaded by
// name. The program ends when the last loaded window is unloaded.
class Finestre final
{
public:
    using Fabbrica = std::function<Finestra *()>;

    static Finestre &istanza();

    /** Tells how to build the window of that name. */
    void registra(const QString &nome, Fabbrica fabbrica);

    /** The loaded window of that name, loading it first if needed; null for an unknown name. */
    Finestra *carica(const QString &nome);
    /** Loads and shows the window, maximized; a modal show returns when the window is unloaded. */
    Finestra *mostra(const QString &nome, bool modale = false);
    /** Runs the window's unload handler and removes it; a window not loaded is left alone. */
    void scarica(const QString &nome);

    Finestra *trova(const QString &nome) const;
    bool caricata(const QString &nome) const { return trova(nome) != nullptr; }
    /** The loaded windows, in the order in which they were loaded. */
    QList<Finestra *> caricate() const;

    /** Runs when the last window goes; quits the application by default. */
    void impostaAllaFine(std::function<void()> allaFine) { m_allaFine = std::move(allaFine); }

private:
    Finestre();

    std::map<QString, Fabbrica> m_fabbriche;
    QList<QPointer<Finestra>> m_caricate;
    QList<QString> m_inScaricamento;
    std::function<void()> m_allaFine;
};
