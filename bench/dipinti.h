#pragma once

#include <QCoreApplication>
#include <QEvent>

#include <functional>
#include <utility>

// Counts the paints delivered to the widget that quale picks. It watches the
// whole application, so it sees a window however and whenever it is built.
class Dipinti final : public QObject
{
public:
    explicit Dipinti(std::function<bool(const QObject *)> quale)
        : m_quale(std::move(quale))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    int volte() const { return m_volte; }

    /** Processes events until the widget has been painted more than volte times; the frame is then flushed. */
    void attendiOltre(int volte) const
    {
        while (m_volte <= volte)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && m_quale(oggetto))
            ++m_volte;
        return false;
    }

private:
    std::function<bool(const QObject *)> m_quale;
    int m_volte = 0;
};
