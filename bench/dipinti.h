#pragma once

#include <QCoreApplication>
#include <QEvent>

#include <unistd.h>

// Counts the paints delivered to one widget. With segnala, tells the benchmark
// that started this program when the first paint is done: a byte on descriptor
// 3, which the benchmark opened for that, written right after the paint, before
// anything the paint itself queued (the class record's start).
class Dipinti final : public QObject
{
public:
    explicit Dipinti(QObject *widget, bool segnala = false)
        : m_segnala(segnala)
    {
        widget->installEventFilter(this);
    }

    int volte() const { return m_volte; }

    // Processes events until the widget has been painted more than volte times (and the first
    // paint told); the frame is then flushed.
    void attendiOltre(int volte) const
    {
        while (m_volte <= volte || m_daSegnalare)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && ++m_volte == 1 && m_segnala) {
            m_daSegnalare = true;
            QCoreApplication::postEvent(this, new QEvent(QEvent::User), Qt::HighEventPriority);
        }
        return false;
    }

    bool event(QEvent *evento) override
    {
        if (evento->type() != QEvent::User)
            return QObject::event(evento);
        const char byte = 1;
        [[maybe_unused]] const auto scritti = write(3, &byte, 1);
        m_daSegnalare = false;
        return true;
    }

private:
    bool m_segnala;
    bool m_daSegnalare = false;
    int m_volte = 0;
};
