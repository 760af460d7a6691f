#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

struct WebPAnimEncoder;

// Encodes an animated WebP (libwebp's animation encoder) on a thread of its own, so that the
// next frame is drawn while this one is encoded. Frames are drawn into one of two canvases
// held here; the encoder copies what it keeps, so no more than those two frames' pixels are
// held beyond the encoder's own. Lossy, which keeps a whole game's animation small; the
// map's lettering stays legible.
class WebPAnimationWriter {
public:
    // Every frame shows for `frameMs` milliseconds; the animation repeats for ever.
    WebPAnimationWriter(QSize size, int frameMs);
    ~WebPAnimationWriter();
    WebPAnimationWriter(const WebPAnimationWriter&) = delete;
    WebPAnimationWriter& operator=(const WebPAnimationWriter&) = delete;

    // The encoder could be made and the canvases had (memory).
    bool isValid() const;
    // The canvas the next frame is drawn into, RGB32 of the animation's size; waits while both
    // are still being encoded. Its pixels are those of an earlier frame.
    QImage& nextCanvas();
    // The canvas last handed out holds the next frame.
    void addFrame();
    // Waits for every frame; the file's bytes, or empty with *error set when libwebp failed.
    // Once only: the canvases and the encoder go.
    QByteArray finish(QString* error);

private:
    void encodeQueued();

    QSize size_;
    int frameMs_;
    WebPAnimEncoder* encoder_ = nullptr;
    std::array<QImage, 2> canvases_;
    std::array<bool, 2> busy_{};
    int next_ = 0;
    int frames_ = 0;

    std::mutex mutex_; // guards busy_, the queue, the end and the failure
    std::condition_variable changed_;
    std::deque<int> queue_;
    bool ended_ = false;
    QString failure_;
    std::thread thread_;
};
