#pragma once

#include <QCoreApplication>
#include <QEvent>

// Counts the paints delivered to one widget.
class Dipinti final : public QObject
{
public:
    explicit Dipinti(QObject *widget) { widget->installEventFilter(this); }

    int volte() const { return m_volte; }

    // Processes events until the widget has been painted more than volte times; the frame is then flushed.
    void attendiOltre(int volte) const
    {
        while (m_volte <= volte)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    bool eventFilter(QObject *, QEvent *evento) override
    {
        m_volte += evento->type() == QEvent::Paint ? 1 : 0;
        return false;
    }

private:
    int m_volte = 0;
};
