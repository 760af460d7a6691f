#include "history/gameplaces.h"

#include "base/safesave.h"
#include "history/gamehistory.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// A game sees a handful of folders; a larger file is none of Korva's.
constexpr qint64 kMaxPlacesSize = 256 * 1024;

const QByteArray kAllies = QByteArrayLiteral("allies\n");
const QByteArray kAxis = QByteArrayLiteral("axis\n");

QString placesFile(const QString& root, const QString& gameKey) {
    return root + QLatin1Char('/') + gameKey + QStringLiteral("/places");
}

QString sideFile(const QString& root, const QString& gameKey) {
    return root + QLatin1Char('/') + gameKey + QStringLiteral("/side");
}

// Only a real file in a real game folder: a link in their place is none of the history's.
bool isOwnFile(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    return !file.isSymLink() && !folder.isSymLink() && folder.isDir();
}

QHash<QString, QString> readPlaces(const QString& path) {
    QHash<QString, QString> places;
    QFile file(path);
    if (!isOwnFile(path) || !QFileInfo(path).isFile() || file.size() > kMaxPlacesSize ||
        !file.open(QIODevice::ReadOnly))
        return places;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            places.insert(QString::fromUtf8(line.left(space)),
                          QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(space + 1))));
    }
    return places;
}

} // namespace

namespace gameplaces {

void note(const QString& historyRoot, const std::optional<GameId>& id, const QString& file) {
    if (historyRoot.isEmpty() || file.isEmpty())
        return;
    const QString path = placesFile(historyRoot, GameHistory::gameKey(id, file));
    const QString key = GameHistory::folderKey(file);
    if (!isOwnFile(path) || readPlaces(path).contains(key))
        return;
    const QFileInfo info(file);
    const QString canonical = info.absoluteDir().canonicalPath();
    const QString folder = canonical.isEmpty() ? info.absolutePath() : canonical;
    QFile existing(path);
    QByteArray bytes;
    if (existing.size() <= kMaxPlacesSize && existing.open(QIODevice::ReadOnly))
        bytes = existing.readAll();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    // Encoded, so that no folder's name can break a line.
    bytes += key.toUtf8() + ' ' + folder.toUtf8().toPercentEncoding("/") + '\n';
    saveFileSafely(path, bytes);
}

void noteSide(const QString& historyRoot, const std::optional<GameId>& id, const QString& file,
              Side side) {
    if (historyRoot.isEmpty() || file.isEmpty())
        return;
    const QString path = sideFile(historyRoot, GameHistory::gameKey(id, file));
    if (isOwnFile(path))
        saveFileSafely(path, side == Side::First ? kAllies : kAxis);
}

std::optional<Side> sideOf(const QString& historyRoot, const QString& gameKey) {
    if (historyRoot.isEmpty())
        return std::nullopt;
    const QString path = sideFile(historyRoot, gameKey);
    QFile file(path);
    if (!isOwnFile(path) || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(16);
    if (bytes == kAllies)
        return Side::First;
    if (bytes == kAxis)
        return Side::Second;
    return std::nullopt;
}

QString folderOf(const QString& historyRoot, const QString& gameKey, const QString& folderKey) {
    if (historyRoot.isEmpty())
        return {};
    return readPlaces(placesFile(historyRoot, gameKey)).value(folderKey);
}

} // namespace gameplaces
