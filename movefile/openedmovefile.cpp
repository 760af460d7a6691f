#include "movefile/openedmovefile.h"

#include "movefile/movefilereader.h"

OpenedMoveFile parseOpenedMoveFile(QByteArray bytes) {
    OpenedMoveFile file;
    qsizetype bannerEnd = 0;
    file.contents = parseMoveFile(bytes, &bannerEnd);
    KorvaExtensionRead block = parseKorvaExtension(QByteArrayView(bytes).sliced(bannerEnd));
    file.extension = std::move(block.extension);
    file.extensionWarning = std::move(block.warning);
    file.bytes = std::move(bytes);
    return file;
}

OpenedMoveFile readOpenedMoveFile(const QString& path) {
    return parseOpenedMoveFile(readMoveFileBytes(path));
}

std::optional<EarlierFile> earlierFileFor(const OpenedMoveFile& opened,
                                          const OpenedMoveFile& earlier, const QString& name) {
    if (earlier.bytes == opened.bytes)
        return std::nullopt;
    return EarlierFile{earlier.contents.counters, name};
}
