#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised when a reader is asked for more bytes than remain.
class StreamEndError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends little-endian 32-bit integers and counted texts to a byte buffer, the layout
// of the move file on every platform.
class ByteWriter {
public:
    void writeInt32(std::int32_t value);
    // Length, the bytes, then one zero byte that the length does not count.
    void writeText(const std::string& text);
    void writeBytes(const char* data, qsizetype size) { bytes_.append(data, size); }

    const QByteArray& bytes() const { return bytes_; }
    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

// Reads the same layout back; never reads past the end of its bytes.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}
    // The reader only views its bytes: a temporary array would be gone before the reads.
    explicit ByteReader(QByteArray&&) = delete;

    // `what` names the field in the error when the bytes run out ("the die value of
    // combat 3 in the combat section").
    std::int32_t readInt32(std::string_view what = "a number");
    // The counted text as stored (length n, n bytes, a zero byte), refused when n is
    // negative or above maxLength; the text is cut at its first zero byte. `what` names
    // the text in errors.
    std::string readText(std::int32_t maxLength, std::string_view what);

    qsizetype position() const { return pos_; }
    qsizetype remaining() const { return bytes_.size() - pos_; }
    bool atEnd() const { return pos_ >= bytes_.size(); }

private:
    void require(qsizetype count, std::string_view what) const;

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};
