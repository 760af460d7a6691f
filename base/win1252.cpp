#include "base/win1252.h"

#include <array>

namespace win1252 {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int encode(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == u)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

QString toUnicode(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        text += (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(char16_t{b});
    }
    return text;
}

std::string fromUnicode(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        const int b = encode(c);
        bytes += static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool canEncode(QChar c) {
    return encode(c) >= 0;
}

bool canEncode(const QString& text) {
    for (const QChar c : text)
        if (!canEncode(c))
            return false;
    return true;
}

} // namespace win1252
