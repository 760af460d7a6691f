#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
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
    // are still being encoded, asking `keepWaiting` now and then, and answers null once it
    // says no. Its pixels are those of an earlier frame.
    QImage* nextCanvas(const std::function<bool()>& keepWaiting);
    // The canvas last handed out holds the next frame.
    void addFrame();
    // Waits for every frame, asking `keepWaiting` as nextCanvas() does; the file's bytes, or
    // empty with *error set when libwebp failed (and left alone when told to stop). Once
    // only: the canvases and the encoder go.
    QByteArray finish(QString* error, const std::function<bool()>& keepWaiting);
    // Drops the frames still queued and breaks off the one being encoded: a large frame
    // takes seconds, and a stopped animation must not keep the player waiting.
    void abandon();
    // Frames encoded so far.
    int encodedFrames() const;

private:
    void encodeQueued();
    // Waits until `done` holds (under the lock), asking `keepWaiting` between short waits;
    // false when it said no.
    bool waitUntil(const std::function<bool()>& done, const std::function<bool()>& keepWaiting);

    QSize size_;
    int frameMs_;
    WebPAnimEncoder* encoder_ = nullptr;
    std::array<QImage, 2> canvases_;
    std::array<bool, 2> busy_{};
    int next_ = 0;
    int frames_ = 0;
    int encoded_ = 0;
    // Read by libwebp's progress hook while it encodes: the frame under way is given up.
    std::atomic<bool> abandoned_ = false;

    mutable std::mutex mutex_; // guards busy_, the queue, the counts, the end and the failure
    std::condition_variable changed_;
    std::deque<int> queue_;
    bool ended_ = false;
    QString failure_;
    std::thread thread_;
};
