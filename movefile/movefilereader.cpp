#include "movefile/movefilereader.h"

#include "base/bytestream.h"
#include "combat/taggermgr.h"
#include "counters/countermgr.h"
#include "counters/orderofbattle.h"
#include "counters/zekcounter.h"
#include "geometry/hexgrid.h"
#include "movefile/bannersection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace {

// The loss steps of each counter, in order-of-battle order.
const std::vector<int>& counterSteps() {
    static const std::vector<int> steps = [] {
        CounterInitList rows;
        buildOrderOfBattle(rows);
        std::vector<int> result;
        for (const ZeKCounterInitStruct& row : rows)
            result.push_back(row.steps);
        return result;
    }();
    return steps;
}

void checkCounter(const CounterRecord& record, std::size_t index) {
    if (!hexgrid::isValidHex(record.startHex))
        throw MoveFileError(QCoreApplication::translate(
                                "MoveFileReader", "counter %1 starts in hex %2, outside the map")
                                .arg(index + 1)
                                .arg(record.startHex)
                                .toStdString());
    if (!hexgrid::isValidHex(record.currentHex))
        throw MoveFileError(QCoreApplication::translate(
                                "MoveFileReader", "counter %1 stands in hex %2, outside the map")
                                .arg(index + 1)
                                .arg(record.currentHex)
                                .toStdString());
    const int steps = counterSteps().at(index);
    if (record.losses < 0 || record.losses > steps)
        throw MoveFileError(QCoreApplication::translate("MoveFileReader",
                                                        "counter %1 has %2 losses, outside 0 to %3")
                                .arg(index + 1)
                                .arg(record.losses)
                                .arg(steps)
                                .toStdString());
    if (record.marker < 0 || record.marker > 2)
        throw MoveFileError(QCoreApplication::translate(
                                "MoveFileReader", "counter %1 has the marker %2, outside 0 to 2")
                                .arg(index + 1)
                                .arg(record.marker)
                                .toStdString());
}

std::vector<CounterRecord> parseCounters(ByteReader& in) {
    auto counters = CounterMgr::readRecords(in);
    if (!counters)
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader",
                                        "this is not a move file (wrong counters section mark)")
                .toStdString());
    for (std::size_t i = 0; i < counters->size(); ++i)
        checkCounter((*counters)[i], i);
    return std::move(*counters);
}

MoveFileContents parse(ByteReader& in) {
    MoveFileContents contents;
    contents.counters = parseCounters(in);
    contents.tags = readTagsSection(in);
    contents.banners = readBanners(in);
    return contents;
}

// Opens a file that may be a move file for reading; refuses anything else, and a file
// larger than any move file.
void openMoveFile(const QString& path, QFile& file) {
    const QFileInfo info(path);
    if (!info.exists())
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader", "the file does not exist").toStdString());
    if (info.isDir())
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader", "it is a folder, not a move file")
                .toStdString());
    if (!info.isFile())
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader", "it is not an ordinary file")
                .toStdString());
    if (info.size() > movefile::kMaxFileSize)
        throw MoveFileError(
            QCoreApplication::translate(
                "MoveFileReader",
                "the file is %1 bytes long, over the size limit of %2 bytes for a move file")
                .arg(info.size())
                .arg(movefile::kMaxFileSize)
                .toStdString());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader", "the file cannot be read: %1")
                .arg(file.errorString())
                .toStdString());
}

} // namespace

MoveFileContents parseMoveFile(QByteArrayView bytes, qsizetype* bannerEnd) {
    ByteReader in(bytes);
    try {
        MoveFileContents contents = parse(in);
        if (bannerEnd)
            *bannerEnd = in.position();
        return contents;
    } catch (const MoveFileError&) {
        throw;
    } catch (const std::exception& error) {
        // Reader errors already name what was wrong; give them the one error type.
        throw MoveFileError(error.what());
    }
}

MoveFileContents readMoveFile(const QString& path) {
    return parseMoveFile(readMoveFileBytes(path));
}

QByteArray readMoveFileBytes(const QString& path) {
    QFile file;
    openMoveFile(path, file);
    // Up to one byte beyond the limit, in case the file grew after it was measured; in
    // pieces, as a single read of the limit would first take 16 MB of memory.
    QByteArray bytes;
    bytes.reserve(file.size() + 1);
    constexpr qint64 kPiece = 64 * 1024;
    while (bytes.size() <= movefile::kMaxFileSize) {
        const QByteArray piece = file.read(qMin(kPiece, movefile::kMaxFileSize + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError)
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader", "the file cannot be read: %1")
                .arg(file.errorString())
                .toStdString());
    if (bytes.size() > movefile::kMaxFileSize)
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader",
                                        "the file grew over the size limit of %1 bytes for a "
                                        "move file while it was read")
                .arg(movefile::kMaxFileSize)
                .toStdString());
    return bytes;
}

std::vector<CounterRecord> readMoveFileCounters(const QString& path) {
    QFile file;
    openMoveFile(path, file);
    constexpr qint64 kSectionSize = 8 + qint64{kOrderOfBattleSize} * CounterRecord::kSize;
    const QByteArray head = file.read(kSectionSize);
    if (file.error() != QFileDevice::NoError)
        throw MoveFileError(
            QCoreApplication::translate("MoveFileReader", "the file cannot be read: %1")
                .arg(file.errorString())
                .toStdString());
    ByteReader in(head);
    try {
        return parseCounters(in);
    } catch (const MoveFileError&) {
        throw;
    } catch (const std::exception& error) {
        throw MoveFileError(error.what());
    }
}

std::array<std::string, 3> applyMoveFile(const MoveFileContents& contents, CounterMgr& counters,
                                         TaggerMgr& tags) {
    // Tags first: only they can fail (a missing picture), and they fail before changing
    // anything.
    tags.replaceWithOpened(contents.tags);
    counters.applyRecords(contents.counters);
    return contents.banners;
}
