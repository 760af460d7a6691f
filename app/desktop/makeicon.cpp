// Writes the program icon as a PNG for the desktop entry: makeicon OUT.png SIZE
#include "programart.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    return programart::programIcon(size).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
