#include "history/copypositions.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QByteArray kMagic = QByteArrayLiteral("korva-positions 1");
// Far more than the few lines written: anything larger is none of ours.
constexpr qint64 kMaxBytes = 1024;
constexpr qsizetype kHashBytes = 32;

// What identifies the copy as it stands: its size and when it was last written.
QByteArray stamp(const QFileInfo& copy) {
    return QByteArray::number(copy.size()) + ' ' +
           QByteArray::number(copy.lastModified().toMSecsSinceEpoch());
}

// An empty key (a copy that could not be read) is written as "-".
QByteArray keyText(const QByteArray& key) {
    return key.isEmpty() ? QByteArrayLiteral("-") : key.toHex();
}

std::optional<QByteArray> keyOf(const QByteArray& text) {
    if (text == "-")
        return QByteArray();
    const QByteArray key = QByteArray::fromHex(text);
    if (key.size() != kHashBytes || key.toHex() != text)
        return std::nullopt;
    return key;
}

} // namespace

QString copypositions::pathFor(const QString& copy) {
    return copy + QStringLiteral(".positions");
}

bool copypositions::write(const QString& copy, const QByteArray& hash,
                          const positionkey::Turn& turn) {
    const QFileInfo info(copy);
    const QString path = pathFor(copy);
    if (!info.isFile() || info.isSymLink() || QFileInfo(path).isSymLink() ||
        hash.size() != kHashBytes)
        return false;
    const QByteArray text = kMagic + '\n' + stamp(info) + '\n' + hash.toHex() + '\n' +
                            keyText(turn.begin) + '\n' + keyText(turn.end) + '\n';
    // Whole or not at all, yet not synced to the disk: one lost in a crash is only read again.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(text) != text.size() || !file.flush())
        return false;
    QFile::remove(path);
    if (!file.rename(path))
        return false;
    file.setAutoRemove(false);
    return true;
}

std::optional<positionkey::Turn> copypositions::read(const QString& copy,
                                                     const QByteArray& knownHash) {
    const QString path = pathFor(copy);
    const QFileInfo info(copy);
    const QFileInfo side(path);
    if (!info.isFile() || info.isSymLink() || !side.isFile() || side.isSymLink() ||
        side.size() > kMaxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.read(kMaxBytes).split('\n');
    if (lines.size() != 6 || lines[0] != kMagic || !lines[5].isEmpty() || lines[1] != stamp(info))
        return std::nullopt;
    const std::optional<QByteArray> hash = keyOf(lines[2]);
    const std::optional<QByteArray> begin = keyOf(lines[3]);
    const std::optional<QByteArray> end = keyOf(lines[4]);
    if (!hash || hash->isEmpty() || !begin || !end || (!knownHash.isEmpty() && *hash != knownHash))
        return std::nullopt;
    return positionkey::Turn{*begin, *end};
}
