// The floor to compare the start-up with: a bare QMainWindow with one button,
// shown maximized, that ends after its first paint (and says when it is done).
// Like the program's windows it first takes the screen's free area: with no
// window manager (Xvfb alone) a maximize request goes unanswered and the
// window would stay at the size of its button, a smaller job than the program's.

#include "dipinti.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setCentralWidget(new QPushButton(QStringLiteral("Esci"), &finestra));
    const Dipinti dipinti(&finestra, true);
    finestra.setGeometry(finestra.screen()->availableGeometry());
    finestra.showMaximized();
    dipinti.attendiOltre(0);
    return 0;
}
