#include "commandline.h"

#include "countermgr.h"
#include "extractpictures.h"
#include "mapboard.h"
#include "mappicture.h"
#include "modules.h"
#include "movefile.h"
#include "movereport.h"
#include "picturemodule.h"
#include "taggermgr.h"
#include "zekcounter.h"
#include "zekcounterat.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <string>

namespace {

constexpr int kRefused = 2;

int refuse(const QString& file, const QString& reason) {
    std::fprintf(stderr, "korva: %s: %s\n", qPrintable(file), qPrintable(reason));
    return kRefused;
}

int usage() {
    std::fprintf(stderr, "usage: korva [FILE.krv]\n"
                         "       korva --report FILE.krv\n"
                         "       korva --render FILE.krv OUT.png\n"
                         "       korva --extract-pictures MODULE.dll DIR\n");
    return kRefused;
}

int printReport(const QString& file) {
    try {
        const MoveFileContents contents = readMoveFile(file);
        CounterMgr counters;
        counters.applyRecords(contents.counters);
        const QByteArray report = moveReport(counters.counters());
        std::fwrite(report.constData(), 1, static_cast<std::size_t>(report.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        return refuse(file, QString::fromLocal8Bit(error.what()));
    }
}

// Qt's own notes about the headless platform (no runtime folder, no screen) would break
// the promise of one line on standard error for a refused file.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "korva: %s\n", qPrintable(message));
}

int renderPosition(int argc, char** argv, const QString& file, const QString& out) {
    // Text on the built-in pictures needs fonts, which need a platform; none needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&dropQtNotes);
    QGuiApplication app(argc, argv);
    try {
        const MoveFileContents contents = readMoveFile(file);
        const auto module1 = openPictureModule(QStringLiteral("korva_1.dll"));
        const auto module2 = openPictureModule(QStringLiteral("korva_2.dll"));
        MapPicture picture(module1->bitmap(16002));
        ZeKCounter::setPictureModule(module2.get());
        CounterMgr counters;
        MapBoard board(picture);
        TaggerMgr tags(module1.get(), &picture);
        openMoveFile(contents, counters, tags, board);
        ZeKCounter::setPictureModule(nullptr);
        if (!picture.image().save(out, "PNG"))
            return refuse(out, QStringLiteral("could not write the picture"));
        return 0;
    } catch (const std::exception& error) {
        ZeKCounter::setPictureModule(nullptr);
        return refuse(file, QString::fromLocal8Bit(error.what()));
    }
}

int extract(int argc, char** argv) {
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runExtractPictures(arguments, out, err);
}

} // namespace

std::optional<int> runCommandLineTool(int argc, char** argv) {
    if (argc < 2 || argv[1][0] != '-' || argv[1][1] != '-')
        return std::nullopt;
    const std::string command = argv[1];
    const auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    if (command == "--report" && argc == 3)
        return printReport(arg(2));
    if (command == "--render" && argc == 4)
        return renderPosition(argc, argv, arg(2), arg(3));
    if (command == "--extract-pictures")
        return extract(argc, argv);
    return usage();
}
