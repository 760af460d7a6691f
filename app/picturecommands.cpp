#include "app/picturecommands.h"

#include "app/commandoutput.h"
#include "app/filecommands.h"
#include "app/headlesstext.h"
#include "app/map/mapscene.h"
#include "app/map/zoomedmap.h"
#include "app/modules.h"
#include "app/resourcedll/extractpictures.h"
#include "base/pngstreamwriter.h"
#include "base/residentmemory.h"
#include "base/safesave.h"
#include "board/picturemodule.h"
#include "game/fileshow.h"
#include "game/game.h"
#include "movefile/openedmovefile.h"
#include "overlay/moveoverlay.h"
#include "translations/language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <vector>

using commandoutput::kWriteFailed;
using commandoutput::refuse;
using commandoutput::tell;
using commandoutput::writeOut;

namespace {

// Qt's own notes about the headless platform (no runtime folder, no screen) would break
// the promise of one line on standard error for a refused file.
void dropQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        tell(message);
}

// The map as the window shows it at that zoom (at 100% the map picture itself), drawn and
// packed band by band: at a high zoom the whole picture is large. With `moves`, their marks
// on it. Nothing when there is not enough memory; empty when it could not be encoded.
std::optional<QByteArray> drawMap(const Game& game, const std::vector<CounterChange>* moves,
                                  qreal zoom) {
    const MapScene scene(game);
    ZoomedMap zoomed;
    zoomed.setSources(&game.mapPicture(), &scene);
    zoomed.setScale(zoom);
    const MoveOverlay marks =
        moves ? buildMoveOverlay(*moves, game.counters(), game.board()) : MoveOverlay{};
    PngStreamWriter writer(zoomed.deviceSize());
    // The marks go on each band's own pixels (at 100% a copy: the map picture is what the
    // game draws on).
    const bool drawn = zoomed.renderBands([&](QImage rows, int top) {
        if (moves) {
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
    QByteArray png = writer.finish();
    zoomed.setSources(nullptr, nullptr);
    if (!drawn)
        return std::nullopt;
    return png;
}

} // namespace

int renderPosition(int argc, char** argv, const RenderRequest& request) {
    const QString& out = request.out;
    // Text on the built-in pictures needs fonts, which need a platform; none needs a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(&dropQtNotes);
    // The bands drawn for a large zoom come and go: each goes back to the system when freed,
    // or the workers' heaps would keep them on top of the bands still to be packed.
    residentmemory::returnLargeBlocksWhenFreed();
    headlesstext::end();
    QGuiApplication app(argc, argv);
    language::installPreferred();
    std::optional<QByteArray> png;
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
        png = drawMap(game, request.moves ? &changes : nullptr, request.zoom);
        if (!png)
            return refuse(out, QCoreApplication::translate(
                                   "korva", "there is not enough memory for the picture"));
        if (png->isEmpty())
            return refuse(out,
                          QCoreApplication::translate("korva", "the picture could not be encoded"));
    } catch (const std::exception& error) {
        return refuse(reading, QString::fromUtf8(error.what()));
    }
    QString error;
    if (!saveFileSafely(out, *png, &error)) {
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
