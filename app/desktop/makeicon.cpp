// Writes the program icon for the desktop: makeicon DIR writes DIR/hicolor/NxN/apps/korva.png
// for every icon size and DIR/hicolor/scalable/apps/korva.svg, all from the same drawing.
#include "app/pictures/programart.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kSvgSize = 256;

bool writeSvg(const QString& path) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Korva"));
    svg.setDescription(QStringLiteral("The Korva emblem"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    programart::paintEmblem(painter, kSvgSize);
    return painter.end();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: korva_makeicon DIR\n", stderr);
        return 2;
    }
    const QDir hicolor(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    for (const int size : programart::iconSizes()) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!hicolor.mkpath(folder) ||
            !programart::programIcon(size).save(
                hicolor.filePath(folder + QStringLiteral("/korva.png")), "PNG"))
            return 1;
    }
    if (!hicolor.mkpath(QStringLiteral("scalable/apps")) ||
        !writeSvg(hicolor.filePath(QStringLiteral("scalable/apps/korva.svg"))))
        return 1;
    return 0;
}
