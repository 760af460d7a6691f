#include "history/gamehistory.h"

#include "movefile/movefile.h"
#include "movefile/turnkeeper.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

namespace {

const QString kGamePrefix = QStringLiteral("game-");
const QString kFolderPrefix = QStringLiteral("folder-");
// Long enough to recognise a file; with the rest of the name within any file system's
// limit of 255 bytes, even in four-byte characters.
constexpr qsizetype kMaxTitleLength = 40;

QString titleOf(const QString& file) {
    QString title = QFileInfo(file).fileName();
    if (title.endsWith(QStringLiteral(".krv"), Qt::CaseInsensitive))
        title.chop(4);
    return title.left(kMaxTitleLength);
}

QByteArray contentsOf(const QString& path) {
    try {
        return readMoveFileBytes(path);
    } catch (const MoveFileError&) {
        return {};
    }
}

} // namespace

GameHistory::GameHistory(QString root) : root_(std::move(root)) {}

QString GameHistory::defaultRoot() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/history");
}

QString GameHistory::gameKey(const std::optional<GameId>& id, const QString& file) {
    return id ? kGamePrefix + id->toHex() : kFolderPrefix + folderKey(file);
}

QString GameHistory::folderKey(const QString& file) {
    const QFileInfo info(file);
    const QString canonical = info.absoluteDir().canonicalPath();
    const QString folder = canonical.isEmpty() ? info.absolutePath() : canonical;
    const QByteArray hash = QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(hash.left(8).toHex());
}

QString GameHistory::record(const QByteArray& bytes, const std::optional<GameId>& id,
                            const QString& file, HistoryEntry::Kind kind,
                            const QDateTime& when) const {
    const QString title = titleOf(file);
    const auto refused = [&](const QString& reason) {
        return QStringLiteral("The game's history kept no copy of %1: %2.")
            .arg(QFileInfo(file).fileName(), reason);
    };
    if (root_.isEmpty())
        return refused(QStringLiteral("this system has no folder for application data"));
    const QString key = gameKey(id, file);
    const QDir game(root_ + QLatin1Char('/') + key);
    if (!QDir().mkpath(game.path()))
        return refused(QStringLiteral("the folder %1 could not be made")
                           .arg(QDir::toNativeSeparators(game.path())));
    // A link planted in the game folder's place would take the copies anywhere.
    if (QFileInfo(game.path()).isSymLink())
        return refused(QStringLiteral("the folder %1 is a symbolic link")
                           .arg(QDir::toNativeSeparators(game.path())));

    const std::vector<HistoryEntry> kept = entries(key);
    if (!kept.empty() && contentsOf(kept.back().path) == bytes)
        return {}; // opened again, or opened right after it was saved: nothing new
    // Two copies in one millisecond get consecutive times, so name order stays time order.
    // No name goes past the latest time a name can carry (after a planted name or a clock
    // gone wrong): the history would not know it, and every later copy would take it too.
    const QDateTime latest = HistoryEntry::latestTime();
    QDateTime time = std::min(when.toUTC(), latest);
    if (!kept.empty() && time <= kept.back().time && kept.back().time < latest)
        time = kept.back().time.addMSecs(1);
    const auto pathAt = [&](const QDateTime& t) {
        return game.filePath(HistoryEntry::fileNameFor(t, kind, folderKey(file), title));
    };
    // Never over something already there, a link least of all.
    const int step = time < latest ? 1 : -1;
    QString path = pathAt(time);
    for (int tries = 0; QFileInfo(path).exists() || QFileInfo(path).isSymLink(); ++tries) {
        if (tries == 1000)
            return refused(QStringLiteral("no free name was found"));
        time = time.addMSecs(step);
        path = pathAt(time);
    }
    QString error;
    if (!saveFileSafely(path, bytes, &error))
        return refused(error);
    // A cut copy would be worse than none, and a disk that fills up during the writer's last
    // flush is not reported by every Qt.
    if (QFileInfo(path).size() != bytes.size()) {
        QFile::remove(path);
        return refused(QStringLiteral("the copy was cut short, most likely by a full disk"));
    }
    return {};
}

// The names in a folder that match the filter, sorted; no file is looked at, only the
// folder's list (an Open may meet hundreds of copies).
QStringList GameHistory::namesIn(const QString& folder, const QString& filter,
                                 QDir::Filters kind) const {
    QStringList names;
    if (root_.isEmpty())
        return names;
    // Links are none of the history's: it never makes one.
    QDirIterator it(folder, {filter}, kind | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    while (it.hasNext()) {
        it.next();
        names << it.fileName();
    }
    names.sort();
    return names;
}

QStringList GameHistory::gameKeys() const {
    QStringList keys = namesIn(root_, kGamePrefix + QLatin1Char('*'), QDir::Dirs) +
                       namesIn(root_, kFolderPrefix + QLatin1Char('*'), QDir::Dirs);
    keys.sort();
    return keys;
}

std::vector<HistoryEntry> GameHistory::entries(const QString& gameKey) const {
    std::vector<HistoryEntry> result;
    const QString game = root_ + QLatin1Char('/') + gameKey;
    if (QFileInfo(game).isSymLink())
        return result;
    for (const QString& name : namesIn(game, QStringLiteral("*.krv"), QDir::Files))
        if (std::optional<HistoryEntry> entry =
                HistoryEntry::fromPath(game + QLatin1Char('/') + name))
            result.push_back(std::move(*entry));
    return result;
}

std::optional<GameId> GameHistory::gameOfFolder(const QString& file) const {
    // A copy's name starts with its time, so the greatest name is the newest copy.
    const QString filter = QStringLiteral("*_") + folderKey(file) + QStringLiteral("_*.krv");
    std::optional<GameId> newestGame;
    QString newest;
    for (const QString& game : namesIn(root_, kGamePrefix + QLatin1Char('*'), QDir::Dirs)) {
        const std::optional<GameId> id = GameId::fromHex(game.mid(kGamePrefix.size()));
        const QStringList names = namesIn(root_ + QLatin1Char('/') + game, filter, QDir::Files);
        if (id && !names.isEmpty() && names.last() > newest) {
            newestGame = id;
            newest = names.last();
        }
    }
    return newestGame;
}

std::optional<EarlierFile> GameHistory::ownLastFile(const GameId& id,
                                                    const OpenedMoveFile& opened) const {
    const std::vector<HistoryEntry> kept = entries(gameKey(id, {}));
    for (auto entry = kept.rbegin(); entry != kept.rend(); ++entry) {
        if (entry->kind != HistoryEntry::Kind::Saved)
            continue;
        try {
            return earlierFileFor(opened, read(*entry), entry->title + QStringLiteral(".krv"));
        } catch (const MoveFileError&) {
            // A copy damaged on disk: the one before it is the best there is.
        }
    }
    return std::nullopt;
}

HistoryContext GameHistory::contextFor(const OpenedMoveFile& file, const QString& path) const {
    HistoryContext context;
    const std::optional<GameId>& fileGame = file.extension.gameId;
    if (!fileGame)
        context.folderGame = gameOfFolder(path);
    const std::optional<GameId> game = fileGame ? fileGame : context.folderGame;
    if (!game)
        return context;
    // The newest readable saved copy is the player's own last file (ownLastFile) and tells
    // the turn answered last; only copies of the file's size can hold its bytes, so the
    // others are never read.
    bool newestRead = false;
    const std::vector<HistoryEntry> kept = entries(gameKey(*game, {}));
    for (auto entry = kept.rbegin(); entry != kept.rend() && !context.savedByPlayer; ++entry) {
        if (entry->kind != HistoryEntry::Kind::Saved ||
            (newestRead && QFileInfo(entry->path).size() != file.bytes.size()))
            continue;
        try {
            const OpenedMoveFile saved = read(*entry);
            if (!std::exchange(newestRead, true)) {
                context.ownLastFile =
                    earlierFileFor(file, saved, entry->title + QStringLiteral(".krv"));
                context.lastSavedTurn = saved.extension.turn;
            }
            context.savedByPlayer = saved.bytes == file.bytes;
        } catch (const MoveFileError&) {
            // A copy damaged on disk tells nothing.
        }
    }
    return context;
}

OpenedMoveFile GameHistory::read(const HistoryEntry& entry) {
    return readOpenedMoveFile(entry.path);
}
