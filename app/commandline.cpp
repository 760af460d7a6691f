#include "app/commandline.h"

#include "app/mainwindow/mapscene.h"
#include "app/mainwindow/zoom.h"
#include "app/mainwindow/zoomedmap.h"
#include "app/modules.h"
#include "app/resourcedll/extractpictures.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "geometry/mapboard.h"
#include "geometry/mappicture.h"
#include "geometry/picturemodule.h"
#include "korvaversion.h"
#include "movefile/movefile.h"
#include "movefile/newgamefile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr int kRefused = 2;
constexpr int kWriteFailed = 1;

constexpr const char* kUsage = "usage: korva [FILE.krv]\n"
                               "       korva --report FILE.krv\n"
                               "       korva --render FILE.krv OUT.png [--zoom PERCENT]\n"
                               "       korva --extract-pictures MODULE.dll DIR\n"
                               "       korva --new-game OUT.krv\n"
                               "       korva --help | --version\n";

int refuse(const QString& what, const QString& reason) {
    std::fprintf(stderr, "korva: %s: %s\n", qPrintable(what), qPrintable(reason));
    return kRefused;
}

int refuseArguments(const QString& reason) {
    std::fprintf(stderr, "korva: %s (korva --help lists the uses)\n", qPrintable(reason));
    return kRefused;
}

// Writes everything to standard output and makes sure it left the process: a full disk or a
// closed pipe is a failure, never a silent success.
int writeOut(const QByteArray& bytes) {
    errno = 0;
    const std::size_t n =
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    if (n != static_cast<std::size_t>(bytes.size()) || std::fflush(stdout) != 0 ||
        std::ferror(stdout)) {
        const int code = errno;
        std::fprintf(stderr, "korva: standard output: %s\n",
                     code ? std::strerror(code) : "the output could not be written");
        return kWriteFailed;
    }
    return 0;
}

int printReport(const QString& file) {
    QByteArray report;
    try {
        const MoveFileContents contents = readMoveFile(file);
        CounterMgr counters;
        counters.applyRecords(contents.counters);
        report = moveReport(counters.counters());
    } catch (const std::exception& error) {
        return refuse(file, QString::fromLocal8Bit(error.what()));
    }
    return writeOut(report);
}

// Qt's own notes about the headless platform (no runtime folder, no screen) would break
// the promise of one line on standard error for a refused file.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "korva: %s\n", qPrintable(message));
}

int renderPosition(int argc, char** argv, const QString& file, const QString& out, qreal zoom) {
    // Text on the built-in pictures needs fonts, which need a platform; none needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&dropQtNotes);
    QGuiApplication app(argc, argv);
    QByteArray png;
    try {
        const MoveFileContents contents = readMoveFile(file);
        Game game(openPictureModule(QStringLiteral("korva_1.dll")),
                  openPictureModule(QStringLiteral("korva_2.dll")));
        game.open(contents);
        // The map as the window shows it at that zoom; at 100% the map picture itself.
        QImage shown = game.mapPicture().image();
        if (zoom != 1.0) {
            const MapScene scene(game);
            ZoomedMap zoomed;
            zoomed.setSources(&game.mapPicture(), &scene);
            zoomed.setScale(zoom);
            shown = zoomed.render();
            zoomed.setSources(nullptr, nullptr);
        }
        if (shown.isNull())
            return refuse(out, QStringLiteral("there is not enough memory for the picture"));
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!shown.save(&buffer, "PNG"))
            return refuse(out, QStringLiteral("the picture could not be encoded"));
    } catch (const std::exception& error) {
        return refuse(file, QString::fromLocal8Bit(error.what()));
    }
    QString error;
    if (!saveFileSafely(out, png, &error)) {
        std::fprintf(stderr, "korva: %s: %s\n", qPrintable(out), qPrintable(error));
        return kWriteFailed;
    }
    return 0;
}

// The starting file of a new game, byte for byte what Save writes right after New game.
int writeNewGame(const QString& out) {
    QString error;
    if (!saveFileSafely(out, encodeMoveFile(newGameContents()), &error)) {
        std::fprintf(stderr, "korva: %s: %s\n", qPrintable(out), qPrintable(error));
        return kWriteFailed;
    }
    return 0;
}

int extract(const QString& dll, const QString& folder) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = runExtractPictures({dll, folder}, outStream, errStream);
    std::fputs(qPrintable(err), stderr);
    const int written = writeOut(out.toLocal8Bit());
    return status != 0 ? status : written;
}

// Qt's window options and whether each takes a value; QApplication reads them itself.
std::optional<bool> qtOptionTakesValue(std::string_view arg) {
    for (const std::string_view option :
         {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
          "-qwindowicon", "-qwindowtitle", "-style", "-stylesheet", "-display", "-geometry",
          "-session"})
        if (arg == option)
            return true;
    for (const std::string_view option :
         {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount"})
        if (arg == option)
            return false;
    return std::nullopt;
}

} // namespace

LaunchRequest runCommandLine(int argc, char** argv) {
    const auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    const std::string_view first = argc > 1 ? argv[1] : "";
    const auto takes = [&](int count) { return argc == count + 2; };
    const auto wrongCount = [&] {
        return LaunchRequest{
            refuseArguments(
                QStringLiteral("%1 takes other arguments").arg(QString::fromLocal8Bit(argv[1]))),
            {}};
    };

    if (first == "--help" || first == "-h")
        return {takes(0) ? writeOut(kUsage) : wrongCount().exitStatus, {}};
    if (first == "--version" || first == "-v")
        return {takes(0) ? writeOut("korva " KORVA_VERSION "\n") : wrongCount().exitStatus, {}};
    if (first == "--report")
        return takes(1) ? LaunchRequest{printReport(arg(2)), {}} : wrongCount();
    if (first == "--render") {
        if (takes(2))
            return {renderPosition(argc, argv, arg(2), arg(3), 1.0), {}};
        if (!takes(4) || std::string_view(argv[4]) != "--zoom")
            return wrongCount();
        bool number = false;
        const qreal zoom = Zoom::scaleOfPercent(arg(5).toInt(&number));
        if (!number || zoom == 0.0)
            return {refuseArguments(QStringLiteral("--zoom takes a percentage from 25 to 400, "
                                                   "not %1")
                                        .arg(arg(5))),
                    {}};
        return {renderPosition(argc, argv, arg(2), arg(3), zoom), {}};
    }
    if (first == "--new-game")
        return takes(1) ? LaunchRequest{writeNewGame(arg(2)), {}} : wrongCount();
    if (first == "--extract-pictures")
        return takes(2) ? LaunchRequest{extract(arg(2), arg(3)), {}} : wrongCount();

    // The window: at most one move file, and Qt's own options.
    LaunchRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a.size() > 1 && a[0] == '-') {
            const std::optional<bool> takesValue = qtOptionTakesValue(a);
            if (!takesValue)
                return {refuseArguments(QStringLiteral("unknown option %1").arg(arg(i))), {}};
            if (*takesValue)
                ++i;
            continue;
        }
        if (!request.moveFile.isEmpty())
            return {refuseArguments(QStringLiteral("only one move file can be opened at a time")),
                    {}};
        request.moveFile = arg(i);
    }
    return request;
}
