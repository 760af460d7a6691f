#include "history/gamelist.h"

#include "dice/dicedraw.h"
#include "history/diceevidence.h"
#include "history/gameplaces.h"
#include "history/positionkey.h"
#include "movefile/movefile.h"
#include "netplay/rollsverdict.h"
#include "netplay/servergames.h"
#include "turns/turnorder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSet>

#include <algorithm>

namespace {

const QString kGamePrefix = QStringLiteral("game-");
const QString kFolderPrefix = QStringLiteral("folder-");
// GameHistory keeps this much of a file's title in a copy's name.
constexpr qsizetype kKeptTitleLength = 40;

// The game's copies, each read at most once.
class Copies {
public:
    explicit Copies(std::shared_ptr<const std::vector<HistoryEntry>> entries)
        : entries_(std::move(entries)) {}

    const std::vector<HistoryEntry>& entries() const { return *entries_; }
    // Null when the copy cannot be read.
    const OpenedMoveFile* at(std::size_t index) {
        auto found = read_.find(index);
        if (found == read_.end()) {
            std::optional<OpenedMoveFile> file;
            try {
                file = GameHistory::read((*entries_)[index]);
            } catch (const MoveFileError&) {
                // damaged on disk: it tells nothing
            }
            found = read_.insert(index, std::move(file));
        }
        return found->has_value() ? &**found : nullptr;
    }
    std::optional<std::size_t> newest(HistoryEntry::Kind kind) const {
        for (std::size_t i = entries_->size(); i-- > 0;)
            if ((*entries_)[i].kind == kind)
                return i;
        return std::nullopt;
    }

private:
    std::shared_ptr<const std::vector<HistoryEntry>> entries_;
    QHash<std::size_t, std::optional<OpenedMoveFile>> read_;
};

// The player's side: as the history noted it when they ended a turn or began the game; for
// a game kept before such notes, the side of the last turn they are seen to have ended.
// Never whose move their last file left it at: a save within a turn says nothing of whose
// turn it was, nor does the file they had open, which may be their own.
std::optional<Side> playersSide(const GameHistory& history, const QString& key, Copies& copies) {
    if (const std::optional<Side> noted = gameplaces::sideOf(history.root(), key))
        return noted;
    // A few saves back at most: older ones are not worth reading for a guess.
    constexpr int kSavesTried = 4;
    int tried = 0;
    const auto& entries = copies.entries();
    for (std::size_t i = entries.size(); i-- > 0 && tried < kSavesTried;) {
        if (entries[i].kind != HistoryEntry::Kind::Saved)
            continue;
        ++tried;
        if (const OpenedMoveFile* saved = copies.at(i))
            if (const std::optional<Side> side = turnEndedBy(*saved))
                return side;
    }
    return std::nullopt;
}

std::vector<HistoryEntry> merged(std::vector<HistoryEntry> entries,
                                 const std::vector<HistoryEntry>& more) {
    entries.insert(entries.end(), more.begin(), more.end());
    std::stable_sort(entries.begin(), entries.end(),
                     [](const HistoryEntry& a, const HistoryEntry& b) { return a.time < b.time; });
    return entries;
}

bool holdsBytesOf(const GameHistory& history, const QString& path, const HistoryEntry& copy) {
    const QFileInfo file(path);
    if (!file.isFile() || file.size() != QFileInfo(copy.path).size())
        return false;
    try {
        return dicedraw::sha256(readMoveFileBytes(path)) == history.hashOf(copy);
    } catch (const MoveFileError&) {
        return false;
    }
}

// Each copy's game, when exactly one game's turns link with it; and every game linked with
// one of them. `held` is each game's turns.
struct FolderLinks {
    std::vector<std::optional<std::size_t>> gameOf;
    QSet<std::size_t> games;
};

FolderLinks linksOf(const GameHistory& history, const std::vector<HistoryEntry>& copies,
                    const std::vector<std::vector<positionkey::Turn>>& held) {
    FolderLinks links;
    for (const HistoryEntry& copy : copies) {
        const positionkey::Turn mine = history.positionsOf(copy);
        std::optional<std::size_t> found;
        bool several = false;
        for (std::size_t g = 0; g < held.size() && !several; ++g) {
            if (std::none_of(held[g].begin(), held[g].end(), [&](const positionkey::Turn& theirs) {
                    return positionkey::linked(mine, theirs);
                }))
                continue;
            several = found.has_value();
            found = g;
            links.games.insert(g);
        }
        links.gameOf.push_back(several ? std::nullopt : found);
    }
    return links;
}

} // namespace

GameSummary::Move GameSummary::move() const {
    if (!mySide)
        return Move::Unknown;
    if (turn)
        return turn->toMove == *mySide ? Move::Yours : Move::Theirs;
    return last.kind == HistoryEntry::Kind::Opened ? Move::Yours : Move::Theirs;
}

std::optional<Side> GameSummary::theirSide() const {
    return mySide ? std::optional<Side>(otherSide(*mySide)) : std::nullopt;
}

const HistoryEntry& GameSummary::fileToOpen() const {
    switch (move()) {
    case Move::Yours:
        return theirLast ? *theirLast : last;
    case Move::Theirs:
        return myLast ? *myLast : last;
    case Move::Unknown:
        break;
    }
    return last;
}

std::vector<GameCopies> gamesOf(const GameHistory& history) {
    std::vector<GameCopies> games;
    std::vector<GameCopies> apart;
    for (const QString& key : history.gameKeys()) {
        auto copies = history.kept(key);
        if (copies->empty())
            continue;
        (key.startsWith(kFolderPrefix) ? apart : games).push_back({key, std::move(copies)});
    }
    if (apart.empty())
        return games;
    // Files without an id are kept by their folder: those that are turns of a game with one
    // (the first file of a game, before Korva gave it its id, or every file from a program
    // that writes none) join it.
    std::vector<std::vector<positionkey::Turn>> held(games.size());
    for (std::size_t g = 0; g < games.size(); ++g)
        for (const HistoryEntry& copy : *games[g].entries)
            held[g].push_back(history.positionsOf(copy));
    std::vector<std::vector<HistoryEntry>> joining(games.size());
    for (GameCopies& folder : apart) {
        const auto [gameOf, linkedGames] = linksOf(history, *folder.entries, held);
        // All of one game: the folder's later files that link with nothing yet (the
        // opponent's latest, not answered) are its turns too.
        const auto firstLinked = std::find_if(gameOf.begin(), gameOf.end(),
                                              [](const auto& game) { return game.has_value(); });
        std::vector<HistoryEntry> left;
        for (std::size_t i = 0; i < folder.entries->size(); ++i) {
            const HistoryEntry& copy = (*folder.entries)[i];
            const bool afterLinked =
                firstLinked != gameOf.end() && std::size_t(firstLinked - gameOf.begin()) <= i;
            if (linkedGames.size() == 1 && afterLinked)
                joining[*linkedGames.begin()].push_back(copy);
            else if (gameOf[i])
                joining[*gameOf[i]].push_back(copy);
            else
                left.push_back(copy);
        }
        if (!left.empty())
            games.push_back(
                {folder.key, std::make_shared<const std::vector<HistoryEntry>>(std::move(left))});
    }
    for (std::size_t g = 0; g < joining.size(); ++g)
        if (!joining[g].empty())
            games[g].entries = std::make_shared<const std::vector<HistoryEntry>>(
                merged(*games[g].entries, joining[g]));
    return games;
}

std::optional<GameSummary> summarizeGame(const GameHistory& history, const QString& key,
                                         bool dice) {
    return summarizeGame(history, GameCopies{key, history.kept(key)}, dice);
}

std::optional<GameSummary> summarizeGame(const GameHistory& history, const GameCopies& kept,
                                         bool dice) {
    const QString& key = kept.key;
    Copies copies(kept.entries);
    const std::vector<HistoryEntry>& entries = copies.entries();
    if (entries.empty())
        return std::nullopt;
    GameSummary game;
    game.key = key;
    if (key.startsWith(kGamePrefix))
        game.id = GameId::fromHex(key.mid(kGamePrefix.size()));
    game.last = entries.back();
    if (const auto at = copies.newest(HistoryEntry::Kind::Opened))
        game.theirLast = entries[*at];
    const std::optional<std::size_t> mine = copies.newest(HistoryEntry::Kind::Saved);
    if (mine)
        game.myLast = entries[*mine];

    for (std::size_t i = entries.size(); i-- > 0;) {
        if (const OpenedMoveFile* newest = copies.at(i)) {
            game.turn = newest->extension.turn;
            game.players = newest->extension.players;
            game.name = newest->extension.gameName;
            break;
        }
    }
    game.mySide = playersSide(history, key, copies);
    // The opponent's program writes neither: the player's own last file may say them.
    if (const OpenedMoveFile* own = mine ? copies.at(*mine) : nullptr) {
        if (game.players.isEmpty())
            game.players = own->extension.players;
        if (game.name.isEmpty())
            game.name = own->extension.gameName;
    }
    if (dice)
        if (const auto at = copies.newest(HistoryEntry::Kind::Opened))
            if (const OpenedMoveFile* theirs = copies.at(*at))
                game.theirDice = rollsVerdict(*theirs, diceEvidenceFor(history, *theirs, game.id),
                                              ServerGames(), game.id);
    return game;
}

std::optional<DiceVerdict> opponentDice(const GameHistory& history, const GameSummary& game) {
    if (!game.theirLast)
        return std::nullopt;
    try {
        const OpenedMoveFile theirs = GameHistory::read(*game.theirLast);
        return rollsVerdict(theirs, diceEvidenceFor(history, theirs, game.id), ServerGames(),
                            game.id);
    } catch (const MoveFileError&) {
        return std::nullopt;
    }
}

void sortGames(std::vector<GameSummary>& games) {
    std::sort(games.begin(), games.end(), [](const GameSummary& a, const GameSummary& b) {
        const bool aYours = a.move() == GameSummary::Move::Yours;
        const bool bYours = b.move() == GameSummary::Move::Yours;
        if (aYours != bYours)
            return aYours;
        if (a.last.time != b.last.time)
            return a.last.time > b.last.time;
        return a.key < b.key;
    });
}

std::vector<GameSummary> listGames(const GameHistory& history, bool dice) {
    std::vector<GameSummary> games;
    for (const GameCopies& copies : gamesOf(history))
        if (std::optional<GameSummary> game = summarizeGame(history, copies, dice))
            games.push_back(std::move(*game));
    sortGames(games);
    return games;
}

std::vector<GameSummary> listRecentGames(const GameHistory& history, int count,
                                         const QStringList& wanted) {
    std::vector<GameSummary> games;
    if (history.root().isEmpty())
        return games;
    QDir dir(history.root());
    dir.setNameFilters({kGamePrefix + QLatin1Char('*'), kFolderPrefix + QLatin1Char('*')});
    dir.setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    dir.setSorting(QDir::Time);
    const QStringList recent = dir.entryList().mid(0, count) + wanted;
    // A recent file without an id shows as the game it joined.
    QSet<QString> recentCopies;
    for (const QString& key : recent)
        for (const HistoryEntry& copy : history.entries(key))
            recentCopies.insert(copy.path);
    for (const GameCopies& copies : gamesOf(history)) {
        if (!recent.contains(copies.key) &&
            std::none_of(
                copies.entries->begin(), copies.entries->end(),
                [&](const HistoryEntry& copy) { return recentCopies.contains(copy.path); }))
            continue;
        if (std::optional<GameSummary> game = summarizeGame(history, copies, false))
            games.push_back(std::move(*game));
    }
    sortGames(games);
    return games;
}

QString originalFile(const GameHistory& history, const QString& gameKey, const HistoryEntry& copy,
                     const QStringList& folders) {
    QStringList candidates;
    // The copy's own game folder knows where it was: a file without an id joined to a game
    // is kept apart from the game's folder.
    for (const QString& key : {gameKey, QFileInfo(copy.path).dir().dirName()})
        if (const QString known = gameplaces::folderOf(history.root(), key, copy.folderKey);
            !known.isEmpty() && !candidates.contains(known))
            candidates << known;
    for (const QString& folder : folders)
        if (!folder.isEmpty() && !candidates.contains(folder) &&
            GameHistory::folderKey(QDir(folder).filePath(QStringLiteral("x.krv"))) ==
                copy.folderKey)
            candidates << folder;
    for (const QString& folder : std::as_const(candidates)) {
        const QString named = QDir(folder).filePath(copy.title + QStringLiteral(".krv"));
        if (holdsBytesOf(history, named, copy))
            return named;
        // A name cut short in the copy's, or another case of ".krv".
        const QStringList names =
            QDir(folder).entryList({QStringLiteral("*.krv")}, QDir::Files | QDir::NoSymLinks);
        for (const QString& name : names) {
            const QString title = name.chopped(4);
            const bool fits = copy.title.size() >= kKeptTitleLength ? title.startsWith(copy.title)
                                                                    : title == copy.title;
            if (fits && holdsBytesOf(history, QDir(folder).filePath(name), copy))
                return QDir(folder).filePath(name);
        }
    }
    return {};
}
