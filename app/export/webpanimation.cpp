#include "app/export/webpanimation.h"

#include <QCoreApplication>

#include <chrono>

#include <webp/encode.h>
#include <webp/mux.h>

namespace {

// Good enough for the map's lettering at a tenth of a lossless file's size, fast enough for
// a game of fifty turns in seconds.
constexpr float kQuality = 82.0f;
constexpr int kMethod = 2;
// How often a wait for the encoder asks whether to go on.
constexpr auto kWaitSlice = std::chrono::milliseconds(50);

// libwebp asks this as it encodes; 0 breaks the frame off.
int goOnEncoding(int, const WebPPicture* picture) {
    return static_cast<const std::atomic<bool>*>(picture->user_data)->load() ? 0 : 1;
}

} // namespace

WebPAnimationWriter::WebPAnimationWriter(QSize size, int frameMs) : size_(size), frameMs_(frameMs) {
    WebPAnimEncoderOptions options;
    if (size.isEmpty() || !WebPAnimEncoderOptionsInit(&options))
        return;
    options.anim_params.loop_count = 0;
    options.anim_params.bgcolor = 0xFFFFFFFF;
    encoder_ = WebPAnimEncoderNew(size.width(), size.height(), &options);
    for (QImage& canvas : canvases_)
        canvas = QImage(size, QImage::Format_RGB32);
    if (isValid())
        thread_ = std::thread([this] { encodeQueued(); });
}

WebPAnimationWriter::~WebPAnimationWriter() {
    // Unfinished: whatever is queued is of no use any more.
    abandon();
    if (encoder_)
        WebPAnimEncoderDelete(encoder_);
}

void WebPAnimationWriter::abandon() {
    abandoned_ = true;
    {
        const std::lock_guard lock(mutex_);
        for (const int index : queue_)
            busy_[std::size_t(index)] = false;
        queue_.clear();
        ended_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

int WebPAnimationWriter::encodedFrames() const {
    const std::lock_guard lock(mutex_);
    return encoded_;
}

bool WebPAnimationWriter::waitUntil(const std::function<bool()>& done,
                                    const std::function<bool()>& keepWaiting) {
    std::unique_lock lock(mutex_);
    while (!changed_.wait_for(lock, kWaitSlice, done)) {
        // Asked without the lock: the question may take a while (it keeps a window painted).
        lock.unlock();
        const bool goOn = !keepWaiting || keepWaiting();
        lock.lock();
        if (!goOn)
            return done();
    }
    return true;
}

bool WebPAnimationWriter::isValid() const {
    return encoder_ && !canvases_[0].isNull() && !canvases_[1].isNull();
}

QImage* WebPAnimationWriter::nextCanvas(const std::function<bool()>& keepWaiting) {
    if (!waitUntil([this] { return !busy_[std::size_t(next_)]; }, keepWaiting))
        return nullptr;
    return &canvases_[std::size_t(next_)];
}

void WebPAnimationWriter::addFrame() {
    {
        const std::lock_guard lock(mutex_);
        busy_[std::size_t(next_)] = true;
        queue_.push_back(next_);
    }
    changed_.notify_all();
    next_ = 1 - next_;
}

void WebPAnimationWriter::encodeQueued() {
    WebPConfig config;
    const bool configured = WebPConfigInit(&config) != 0;
    config.quality = kQuality;
    config.method = kMethod;
    for (int timestamp = 0;; timestamp += frameMs_) {
        int index = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return ended_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            index = queue_.front();
            queue_.pop_front();
        }
        // A view of the canvas: the encoder copies the pixels it keeps.
        const QImage& canvas = canvases_[std::size_t(index)];
        WebPPicture picture;
        bool added = configured && WebPPictureInit(&picture);
        if (added) {
            picture.use_argb = 1;
            picture.width = canvas.width();
            picture.height = canvas.height();
            picture.argb = const_cast<uint32_t*>(reinterpret_cast<const uint32_t*>(canvas.bits()));
            picture.argb_stride = int(canvas.bytesPerLine() / 4);
            picture.progress_hook = &goOnEncoding;
            picture.user_data = &abandoned_;
            added = WebPAnimEncoderAdd(encoder_, &picture, timestamp, &config) != 0;
        }
        {
            const std::lock_guard lock(mutex_);
            if (!added && failure_.isEmpty())
                failure_ = QString::fromUtf8(WebPAnimEncoderGetError(encoder_));
            busy_[std::size_t(index)] = false;
            ++frames_;
            if (added)
                ++encoded_;
        }
        changed_.notify_all();
    }
}

QByteArray WebPAnimationWriter::finish(QString* error, const std::function<bool()>& keepWaiting) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (!isValid())
        return fail(QCoreApplication::translate("WebPAnimationWriter",
                                                "there is not enough memory for the animation"));
    if (!waitUntil([this] { return queue_.empty() && !busy_[0] && !busy_[1]; }, keepWaiting)) {
        abandon();
        return {};
    }
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
    thread_.join();
    // The file is put together without the canvases, and copied out without the encoder's
    // frames: a whole game's animation is large.
    canvases_ = {};
    if (!failure_.isEmpty())
        return fail(failure_);
    // The last frame lasts as long as the others.
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAdd(encoder_, nullptr, frames_ * frameMs_, nullptr) ||
        !WebPAnimEncoderAssemble(encoder_, &data))
        return fail(QString::fromUtf8(WebPAnimEncoderGetError(encoder_)));
    WebPAnimEncoderDelete(encoder_);
    encoder_ = nullptr;
    QByteArray bytes(reinterpret_cast<const char*>(data.bytes), qsizetype(data.size));
    WebPDataClear(&data);
    return bytes;
}
