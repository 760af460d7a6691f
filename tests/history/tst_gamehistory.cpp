#include "history/copypositions.h"
#include "history/gamehistory.h"
#include "movefile/movefile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>

#include <sys/resource.h>

namespace {

QByteArray moveFile(int counterOneAt, const std::optional<GameId>& id = {}) {
    MoveFileContents contents;
    for (int n = 1; n <= 234; ++n)
        contents.counters.push_back({n, n, 0, 0});
    contents.counters[0] = {counterOneAt, counterOneAt, 0, 0};
    KorvaExtension extension;
    extension.gameId = id;
    return encodeMoveFile(contents) + encodeKorvaExtension(extension);
}

QDateTime at(int second) {
    return QDateTime(QDate(2026, 3, 15), QTime(10, 15, second), QTimeZone::utc());
}

} // namespace

// The game's history: where each copy goes, listing and reading back, finding the player's
// own last file, failures that only warn, and the most it keeps of a game.
class TestGameHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void copiesByGameInTimeOrder();
    void ownLastFileOfTheGame();
    void positionsComeFromTheHeadAlone();
    void positionsKeptBesideTheCopy_data();
    void positionsKeptBesideTheCopy();
    void failuresOnlyWarn();
    void onlyRealFoldersAndNamesItKnows();
    void remembersOnlyWhatStillHolds();
    void aGameKeepsABoundedSize();

private:
    std::unique_ptr<QTemporaryDir> games_;
    std::unique_ptr<GameHistory> history_;
    QString folder_; // where the player keeps the move files
};

void TestGameHistory::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(QStringLiteral("KorvaTest"));
    QVERIFY(GameHistory::defaultRoot().endsWith(QStringLiteral("/KorvaTest/history")));
    QVERIFY(GameHistory::defaultRoot().contains(QStringLiteral("qttest")));
}

void TestGameHistory::init() {
    games_ = std::make_unique<QTemporaryDir>();
    QVERIFY(games_->isValid());
    history_ = std::make_unique<GameHistory>(games_->filePath(QStringLiteral("history")));
    folder_ = games_->filePath(QStringLiteral("mail"));
    QVERIFY(QDir().mkpath(folder_));
}

void TestGameHistory::copiesByGameInTimeOrder() {
    const GameId id = GameId::generate();
    const QString turn5 = folder_ + QStringLiteral("/turn5.krv");
    QCOMPARE(history_->record(moveFile(300, id), id, turn5, HistoryEntry::Kind::Opened, at(2)),
             QString());
    QCOMPARE(history_->record(moveFile(301, id), id, folder_ + QStringLiteral("/turn6.krv"),
                              HistoryEntry::Kind::Saved, at(1)), // a clock set back
             QString());
    // The same bytes again add nothing.
    QCOMPARE(history_->record(moveFile(301, id), id, turn5, HistoryEntry::Kind::Opened, at(9)),
             QString());
    QCOMPARE(history_->record(moveFile(400), {}, turn5, HistoryEntry::Kind::Opened, at(3)),
             QString());

    const QString key = QStringLiteral("game-") + id.toHex();
    const QString byFolder = QStringLiteral("folder-") + GameHistory::folderKey(turn5);
    QCOMPARE(history_->gameKeys(), (QStringList{byFolder, key}));
    const std::vector<HistoryEntry> kept = history_->entries(key);
    QCOMPARE(kept.size(), std::size_t{2});
    QCOMPARE(QFileInfo(kept[0].path).fileName(),
             QStringLiteral("20260315T101502000Z_opened_%1_turn5.krv").arg(kept[0].folderKey));
    QCOMPARE(kept[1].time, at(2).addMSecs(1));
    QCOMPARE(kept[1].kind, HistoryEntry::Kind::Saved);
    QCOMPARE(kept[1].title, QStringLiteral("turn6"));
    QCOMPARE(GameHistory::read(kept[1]).contents.counters[0].currentHex, 301);
    QCOMPARE(GameHistory::read(kept[1]).extension.gameId, std::optional<GameId>(id));
    QVERIFY(history_->entries(QStringLiteral("game-unknown")).empty());
}

void TestGameHistory::ownLastFileOfTheGame() {
    const GameId id = GameId::generate();
    const QString mine = folder_ + QStringLiteral("/turn6.krv");
    const QString theirs = folder_ + QStringLiteral("/turn7.krv");
    history_->record(moveFile(301, id), id, mine, HistoryEntry::Kind::Saved, at(1));
    history_->record(moveFile(302, id), id, mine, HistoryEntry::Kind::Saved, at(2));
    history_->record(moveFile(303, id), id, theirs, HistoryEntry::Kind::Opened, at(3));

    // The opponent's reply has no id: it continues the game whose position it began from,
    // from whichever folder, and is measured from the player's own newest saved file, also
    // where its start hexes show moves (they would count the player's own unfinished ones).
    OpenedMoveFile reply = parseOpenedMoveFile(moveFile(304));
    reply.contents.counters[0].startHex = 303;
    const HistoryContext context = history_->contextFor(reply, theirs);
    QCOMPARE(context.positionsGame, std::optional<GameId>(id));
    QVERIFY(context.ownLastFile);
    QCOMPARE(context.ownLastFile->counters[0].currentHex, 302);
    QCOMPARE(context.ownLastFile->name, QStringLiteral("turn6.krv"));
    const QString elsewhere = games_->filePath(QStringLiteral("other/x.krv"));
    QCOMPARE(history_->contextFor(reply, elsewhere).positionsGame, std::optional<GameId>(id));
    // A file that began from none of its positions is not the game's, even from its folder.
    reply.contents.counters[0].startHex = 1;
    QVERIFY(!history_->contextFor(reply, theirs).positionsGame);
    // The player's own newest file opened again would show nothing: its record counts.
    QVERIFY(!history_->contextFor(parseOpenedMoveFile(moveFile(302, id)), mine).ownLastFile);
    QVERIFY(!history_->ownLastFile(GameId::generate(), reply));
}

// Where a copy's counters stood is read from its head: behind it may lie 16 MB of an
// opponent's combats, which linking a file into its game never needs. A copy whose combats
// are cut on disk shows that nothing past the head was read.
void TestGameHistory::positionsComeFromTheHeadAlone() {
    const GameId id = GameId::generate();
    const QString theirs = folder_ + QStringLiteral("/turn7.krv");
    QCOMPARE(history_->record(moveFile(303, id), id, theirs, HistoryEntry::Kind::Opened, at(3)),
             QString());
    const QString copy = history_->entries(GameHistory::gameKey(id, {})).at(0).path;
    QFile file(copy);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(8 + 234 * 12 + 6)); // inside the combats' mark and count
    file.close();

    OpenedMoveFile reply = parseOpenedMoveFile(moveFile(304));
    reply.contents.counters[0].startHex = 303;
    const GameHistory afresh(history_->root());
    QCOMPARE(afresh.contextFor(reply, theirs).positionsGame, std::optional<GameId>(id));
    // A head that is no move file's links nothing.
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write(moveFile(303, id).left(100)) == 100);
    file.close();
    QVERIFY(!GameHistory(history_->root()).contextFor(reply, theirs).positionsGame);
}

void TestGameHistory::failuresOnlyWarn() {
    const QString turn = folder_ + QStringLiteral("/turn8.krv");
    // A history folder that cannot be made.
    QFile blocker(games_->filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    GameHistory blocked(blocker.fileName() + QStringLiteral("/history"));
    QVERIFY(blocked.record(moveFile(1), {}, turn, HistoryEntry::Kind::Saved)
                .startsWith(QStringLiteral("The game's history kept no copy of turn8.krv: ")));

    // A disk that fills up while the copy is written: no copy, no temporary file.
    const QString game = history_->root() + QStringLiteral("/") + GameHistory::gameKey({}, turn);
    QVERIFY(QDir().mkpath(game));
    rlimit before{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString warning = history_->record(moveFile(1), {}, turn, HistoryEntry::Kind::Saved);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY2(warning.contains(QStringLiteral("turn8.krv")), qPrintable(warning));
    QVERIFY(QDir(game).isEmpty());
}

void TestGameHistory::onlyRealFoldersAndNamesItKnows() {
    const QString turn = folder_ + QStringLiteral("/turn9.krv");
    const auto gameFolder = [&](const GameId& id) {
        return history_->root() + QLatin1Char('/') + GameHistory::gameKey(id, {});
    };
    // A link planted as a game's folder: no copy through it, one notice.
    const GameId linked = GameId::generate();
    QTemporaryDir elsewhere;
    QVERIFY(QDir().mkpath(history_->root()));
    QVERIFY(QFile::link(elsewhere.path(), gameFolder(linked)));
    const QString warning =
        history_->record(moveFile(1, linked), linked, turn, HistoryEntry::Kind::Saved, at(1));
    QVERIFY2(warning.contains(QStringLiteral("symbolic link")), qPrintable(warning));
    QVERIFY(QDir(elsewhere.path()).isEmpty());

    // A copy named with the last millisecond of year 9999, then a clock past it: every later
    // copy still gets a name the history knows, and none takes another's.
    const GameId id = GameId::generate();
    QVERIFY(QDir().mkpath(gameFolder(id)));
    QFile planted(gameFolder(id) + QStringLiteral("/99991231T235959999Z_saved_") +
                  GameHistory::folderKey(turn) + QStringLiteral("_planted.krv"));
    QVERIFY(planted.open(QIODevice::WriteOnly) && planted.write(moveFile(5, id)) > 0);
    planted.close();
    const QDateTime wrongClock(QDate(12026, 3, 15), QTime(10, 0), QTimeZone::utc());
    for (const auto& [hex, when] : {std::pair{6, at(1)}, {7, at(2)}, {8, wrongClock}})
        QCOMPARE(history_->record(moveFile(hex, id), id, turn, HistoryEntry::Kind::Saved, when),
                 QString());
    QCOMPARE(history_->entries(GameHistory::gameKey(id, {})).size(), std::size_t{4});
    QCOMPARE(QDir(gameFolder(id)).entryList({QStringLiteral("*.krv")}, QDir::Files).size(), 4);

    // Files and folders named almost as the history names its own are none of its games,
    // and the game of a folder is found past them.
    QTest::qWait(150); // the root settled: its list is remembered, and must see what follows
    QCOMPARE(history_->gameKeys(), QStringList{GameHistory::gameKey(id, {})});
    QVERIFY(QDir(history_->root()).mkdir(QStringLiteral("game-junk")));
    QVERIFY(QDir(history_->root()).mkdir(QStringLiteral("folder-0123")));
    QFile gameAsFile(gameFolder(GameId::generate()));
    QVERIFY(gameAsFile.open(QIODevice::WriteOnly));
    QVERIFY(QDir(gameFolder(id))
                .mkdir(QStringLiteral("20260315T101502000Z_opened_") +
                       GameHistory::folderKey(turn) + QStringLiteral("_x.krv")));
    QCOMPARE(history_->record(moveFile(9), {}, turn, HistoryEntry::Kind::Opened, at(3)), QString());
    QCOMPARE(history_->gameKeys(),
             (QStringList{GameHistory::gameKey({}, turn), GameHistory::gameKey(id, {})}));
    QCOMPARE(history_->gameOfFolder(turn), std::optional<GameId>(id));
    QCOMPARE(history_->entries(GameHistory::gameKey(id, {})).size(), std::size_t{4});
}

void TestGameHistory::positionsKeptBesideTheCopy_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("kept"); // the positions beside the copy are used
    QTest::newRow("as written") << "" << true;
    QTest::newRow("hash known to differ") << "hash" << false;
    QTest::newRow("size differs") << "size" << false;
    QTest::newRow("missing") << "remove" << false;
    QTest::newRow("damaged") << "damage" << false;
    QTest::newRow("a link") << "link" << false;
}

// The copy is swapped for another turn's bytes of the same size and time: only what is kept
// beside it can still tell the turn it held, and only while that fits the copy.
void TestGameHistory::positionsKeptBesideTheCopy() {
    QFETCH(QString, change);
    QFETCH(bool, kept);
    const GameId id = GameId::generate();
    const QString turn = folder_ + QStringLiteral("/turn.krv");
    QCOMPARE(history_->record(moveFile(303, id), id, turn, HistoryEntry::Kind::Opened), QString());
    const HistoryEntry copy = history_->entries(GameHistory::gameKey(id, {})).at(0);
    const QString side = copypositions::pathFor(copy.path);
    QVERIFY(QFileInfo(side).isFile());
    QFile file(copy.path);
    const QDateTime written = QFileInfo(copy.path).lastModified();
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.write(moveFile(999, id) + (change == QStringLiteral("size") ? "x" : "")) > 0);
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
    file.close();
    if (change == QStringLiteral("remove") || change == QStringLiteral("link"))
        QVERIFY(QFile::remove(side));
    if (change == QStringLiteral("link"))
        QVERIFY(QFile::link(games_->filePath(QStringLiteral("elsewhere")), side));
    if (change == QStringLiteral("damage")) {
        file.setFileName(side);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() - 3) && file.write("g") == 1);
        file.close();
    }
    const GameHistory afresh(history_->root());
    if (change == QStringLiteral("hash"))
        QVERIFY(!afresh.hashOf(copy).isEmpty());
    const positionkey::Turn held = afresh.positionsOf(copy);
    const positionkey::Turn expected =
        positionkey::turnOf(parseOpenedMoveFile(moveFile(kept ? 303 : 999, id)));
    QCOMPARE(held.begin, expected.begin);
    QCOMPARE(held.end, expected.end);
    // What was read again is kept again, where nothing else stands.
    QCOMPARE(QFileInfo(side).isSymLink(), change == QStringLiteral("link"));
    if (change == QStringLiteral("remove") || change == QStringLiteral("damage"))
        QCOMPARE(copypositions::read(copy.path)->end, expected.end);
    QVERIFY(!QFileInfo::exists(games_->filePath(QStringLiteral("elsewhere"))));
}

// What the history remembers of a game's folder is what a fresh look finds, whether the
// change came through it or from outside, however soon after it looked.
void TestGameHistory::remembersOnlyWhatStillHolds() {
    const GameId id = GameId::generate();
    const QString turn = folder_ + QStringLiteral("/turn.krv");
    const QString key = GameHistory::gameKey(id, {});
    const auto names = [&](const GameHistory& history) {
        QStringList result;
        for (const HistoryEntry& entry : history.entries(key))
            result << QFileInfo(entry.path).fileName() + QLatin1Char('=') +
                          QString::fromLatin1(history.hashOf(entry).toHex().left(8));
        return result;
    };
    const auto plant = [&](int second, int hex) {
        QFile file(history_->root() + QLatin1Char('/') + key + QLatin1Char('/') +
                   HistoryEntry::fileNameFor(at(second), HistoryEntry::Kind::Saved,
                                             GameHistory::folderKey(turn),
                                             QStringLiteral("planted%1").arg(second)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(moveFile(hex, id)) > 0);
    };
    const auto same = [&] { QCOMPARE(names(*history_), names(GameHistory(history_->root()))); };
    QCOMPARE(history_->record(moveFile(1, id), id, turn, HistoryEntry::Kind::Saved, at(10)),
             QString());
    same();
    QTest::qWait(20);
    plant(20, 2);
    same();
    plant(21, 3); // at once: within the same tick of the folder's clock as the look before
    same();
    QTest::qWait(150); // settled: now the list is kept
    same();
    for (int hex : {4, 5}) // kept through the history, after the copies planted last
        QCOMPARE(history_->record(moveFile(hex, id), id, turn, HistoryEntry::Kind::Opened),
                 QString());
    same();
    QTest::qWait(150);
    plant(5, 6); // from outside, older than all
    same();
    QVERIFY(QFile::remove(history_->entries(key)[1].path));
    same();
    QCOMPARE(history_->entries(key).size(), std::size_t{5});
    // The same bytes as the newest copy, found by what is remembered: nothing new.
    QCOMPARE(history_->record(moveFile(5, id), id, turn, HistoryEntry::Kind::Opened), QString());
    QCOMPARE(history_->entries(key).size(), std::size_t{5});
}

// An opponent who sends file after file of the largest size fills no disk: a game keeps so
// much of the files opened in it, and says so once; the player's own files are always kept.
void TestGameHistory::aGameKeepsABoundedSize() {
    const GameId id = GameId::generate();
    const QString turn = folder_ + QStringLiteral("/turn.krv");
    const qint64 copy = moveFile(1, id).size();
    enum Heard { Kept, Told, NotKept };
    struct Step {
        HistoryEntry::Kind kind;
        int hex;
        Heard heard;
    };
    const auto opened = HistoryEntry::Kind::Opened;
    const auto saved = HistoryEntry::Kind::Saved;
    const auto run = [&](const GameHistory& history, const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            const std::size_t before = history.entries(GameHistory::gameKey(id, {})).size();
            const QString said = history.record(moveFile(step.hex, id), id, turn, step.kind);
            QCOMPARE(history.entries(GameHistory::gameKey(id, {})).size(),
                     before + (step.heard == Kept ? 1 : 0));
            QVERIFY2(step.heard == Told ? said.startsWith(QStringLiteral(
                                              "The game's history kept no copy of turn.krv: "))
                                        : said.isEmpty(),
                     qPrintable(QString::number(step.hex) + QLatin1Char(' ') + said));
        }
    };
    const GameHistory history(history_->root(), 3 * copy);
    run(history, {{opened, 1, Kept},
                  {saved, 2, Kept},
                  {opened, 3, Kept},
                  {opened, 4, Told},
                  {opened, 5, NotKept},
                  {saved, 6, Kept},
                  {opened, 7, NotKept}});
    // Another game has its own room.
    const GameId other = GameId::generate();
    QCOMPARE(history.record(moveFile(1, other), other, turn, opened), QString());
    // Room made by hand: kept again, and told again when the game fills up anew.
    QTest::qWait(150); // a change within the tick of the history's own would go unseen
    const std::vector<HistoryEntry> kept = history.entries(GameHistory::gameKey(id, {}));
    QVERIFY(QFile::remove(kept[0].path) && QFile::remove(kept[1].path));
    run(history, {{opened, 8, Kept}, {opened, 9, Told}, {opened, 10, NotKept}});
    // The next time Korva runs, the player hears of it once more.
    run(GameHistory(history_->root(), 3 * copy), {{opened, 11, Told}});
}

QTEST_GUILESS_MAIN(TestGameHistory)
#include "tst_gamehistory.moc"
