#pragma once

#include "app/export/webpanimation.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QTemporaryDir;

// Where an animation's frames go. Nothing shows at the target until finish() succeeds: an
// animation stopped or failed half-way leaves nothing behind.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // Asked now and then while a frame is kept or the sink waits; once it answers false the
    // sink gives up what it is doing (answering null or false without an error).
    void setKeepGoing(std::function<bool()> keepGoing) { keepGoing_ = std::move(keepGoing); }
    // The picture the next frame is drawn into (RGB32, the animation's size); null when
    // memory ran out or when told to stop.
    virtual QImage* nextCanvas() = 0;
    // The canvas holds the next frame; false with *error when it could not be kept.
    virtual bool addFrame(QString* error) = 0;
    // Writes the animation to its target; false with *error when it could not.
    virtual bool finish(QString* error) = 0;

protected:
    FrameSink() = default;
    bool keepGoing() const { return !keepGoing_ || keepGoing_(); }
    const std::function<bool()>& keepGoingCheck() const { return keepGoing_; }

private:
    std::function<bool()> keepGoing_;
};

// An animated WebP file, through the safe writer.
class WebPFileSink final : public FrameSink {
public:
    WebPFileSink(QString path, QSize size, int frameMs);

    QImage* nextCanvas() override;
    bool addFrame(QString* error) override;
    bool finish(QString* error) override;

private:
    QString path_;
    WebPAnimationWriter writer_;
};

// A folder of numbered PNGs, frame-0001.png on, made under a hidden name beside the target
// and given its name once every frame is written. The target must not exist, or be an
// empty folder.
class PngFolderSink final : public FrameSink {
public:
    PngFolderSink(QString folder, QSize size, int frameCount);
    ~PngFolderSink() override;

    // Why the folder cannot be the target; empty when it can.
    static QString refusal(const QString& folder);
    // Removes the hidden folders of frames that earlier exports beside `folder` left behind
    // (a process killed half-way): those no export holds any more.
    static void clearLeftOvers(const QString& folder);

    QImage* nextCanvas() override;
    bool addFrame(QString* error) override;
    bool finish(QString* error) override;

private:
    QString folder_;
    QImage canvas_;
    int digits_;
    int written_ = 0;
    std::unique_ptr<QTemporaryDir> making_;
    // Held on the folder being made, so that no other export takes it for a leftover.
    int lock_ = -1;
};
