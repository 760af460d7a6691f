#include "app/export/animation.h"

#include "app/export/framesink.h"
#include "app/export/mapshot.h"
#include "app/shell/turntext.h"
#include "app/turn/keptturns.h"
#include "game/game.h"
#include "game/turnkeeper.h"

#include <QCoreApplication>
#include <QScopeGuard>

#include <algorithm>

namespace animation {

QSize frameSize(const Game& game, qreal scale) {
    return mapshot::deviceRect(game, MapShot{scale, {}, {}, {}}).size();
}

std::vector<HistoryEntry> positions(const std::vector<HistoryEntry>& kept) {
    const std::vector<TurnStart> starts = turnStarts(keptTurns(kept));
    if (starts.empty())
        return kept;
    std::vector<HistoryEntry> shown;
    shown.reserve(starts.size());
    for (const TurnStart& start : starts)
        shown.push_back(kept[start.index]);
    return shown;
}

ExportOutcome draw(const Game& game, qreal scale, int count, const std::function<void(int)>& show,
                   FrameSink& sink, ExportProgress& progress) {
    const auto noMemory = [] {
        return ExportOutcome::failed(QCoreApplication::translate(
            "Animation", "there is not enough memory for the animation"));
    };
    // Counted in rows, so that the bar moves within a large frame.
    const qint64 rows = std::max(1, frameSize(game, scale).height());
    const qint64 total = rows * count;
    qint64 done = 0;
    bool stopped = false;
    const auto goOn = [&] {
        stopped = stopped || !progress.advance(done, total);
        return !stopped;
    };
    sink.setKeepGoing(goOn);
    const auto forget = qScopeGuard([&sink] { sink.setKeepGoing({}); });
    const auto failed = [&](ExportOutcome outcome) {
        return stopped ? ExportOutcome::stopped() : std::move(outcome);
    };
    for (int i = 0; i < count; ++i) {
        done = rows * i;
        if (!goOn())
            return ExportOutcome::stopped();
        show(i);
        QImage* canvas = sink.nextCanvas();
        if (!canvas)
            return failed(noMemory());
        const MapShot shot{
            scale,
            {},
            buildMoveOverlay(game.turn().openedMoves().changes, game.counters(), game.board()),
            turnText(game.turn().order(), false)};
        const bool drawn = mapshot::drawInto(game, shot, *canvas, [&](int drawnRows) {
            done = rows * i + drawnRows;
            return goOn();
        });
        if (!drawn)
            return failed(noMemory());
        QString error;
        if (!sink.addFrame(&error))
            return failed(ExportOutcome::failed(error));
    }
    done = total;
    if (!goOn())
        return ExportOutcome::stopped();
    QString error;
    return sink.finish(&error) ? ExportOutcome::done() : failed(ExportOutcome::failed(error));
}

} // namespace animation
