#include "app/commandline.h"

#include "app/exportcommands.h"
#include "app/gameslisting.h"
#include "app/headlesstext.h"
#include "app/map/mapscene.h"
#include "app/map/zoom.h"
#include "app/map/zoomedmap.h"
#include "app/modules.h"
#include "app/resourcedll/extractpictures.h"
#include "app/shell/korvaapplication.h"
#include "app/turn/gamedicetext.h"
#include "base/pngstreamwriter.h"
#include "base/residentmemory.h"
#include "base/untrustedtext.h"
#include "board/mapboard.h"
#include "board/mappicture.h"
#include "board/picturemodule.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "counters/turnchanges.h"
#include "counters/zekcounter.h"
#include "game/fileshow.h"
#include "game/game.h"
#include "game/openedstanding.h"
#include "history/diceevidence.h"
#include "history/gamedicelog.h"
#include "history/gamehistory.h"
#include "korvaversion.h"
#include "movefile/movefile.h"
#include "movefile/newgamefile.h"
#include "movefile/openedmovefile.h"
#include "overlay/moveoverlay.h"
#include "translations/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScopeGuard>
#include <QTextStream>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

// What the command line tells the player, ready for a translation.
QString translated(const char* text) {
    return QCoreApplication::translate("korva", text);
}

constexpr int kRefused = 2;
constexpr int kWriteFailed = 1;

constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "korva", "usage: korva [FILE.krv]\n"
             "       korva --report FILE.krv\n"
             "       korva --render FILE.krv OUT.png [--moves [--since EARLIER.krv]]\n"
             "                   [--zoom PERCENT]\n"
             "       korva --moves FILE.krv [--since EARLIER.krv]\n"
             "       korva --verify FILE.krv [MYFILE.krv]\n"
             "       korva --info FILE.krv\n"
             "       korva --dice FILE.krv\n"
             "       korva --games\n"
             "       korva --export-turn FILE.krv OUT.html [--since EARLIER.krv]\n"
             "       korva --animate OUT.webp FILE.krv... [--zoom PERCENT] [--frame-ms N]\n"
             "       korva --animate --frames DIR FILE.krv... [--zoom PERCENT]\n"
             "       korva --extract-pictures MODULE.dll DIR\n"
             "       korva --new-game OUT.krv\n"
             "       korva --help | --version\n");

// Every line printed goes through here. File names and a file's texts may hold terminal
// controls that would clear the line, move the cursor or set the window's title, and so
// hide or fake what Korva says; shown escaped, each stays on the one line it was given.
QByteArray terminalLine(const QString& text) {
    return (untrustedtext::forTerminal(text) + QLatin1Char('\n')).toLocal8Bit();
}

// "korva: TEXT" on standard error.
void tell(const QString& text) {
    std::fputs(terminalLine(QStringLiteral("korva: ") + text).constData(), stderr);
}

// "korva: WHAT: TEXT" on standard error.
void tell(const QString& what, const QString& text) {
    tell(QStringLiteral("%1: %2").arg(what, text));
}

int refuse(const QString& what, const QString& reason) {
    tell(what, reason);
    return kRefused;
}

int refuseArguments(const QString& reason) {
    tell(QCoreApplication::translate("korva", "%1 (korva --help lists the uses)").arg(reason));
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
        return refuse(file, QString::fromUtf8(error.what()));
    }
    return writeOut(report);
}

// The moves of the file's turn as the window finds them after an Open, by the same rule
// (the history is only read): since the player's own last file of the game, unless that
// answered this file or a later one. A file named with --since takes the history's place.
TurnMoves movesOfFile(const OpenedMoveFile& file, const QString& path, const QString& since) {
    // The moves still come from the three sections; the player learns why there are fewer.
    if (!file.extensionWarning.isEmpty())
        tell(path, file.extensionWarning);
    if (!since.isEmpty())
        return movesOfTurn(
            file.contents.counters, file.extension.turnStart,
            earlierFileFor(file, readOpenedMoveFile(since), QFileInfo(since).fileName()));
    KorvaApplication::setIdentity(); // where the history lives
    const QString root = GameHistory::defaultRoot();
    return openedMoves(file, root.isEmpty() ? HistoryContext{}
                                            : GameHistory(root).contextFor(file, path));
}

int printMoves(const QString& file, const QString& since) {
    QByteArray text;
    // A refusal names the file refused: the one whose turn is wanted, or the earlier one.
    QString reading = file;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        if (!since.isEmpty())
            reading = since;
        text = changesText(movesOfFile(opened, file, since).changes);
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    return writeOut(text);
}

// The verdict on the opponent's rolls in FILE, checked against MYFILE (the file the player
// sent) or else the history's copy of it, and the commitment the history kept. Exits 0 when
// every roll is verified, 1 otherwise.
int verifyRolls(const QString& file, const QString& mine) {
    QString reading = file;
    DiceVerdict verdict;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        if (!opened.extensionWarning.isEmpty())
            tell(file, opened.extensionWarning);
        KorvaApplication::setIdentity(); // where the history lives
        const QString root = GameHistory::defaultRoot();
        const std::optional<GameHistory> history =
            root.isEmpty() ? std::nullopt : std::optional<GameHistory>(GameHistory(root));
        DiceEvidence evidence;
        // The game the file is a turn of, as an Open takes it.
        const HistoryContext context =
            history ? history->contextFor(opened, file) : HistoryContext{};
        const std::optional<GameId> game = context.diceGame(opened);
        if (!mine.isEmpty()) {
            reading = mine;
            const OpenedMoveFile sent = readOpenedMoveFile(mine);
            // A file that names no game of the history is judged in the game of the file sent.
            evidence = diceEvidenceAgainst(history ? &*history : nullptr, sent,
                                           game ? game : sent.extension.gameId);
        } else if (context.claimsOtherGame) {
            evidence.missing = QCoreApplication::translate(
                "korva", "the file claims the id of another of your games");
        } else if (history) {
            evidence = diceEvidenceFor(*history, opened, game);
        } else {
            evidence.missing = QCoreApplication::translate("korva", "no history is kept");
        }
        verdict = verifyDice(opened.extension.diceRolls, opened.contents.tags, evidence);
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    // The verdict comes last and on a line of its own: nothing said before it can hide it.
    std::fflush(stderr);
    const int written = writeOut(terminalLine(verdict.text()));
    return written != 0 ? written : verdict.verified() ? 0 : 1;
}

// Every roll of the file's game that the history holds, both players', and how fair each
// player's die looks.
int printGameDice(const QString& file) {
    QString text;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        KorvaApplication::setIdentity(); // where the history lives
        const QString root = GameHistory::defaultRoot();
        const GameHistory history(root);
        const HistoryContext context =
            root.isEmpty() ? HistoryContext{} : history.contextFor(opened, file);
        const std::optional<GameId> game = context.diceGame(opened);
        if (!game)
            return refuse(file, context.claimsOtherGame
                                    ? QCoreApplication::translate(
                                          "korva", "it claims the id of another of your games")
                                    : QCoreApplication::translate(
                                          "korva", "the history knows no game of this file"));
        text = gamedicetext::forTerminal(gameDiceLog(history, *game));
    } catch (const std::exception& error) {
        return refuse(file, QString::fromUtf8(error.what()));
    }
    return writeOut(text.toUtf8());
}

// What a move file says of its game, one "field: value" line each: the game id, the turn,
// the side to move and the one that moves first, the players, the note's length, the moves
// and combats of its turn (by the file alone), and the state of Korva's block. Names come
// from the file, but the block lets through no control characters.
int printInfo(const QString& path) {
    QString text;
    try {
        const QByteArray bytes = readMoveFileBytes(path);
        qsizetype bannerEnd = 0;
        const MoveFileContents contents = parseMoveFile(bytes, &bannerEnd);
        const KorvaExtensionRead block =
            parseKorvaExtension(QByteArrayView(bytes).sliced(bannerEnd));
        const KorvaExtension& ext = block.extension;
        const QString unknown = QCoreApplication::translate("korva", "unknown");
        const auto side = [&](Side s) {
            return s == Side::First ? QCoreApplication::translate("korva", "Allies")
                                    : QCoreApplication::translate("korva", "Axis");
        };
        const auto line = [&text](const char* field, const QString& value) {
            text += QStringLiteral("%1: %2\n")
                        .arg(translated(field), untrustedtext::forTerminal(value));
        };
        line(QT_TRANSLATE_NOOP("korva", "game"),
             ext.gameId ? ext.gameId->toHex()
                        : QCoreApplication::translate("korva", "none", "no game"));
        line(QT_TRANSLATE_NOOP("korva", "turn"),
             ext.turn ? QString::number(ext.turn->number) : unknown);
        line(QT_TRANSLATE_NOOP("korva", "to move"), ext.turn ? side(ext.turn->toMove) : unknown);
        line(QT_TRANSLATE_NOOP("korva", "moves first"),
             ext.turn ? side(ext.turn->movesFirst) : unknown);
        const auto name = [](const QString& n) {
            return n.isEmpty() ? QCoreApplication::translate("korva", "none", "no player") : n;
        };
        line(QT_TRANSLATE_NOOP("korva", "allies player"), name(ext.players.first));
        line(QT_TRANSLATE_NOOP("korva", "axis player"), name(ext.players.second));
        line(QT_TRANSLATE_NOOP("korva", "note"),
             QCoreApplication::translate("korva", "%1 characters").arg(ext.note.toUcs4().size()));
        const TurnMoves moves = movesOfTurn(contents.counters, ext.turnStart, std::nullopt);
        line(QT_TRANSLATE_NOOP("korva", "moves"),
             QString::number(std::count_if(moves.changes.begin(), moves.changes.end(),
                                           [](const CounterChange& c) { return c.moved(); })));
        line(QT_TRANSLATE_NOOP("korva", "combats"), QString::number(contents.tags.size()));
        line(QT_TRANSLATE_NOOP("korva", "korva block"),
             !block.present ? QCoreApplication::translate("korva", "absent")
             : block.damage.isEmpty()
                 ? QCoreApplication::translate("korva", "valid")
                 : QCoreApplication::translate("korva", "damaged: ") + block.damage);
        line(QT_TRANSLATE_NOOP("korva", "written by"),
             ext.writer ? QStringLiteral("Korva ") + ext.writer->text() : unknown);
        if (ext.unknownRecords)
            line(QT_TRANSLATE_NOOP("korva", "unknown records"),
                 korvaext::unknownRecordsNote(ext.writer, ext.unknownRecords));
    } catch (const std::exception& error) {
        return refuse(path, QString::fromUtf8(error.what()));
    }
    return writeOut(text.toUtf8());
}

// Qt's own notes about the headless platform (no runtime folder, no screen) would break
// the promise of one line on standard error for a refused file.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        tell(message);
}

struct RenderRequest {
    QString file;
    QString out;
    bool moves = false;
    // With moves: the file they are measured from, instead of the history's.
    QString since;
    qreal zoom = 1.0;
};

int renderPosition(int argc, char** argv, const RenderRequest& request) {
    const QString& out = request.out;
    const qreal zoom = request.zoom;
    // Text on the built-in pictures needs fonts, which need a platform; none needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&dropQtNotes);
    // The bands drawn for a large zoom come and go: each goes back to the system when freed,
    // or the workers' heaps would keep them on top of the bands still to be packed.
    residentmemory::returnLargeBlocksWhenFreed();
    headlesstext::end();
    QGuiApplication app(argc, argv);
    language::installPreferred();
    QByteArray png;
    // A refusal names the file refused: the one drawn, or the earlier one.
    QString reading = request.file;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(request.file);
        std::vector<CounterChange> changes;
        if (request.moves) {
            if (!request.since.isEmpty())
                reading = request.since;
            changes = movesOfFile(opened, request.file, request.since).changes;
            reading = request.file;
        }
        FileShow shown(openPictureModule(QStringLiteral("korva_1.dll")),
                       openPictureModule(QStringLiteral("korva_2.dll")));
        shown.show(opened);
        const Game& game = shown.game();
        // The map as the window shows it at that zoom (at 100% the map picture itself), drawn
        // and packed band by band: at a high zoom the whole picture is large.
        const MapScene scene(game);
        ZoomedMap zoomed;
        zoomed.setSources(&game.mapPicture(), &scene);
        zoomed.setScale(zoom);
        const MoveOverlay marks = request.moves
                                      ? buildMoveOverlay(changes, game.counters(), game.board())
                                      : MoveOverlay{};
        PngStreamWriter writer(zoomed.deviceSize());
        // The marks go on each band's own pixels (at 100% a copy: the map picture is what the
        // game draws on).
        const bool drawn = zoomed.renderBands([&](QImage rows, int top) {
            if (request.moves) {
                QPainter painter(&rows);
                if (!painter.isActive())
                    return false;
                painter.translate(0, -top);
                painter.scale(zoom, zoom);
                paintMoveOverlay(painter, marks);
            }
            writer.write(std::move(rows));
            return true;
        });
        png = writer.finish();
        zoomed.setSources(nullptr, nullptr);
        if (!drawn)
            return refuse(out, QCoreApplication::translate(
                                   "korva", "there is not enough memory for the picture"));
        if (png.isEmpty())
            return refuse(out,
                          QCoreApplication::translate("korva", "the picture could not be encoded"));
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    QString error;
    if (!saveFileSafely(out, png, &error)) {
        tell(out, error);
        return kWriteFailed;
    }
    return 0;
}

// The starting file of a new game: the three sections byte for byte as Save writes them
// right after New game, and Korva's block with turn 1, the Allies to move.
int writeNewGame(const QString& out) {
    KorvaExtension block;
    block.turn = TurnRecord{};
    block.writer = KorvaVersion::current();
    QString error;
    if (!saveFileSafely(out, encodeMoveFile(newGameContents()) + encodeKorvaExtension(block),
                        &error)) {
        tell(out, error);
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
    if (argc > 1)
        headlesstext::begin();
    // The window makes its own application.
    const auto endText = qScopeGuard([] { headlesstext::end(); });
    const auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    const std::string_view first = argc > 1 ? argv[1] : "";
    const auto takes = [&](int count) { return argc == count + 2; };
    const auto wrongCount = [&] {
        return LaunchRequest{
            refuseArguments(QCoreApplication::translate("korva", "%1 takes other arguments")
                                .arg(QString::fromLocal8Bit(argv[1]))),
            {}};
    };

    if (first == "--help" || first == "-h")
        return {takes(0) ? writeOut(translated(kUsage).toLocal8Bit()) : wrongCount().exitStatus,
                {}};
    if (first == "--version" || first == "-v")
        return {takes(0) ? writeOut("korva " KORVA_VERSION "\n") : wrongCount().exitStatus, {}};
    if (first == "--report")
        return takes(1) ? LaunchRequest{printReport(arg(2)), {}} : wrongCount();
    if (first == "--render") {
        if (argc < 4)
            return wrongCount();
        // After the two files, in any order: --moves, --since EARLIER, --zoom PERCENT.
        RenderRequest request;
        request.file = arg(2);
        request.out = arg(3);
        std::optional<qreal> zoom;
        for (int i = 4; i < argc; ++i) {
            const std::string_view option = argv[i];
            if (option == "--moves" && !request.moves) {
                request.moves = true;
            } else if (option == "--since" && request.since.isEmpty() && i + 1 < argc) {
                request.since = arg(++i);
            } else if (option == "--zoom" && !zoom && i + 1 < argc) {
                bool number = false;
                zoom = Zoom::scaleOfPercent(arg(++i).toInt(&number));
                if (!number || *zoom == 0.0)
                    return {refuseArguments(
                                QCoreApplication::translate(
                                    "korva", "--zoom takes a percentage from 25 to 400, not %1")
                                    .arg(arg(i))),
                            {}};
            } else {
                return wrongCount();
            }
        }
        if (!request.since.isEmpty() && !request.moves)
            return {
                refuseArguments(QCoreApplication::translate("korva", "--since goes with --moves")),
                {}};
        request.zoom = zoom.value_or(1.0);
        return {renderPosition(argc, argv, request), {}};
    }
    if (first == "--moves") {
        if (takes(1))
            return {printMoves(arg(2), {}), {}};
        if (takes(3) && std::string_view(argv[3]) == "--since")
            return {printMoves(arg(2), arg(4)), {}};
        return wrongCount();
    }
    if (first == "--verify") {
        if (takes(1))
            return {verifyRolls(arg(2), {}), {}};
        return takes(2) ? LaunchRequest{verifyRolls(arg(2), arg(3)), {}} : wrongCount();
    }
    if (first == "--info")
        return takes(1) ? LaunchRequest{printInfo(arg(2)), {}} : wrongCount();
    if (first == "--dice")
        return takes(1) ? LaunchRequest{printGameDice(arg(2)), {}} : wrongCount();
    if (first == "--games")
        return {takes(0) ? writeOut(gamesListing().toUtf8()) : wrongCount().exitStatus, {}};
    if (first == "--new-game")
        return takes(1) ? LaunchRequest{writeNewGame(arg(2)), {}} : wrongCount();
    if (first == "--extract-pictures")
        return takes(2) ? LaunchRequest{extract(arg(2), arg(3)), {}} : wrongCount();
    if (const std::optional<int> status = runExportCommand(argc, argv))
        return {*status, {}};

    // The window: at most one move file, and Qt's own options.
    LaunchRequest request;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a.size() > 1 && a[0] == '-') {
            const std::optional<bool> takesValue = qtOptionTakesValue(a);
            if (!takesValue)
                return {refuseArguments(
                            QCoreApplication::translate("korva", "unknown option %1").arg(arg(i))),
                        {}};
            if (*takesValue)
                ++i;
            continue;
        }
        if (!request.moveFile.isEmpty())
            return {refuseArguments(QCoreApplication::translate(
                        "korva", "only one move file can be opened at a time")),
                    {}};
        request.moveFile = arg(i);
    }
    return request;
}
