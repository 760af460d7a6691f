#include "history/gamelist.h"

#include "dice/dicedraw.h"
#include "history/diceevidence.h"
#include "history/gameplaces.h"
#include "movefile/movefile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

const QString kGamePrefix = QStringLiteral("game-");
// GameHistory keeps this much of a file's title in a copy's name.
constexpr qsizetype kKeptTitleLength = 40;

Side other(Side side) {
    return side == Side::First ? Side::Second : Side::First;
}

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

// The side that saved `saved`, from that file alone: a game's first save is its first
// side's; a file saved in the middle of a turn (its turn's start is where its counters
// started) leaves the move with its saver; after an end of turn the move went over.
std::optional<Side> saverByItself(const OpenedMoveFile& saved, bool firstCopy) {
    const KorvaExtension& block = saved.extension;
    if (!block.turn)
        return std::nullopt;
    if (firstCopy && block.turn->number == 1)
        return block.turn->movesFirst;
    if (!block.turnStart || block.turnStart->size() != saved.contents.counters.size())
        return std::nullopt;
    const bool midTurn = std::equal(saved.contents.counters.begin(), saved.contents.counters.end(),
                                    block.turnStart->begin(),
                                    [](const CounterRecord& record, const CounterPlace& place) {
                                        return record.startHex == place.hex;
                                    });
    return midTurn ? block.turn->toMove : other(block.turn->toMove);
}

// The player's side: whose move it was when they saved, which the copy kept just before
// their save says (the file they had open); else what their saved file says by itself.
std::optional<Side> playersSide(Copies& copies) {
    // A few saves back at most: each is tried only past damaged copies.
    constexpr int kSavesTried = 3;
    int tried = 0;
    const auto& entries = copies.entries();
    for (std::size_t i = entries.size(); i-- > 0 && tried < kSavesTried;) {
        if (entries[i].kind != HistoryEntry::Kind::Saved)
            continue;
        ++tried;
        const OpenedMoveFile* saved = copies.at(i);
        if (!saved)
            continue;
        if (i > 0)
            if (const OpenedMoveFile* before = copies.at(i - 1); before && before->extension.turn)
                return before->extension.turn->toMove;
        if (const std::optional<Side> side = saverByItself(*saved, i == 0))
            return side;
    }
    return std::nullopt;
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

} // namespace

GameSummary::Move GameSummary::move() const {
    if (!mySide)
        return Move::Unknown;
    if (turn)
        return turn->toMove == *mySide ? Move::Yours : Move::Theirs;
    return last.kind == HistoryEntry::Kind::Opened ? Move::Yours : Move::Theirs;
}

std::optional<Side> GameSummary::theirSide() const {
    return mySide ? std::optional<Side>(other(*mySide)) : std::nullopt;
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

std::optional<GameSummary> summarizeGame(const GameHistory& history, const QString& key,
                                         bool dice) {
    Copies copies(history.kept(key));
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
    game.mySide = playersSide(copies);
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
                game.theirDice = verifyDice(theirs->extension.diceRolls, theirs->contents.tags,
                                            diceEvidenceFor(history, *theirs, game.id));
    return game;
}

std::optional<DiceVerdict> opponentDice(const GameHistory& history, const GameSummary& game) {
    if (!game.theirLast)
        return std::nullopt;
    try {
        const OpenedMoveFile theirs = GameHistory::read(*game.theirLast);
        return verifyDice(theirs.extension.diceRolls, theirs.contents.tags,
                          diceEvidenceFor(history, theirs, game.id));
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
    for (const QString& key : history.gameKeys())
        if (std::optional<GameSummary> game = summarizeGame(history, key, dice))
            games.push_back(std::move(*game));
    sortGames(games);
    return games;
}

std::vector<GameSummary> listRecentGames(const GameHistory& history, int count) {
    std::vector<GameSummary> games;
    if (history.root().isEmpty())
        return games;
    QDir dir(history.root());
    dir.setNameFilters({kGamePrefix + QLatin1Char('*'), QStringLiteral("folder-*")});
    dir.setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    dir.setSorting(QDir::Time);
    for (const QString& key : dir.entryList().mid(0, count))
        if (std::optional<GameSummary> game = summarizeGame(history, key, false))
            games.push_back(std::move(*game));
    sortGames(games);
    return games;
}

QString originalFile(const GameHistory& history, const QString& gameKey, const HistoryEntry& copy,
                     const QStringList& folders) {
    QStringList candidates;
    if (const QString known = gameplaces::folderOf(history.root(), gameKey, copy.folderKey);
        !known.isEmpty())
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
