#include "app/export/framesink.h"

#include "base/pngstreamwriter.h"
#include "base/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

WebPFileSink::WebPFileSink(QString path, QSize size, int frameMs)
    : path_(std::move(path)), writer_(size, frameMs) {}

QImage* WebPFileSink::nextCanvas() {
    return writer_.isValid() ? &writer_.nextCanvas() : nullptr;
}

bool WebPFileSink::addFrame(QString*) {
    writer_.addFrame();
    return true;
}

bool WebPFileSink::finish(QString* error) {
    QString why;
    const QByteArray bytes = writer_.finish(&why);
    if (bytes.isEmpty()) {
        if (error)
            *error =
                why.isEmpty()
                    ? QCoreApplication::translate("FrameSink", "the animation could not be encoded")
                    : why;
        return false;
    }
    return saveFileSafely(path_, bytes, error);
}

PngFolderSink::PngFolderSink(QString folder, QSize size, int frameCount)
    : folder_(std::move(folder)), canvas_(size, QImage::Format_RGB32),
      digits_(std::max(4, int(QString::number(frameCount).size()))) {}

PngFolderSink::~PngFolderSink() = default;

QString PngFolderSink::refusal(const QString& folder) {
    const QFileInfo info(folder);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QCoreApplication::translate("FrameSink", "it is there and is not a folder");
    if (info.exists() && !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot |
                                               QDir::Hidden | QDir::System))
        return QCoreApplication::translate("FrameSink", "the folder is not empty");
    if (!info.dir().exists())
        return QCoreApplication::translate("FrameSink", "the folder it would go in does not exist");
    return {};
}

QImage* PngFolderSink::nextCanvas() {
    return canvas_.isNull() ? nullptr : &canvas_;
}

bool PngFolderSink::addFrame(QString* error) {
    if (!making_) {
        // Beside the target, so that the last step is a rename within one file system.
        const QFileInfo target(folder_);
        making_ = std::make_unique<QTemporaryDir>(target.absolutePath() +
                                                  QStringLiteral("/.korva-frames-XXXXXX"));
        if (!making_->isValid()) {
            if (error)
                *error = making_->errorString();
            making_.reset();
            return false;
        }
    }
    PngStreamWriter png(canvas_.size());
    png.write(canvas_);
    const QByteArray bytes = png.finish();
    if (bytes.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("FrameSink", "the picture could not be encoded");
        return false;
    }
    ++written_;
    const QString name =
        QStringLiteral("frame-%1.png").arg(written_, digits_, 10, QLatin1Char('0'));
    return saveFileSafely(making_->filePath(name), bytes, error);
}

bool PngFolderSink::finish(QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!making_)
        return fail(QCoreApplication::translate("FrameSink", "there were no frames"));
    const QString refused = refusal(folder_);
    if (!refused.isEmpty())
        return fail(refused);
    // An empty folder of that name makes way; anything else stays, and the frames go.
    const QFileInfo target(folder_);
    if (target.exists() && !QDir().rmdir(target.absoluteFilePath()))
        return fail(
            QCoreApplication::translate("FrameSink", "the empty folder there cannot be replaced"));
    if (!QDir().rename(making_->path(), target.absoluteFilePath()))
        return fail(QCoreApplication::translate("FrameSink",
                                                "the folder of frames cannot be given its name"));
    making_->setAutoRemove(false);
    making_.reset();
    // A temporary folder is its owner's alone; the frames are meant to be shared.
    QFile::setPermissions(target.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ExeOwner | QFile::ReadGroup |
                                                         QFile::ExeGroup | QFile::ReadOther |
                                                         QFile::ExeOther);
    return true;
}
