#include "app/export/pictureexport.h"

#include "base/pngstreamwriter.h"
#include "base/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString fileTargetRefusal(const QString& path) {
    const QFileInfo info(path);
    // In the words the safe writer and the folder of frames use for the same faults.
    if (info.isDir())
        return QCoreApplication::translate("SafeSave", "%1 is a folder")
            .arg(QDir::toNativeSeparators(path));
    if (!info.dir().exists())
        return QCoreApplication::translate("FrameSink", "the folder it would go in does not exist");
    return {};
}

ExportOutcome exportPicture(const Game& game, const MapShot& shot, const QString& path,
                            ExportProgress& progress) {
    const QSize size = mapshot::deviceRect(game, shot).size();
    PngStreamWriter writer(size);
    bool stopped = false;
    const bool drawn = mapshot::drawBands(game, shot, [&](QImage band, int top) {
        const int bottom = top + band.height();
        writer.write(std::move(band));
        stopped = !progress.advance(bottom, size.height());
        return !stopped;
    });
    // The bands under way are packed either way before the writer goes.
    const QByteArray png = writer.finish();
    if (stopped)
        return ExportOutcome::stopped();
    if (!drawn)
        return ExportOutcome::failed(QCoreApplication::translate(
            "PictureExport", "there is not enough memory for the picture"));
    if (png.isEmpty())
        return ExportOutcome::failed(
            QCoreApplication::translate("PictureExport", "the picture could not be encoded"));
    QString error;
    return saveFileSafely(path, png, &error) ? ExportOutcome::done() : ExportOutcome::failed(error);
}
