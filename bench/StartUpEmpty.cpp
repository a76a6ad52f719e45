// The yardstick for start-up: an empty QMainWindow started, shown and painted
// once. Timed as a process by bench/startup.sh.

#include <QApplication>
#include <QMainWindow>

#include "FirstPaintQuit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(615, 605);
    new orvel::bench::FirstPaintQuit(&window);
    window.show();
    return QApplication::exec();
}
