#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Watches a window and, once its first paint has been delivered, runs an
// action from the event loop (so the whole first frame, children included,
// is drawn and flushed first). Installed on the application, so it sees the
// window however and whenever it is built.
class PrimoDisegno final : public QObject
{
public:
    PrimoDisegno(std::function<bool(const QWidget *)> laFinestra, std::function<void()> azione)
        : m_laFinestra(std::move(laFinestra))
        , m_azione(std::move(azione))
    {
    }

    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (!m_fatto && evento->type() == QEvent::Paint && oggetto->isWidgetType()
            && m_laFinestra(static_cast<const QWidget *>(oggetto))) {
            m_fatto = true;
            QTimer::singleShot(0, QCoreApplication::instance(), m_azione);
        }
        return false;
    }

private:
    std::function<bool(const QWidget *)> m_laFinestra;
    std::function<void()> m_azione;
    bool m_fatto = false;
};
