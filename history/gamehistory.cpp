#include "history/gamehistory.h"

#include "history/copypositions.h"
#include "history/positionkey.h"

#include "movefile/movefile.h"
#include "movefile/movefilereader.h"
#include "movefile/openedmovefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <new>
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

// The SHA-256 of a copy, read in pieces: a copy may be 16 MB, and only its hash is kept.
// Empty when it is no ordinary file of a move file's size or cannot be read.
QByteArray fileHash(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > movefile::kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return {};
    return hash.result();
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// A folder's time says nothing of a change made within the same tick of the file system's
// clock (a few milliseconds): a list taken this soon after the folder's last change is not
// kept.
constexpr qint64 kSettledMs = 100;
// Hashes remembered at most, a few thousand games' worth.
constexpr qsizetype kMaxHashes = 200000;

QDateTime changedAt(const QString& folder) {
    return QFileInfo(folder).fileTime(QFileDevice::FileModificationTime).toUTC();
}

using positionkey::present;
using positionkey::turnStart;

bool isHex(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
}

// A name the history gives a game's folder: "game-" and an id, or "folder-" and a folder key.
bool isGameKey(const QString& name) {
    if (name.startsWith(kGamePrefix))
        return GameId::fromHex(name.mid(kGamePrefix.size())).has_value();
    return name.size() == kFolderPrefix.size() + 16 && name.startsWith(kFolderPrefix) &&
           isHex(QStringView(name).mid(kFolderPrefix.size()));
}

} // namespace

struct GameHistory::Memory {
    struct Listing {
        QDateTime changed; // the folder's time when listed
        std::shared_ptr<const std::vector<HistoryEntry>> entries;
        qint64 bytes = -1; // the copies' sizes together; -1 until asked
    };
    struct Games {
        QDateTime changed; // the root's time when listed
        QStringList keys;
    };
    QMutex mutex;
    std::optional<Games> games;
    QHash<QString, Listing> listings;            // by game folder
    QHash<QString, QByteArray> hashes;           // by copy
    QHash<QString, positionkey::Turn> positions; // by copy
    QSet<QString> toldFull;                      // game folders whose copy was refused for its size
};

GameHistory::GameHistory(QString root, qint64 maxGameBytes)
    : root_(std::move(root)), maxGameBytes_(maxGameBytes), memory_(std::make_shared<Memory>()) {}

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

namespace {

QString refusedCopy(const QString& file, const QString& reason) {
    return QCoreApplication::translate("GameHistory", "The game's history kept no copy of %1: %2.")
        .arg(QFileInfo(file).fileName(), reason);
}

// Why no copy can go into the game's folder: made when missing, never through a link.
QString folderRefusal(const QString& root, const QDir& game) {
    if (root.isEmpty())
        return QCoreApplication::translate("GameHistory",
                                           "this system has no folder for application data");
    if (!QDir().mkpath(game.path()))
        return QCoreApplication::translate("GameHistory", "the folder %1 could not be made")
            .arg(QDir::toNativeSeparators(game.path()));
    // A link planted in the game folder's place would take the copies anywhere.
    if (QFileInfo(game.path()).isSymLink())
        return QCoreApplication::translate("GameHistory", "the folder %1 is a symbolic link")
            .arg(QDir::toNativeSeparators(game.path()));
    return {};
}

} // namespace

QString GameHistory::record(const QByteArray& bytes, const std::optional<GameId>& id,
                            const QString& file, HistoryEntry::Kind kind,
                            const QDateTime& when) const {
    const QString key = gameKey(id, file);
    const QDir game(root_ + QLatin1Char('/') + key);
    if (const QString refused = folderRefusal(root_, game); !refused.isEmpty())
        return refusedCopy(file, refused);

    const std::shared_ptr<const std::vector<HistoryEntry>> known = kept(key);
    const QByteArray hash = sha256(bytes);
    if (!known->empty() && holds(known->back(), bytes, hash))
        return {}; // opened again, or opened right after it was saved: nothing new
    if (kind == HistoryEntry::Kind::Opened &&
        keptBytes(game.path(), known) + bytes.size() > maxGameBytes_)
        return fullNotice(game.path(), file);
    const QDateTime listed = changedAt(game.path());
    const QString path = freeName(game, *known, file, kind, when);
    if (path.isEmpty())
        return refusedCopy(file,
                           QCoreApplication::translate("GameHistory", "no free name was found"));
    QString error;
    if (!saveFileSafely(path, bytes, &error))
        return refusedCopy(file, error);
    // A cut copy would be worse than none, and a disk that fills up during the writer's last
    // flush is not reported by every Qt.
    if (QFileInfo(path).size() != bytes.size()) {
        QFile::remove(path);
        return refusedCopy(
            file, QCoreApplication::translate(
                      "GameHistory", "the copy was cut short, most likely by a full disk"));
    }
    keepPositions(path, bytes, hash);
    if (kind == HistoryEntry::Kind::Opened) {
        // It fitted: when the game fills up again, the player hears of it again.
        const QMutexLocker lock(&memory_->mutex);
        memory_->toldFull.remove(game.path());
    }
    listCopy(game.path(), path, hash, listed);
    return {};
}

QString GameHistory::fullNotice(const QString& gameFolder, const QString& file) const {
    // Told once, or the notice would come back at every Open of the game.
    const QMutexLocker lock(&memory_->mutex);
    if (memory_->toldFull.contains(gameFolder))
        return {};
    memory_->toldFull.insert(gameFolder);
    return QCoreApplication::translate(
               "GameHistory",
               "The game's history kept no copy of %1: it holds %2 of this game, as much as "
               "it keeps of one game, and keeps no more of the files opened in it.")
        .arg(QFileInfo(file).fileName(),
             QLocale().formattedDataSize(maxGameBytes_, 0, QLocale::DataSizeTraditionalFormat));
}

QString GameHistory::freeName(const QDir& game, const std::vector<HistoryEntry>& copies,
                              const QString& file, HistoryEntry::Kind kind,
                              const QDateTime& when) const {
    const QString title = titleOf(file);
    // Two copies in one millisecond get consecutive times, so name order stays time order.
    // No name goes past the latest time a name can carry (after a planted name or a clock
    // gone wrong): the history would not know it, and every later copy would take it too.
    const QDateTime latest = HistoryEntry::latestTime();
    QDateTime time = std::min(when.toUTC(), latest);
    if (!copies.empty() && time <= copies.back().time && copies.back().time < latest)
        time = copies.back().time.addMSecs(1);
    const auto pathAt = [&](const QDateTime& t) {
        return game.filePath(HistoryEntry::fileNameFor(t, kind, folderKey(file), title));
    };
    // Never over something already there, a link least of all.
    const int step = time < latest ? 1 : -1;
    QString path = pathAt(time);
    for (int tries = 0; QFileInfo(path).exists() || QFileInfo(path).isSymLink(); ++tries) {
        if (tries == 1000)
            return {};
        time = time.addMSecs(step);
        path = pathAt(time);
    }
    return path;
}

void GameHistory::listCopy(const QString& gameFolder, const QString& path, const QByteArray& hash,
                           const QDateTime& listed) const {
    // The list known before, and this copy: the game's copies are written here only.
    if (std::optional<HistoryEntry> entry = HistoryEntry::fromPath(path)) {
        remember(*entry, hash);
        const QMutexLocker lock(&memory_->mutex);
        const auto listing = memory_->listings.find(gameFolder);
        if (listing != memory_->listings.end() && listing->changed == listed) {
            // A new list with the copy: those handed out before stay as they were.
            auto grown = std::make_shared<std::vector<HistoryEntry>>(*listing->entries);
            grown->insert(std::upper_bound(grown->begin(), grown->end(), *entry,
                                           [](const HistoryEntry& a, const HistoryEntry& b) {
                                               return QFileInfo(a.path).fileName() <
                                                      QFileInfo(b.path).fileName();
                                           }),
                          *entry);
            listing->entries = std::move(grown);
            listing->changed = changedAt(gameFolder);
            if (listing->bytes >= 0)
                listing->bytes += QFileInfo(path).size();
            return;
        }
    }
    // Nothing known to add to: the list as it stands now, kept though the folder has only
    // just changed (by this copy), or every Open would list it again.
    const QDateTime changed = changedAt(gameFolder);
    auto listing = std::make_shared<const std::vector<HistoryEntry>>(listEntries(gameFolder));
    const QMutexLocker lock(&memory_->mutex);
    memory_->listings.insert(gameFolder, {changed, std::move(listing)});
}

// The names in a folder that match the filter, sorted; no file is looked at, only the
// folder's list (an Open may meet hundreds of copies).
QStringList GameHistory::namesIn(const QString& folder, const QStringList& filters,
                                 QDir::Filters kind) const {
    QStringList names;
    if (root_.isEmpty())
        return names;
    // Links are none of the history's: it never makes one.
    QDirIterator it(folder, filters, kind | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    while (it.hasNext()) {
        it.next();
        names << it.fileName();
    }
    names.sort();
    return names;
}

QStringList GameHistory::gameKeys() const {
    if (root_.isEmpty())
        return {};
    // Listed again only when the root changed: it may hold thousands of other things.
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime changed = changedAt(root_);
    {
        const QMutexLocker lock(&memory_->mutex);
        if (memory_->games && changed.isValid() && memory_->games->changed == changed)
            return memory_->games->keys;
    }
    QStringList keys;
    const QStringList filters{kGamePrefix + QLatin1Char('*'), kFolderPrefix + QLatin1Char('*')};
    for (const QString& name : namesIn(root_, filters, QDir::Dirs))
        if (isGameKey(name))
            keys << name;
    const QMutexLocker lock(&memory_->mutex);
    if (changed.isValid() && changed.msecsTo(now) >= kSettledMs)
        memory_->games = Memory::Games{changed, keys};
    else
        memory_->games.reset();
    return keys;
}

std::vector<HistoryEntry> GameHistory::entries(const QString& gameKey) const {
    return *kept(gameKey);
}

std::shared_ptr<const std::vector<HistoryEntry>> GameHistory::kept(const QString& gameKey) const {
    const QString game = root_ + QLatin1Char('/') + gameKey;
    if (root_.isEmpty() || QFileInfo(game).isSymLink())
        return std::make_shared<const std::vector<HistoryEntry>>();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime changed = changedAt(game);
    {
        const QMutexLocker lock(&memory_->mutex);
        const auto listing = memory_->listings.constFind(game);
        if (listing != memory_->listings.cend() && changed.isValid() && listing->changed == changed)
            return listing->entries;
    }
    auto result = std::make_shared<const std::vector<HistoryEntry>>(listEntries(game));
    const QMutexLocker lock(&memory_->mutex);
    if (changed.isValid() && changed.msecsTo(now) >= kSettledMs)
        memory_->listings.insert(game, {changed, result});
    else
        memory_->listings.remove(game);
    return result;
}

std::vector<HistoryEntry> GameHistory::listEntries(const QString& game) const {
    std::vector<HistoryEntry> result;
    for (const QString& name : namesIn(game, {QStringLiteral("*.krv")}, QDir::Files))
        if (std::optional<HistoryEntry> entry =
                HistoryEntry::fromPath(game + QLatin1Char('/') + name))
            result.push_back(std::move(*entry));
    return result;
}

std::optional<GameId> GameHistory::gameOfFolder(const QString& file) const {
    // From the games' remembered lists: a folder is read again only when it changed.
    const QString key = folderKey(file);
    std::optional<GameId> newestGame;
    QString newest;
    for (const QString& game : gameKeys()) {
        if (!game.startsWith(kGamePrefix))
            continue;
        const std::shared_ptr<const std::vector<HistoryEntry>> copies = kept(game);
        const auto last = std::find_if(copies->rbegin(), copies->rend(),
                                       [&](const HistoryEntry& e) { return e.folderKey == key; });
        if (last == copies->rend())
            continue;
        // A copy's name starts with its time, so the greatest name is the newest copy.
        const QString name = QFileInfo(last->path).fileName();
        if (name > newest) {
            newestGame = GameId::fromHex(game.mid(kGamePrefix.size()));
            newest = name;
        }
    }
    return newestGame;
}

std::optional<GameId> GameHistory::gameFollowedBy(const OpenedMoveFile& file,
                                                  const QString& path) const {
    const QByteArray start = turnStart(file);
    if (start == positionkey::newGame())
        return std::nullopt;
    struct Candidate {
        bool sameFolder = false;
        QString newest; // the name of its newest copy: its time
        QString key;
    };
    const QString folder = folderKey(path);
    std::vector<Candidate> candidates;
    for (const QString& game : gameKeys()) {
        if (!game.startsWith(kGamePrefix))
            continue;
        const std::shared_ptr<const std::vector<HistoryEntry>> copies = kept(game);
        if (copies->empty())
            continue;
        const bool sameFolder =
            std::any_of(copies->begin(), copies->end(),
                        [&](const HistoryEntry& entry) { return entry.folderKey == folder; });
        candidates.push_back({sameFolder, QFileInfo(copies->back().path).fileName(), game});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.sameFolder != b.sameFolder ? a.sameFolder : a.newest > b.newest;
    });
    const QByteArray hash = sha256(file.bytes);
    for (const Candidate& candidate : candidates)
        if (followsOneOf(*kept(candidate.key), file, start, hash))
            return GameId::fromHex(candidate.key.mid(kGamePrefix.size()));
    return std::nullopt;
}

std::optional<EarlierFile> GameHistory::ownLastFile(const GameId& id,
                                                    const OpenedMoveFile& opened) const {
    const std::shared_ptr<const std::vector<HistoryEntry>> known = kept(gameKey(id, {}));
    for (auto entry = known->rbegin(); entry != known->rend(); ++entry) {
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

positionkey::Turn GameHistory::positionsOf(const HistoryEntry& entry) const {
    QByteArray knownHash;
    {
        const QMutexLocker lock(&memory_->mutex);
        if (const auto found = memory_->positions.constFind(entry.path);
            found != memory_->positions.cend())
            return *found;
        knownHash = memory_->hashes.value(entry.path);
    }
    std::optional<positionkey::Turn> keys = copypositions::read(entry.path, knownHash);
    if (!keys) {
        keys = readPositions(entry);
        if (!keys)
            return {}; // perhaps only for now: not remembered
    }
    const QMutexLocker lock(&memory_->mutex);
    if (memory_->positions.size() >= kMaxHashes)
        memory_->positions.clear();
    memory_->positions.insert(entry.path, *keys);
    return *keys;
}

std::optional<positionkey::Turn> GameHistory::readPositions(const HistoryEntry& entry) const {
    try {
        const OpenedMoveFile copy = read(entry);
        const positionkey::Turn keys = positionkey::turnOf(copy);
        // Kept beside the copy, so that the next run need not read it again.
        copypositions::write(entry.path, sha256(copy.bytes), keys);
        return keys;
    } catch (const MoveFileError&) {
    }
    try {
        // A copy cut short still has its counters at the head: where they started and
        // stand is all the turn it can tell.
        const std::vector<CounterRecord> counters = readMoveFileCounters(entry.path);
        return positionkey::Turn{positionkey::start(counters), positionkey::present(counters)};
    } catch (const MoveFileError&) {
        return std::nullopt;
    }
}

void GameHistory::keepPositions(const QString& copy, const QByteArray& bytes,
                                const QByteArray& hash) const {
    try {
        const positionkey::Turn keys = positionkey::turnOf(parseOpenedMoveFile(bytes));
        copypositions::write(copy, hash, keys);
    } catch (const MoveFileError&) {
        // Not a move file Open takes: its positions are read when first asked for.
    } catch (const std::bad_alloc&) {
        // Likewise: a copy is kept whole or not at all, its positions are only a help.
    }
}

bool GameHistory::fitsGame(const GameId& id, const OpenedMoveFile& file) const {
    const std::shared_ptr<const std::vector<HistoryEntry>> known = kept(gameKey(id, {}));
    if (known->empty())
        return true;
    const QByteArray start = turnStart(file);
    if (start == positionkey::newGame())
        return true;
    return followsOneOf(*known, file, start, sha256(file.bytes));
}

bool GameHistory::followsOneOf(const std::vector<HistoryEntry>& copies, const OpenedMoveFile& file,
                               const QByteArray& start, const QByteArray& hash) const {
    // Newest first: a file usually answers the copy kept last.
    return std::any_of(copies.rbegin(), copies.rend(), [&](const HistoryEntry& copy) {
        return positionkey::follows(start, positionsOf(copy)) || holds(copy, file.bytes, hash);
    });
}

std::optional<GameId> HistoryContext::diceGame(const OpenedMoveFile& file) const {
    if (claimsOtherGame)
        return std::nullopt;
    if (followedGame)
        return followedGame;
    return file.extension.gameId ? file.extension.gameId : positionsGame;
}

HistoryContext GameHistory::contextFor(const OpenedMoveFile& file, const QString& path) const {
    HistoryContext context;
    const std::optional<GameId>& fileGame = file.extension.gameId;
    if (fileGame && !fitsGame(*fileGame, file)) {
        context.claimsOtherGame = true;
        return context;
    }
    // A file is a turn of a game by its id, or by following from a position the game holds;
    // the folder it came from proves nothing.
    if (!fileGame)
        context.positionsGame = gameFollowedBy(file, path);
    else if (kept(gameKey(fileGame, {}))->empty())
        context.followedGame = gameFollowedBy(file, path);
    const std::optional<GameId> game = fileGame ? fileGame : context.positionsGame;
    if (!game)
        return context;
    // The newest readable saved copy is the player's own last file (ownLastFile) and tells
    // the turn answered last; only copies of the file's size can hold its bytes, so the
    // others are never read.
    bool newestRead = false;
    const QByteArray hash = sha256(file.bytes);
    const std::shared_ptr<const std::vector<HistoryEntry>> known = kept(gameKey(*game, {}));
    for (auto entry = known->rbegin(); entry != known->rend() && !context.savedByPlayer; ++entry) {
        if (entry->kind != HistoryEntry::Kind::Saved)
            continue;
        if (newestRead) {
            context.savedByPlayer = holds(*entry, file.bytes, hash);
            continue;
        }
        try {
            const OpenedMoveFile saved = read(*entry);
            newestRead = true;
            context.ownLastFile =
                earlierFileFor(file, saved, entry->title + QStringLiteral(".krv"));
            context.lastSavedTurn = saved.extension.turn;
            context.answeredByLastSave = turnStart(saved) == present(file.contents.counters);
            context.savedByPlayer = saved.bytes == file.bytes;
            remember(*entry, sha256(saved.bytes));
        } catch (const MoveFileError&) {
            // A copy damaged on disk tells nothing.
        }
    }
    return context;
}

QByteArray GameHistory::hashOf(const HistoryEntry& entry) const {
    {
        const QMutexLocker lock(&memory_->mutex);
        if (const auto found = memory_->hashes.constFind(entry.path);
            found != memory_->hashes.cend())
            return *found;
    }
    const QByteArray hash = fileHash(entry.path);
    if (hash.isEmpty())
        return {}; // perhaps only for now: not remembered
    remember(entry, hash);
    return hash;
}

qint64
GameHistory::keptBytes(const QString& gameFolder,
                       const std::shared_ptr<const std::vector<HistoryEntry>>& copies) const {
    {
        const QMutexLocker lock(&memory_->mutex);
        const auto listing = memory_->listings.constFind(gameFolder);
        if (listing != memory_->listings.cend() && listing->entries == copies &&
            listing->bytes >= 0)
            return listing->bytes;
    }
    qint64 bytes = 0;
    for (const HistoryEntry& entry : *copies)
        bytes += QFileInfo(entry.path).size();
    const QMutexLocker lock(&memory_->mutex);
    const auto listing = memory_->listings.find(gameFolder);
    if (listing != memory_->listings.end() && listing->entries == copies)
        listing->bytes = bytes;
    return bytes;
}

void GameHistory::remember(const HistoryEntry& entry, const QByteArray& hash) const {
    const QMutexLocker lock(&memory_->mutex);
    if (memory_->hashes.size() >= kMaxHashes)
        memory_->hashes.clear();
    memory_->hashes.insert(entry.path, hash);
}

bool GameHistory::holds(const HistoryEntry& entry, const QByteArray& bytes,
                        const QByteArray& hash) const {
    {
        const QMutexLocker lock(&memory_->mutex);
        if (const auto found = memory_->hashes.constFind(entry.path);
            found != memory_->hashes.cend())
            return *found == hash;
    }
    // Only a copy of the same size can hold the bytes: the others are never read.
    return QFileInfo(entry.path).size() == bytes.size() && hashOf(entry) == hash;
}

void GameHistory::recallRecentGames(int games, const std::atomic<bool>& stop) const {
    if (root_.isEmpty())
        return;
    QDir dir(root_);
    dir.setNameFilters({kGamePrefix + QLatin1Char('*'), kFolderPrefix + QLatin1Char('*')});
    dir.setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    dir.setSorting(QDir::Time);
    // Folders the history did not make are none of its games.
    QStringList recent = dir.entryList();
    recent.removeIf([](const QString& name) { return !isGameKey(name); });
    for (const QString& game : recent.mid(0, games))
        for (const HistoryEntry& entry : entries(game)) {
            if (stop.load(std::memory_order_relaxed))
                return;
            hashOf(entry);
        }
}

OpenedMoveFile GameHistory::read(const HistoryEntry& entry) {
    return readOpenedMoveFile(entry.path);
}
