#include "base/bytestream.h"

#include <QCoreApplication>

#include <cstring>

void ByteWriter::writeInt32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const char le[4] = {static_cast<char>(u & 0xFFu), static_cast<char>((u >> 8) & 0xFFu),
                        static_cast<char>((u >> 16) & 0xFFu), static_cast<char>((u >> 24) & 0xFFu)};
    bytes_.append(le, 4);
}

void ByteWriter::writeText(const std::string& text) {
    writeInt32(static_cast<std::int32_t>(text.size()));
    bytes_.append(text.data(), static_cast<qsizetype>(text.size()));
    bytes_.append('\0');
}

void ByteReader::require(qsizetype count, std::string_view what) const {
    if (count > remaining())
        throw StreamEndError(QCoreApplication::translate("ByteStream", "the file ends inside %1")
                                 .arg(QString::fromUtf8(what.data(), qsizetype(what.size())))
                                 .toStdString());
}

std::int32_t ByteReader::readInt32(std::string_view what) {
    require(4, what);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + pos_);
    pos_ += 4;
    const std::uint32_t u = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) |
                            (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
    return static_cast<std::int32_t>(u);
}

std::string ByteReader::readText(std::int32_t maxLength, std::string_view what) {
    // The name is made only for an error: texts are read by the hundred thousand.
    const auto name = [what] { return QString::fromUtf8(what.data(), qsizetype(what.size())); };
    const std::int32_t length =
        remaining() >= 4 ? readInt32()
                         : readInt32(QCoreApplication::translate("ByteStream", "the length of %1")
                                         .arg(name())
                                         .toStdString());
    if (length < 0)
        throw std::runtime_error(
            QCoreApplication::translate("ByteStream", "the length of %1 is negative (%2)")
                .arg(name())
                .arg(length)
                .toStdString());
    if (length > maxLength)
        throw std::runtime_error(
            QCoreApplication::translate("ByteStream",
                                        "the length of %1 is %2, more than its box holds (%3)")
                .arg(name())
                .arg(length)
                .arg(maxLength)
                .toStdString());
    require(qsizetype{length} + 1, what);
    const char* start = bytes_.data() + pos_;
    pos_ += qsizetype{length} + 1;
    const void* zero = std::memchr(start, '\0', static_cast<std::size_t>(length));
    const auto kept = zero ? static_cast<const char*>(zero) - start : qsizetype{length};
    return std::string(start, static_cast<std::size_t>(kept));
}
