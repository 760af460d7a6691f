#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

// Encodes a picture as PNG band of rows by band of rows, on a thread of its own, so that a
// picture too large to hold whole never has to be held, and the next band can be drawn
// while this one is packed. Opaque RGB, 8 bits a channel, packed for speed over size
// (zlib's fastest level, one cheap filter): the pixels come back exactly.
class PngStreamWriter {
public:
    explicit PngStreamWriter(QSize size);
    ~PngStreamWriter();
    PngStreamWriter(const PngStreamWriter&) = delete;
    PngStreamWriter& operator=(const PngStreamWriter&) = delete;

    // The next rows, top to bottom, in any format (RGB32 goes without a conversion). Waits
    // while two bands are still to be packed, so only a few are held at a time.
    void write(QImage rows);
    // Waits for every band written; the PNG file's bytes, or empty when libpng refused (out
    // of memory) or the rows written do not make up the picture.
    QByteArray finish();

private:
    struct Encoder;
    void encodeQueued();

    QSize size_;
    std::mutex mutex_; // guards the queue and the end
    std::condition_variable changed_;
    std::deque<QImage> queue_;
    bool ended_ = false;
    std::unique_ptr<Encoder> encoder_; // used by the thread, then by finish()
    std::thread thread_;
};
