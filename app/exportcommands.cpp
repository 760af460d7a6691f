#include "app/exportcommands.h"

#include "app/export/animation.h"
#include "app/export/framesink.h"
#include "app/export/pictureexport.h"
#include "app/export/turnpage.h"
#include "app/headlesstext.h"
#include "app/map/zoom.h"
#include "app/modules.h"
#include "app/shell/korvaapplication.h"
#include "app/turn/turnheading.h"
#include "app/turn/turnlistmodel.h"
#include "base/residentmemory.h"
#include "base/untrustedtext.h"
#include "base/win1252.h"
#include "board/mapboard.h"
#include "board/picturemodule.h"
#include "counters/countermgr.h"
#include "game/fileshow.h"
#include "game/game.h"
#include "game/openedstanding.h"
#include "game/turndice.h"
#include "game/turnkeeper.h"
#include "geometry/zekclick.h"
#include "history/diceevidence.h"
#include "history/gamehistory.h"
#include "movefile/openedmovefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/servergames.h"
#include "translations/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <array>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int kRefused = 2;
constexpr int kWriteFailed = 1;

// "korva: NAME: reason", the name as a terminal shows it harmlessly.
void tell(const QString& what, const QString& reason) {
    std::fprintf(stderr, "korva: %s: %s\n", qPrintable(untrustedtext::forTerminal(what)),
                 qPrintable(untrustedtext::forTerminal(reason)));
}

int refuse(const QString& what, const QString& reason) {
    tell(what, reason);
    return kRefused;
}

int refuseArguments(const QString& reason) {
    std::fprintf(stderr, "korva: %s (korva --help lists the uses)\n", qPrintable(reason));
    return kRefused;
}

// Qt's notes about the headless platform would break the promise of one line on standard
// error for a refused file.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "korva: %s\n", qPrintable(message));
}

// Text on the built-in pictures needs fonts, which need a platform; none needs a screen.
void goHeadless() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&dropQtNotes);
    residentmemory::returnLargeBlocksWhenFreed();
}

std::unique_ptr<FileShow> builtGame() {
    return std::make_unique<FileShow>(openPictureModule(QStringLiteral("korva_1.dll")),
                                      openPictureModule(QStringLiteral("korva_2.dll")));
}

std::optional<GameHistory> playersHistory() {
    KorvaApplication::setIdentity(); // where the history lives
    const QString root = GameHistory::defaultRoot();
    return root.isEmpty() ? std::nullopt : std::optional<GameHistory>(GameHistory(root));
}

// The turn's moves and the verdict on its dice as the window has them after an Open: measured
// by the window's rule from the player's own saves in the history, or from `mine` when given.
struct OpenedTurn {
    TurnMoves moves;
    DiceVerdict verdict;
};

OpenedTurn openedTurn(const OpenedMoveFile& file, const QString& path, const QString& mine,
                      QString* reading) {
    const std::optional<GameHistory> history = playersHistory();
    const HistoryContext context = history ? history->contextFor(file, path) : HistoryContext{};
    const std::optional<GameId> game = context.diceGame(file);
    TurnMoves moves = openedMoves(file, context);
    DiceEvidence evidence;
    if (!mine.isEmpty()) {
        *reading = mine;
        const OpenedMoveFile sent = readOpenedMoveFile(mine);
        *reading = path;
        moves = movesOfTurn(file.contents.counters, file.extension.turnStart,
                            earlierFileFor(file, sent, QFileInfo(mine).fileName()));
        evidence = diceEvidenceAgainst(history ? &*history : nullptr, sent,
                                       game ? game : file.extension.gameId);
    } else if (context.claimsOtherGame) {
        evidence.missing =
            QCoreApplication::translate("korva", "the file claims the id of another of your games");
    } else if (history) {
        evidence = diceEvidenceFor(*history, file, game);
    } else {
        evidence.missing = QCoreApplication::translate("korva", "no history is kept");
    }
    return {std::move(moves), rollsVerdict(file, evidence, ServerGames(), game)};
}

int exportTurn(int argc, char** argv, const QString& file, const QString& out,
               const QString& since) {
    goHeadless();
    headlesstext::end();
    QGuiApplication app(argc, argv);
    language::installPreferred();
    QString reading = file;
    ExportOutcome outcome;
    try {
        const OpenedMoveFile opened = readOpenedMoveFile(file);
        if (!opened.extensionWarning.isEmpty())
            tell(file, opened.extensionWarning);
        const OpenedTurn turn = openedTurn(opened, file, since, &reading);
        const std::unique_ptr<FileShow> shown = builtGame();
        shown->show(opened);
        const Game* game = &shown->game();
        // The combats in the file's order, each with its roll's number and verdict.
        std::vector<TurnListModel::Combat> combats;
        const std::vector<TagRecord>& tags = opened.contents.tags;
        for (std::size_t i = 0; i < tags.size(); ++i)
            combats.push_back({ZeKClick(tags[i].position).index(), tags[i].dieValue,
                               win1252::toUnicode(tags[i].comment),
                               i < turn.verdict.marks.size()
                                   ? TurnDice::markText(turn.verdict.marks[i])
                                   : QString()});
        TurnListModel list;
        list.setTurn(turn.moves.changes, std::move(combats));
        const TurnPageSource source{
            *game,
            list,
            buildMoveOverlay(turn.moves.changes, game->counters(), game->board()),
            turnHeading(turn.moves),
            QCoreApplication::translate("TurnFeature", "Their dice: %1").arg(turn.verdict.text()),
            game->turn().openedNote(),
            QFileInfo(file).fileName()};
        outcome = exportTurnPage(source, out);
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    if (!outcome.written) {
        tell(out, outcome.error);
        return kWriteFailed;
    }
    return 0;
}

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void noteStopSignal(int signal) {
    stopSignal = signal;
}

// Ctrl+C or a TERM stops the export at its next step instead of killing it where it stands,
// so that what it made goes as for any stop; the process then ends as the signal would have
// ended it. The handler only notes the signal: all else happens in the export's own steps.
class SignalStop final : public ExportProgress {
public:
    SignalStop() {
        struct sigaction action {};
        action.sa_handler = &noteStopSignal;
        // A write or a wait under way goes on: the export stops at its next step.
        action.sa_flags = SA_RESTART;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], &action, &before_[i]);
    }
    ~SignalStop() override { restore(); }
    SignalStop(const SignalStop&) = delete;
    SignalStop& operator=(const SignalStop&) = delete;

    bool advance(qint64, qint64) override { return stopSignal == 0; }
    // Once everything is cleared: ends the process by the signal that came, if one did.
    void endIfSignalled() {
        const int signal = stopSignal;
        restore();
        if (signal != 0) {
            std::signal(signal, SIG_DFL);
            std::raise(signal);
        }
    }

private:
    static constexpr std::array<int, 2> kSignals{SIGINT, SIGTERM};
    void restore() {
        if (restored_)
            return;
        restored_ = true;
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            sigaction(kSignals[i], &before_[i], nullptr);
    }
    std::array<struct sigaction, 2> before_{};
    bool restored_ = false;
};

struct AnimateRequest {
    QString out;
    bool frames = false;
    QStringList files;
    qreal zoom = 0.5;
    int frameMs = 1500;
};

int animate(int argc, char** argv, const AnimateRequest& request) {
    SignalStop signalStop;
    goHeadless();
    headlesstext::end();
    QGuiApplication app(argc, argv);
    language::installPreferred();
    // Every file is read and checked before anything is drawn: a refused one stops it all.
    for (const QString& file : request.files) {
        try {
            readOpenedMoveFile(file);
        } catch (const std::exception& error) {
            return refuse(file, QString::fromUtf8(error.what()));
        }
    }
    // So is the target, before anything is drawn.
    if (const QString refused =
            request.frames ? PngFolderSink::refusal(request.out) : fileTargetRefusal(request.out);
        !refused.isEmpty()) {
        tell(request.out, refused);
        return kWriteFailed;
    }
    int showing = -1;
    ExportOutcome outcome;
    try {
        const std::unique_ptr<FileShow> shown = builtGame();
        const Game& game = shown->game();
        const QSize size = animation::frameSize(game, request.zoom);
        std::unique_ptr<FrameSink> sink;
        if (request.frames)
            sink = std::make_unique<PngFolderSink>(request.out, size, int(request.files.size()));
        else
            sink = std::make_unique<WebPFileSink>(request.out, size, request.frameMs);
        outcome = animation::draw(
            game, request.zoom, int(request.files.size()),
            [&](int i) {
                showing = i;
                shown->show(readOpenedMoveFile(request.files[i]));
            },
            *sink, signalStop);
    } catch (const std::exception& error) {
        return refuse(showing >= 0 ? request.files[showing] : request.out,
                      QString::fromUtf8(error.what()));
    }
    // The sink and what it made are gone by now.
    if (!outcome.written)
        signalStop.endIfSignalled();
    if (!outcome.written) {
        tell(request.out, outcome.error);
        return kWriteFailed;
    }
    return 0;
}

// After --animate: OUT.webp or --frames DIR, the files, --zoom and --frame-ms, in any order.
std::optional<AnimateRequest> animateRequest(int argc, char** argv, int* status) {
    AnimateRequest request;
    QStringList plain;
    std::optional<qreal> zoom;
    std::optional<int> frameMs;
    const auto arg = [argv](int i) { return QString::fromLocal8Bit(argv[i]); };
    const auto refused = [status](const QString& reason) {
        *status = refuseArguments(reason);
        return std::nullopt;
    };
    for (int i = 2; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--zoom" && !zoom && i + 1 < argc) {
            bool number = false;
            zoom = Zoom::scaleOfPercent(arg(++i).toInt(&number));
            if (!number || *zoom == 0.0)
                return refused(QCoreApplication::translate(
                                   "korva", "--zoom takes a percentage from 25 to 400, not %1")
                                   .arg(arg(i)));
        } else if (option == "--frame-ms" && !frameMs && i + 1 < argc) {
            bool number = false;
            frameMs = arg(++i).toInt(&number);
            if (!number || *frameMs < 20 || *frameMs > 60000)
                return refused(
                    QCoreApplication::translate(
                        "korva", "--frame-ms takes milliseconds from 20 to 60000, not %1")
                        .arg(arg(i)));
        } else if (option == "--frames" && !request.frames && i + 1 < argc) {
            request.frames = true;
            request.out = arg(++i);
        } else if (option.size() > 1 && option[0] == '-') {
            return refused(QCoreApplication::translate("korva", "--animate takes other arguments"));
        } else {
            plain << arg(i);
        }
    }
    if (!request.frames && !plain.isEmpty())
        request.out = plain.takeFirst();
    if (plain.isEmpty())
        return refused(QCoreApplication::translate(
            "korva", "--animate takes an output and at least one move file"));
    if (request.frames && frameMs)
        return refused(QCoreApplication::translate(
            "korva", "--frame-ms goes with an animated WebP, not with --frames"));
    request.files = plain;
    request.zoom = zoom.value_or(0.5);
    request.frameMs = frameMs.value_or(1500);
    return request;
}

} // namespace

std::optional<int> runExportCommand(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    const auto arg = [argv](int i) { return QString::fromLocal8Bit(argv[i]); };
    if (first == "--export-turn") {
        if (argc == 4)
            return exportTurn(argc, argv, arg(2), arg(3), {});
        if (argc == 6 && std::string_view(argv[4]) == "--since")
            return exportTurn(argc, argv, arg(2), arg(3), arg(5));
        return refuseArguments(
            QCoreApplication::translate("korva", "--export-turn takes other arguments"));
    }
    if (first == "--animate") {
        int status = kRefused;
        const std::optional<AnimateRequest> request = animateRequest(argc, argv, &status);
        return request ? animate(argc, argv, *request) : status;
    }
    return std::nullopt;
}
