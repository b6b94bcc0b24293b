// The floor to compare the start-up with: a bare QMainWindow with one button,
// shown maximized, that ends after its first paint (and says when it is done).

#include "dipinti.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow finestra;
    finestra.setCentralWidget(new QPushButton(QStringLiteral("Esci"), &finestra));
    const Dipinti dipinti(&finestra, true);
    finestra.showMaximized();
    dipinti.attendiOltre(0);
    return 0;
}
