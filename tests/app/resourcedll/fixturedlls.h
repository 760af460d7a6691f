#pragma once

#include "tests/app/resourcedll/fixturebitmaps.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

// The fixture DLLs built at build time: full32.dll, full64.dll, partial32.dll, partial64.dll.
namespace fixturedlls {

inline QString path(const QString& name) {
    return QDir(QStringLiteral(KORVA_FIXTURE_DIR)).filePath(name);
}

// Why a fixture cannot be used, or an empty text when it can.
inline QString missingReason(const QString& name) {
    const QString tools = QStringLiteral(KORVA_MISSING_TOOLS);
    if (!tools.isEmpty())
        return QStringLiteral("The fixture DLLs were not built: %1 missing. Install "
                              "binutils-mingw-w64-i686 and binutils-mingw-w64-x86-64 "
                              "(scripts/install-deps.sh test) and configure again.")
            .arg(tools);
    if (!QFile::exists(path(name)))
        return QStringLiteral("The fixture %1 was not built.").arg(path(name));
    return {};
}

inline QByteArray read(const QString& name) {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An exactly sized copy, so the sanitizers catch a read even one byte past the end.
inline std::vector<std::uint8_t> exactCopy(const QByteArray& bytes, qsizetype length) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return std::vector<std::uint8_t>(first, first + length);
}

// The bitmap resource as a DLL holds it: the .bmp file less its 14-byte file header.
inline std::vector<std::uint8_t> dibOf(const fixtures::Bitmap& b) {
    const std::vector<std::uint8_t> file = fixtures::bmpFile(b);
    return std::vector<std::uint8_t>(file.begin() + 14, file.end());
}

} // namespace fixturedlls

#define REQUIRE_FIXTURE_DLL(bytes, name)                                                           \
    QByteArray bytes;                                                                              \
    do {                                                                                           \
        const QString why = fixturedlls::missingReason(name);                                      \
        if (!why.isEmpty())                                                                        \
            QFAIL(qPrintable(why));                                                                \
        bytes = fixturedlls::read(name);                                                           \
        QVERIFY2(!bytes.isEmpty(), "the fixture DLL is empty");                                    \
    } while (false)
