#include "app/commandline.h"

#include "app/commandoutput.h"
#include "app/dicecommands.h"
#include "app/exportcommands.h"
#include "app/filecommands.h"
#include "app/gameslisting.h"
#include "app/headlesstext.h"
#include "app/map/zoom.h"
#include "app/picturecommands.h"
#include "app/servercommands.h"
#include "korvaversion.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <optional>
#include <string_view>

using commandoutput::kRefused;
using commandoutput::refuseArguments;
using commandoutput::writeOut;

namespace {

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

// The window: at most one move file, and Qt's own options.
LaunchRequest windowRequest(int argc, char** argv) {
    LaunchRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const QString text = QString::fromLocal8Bit(argv[i]);
        if (a.size() > 1 && a[0] == '-') {
            const std::optional<bool> takesValue = qtOptionTakesValue(a);
            if (!takesValue) {
                headlesstext::begin(); // the refusal in the player's language
                return {refuseArguments(
                            QCoreApplication::translate("korva", "unknown option %1").arg(text)),
                        {}};
            }
            if (*takesValue)
                ++i;
            continue;
        }
        if (!request.moveFile.isEmpty()) {
            headlesstext::begin();
            return {refuseArguments(QCoreApplication::translate(
                        "korva", "only one move file can be opened at a time")),
                    {}};
        }
        request.moveFile = text;
    }
    return request;
}

// A headless use's arguments: argv[1] names it, the rest are its own.
struct Arguments {
    int argc;
    char** argv;

    QString at(int i) const { return QString::fromLocal8Bit(argv[i]); }
    // Exactly `count` arguments after the use's name.
    bool takes(int count) const { return argc == count + 2; }
    int wrongCount() const {
        return refuseArguments(
            QCoreApplication::translate("korva", "%1 takes other arguments").arg(at(1)));
    }
};

QString helpText();

int help(const Arguments& a) {
    return a.takes(0) ? writeOut(helpText().toLocal8Bit()) : a.wrongCount();
}

int version(const Arguments& a) {
    return a.takes(0) ? writeOut("korva " KORVA_VERSION "\n") : a.wrongCount();
}

int report(const Arguments& a) {
    return a.takes(1) ? printReport(a.at(2)) : a.wrongCount();
}

// After the two files, in any order: --moves, --since EARLIER, --zoom PERCENT.
int render(const Arguments& a) {
    if (a.argc < 4)
        return a.wrongCount();
    RenderRequest request;
    request.file = a.at(2);
    request.out = a.at(3);
    std::optional<qreal> zoom;
    for (int i = 4; i < a.argc; ++i) {
        const std::string_view option = a.argv[i];
        if (option == "--moves" && !request.moves) {
            request.moves = true;
        } else if (option == "--since" && request.since.isEmpty() && i + 1 < a.argc) {
            request.since = a.at(++i);
        } else if (option == "--zoom" && !zoom && i + 1 < a.argc) {
            bool number = false;
            zoom = Zoom::scaleOfPercent(a.at(++i).toInt(&number));
            if (!number || *zoom == 0.0)
                return refuseArguments(
                    QCoreApplication::translate("korva",
                                                "--zoom takes a percentage from 25 to 400, not %1")
                        .arg(a.at(i)));
        } else {
            return a.wrongCount();
        }
    }
    if (!request.since.isEmpty() && !request.moves)
        return refuseArguments(QCoreApplication::translate("korva", "--since goes with --moves"));
    request.zoom = zoom.value_or(1.0);
    return renderPosition(a.argc, a.argv, request);
}

int moves(const Arguments& a) {
    if (a.takes(1))
        return printMoves(a.at(2), {});
    if (a.takes(3) && std::string_view(a.argv[3]) == "--since")
        return printMoves(a.at(2), a.at(4));
    return a.wrongCount();
}

int verify(const Arguments& a) {
    if (a.takes(1))
        return verifyRolls(a.at(2), {});
    return a.takes(2) ? verifyRolls(a.at(2), a.at(3)) : a.wrongCount();
}

int info(const Arguments& a) {
    return a.takes(1) ? printInfo(a.at(2)) : a.wrongCount();
}

int dice(const Arguments& a) {
    return a.takes(1) ? printGameDice(a.at(2)) : a.wrongCount();
}

int games(const Arguments& a) {
    return a.takes(0) ? writeOut(gamesListing().toUtf8()) : a.wrongCount();
}

int exports(const Arguments& a) {
    return runExportCommand(a.argc, a.argv).value_or(kRefused);
}

int newGame(const Arguments& a) {
    return a.takes(1) ? writeNewGame(a.at(2)) : a.wrongCount();
}

int extractPictures(const Arguments& a) {
    return a.takes(2) ? extract(a.at(2), a.at(3)) : a.wrongCount();
}

// --server URL, then one of --register NAME, --create-game FILE, --join CODE.
int server(const Arguments& a) {
    if (!a.takes(3))
        return a.wrongCount();
    const std::string_view what = a.argv[3];
    if (what == "--register")
        return servercommands::registerPlayer(a.at(2), a.at(4));
    if (what == "--create-game")
        return servercommands::createGame(a.at(2), a.at(4));
    if (what == "--join")
        return servercommands::join(a.at(2), a.at(4));
    return a.wrongCount();
}

// The headless uses, in the order the help lists them.
struct Use {
    std::string_view name;
    std::string_view shortName;
    // Its lines in the help, after "korva": one per "\n"; a line led by blanks goes on with
    // the one before. Empty when another use's line names it.
    std::string_view help;
    int (*run)(const Arguments&);
};

// clang-format off
constexpr Use kUses[] = {
    {"--report",           {},   "--report FILE.krv", report},
    {"--render",           {},   "--render FILE.krv OUT.png [--moves [--since EARLIER.krv]]\n"
                                 "            [--zoom PERCENT]", render},
    {"--moves",            {},   "--moves FILE.krv [--since EARLIER.krv]", moves},
    {"--verify",           {},   "--verify FILE.krv [MYFILE.krv]", verify},
    {"--info",             {},   "--info FILE.krv", info},
    {"--dice",             {},   "--dice FILE.krv", dice},
    {"--games",            {},   "--games", games},
    {"--export-turn",      {},   "--export-turn FILE.krv OUT.html [--since EARLIER.krv]", exports},
    {"--animate",          {},   "--animate OUT.webp FILE.krv... [--zoom PERCENT] [--frame-ms N]\n"
                                 "--animate --frames DIR FILE.krv... [--zoom PERCENT]", exports},
    {"--extract-pictures", {},   "--extract-pictures MODULE.dll DIR", extractPictures},
    {"--new-game",         {},   "--new-game OUT.krv", newGame},
    {"--server",           {},   "--server URL --register NAME\n"
                                 "--server URL --create-game FILE.krv\n"
                                 "--server URL --join CODE", server},
    {"--help",             "-h", "--help | --version", help},
    {"--version",          "-v", {}, version},
};
// clang-format on

// The uses one under the other, each "korva" under the first, wherever a translation puts
// the first.
QString helpText() {
    const QString usage = QCoreApplication::translate("korva", "usage:");
    const QString indent(usage.size() + 1, QLatin1Char(' '));
    QString text = usage + QStringLiteral(" korva [FILE.krv]\n");
    for (const Use& use : kUses) {
        const QString lines = QString::fromLatin1(use.help.data(), qsizetype(use.help.size()));
        for (const QString& line : lines.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            text += indent +
                    (line.startsWith(QLatin1Char(' ')) ? QString() : QStringLiteral("korva ")) +
                    line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

LaunchRequest runCommandLine(int argc, char** argv) {
    // The window makes its own application.
    const auto endText = qScopeGuard([] { headlesstext::end(); });
    const std::string_view first = argc > 1 ? argv[1] : "";
    for (const Use& use : kUses)
        if (first == use.name || (!use.shortName.empty() && first == use.shortName)) {
            headlesstext::begin();
            return {use.run(Arguments{argc, argv}), {}};
        }
    // A double-click on a move file goes straight to the window, with no application of
    // its own made first; the language is loaded here only to refuse the arguments.
    return windowRequest(argc, argv);
}
