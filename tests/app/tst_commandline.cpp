#include "counters/countermgr.h"
#include "counters/movereport.h"
#include "dice/dicedraw.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"
#include "history/gamehistory.h"
#include "history/gameplaces.h"
#include "korvaversion.h"
#include "movefile/korvaextension.h"
#include "movefile/movefile.h"
#include "overlay/moveoverlay.h"
#include "tests/common/smalltmpfs.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <sys/stat.h>

// korva --report, --render and --extract-pictures, on good and refused files.
class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void reportOfAPosition();
    void renderDrawsCountersAndTags();
    void movesOfATurn();
    void aTurnAnsweredIsMeasuredAsTheWindowDoes();
    void renderDrawsTheMoves();
    void verifyTheirRolls();
    void infoOfAFile_data();
    void infoOfAFile();
    void infoInTheLanguage_data();
    void infoInTheLanguage();
    void gamesOfTheHistory();
    void refusedFiles_data();
    void refusedFiles();
    void helpAndVersion_data();
    void helpAndVersion();
    void argumentsRefused_data();
    void argumentsRefused();
    void namesShownNotObeyed_data();
    void namesShownNotObeyed();
    void failedOutputIsAnError();
    void manPageCoversEveryOption();
    void helpNamesOnlyUses();

private:
    struct Run {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };
    static Run korva(const QStringList& arguments, const QString& dataHome = {},
                     const QString& language = {}) {
        return korvaTogether({arguments}, dataHome, language).front();
    }
    // Runs korva once for each argument list, side by side: renders take most of this test's
    // time, and each writes a picture of its own.
    static std::vector<Run> korvaTogether(const std::vector<QStringList>& runs,
                                          const QString& dataHome = {},
                                          const QString& language = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!dataHome.isEmpty()) {
            environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                               dataHome + QStringLiteral("/config"));
        }
        if (!language.isEmpty())
            environment.insert(QStringLiteral("LANGUAGE"), language);
        std::vector<std::unique_ptr<QProcess>> processes;
        for (const QStringList& arguments : runs) {
            processes.push_back(std::make_unique<QProcess>());
            processes.back()->setProcessEnvironment(environment);
            processes.back()->start(QStringLiteral(KORVA_PROGRAM), arguments);
        }
        std::vector<Run> results;
        for (const auto& process : processes) {
            process->waitForFinished(60000);
            results.push_back(
                {process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1,
                 process->readAllStandardOutput(), process->readAllStandardError()});
        }
        return results;
    }
    // turn_ drawn without marks at 100% and at 50%, rendered once for every test that
    // compares with them.
    QString unmarked(int zoom) {
        if (unmarked_.isEmpty()) {
            const QString full = dir_.filePath(QStringLiteral("bare100.png"));
            const QString half = dir_.filePath(QStringLiteral("bare50.png"));
            const std::vector<Run> runs =
                korvaTogether({{QStringLiteral("--render"), turn_, full},
                               {QStringLiteral("--render"), turn_, half, QStringLiteral("--zoom"),
                                QStringLiteral("50")}});
            if (runs[0].status == 0 && runs[1].status == 0)
                unmarked_ = {{100, full}, {50, half}};
        }
        return unmarked_.value(zoom);
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QTemporaryDir dir_;
    QHash<int, QString> unmarked_;
    QString turn_;
    MoveFileContents contents_;
};

void TestCommandLine::initTestCase() {
    QVERIFY(dir_.isValid());
    // A position: counter 1 moved from hex 200 to hex 300, one combat at hex 300.
    CounterMgr counters;
    for (const auto& counter : counters.counters())
        contents_.counters.push_back(counter->record());
    contents_.counters[0] = CounterRecord{200, 300, 1, 0};
    const AFPoint at = ZeKClick(300).position();
    contents_.tags.push_back(TagRecord{at, 4, "Over the river"});
    contents_.banners = {"Turn 3", "", "notes"};
    turn_ = dir_.filePath(QStringLiteral("turn3.krv"));
    write(turn_, encodeMoveFile(contents_));
}

void TestCommandLine::reportOfAPosition() {
    const Run run = korva({QStringLiteral("--report"), turn_});
    QCOMPARE(run.status, 0);
    CounterMgr counters;
    counters.applyRecords(contents_.counters);
    QCOMPARE(run.out, moveReport(counters.counters()));
    QVERIFY(run.out.contains("UK 6 Armor XX         C73         E34         2/1       \r\n"));
}

void TestCommandLine::renderDrawsCountersAndTags() {
    const QString out = unmarked(100);
    QVERIFY(!out.isEmpty());
    const QString emptyTurn = dir_.filePath(QStringLiteral("empty.krv"));
    MoveFileContents empty = contents_;
    empty.tags.clear();
    for (CounterRecord& record : empty.counters)
        record = CounterRecord{2966, 2966, 0, 0};
    write(emptyTurn, encodeMoveFile(empty));
    const QString emptyOut = dir_.filePath(QStringLiteral("empty.png"));

    QCOMPARE(korva({QStringLiteral("--render"), emptyTurn, emptyOut}).status, 0);
    const QImage map(out);
    const QImage bare(emptyOut);
    QVERIFY(map.width() >= 1505 && map.height() >= 2720);
    QCOMPARE(map.size(), bare.size());
    // The counter in hex 300 and the tag beside it differ from the bare map.
    const AFPoint p = ZeKClick(300).position();
    QVERIFY(map.copy(p.x, p.y, 24, 24) != bare.copy(p.x, p.y, 24, 24));
    QVERIFY(map.copy(p.x - 8, p.y, 8, 8) != bare.copy(p.x - 8, p.y, 8, 8));
    // Far from both, nothing changed.
    QCOMPARE(map.copy(600, 1200, 40, 40), bare.copy(600, 1200, 40, 40));

    // At a zoom: half the size, each pixel the mean of the four it stands for, the
    // counter's and the tag's included.
    const QImage small(unmarked(50));
    QCOMPARE(small.size(), QSize(756, 1360));
    for (const QPoint at :
         {QPoint(p.x / 2 + 6, p.y / 2 + 6), QPoint(p.x / 2 - 2, p.y / 2 + 2), QPoint(300, 600)}) {
        int red = 0;
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                red += qRed(map.pixel(at.x() * 2 + dx, at.y() * 2 + dy));
        QVERIFY(std::abs(qRed(small.pixel(at)) - red / 4) <= 1);
    }
}

void TestCommandLine::verifyTheirRolls() {
    // Their earlier file committed a secret; mine answered it; theirs rolled against mine.
    const GameId game = GameId::generate();
    const QByteArray secret = dicedraw::newSecret();
    KorvaExtension earlier;
    earlier.gameId = game;
    earlier.diceCommitment = dicedraw::commitmentOf(secret);
    const QByteArray earlierBytes = encodeMoveFile(contents_) + encodeKorvaExtension(earlier);
    KorvaExtension myBlock;
    myBlock.gameId = game;
    myBlock.diceRolls = DiceRolls{DiceRolls::FirstTurn, {}, dicedraw::sha256(earlierBytes), 0, {}};
    MoveFileContents myContents = contents_;
    myContents.tags.clear();
    const QByteArray myBytes = encodeMoveFile(myContents) + encodeKorvaExtension(myBlock);
    const QString mine = dir_.filePath(QStringLiteral("verify-mine.krv"));
    write(mine, myBytes);
    const QString dataHome = dir_.filePath(QStringLiteral("verify-data"));
    const GameHistory history(dataHome + QStringLiteral("/Korva/Korva/history"));
    QCOMPARE(history.record(earlierBytes, game, mine, HistoryEntry::Kind::Opened), QString());
    QCOMPARE(history.record(myBytes, game, mine, HistoryEntry::Kind::Saved), QString());

    MoveFileContents theirContents = contents_;
    KorvaExtension theirBlock;
    theirBlock.gameId = game;
    DiceRolls rolls{DiceRolls::Fixed, secret, dicedraw::sha256(myBytes), 1, {}};
    const int die = dicedraw::drawDie(secret, rolls.openedHash, 1);
    theirContents.tags = {TagRecord{ZeKClick(300).position(), die, "Over the river"}};
    rolls.rolls = {{1, ZeKClick(300).position(), die, "Over the river"}};
    theirBlock.diceRolls = rolls;
    const QString theirs = dir_.filePath(QStringLiteral("verify-theirs.krv"));
    write(theirs, encodeMoveFile(theirContents) + encodeKorvaExtension(theirBlock));

    const Run verified = korva({QStringLiteral("--verify"), theirs}, dataHome);
    QCOMPARE(verified.out, QByteArray("the one roll verified\n"));
    QCOMPARE(verified.status, 0);
    QCOMPARE(korva({QStringLiteral("--verify"), theirs, mine}, dataHome).status, 0);
    // Checked against another file than the one they opened; without the history.
    myContents.banners[0] = "Turn 4";
    const QString changed = dir_.filePath(QStringLiteral("verify-changed.krv"));
    write(changed, encodeMoveFile(myContents) + encodeKorvaExtension(myBlock));
    const Run other = korva({QStringLiteral("--verify"), theirs, changed}, dataHome);
    QCOMPARE(other.status, 1);
    QVERIFY2(other.out.contains("rolled against another file"), other.out.constData());
    const Run lost =
        korva({QStringLiteral("--verify"), theirs}, dir_.filePath(QStringLiteral("none")));
    QCOMPARE(lost.status, 1);
    QVERIFY2(lost.out.startsWith("rolls not verifiable ("), lost.out.constData());
    QCOMPARE(
        korva({QStringLiteral("--verify"), dir_.filePath(QStringLiteral("missing.krv"))}).status,
        2);

    // Stripped of its block, from another folder: it follows the game's positions, and the
    // history holds the commitment it was bound by.
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("elsewhere")));
    const QString stripped = dir_.filePath(QStringLiteral("elsewhere/verify-theirs.krv"));
    write(stripped, encodeMoveFile(theirContents));
    const QByteArray withheld = "the rolls were withheld: they committed to this turn's dice in "
                                "\"verify-mine.krv\" and did not reveal them\n";
    QCOMPARE(korva({QStringLiteral("--verify"), stripped}, dataHome).out, withheld);
    // A file of another game beside the game's files is none of the game's; named with the
    // file sent, it is judged in that file's game.
    MoveFileContents unrelated = theirContents;
    unrelated.counters[0] = CounterRecord{400, 400, 0, 0};
    const QString dave = dir_.filePath(QStringLiteral("dave_t3.krv"));
    write(dave, encodeMoveFile(unrelated));
    QCOMPARE(korva({QStringLiteral("--verify"), dave}, dataHome).out,
             QByteArray("rolls not verifiable (the file carries no dice record)\n"));
    QCOMPARE(korva({QStringLiteral("--verify"), dave, mine}, dataHome).out, withheld);
}

void TestCommandLine::movesOfATurn() {
    const QByteArray header = "Unit                  From        To\r\n";
    // Without a block: the move from the start hex.
    const Run plain = korva({QStringLiteral("--moves"), turn_});
    QCOMPARE(plain.status, 0);
    QCOMPARE(plain.out, header + "UK 6 Armor XX         C73         E34         2/1       \r\n");

    // The player's own last file of the game, kept in the history, ended at D54; the reply
    // names the game and began there.
    MoveFileContents ended = contents_;
    ended.counters[0].startHex = 300;
    const QString ownFile = dir_.filePath(QStringLiteral("turn3-mine.krv"));
    const QString dataHome = dir_.filePath(QStringLiteral("data"));
    const GameId game = GameId::generate();
    MoveFileContents mine = ended;
    mine.counters[0] = {250, 250, 1, 0};
    KorvaExtension extension;
    extension.gameId = game;
    QCOMPARE(GameHistory(dataHome + QStringLiteral("/Korva/Korva/history"))
                 .record(encodeMoveFile(mine) + encodeKorvaExtension(extension), game, ownFile,
                         HistoryEntry::Kind::Saved),
             QString());
    const QString reply = dir_.filePath(QStringLiteral("turn5.krv"));
    KorvaExtension replyBlock = extension;
    replyBlock.turnStart = presentPlaces(mine.counters);
    write(reply, encodeMoveFile(ended) + encodeKorvaExtension(replyBlock));
    const QByteArray sinceMine =
        header + "UK 6 Armor XX         D54         E34         2/1       \r\n";
    QCOMPARE(korva({QStringLiteral("--moves"), reply}, dir_.filePath(QStringLiteral("none"))).out,
             sinceMine);
    QCOMPARE(korva({QStringLiteral("--moves"), reply}, dataHome).out, sinceMine);

    // Measured from a file named by hand; from itself, by its start hexes.
    const QString none = dir_.filePath(QStringLiteral("none"));
    write(ownFile, encodeMoveFile(mine));
    QCOMPARE(
        korva({QStringLiteral("--moves"), reply, QStringLiteral("--since"), ownFile}, none).out,
        sinceMine);
    QCOMPARE(korva({QStringLiteral("--moves"), turn_, QStringLiteral("--since"), turn_}, none).out,
             plain.out);
    const QString missing = dir_.filePath(QStringLiteral("missing.krv"));
    const Run refused =
        korva({QStringLiteral("--moves"), reply, QStringLiteral("--since"), missing});
    QCOMPARE(refused.status, 2);
    QVERIFY2(refused.err.startsWith("korva: " + QFile::encodeName(missing) + ": "),
             refused.err.constData());
}

void TestCommandLine::aTurnAnsweredIsMeasuredAsTheWindowDoes() {
    // The player saved a position, the opponent moved counter 1 from it, the player answered
    // by moving counters 2 and 3: the opponent's turn is still counter 1's move alone, never
    // the answer taken back.
    const GameId game = GameId::generate();
    const auto file = [&](std::vector<CounterRecord> counters,
                          const std::vector<CounterRecord>& start, TurnRecord turn) {
        MoveFileContents contents;
        contents.counters = std::move(counters);
        KorvaExtension block;
        block.gameId = game;
        block.turnStart = presentPlaces(start);
        block.turn = turn;
        return encodeMoveFile(contents) + encodeKorvaExtension(block);
    };
    CounterMgr counters;
    std::vector<CounterRecord> before;
    for (const auto& counter : counters.counters())
        before.push_back(counter->record());
    before[0] = {200, 200, 0, 0};
    std::vector<CounterRecord> moved = before;
    moved[0] = {200, 300, 0, 0};
    std::vector<CounterRecord> answer = moved;
    answer[1] = {answer[1].startHex, 400, 0, 0};
    answer[2] = {answer[2].startHex, 500, 0, 0};
    const QString dataHome = dir_.filePath(QStringLiteral("answered"));
    const GameHistory history(dataHome + QStringLiteral("/Korva/Korva/history"));
    const QString theirs = dir_.filePath(QStringLiteral("answered-2.krv"));
    const QDateTime t = QDateTime::currentDateTimeUtc().addSecs(-60);
    QCOMPARE(history.record(file(before, before, {2, Side::First, Side::First}), game,
                            dir_.filePath(QStringLiteral("answered-1.krv")),
                            HistoryEntry::Kind::Saved, t),
             QString());
    write(theirs, file(moved, before, {2, Side::Second, Side::First}));
    QCOMPARE(history.record(file(answer, moved, {3, Side::First, Side::First}), game,
                            dir_.filePath(QStringLiteral("answered-3.krv")),
                            HistoryEntry::Kind::Saved, t.addSecs(10)),
             QString());
    const Run moves = korva({QStringLiteral("--moves"), theirs}, dataHome);
    QCOMPARE(moves.status, 0);
    QCOMPARE(moves.out.count("\r\n"), 2);
    QVERIFY2(moves.out.contains("UK 6 Armor XX         C73         E34"), moves.out.constData());
    const QString page = dir_.filePath(QStringLiteral("answered.html"));
    QCOMPARE(korva({QStringLiteral("--export-turn"), theirs, page}, dataHome).status, 0);
    QFile written(page);
    QVERIFY(written.open(QIODevice::ReadOnly));
    // One row of changes (the combats table is not there: the turn had none).
    const QByteArray html = written.readAll();
    QCOMPARE(html.count("<tbody>"), 1);
    QCOMPARE(html.count("<tr>") - html.count("<thead><tr>"), 1);
    QVERIFY(html.contains("UK 6 Armor XX"));
}

void TestCommandLine::renderDrawsTheMoves() {
    const QString marked = dir_.filePath(QStringLiteral("marked.png"));
    const QString noHistory = dir_.filePath(QStringLiteral("none"));
    // Measured from a file named by hand: the arrow starts where counter 1 stood in it.
    MoveFileContents earlier = contents_;
    earlier.counters[0] = {250, 250, 1, 0};
    const QString earlierFile = dir_.filePath(QStringLiteral("earlier.krv"));
    write(earlierFile, encodeMoveFile(earlier));
    const QString markedSince = dir_.filePath(QStringLiteral("since.png"));
    // With a zoom, in either order: the marks at the zoomed map's scale; and zoomed in, where
    // the picture is drawn in bands of rows.
    const QString small = dir_.filePath(QStringLiteral("small.png"));
    const QString large = dir_.filePath(QStringLiteral("large.png"));
    const QString moves = QStringLiteral("--moves");
    const QString render = QStringLiteral("--render");
    const QString zoom = QStringLiteral("--zoom");
    const std::vector<Run> runs =
        korvaTogether({{render, turn_, marked, moves},
                       {render, turn_, markedSince, moves, QStringLiteral("--since"), earlierFile},
                       {render, turn_, small, zoom, QStringLiteral("50"), moves},
                       {render, turn_, large, zoom, QStringLiteral("200"), moves}},
                      noHistory);
    for (const Run& run : runs)
        QVERIFY2(run.status == 0, run.err.constData());

    const QImage without(unmarked(100));
    const QImage with(marked);
    // Blue half way from the counter's place in hex 200 to hex 300, the rest as it was.
    const AFPoint from = hexgrid::hexPosition(200);
    const AFPoint to = hexgrid::hexPosition(300);
    const QPoint half((from.x + to.x) / 2 + 12, (from.y + to.y) / 2 + 12);
    QCOMPARE(with.pixel(half), moveoverlay::sideColour(Side::First).rgb());
    QCOMPARE(with.copy(600, 1200, 40, 40), without.copy(600, 1200, 40, 40));

    const AFPoint since = hexgrid::hexPosition(250);
    QCOMPARE(QImage(markedSince).pixel((since.x + to.x) / 2 + 12, (since.y + to.y) / 2 + 12),
             moveoverlay::sideColour(Side::First).rgb());

    const QImage smallMarked(small);
    const QImage smallBare(unmarked(50));
    QCOMPARE(smallMarked.size(), smallBare.size());
    QVERIFY(smallMarked.copy(QRect(half / 2 - QPoint(3, 3), QSize(6, 6))) !=
            smallBare.copy(QRect(half / 2 - QPoint(3, 3), QSize(6, 6))));

    // The arrow runs on unbroken across the bands.
    const QImage largeMarked(large);
    QCOMPARE(largeMarked.size(), QSize(1512 * 2, 2720 * 2));
    for (const double along : {0.3, 0.5, 0.7}) {
        const QPointF at(from.x + (to.x - from.x) * along + 12,
                         from.y + (to.y - from.y) * along + 12);
        QCOMPARE(largeMarked.pixel((at * 2).toPoint()), moveoverlay::sideColour(Side::First).rgb());
    }
}

void TestCommandLine::infoOfAFile_data() {
    QTest::addColumn<QByteArray>("block"); // after the three sections of turn3.krv
    QTest::addColumn<QString>("lines");
    QTest::newRow("no block") << QByteArray()
                              << "game: none\nturn: unknown\nmoves: 1\ncombats: 1\n"
                                 "korva block: absent";
    KorvaExtension full;
    full.gameId = GameId::fromHex(QStringLiteral("00112233445566778899aabbccddeeff"));
    full.turn = TurnRecord{3, Side::Second, Side::First};
    full.players = {QStringLiteral("Alice"), {}};
    full.note = QStringLiteral("Hyökkäys");
    QTest::newRow("a turn of a game")
        << encodeKorvaExtension(full)
        << "game: 00112233445566778899aabbccddeeff\nturn: 3\nto move: Axis\nmoves first: "
           "Allies\nallies player: Alice\naxis player: none\nnote: 8 characters\nkorva "
           "block: valid";
    QTest::newRow("damaged")
        << QByteArray("KORVAEXT\2\0\0\0\0\0\0\0", 16)
        << "turn: unknown\nkorva block: damaged: it has version 2, which this Korva cannot read";
    KorvaExtension later;
    later.writer = KorvaVersion{{7, 3, 0}};
    // With a record of a type this Korva does not know (99, empty) inside the block.
    QByteArray laterBlock = encodeKorvaExtension(later) + QByteArray("\x63\0\0\0\0\0\0\0", 8);
    laterBlock[12] = char(laterBlock[12] + 8);
    QTest::newRow("a later Korva's")
        << laterBlock
        << "written by: Korva 7.3\nunknown records: This file was made by Korva 7.3, newer than "
           "this one: some of its data is not shown.";
}

void TestCommandLine::infoOfAFile() {
    QFETCH(QByteArray, block);
    QFETCH(QString, lines);
    const QString file = dir_.filePath(QStringLiteral("info.krv"));
    write(file, encodeMoveFile(contents_) + block);
    const Run run = korva({QStringLiteral("--info"), file});
    QCOMPARE(run.status, 0);
    const QStringList out = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    for (const QString& line : lines.split(QLatin1Char('\n')))
        QVERIFY2(out.contains(line),
                 qPrintable(line + QStringLiteral(" in\n") + QString::fromUtf8(run.out)));
    // A new game's file starts at turn 1.
    QCOMPARE(korva({QStringLiteral("--new-game"), file}).status, 0);
    const QByteArray newGame = korva({QStringLiteral("--info"), file}).out;
    QVERIFY(newGame.contains("\nturn: 1\nto move: Allies\n"));
    QVERIFY(newGame.contains("\nwritten by: Korva " KORVA_VERSION "\n"));
}

void TestCommandLine::infoInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lines"); // a game, a player: the one word "none" in two genders
    QTest::newRow("fr") << "fr" << QStringLiteral("partie: aucune\njoueur allié: aucun");
    QTest::newRow("it") << "it" << QStringLiteral("partita: nessuna\ngiocatore alleati: nessuno");
    QTest::newRow("de") << "de" << QStringLiteral("Partie: keine\nSpieler Alliierte: keiner");
}

void TestCommandLine::infoInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, lines);
    const QString file = dir_.filePath(QStringLiteral("bare.krv"));
    write(file, encodeMoveFile(contents_));
    const Run run = korva({QStringLiteral("--info"), file},
                          dir_.filePath(QStringLiteral("language-data")), language);
    QCOMPARE(run.status, 0);
    const QString out = QString::fromUtf8(run.out);
    for (const QString& line : lines.split(QLatin1Char('\n')))
        QVERIFY2(out.contains(QLatin1Char('\n') + line + QLatin1Char('\n')) || out.startsWith(line),
                 qPrintable(out));
}

void TestCommandLine::gamesOfTheHistory() {
    const QString dataHome = dir_.filePath(QStringLiteral("games-data"));
    const Run empty = korva({QStringLiteral("--games")}, dataHome);
    QCOMPARE(empty.status, 0);
    QCOMPARE(empty.out, QByteArray("No games in the history yet.\n"));

    // The player, Alice, waits in one game and has a new move in another, whose file came in
    // under a name meant to rewrite the terminal; a third game is archived.
    const GameHistory history(dataHome + QStringLiteral("/Korva/Korva/history"));
    const QString downloads = dir_.filePath(QStringLiteral("games-downloads"));
    QVERIFY(QDir().mkpath(downloads));
    const auto file = [&](const GameId& id, TurnRecord turn) {
        KorvaExtension block;
        block.gameId = id;
        block.turn = turn;
        block.players = {QStringLiteral("Alice"), QStringLiteral("Bob")};
        block.turnStart = presentPlaces(contents_.counters);
        return encodeMoveFile(contents_) + encodeKorvaExtension(block);
    };
    const GameId waiting = GameId::generate();
    const GameId answered = GameId::generate();
    const GameId archived = GameId::generate();
    for (const GameId& id : {waiting, answered, archived}) {
        const QString saved = downloads + QStringLiteral("/t1\x1b[2J.krv");
        QCOMPARE(history.record(file(id, {1, Side::Second}), id, saved, HistoryEntry::Kind::Saved),
                 QString());
        gameplaces::noteSide(history.root(), id, saved, Side::First); // she ended turn 1
    }
    write(downloads + QStringLiteral("/answer.krv"), file(answered, {2, Side::First}));
    QSettings settings(dataHome + QStringLiteral("/config/Korva/Korva.conf"), QSettings::IniFormat);
    settings.setValue(QStringLiteral("games/archived"),
                      QStringList{GameHistory::gameKey(archived, {})});
    settings.setValue(QStringLiteral("games/watchedFolders"), QStringList{downloads});
    settings.sync();

    const Run games = korva({QStringLiteral("--games")}, dataHome);
    QCOMPARE(games.status, 0);
    const QStringList lines = QString::fromUtf8(games.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3); // two games and the end of the last line
    // Every name from a file quoted, so that none can pass for a column or Korva's words.
    QVERIFY2(lines[0].startsWith(QStringLiteral("\"Alice\" – \"Bob\" | you: \"Alice\" (Allies) "
                                                "· opponent: \"Bob\" (Axis) | Turn 2 · Allies to "
                                                "move | new move from \"Bob\" | \"t1\\e[2J.krv\", "
                                                "saved ")),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(QStringLiteral(" | waiting for \"Bob\" | ")), qPrintable(lines[1]));
    QVERIFY(!games.out.contains('\x1b'));
    QCOMPARE(korva({QStringLiteral("--games"), QStringLiteral("x")}, dataHome).status, 2);
}

void TestCommandLine::refusedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("ends");
    QTest::newRow("wrong mark") << QByteArray(2839, '\x01') << QStringLiteral("mark");
    QByteArray cut = encodeMoveFile(contents_);
    cut.chop(3);
    QTest::newRow("cut short") << cut << QStringLiteral("ends");
}

void TestCommandLine::refusedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reasonPart);
    const QString bad = dir_.filePath(QStringLiteral("bad.krv"));
    write(bad, bytes);
    const QString out = dir_.filePath(QStringLiteral("bad.png"));
    for (const QStringList& arguments : {QStringList{QStringLiteral("--report"), bad},
                                         QStringList{QStringLiteral("--render"), bad, out},
                                         QStringList{QStringLiteral("--info"), bad}}) {
        const Run run = korva(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        const QString err = QString::fromLocal8Bit(run.err).trimmed();
        QCOMPARE(err.count(QLatin1Char('\n')), 0); // one line
        QVERIFY2(err.startsWith(QStringLiteral("korva: ") + bad + QStringLiteral(": ")),
                 qPrintable(err));
        QVERIFY2(err.contains(reasonPart), qPrintable(err));
    }
    QVERIFY(!QFile::exists(out));
    QCOMPARE(korva({QStringLiteral("--report"), dir_.filePath(QStringLiteral("none.krv"))}).status,
             2);
    // Neither is it a picture module.
    const Run extract =
        korva({QStringLiteral("--extract-pictures"), bad, dir_.filePath(QStringLiteral("pics"))});
    QCOMPARE(extract.status, 2);
    QVERIFY(extract.out.isEmpty());
    QVERIFY2(extract.err.startsWith("korva: " + QFile::encodeName(bad) + ": ") &&
                 extract.err.count('\n') == 1,
             extract.err.constData());
}

void TestCommandLine::helpAndVersion_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("outStart");
    QTest::newRow("--help") << QStringLiteral("--help") << QByteArray("usage: korva");
    QTest::newRow("-h") << QStringLiteral("-h") << QByteArray("usage: korva");
    QTest::newRow("--version") << QStringLiteral("--version")
                               << QByteArray("korva " KORVA_VERSION "\n");
    QTest::newRow("-v") << QStringLiteral("-v") << QByteArray("korva " KORVA_VERSION "\n");
}

void TestCommandLine::helpAndVersion() {
    QFETCH(QString, option);
    QFETCH(QByteArray, outStart);
    const Run run = korva({option});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(outStart), run.out.constData());
    QVERIFY(run.err.isEmpty());
}

void TestCommandLine::argumentsRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("unknown long") << QStringList{QStringLiteral("--frobnicate")}
                                  << QStringLiteral("--frobnicate");
    QTest::newRow("unknown short") << QStringList{QStringLiteral("-x")} << QStringLiteral("-x");
    QTest::newRow("option after file")
        << QStringList{QStringLiteral("a.krv"), QStringLiteral("--report")}
        << QStringLiteral("--report");
    QTest::newRow("two files") << QStringList{QStringLiteral("a.krv"), QStringLiteral("b.krv")}
                               << QStringLiteral("one move file");
    QTest::newRow("verify with three files")
        << QStringList{QStringLiteral("--verify"), QStringLiteral("a.krv"), QStringLiteral("b.krv"),
                       QStringLiteral("c.krv")}
        << QStringLiteral("--verify");
    QTest::newRow("report without file")
        << QStringList{QStringLiteral("--report")} << QStringLiteral("--report");
    QTest::newRow("moves without file")
        << QStringList{QStringLiteral("--moves")} << QStringLiteral("--moves");
    QTest::newRow("render with another extra")
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.krv"), QStringLiteral("b.png"),
                       QStringLiteral("--report")}
        << QStringLiteral("--render");
    QTest::newRow("new game without file")
        << QStringList{QStringLiteral("--new-game")} << QStringLiteral("--new-game");
    QTest::newRow("zoom beyond 400")
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.krv"), QStringLiteral("b.png"),
                       QStringLiteral("--zoom"), QStringLiteral("401")}
        << QStringLiteral("--zoom");
    QTest::newRow("zoom not a number")
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.krv"), QStringLiteral("b.png"),
                       QStringLiteral("--zoom"), QStringLiteral("half")}
        << QStringLiteral("half");
    QTest::newRow("moves twice") << QStringList{QStringLiteral("--render"), QStringLiteral("a.krv"),
                                                QStringLiteral("b.png"), QStringLiteral("--moves"),
                                                QStringLiteral("--moves")}
                                 << QStringLiteral("--render");
    QTest::newRow("render with another option")
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.krv"), QStringLiteral("b.png"),
                       QStringLiteral("--size"), QStringLiteral("50")}
        << QStringLiteral("--render");
    QTest::newRow("since without moves")
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.krv"), QStringLiteral("b.png"),
                       QStringLiteral("--since"), QStringLiteral("c.krv")}
        << QStringLiteral("--since");
    QTest::newRow("version with more")
        << QStringList{QStringLiteral("--version"), QStringLiteral("x")}
        << QStringLiteral("--version");
}

void TestCommandLine::argumentsRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, reasonPart);
    // None of these may start the window (there is no display here: it would abort).
    const Run run = korva(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    const QString err = QString::fromLocal8Bit(run.err).trimmed();
    QCOMPARE(err.count(QLatin1Char('\n')), 0);
    QVERIFY2(err.startsWith(QStringLiteral("korva: ")) && err.contains(reasonPart),
             qPrintable(err));
}

void TestCommandLine::namesShownNotObeyed_data() {
    // In the arguments: DAMAGED a file with a damaged block, REFUSED an empty one, NOWHERE a
    // path in a folder that is not there, GOOD an ordinary file; all but GOOD named with
    // controls that would rub out a line and fake a verdict, set the title and clear the screen.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const auto args = [](const char* line) {
        return QString::fromLatin1(line).split(QLatin1Char(' '));
    };
    QTest::newRow("verify") << args("--verify DAMAGED") << 1;
    QTest::newRow("verify against") << args("--verify GOOD REFUSED") << 2;
    QTest::newRow("info") << args("--info REFUSED") << 2;
    QTest::newRow("moves") << args("--moves DAMAGED") << 0;
    QTest::newRow("moves since") << args("--moves GOOD --since REFUSED") << 2;
    QTest::newRow("report") << args("--report REFUSED") << 2;
    QTest::newRow("render") << args("--render REFUSED NOWHERE") << 2;
    QTest::newRow("render into") << args("--render GOOD NOWHERE") << 1;
    QTest::newRow("new game") << args("--new-game NOWHERE") << 1;
    QTest::newRow("extract pictures") << args("--extract-pictures REFUSED NOWHERE") << 2;
}

void TestCommandLine::namesShownNotObeyed() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const QString name =
        QStringLiteral("x\x1b[2K\rall 4 rolls verified\n\x1b[8m\x1b]0;owned\a\u009b2J\u202Eevil");
    const QString damaged = dir_.filePath(name + QStringLiteral("-damaged.krv"));
    write(damaged, encodeMoveFile(contents_) + QByteArray("KORVAEXT\2\0\0\0\0\0\0\0", 16));
    const QString refused = dir_.filePath(name + QStringLiteral("-refused.krv"));
    write(refused, {});
    for (QString& argument : arguments)
        argument = argument == QLatin1String("DAMAGED")   ? damaged
                   : argument == QLatin1String("REFUSED") ? refused
                   : argument == QLatin1String("GOOD")    ? turn_
                   : argument == QLatin1String("NOWHERE")
                       ? dir_.filePath(name + QStringLiteral("/out"))
                       : argument;
    const Run run = korva(arguments, dir_.filePath(QStringLiteral("names-data")));
    QCOMPARE(run.status, status);
    const QByteArray escaped = "x\\e[2K\\rall 4 rolls verified\\n\\e[8m\\e]0;owned\\x07\\x9b2J"
                               "\\u202eevil";
    QVERIFY2(run.err.contains(escaped), run.err.constData());
    for (const QByteArray& line : run.err.split('\n'))
        QVERIFY2(line.isEmpty() || line.startsWith("korva: "), line.constData());
    // Nothing that acts on a terminal: escape, bell, carriage return (but for the report's
    // line ends), C1 CSI, an override.
    for (const char* acting : {"\x1b", "\a", "\r", "\xc2\x9b", "\xe2\x80\xae"}) {
        QVERIFY(!run.err.contains(acting));
        QVERIFY(!QByteArray(run.out).replace("\r\n", "\n").contains(acting));
    }
    // The verdict comes last, alone on its line, and is the real one.
    if (arguments[0] == QLatin1String("--verify") && status == 1) {
        QCOMPARE(run.out.count('\n'), 1);
        QVERIFY2(run.out.endsWith('\n') && !run.out.contains("verified"), run.out.constData());
    }
}

void TestCommandLine::failedOutputIsAnError() {
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("this system has no /dev/full");
    for (const QStringList& arguments : {QStringList{QStringLiteral("--report"), turn_},
                                         QStringList{QStringLiteral("--version")}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(KORVA_PROGRAM), arguments);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(err.startsWith("korva: standard output: ") && err.count('\n') == 1,
                 err.constData());
    }
    // A picture or a new game that cannot be written is an error too, never a success.
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--render"), turn_, QStringLiteral("/dev/full/out")},
          QStringList{QStringLiteral("--new-game"), QStringLiteral("/dev/full/out")}}) {
        const Run run = korva(arguments);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith("korva: /dev/full/out: ") && run.err.count('\n') == 1,
                 run.err.constData());
    }
    // A FIFO in the way is refused, and stays a FIFO.
    const QString fifo = dir_.filePath(QStringLiteral("fifo.krv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Run refused = korva({QStringLiteral("--new-game"), fifo});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains("not a regular file"), refused.err.constData());
    QVERIFY(!QFileInfo(fifo).isFile() && QFileInfo::exists(fifo));
    // A disk that fills part-way says why.
    SmallTmpfs disk(64);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    QVERIFY(disk.fillLeaving(8192));
    const QString png = disk.filePath(QStringLiteral("map.png"));
    const Run full = korva({QStringLiteral("--render"), turn_, png});
    QCOMPARE(full.status, 1);
    QCOMPARE(full.err, "korva: " + QFile::encodeName(png) + ": " + std::strerror(ENOSPC) + "\n");
}

void TestCommandLine::manPageCoversEveryOption() {
    const Run help = korva({QStringLiteral("--help")});
    QFile page(QStringLiteral(KORVA_MANPAGE));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString roff = QString::fromUtf8(page.readAll());
    const QString usage = QString::fromLocal8Bit(help.out);
    QStringList options;
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    for (const auto& match : option.globalMatch(usage))
        options << match.captured();
    QVERIFY(options.size() >= 5);
    // Each has its own entry under OPTIONS, with roff's escaped hyphens.
    const QString optionsSection =
        roff.section(QStringLiteral(".SH OPTIONS"), 1, 1).section(QStringLiteral(".SH "), 0, 0);
    for (const QString& name : options) {
        QString escaped = name;
        escaped.replace(QLatin1Char('-'), QStringLiteral("\\-"));
        QVERIFY2(optionsSection.contains(escaped), qPrintable(name));
    }
    // And the files a player may look for.
    for (const QString& file :
         {QStringLiteral("Korva.conf"), QStringLiteral("trace.txt"), QStringLiteral("korva_1.dll")})
        QVERIFY2(roff.contains(file), qPrintable(file));
}

void TestCommandLine::helpNamesOnlyUses() {
    // Each use the help names is one, refusing arguments it cannot take as its own.
    const QString usage = QString::fromLocal8Bit(korva({QStringLiteral("--help")}).out);
    static const QRegularExpression use(QStringLiteral("(?:korva|\\|) (--[a-z-]+)"));
    QStringList uses;
    for (const auto& match : use.globalMatch(usage))
        uses << match.captured(1);
    uses.removeDuplicates();
    QCOMPARE(uses.size(), 14);
    for (const QString& name : uses) {
        const Run run = korva({name, QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"),
                               QStringLiteral("w"), QStringLiteral("v"), QStringLiteral("u")});
        QVERIFY2(run.status == 2 && !run.err.contains("unknown option"),
                 qPrintable(name + QStringLiteral(": ") + QString::fromLocal8Bit(run.err)));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
