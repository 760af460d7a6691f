#include "base/pngstreamwriter.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <new>
#include <vector>

namespace {

constexpr std::size_t kMaxQueued = 2;

} // namespace

// libpng's state and what it wrote. libpng reports an error by a jump back to the setjmp
// of the call under way, so each call below has only plain values in its frame.
struct PngStreamWriter::Encoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QByteArray bytes;
    std::vector<png_byte> row; // one row as the file holds it: red, green, blue
    int rowsWritten = 0;
    bool failed = false;

    static void append(png_structp png, png_bytep data, png_size_t length) {
        auto* self = static_cast<Encoder*>(png_get_io_ptr(png));
        try {
            self->bytes.append(reinterpret_cast<const char*>(data), qsizetype(length));
        } catch (const std::bad_alloc&) {
            png_error(png, "out of memory");
        }
    }
    static void flush(png_structp) {}
    [[noreturn]] static void fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
    static void warn(png_structp, png_const_charp) {}

    bool start(QSize size) {
        png = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, &fail, &warn);
        info = png ? png_create_info_struct(png) : nullptr;
        if (!info)
            return false;
        if (setjmp(png_jmpbuf(png)))
            return false;
        png_set_write_fn(png, this, &append, &flush);
        // Speed first: the fastest zlib level and the one filter that costs a subtraction.
        png_set_compression_level(png, 1);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
        png_set_IHDR(png, info, png_uint_32(size.width()), png_uint_32(size.height()), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
                     PNG_FILTER_TYPE_BASE);
        png_write_info(png, info);
        return true;
    }

    // Packs each row into `row` here rather than through libpng's byte order and filler
    // transforms, which go a byte at a time over every row of a large picture.
    bool writeRows(const QImage& rows) {
        if (setjmp(png_jmpbuf(png)))
            return false;
        const int width = rows.width();
        for (int y = 0; y < rows.height(); ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(rows.constScanLine(y));
            png_byte* out = row.data();
            for (int x = 0; x < width; ++x, out += 3) {
                out[0] = png_byte(qRed(pixels[x]));
                out[1] = png_byte(qGreen(pixels[x]));
                out[2] = png_byte(qBlue(pixels[x]));
            }
            png_write_row(png, row.data());
        }
        rowsWritten += rows.height();
        return true;
    }

    bool end() {
        if (setjmp(png_jmpbuf(png)))
            return false;
        png_write_end(png, nullptr);
        return true;
    }

    ~Encoder() { png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr); }
};

PngStreamWriter::PngStreamWriter(QSize size) : size_(size), encoder_(std::make_unique<Encoder>()) {
    try {
        encoder_->row.resize(std::size_t(std::max(size.width(), 0)) * 3);
        encoder_->failed = !encoder_->start(size);
    } catch (const std::bad_alloc&) {
        encoder_->failed = true;
    }
    thread_ = std::thread([this] { encodeQueued(); });
}

PngStreamWriter::~PngStreamWriter() {
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void PngStreamWriter::write(QImage rows) {
    if (rows.format() != QImage::Format_RGB32)
        rows = rows.convertToFormat(QImage::Format_RGB32);
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < kMaxQueued; });
    queue_.push_back(std::move(rows));
    lock.unlock();
    changed_.notify_all();
}

void PngStreamWriter::encodeQueued() {
    for (;;) {
        QImage rows;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !queue_.empty() || ended_; });
            if (queue_.empty())
                return;
            rows = std::move(queue_.front());
            queue_.pop_front();
        }
        changed_.notify_all();
        // Rows beyond the picture's height would be an error in libpng: counted instead.
        if (!encoder_->failed && encoder_->rowsWritten + rows.height() <= size_.height() &&
            rows.width() == size_.width())
            encoder_->failed = !encoder_->writeRows(rows);
        else
            encoder_->failed = true;
    }
}

QByteArray PngStreamWriter::finish() {
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
    Encoder& encoder = *encoder_;
    if (!encoder.failed && encoder.rowsWritten != size_.height())
        encoder.failed = true;
    if (!encoder.failed)
        encoder.failed = !encoder.end();
    return encoder.failed ? QByteArray() : std::move(encoder.bytes);
}
