#include "finestra.h"

#include "aspetto.h"
#include "finestre.h"

#include <QCloseEvent>
#include <QEvent>
#include <QScreen>

Finestra::Finestra(const QString &nome, QSize designTwips, QWidget *parent)
    : QMainWindow(parent)
    , m_area(new QWidget(this))
    , m_design(aspetto::pixelDaTwips(designTwips))
{
    setObjectName(nome);
    m_area->setObjectName(QStringLiteral("area"));
    m_area->resize(m_design);
    m_area->installEventFilter(this);
    setCentralWidget(m_area);
    resize(m_design);
}

Finestra::~Finestra() = default;

void Finestra::catturaLayout()
{
    // At load the window is not shown yet: its inner size is the design size.
    m_layout.cattura(m_area, m_design);
}

bool Finestra::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == m_area && evento->type() == QEvent::Resize) {
        m_layout.riscala(m_area->size());
        dopoRiscala();
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void Finestra::closeEvent(QCloseEvent *event)
{
    // Closing by the title bar unloads the window like any other way out.
    event->ignore();
    Finestre::istanza().scarica(nome());
}

void Finestra::mostraIngrandita()
{
    // Maximizing is a request to the window manager; on a bare X display
    // nobody answers it, so a window not yet shown first takes the screen's
    // free area. A window on screen is left to the window manager: it keeps a
    // maximized window at its own size and refuses a new geometry, while Qt
    // would lay the controls out for the size asked.
    if (!isVisible()) {
        if (QScreen *schermo = screen())
            setGeometry(schermo->availableGeometry());
    }
    showMaximized();
}
