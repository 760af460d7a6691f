#include "app/export/animation.h"

#include "app/dialogs/gamesetupdialog.h"
#include "app/export/framesink.h"
#include "app/export/mapshot.h"
#include "game/game.h"
#include "game/turnkeeper.h"

#include <QCoreApplication>

namespace animation {

QSize frameSize(const Game& game, qreal scale) {
    return mapshot::deviceRect(game, MapShot{scale, {}, {}, {}}).size();
}

ExportOutcome draw(const Game& game, qreal scale, int count, const std::function<void(int)>& show,
                   FrameSink& sink, ExportProgress& progress) {
    const auto noMemory = [] {
        return ExportOutcome::failed(QCoreApplication::translate(
            "Animation", "there is not enough memory for the animation"));
    };
    for (int i = 0; i < count; ++i) {
        if (!progress.advance(i, count))
            return ExportOutcome::stopped();
        show(i);
        QImage* canvas = sink.nextCanvas();
        if (!canvas)
            return noMemory();
        const MapShot shot{
            scale,
            {},
            buildMoveOverlay(game.turn().openedMoves().changes, game.counters(), game.board()),
            turnText(game.turn().order(), false)};
        if (!mapshot::drawInto(game, shot, *canvas))
            return noMemory();
        QString error;
        if (!sink.addFrame(&error))
            return ExportOutcome::failed(error);
    }
    if (!progress.advance(count, count))
        return ExportOutcome::stopped();
    QString error;
    return sink.finish(&error) ? ExportOutcome::done() : ExportOutcome::failed(error);
}

} // namespace animation
