// The floor to compare with: a bare QMainWindow with one button, shown
// maximized, that quits after its first paint.

#include "primodisegno.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    auto *pulsante = new QPushButton(QStringLiteral("Esci"), &finestra);
    finestra.setCentralWidget(pulsante);
    QObject::connect(pulsante, &QPushButton::clicked, &app, &QApplication::quit);

    PrimoDisegno primo([&finestra](const QWidget *w) { return w == &finestra; }, [pulsante] { pulsante->click(); });
    app.installEventFilter(&primo);
    finestra.showMaximized();
    return QApplication::exec();
}
