// The smallest Qt Widgets program, the yardstick of the start-up benchmark: an empty
// main window, shown, timed to its first paint by the same probe as the program.
#include "app/firstpaintprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    FirstPaintProbe::watchIfAsked(&window);
    window.show();
    return QApplication::exec();
}
