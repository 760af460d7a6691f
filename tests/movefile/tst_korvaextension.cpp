#include "movefile/movefile.h"

#include <QTest>
#include <QtEndian>

namespace {

// A reader of the three sections by the format's own rules and nothing more, as the
// opponent's program reads a move file: sections in order, texts up to their zero byte,
// and nothing read after the banners.
struct StrictRead {
    std::vector<std::array<qint32, 3>> counters;
    std::vector<std::tuple<qint32, qint32, qint32, QByteArray>> tags;
    std::array<QByteArray, 3> banners;
    qsizetype end = 0;
    bool operator==(const StrictRead&) const = default;
};

StrictRead strictRead(const QByteArray& bytes) {
    StrictRead read;
    qsizetype at = 0;
    const auto int32 = [&] {
        const qint32 value = qFromLittleEndian<qint32>(bytes.constData() + at);
        at += 4;
        return value;
    };
    const auto text = [&] {
        const qint32 n = int32();
        const QByteArray t = bytes.mid(at, n);
        at += n + 1;
        return t.left(t.indexOf('\0') < 0 ? t.size() : t.indexOf('\0'));
    };
    if (int32() == 11111111) {
        int32();
        for (int n = 0; n < 234; ++n) {
            const qint32 start = int32();
            const qint32 current = int32();
            read.counters.push_back({start, current, int32()});
        }
    }
    if (int32() == 12121212) {
        for (qint32 n = int32(); n > 0; --n) {
            int32();
            const qint32 x = int32();
            const qint32 y = int32();
            const qint32 die = int32();
            read.tags.emplace_back(x, y, die, text());
        }
    }
    for (QByteArray& banner : read.banners)
        banner = text();
    read.end = at;
    return read;
}

MoveFileContents turnContents() {
    MoveFileContents contents;
    for (int n = 1; n <= 234; ++n)
        contents.counters.push_back({n, n, 0, 0});
    contents.counters[0] = {200, 300, 1, 0};
    contents.counters[150] = {900, 950, 0, 2};
    contents.tags = {{AFPoint(35, 19), 4, "over the river"}, {AFPoint(70, 58), 1, ""}};
    contents.banners = {"Turn 5", "Allies", "Salerno"};
    return contents;
}

KorvaExtension turnExtension() {
    KorvaExtension extension;
    std::vector<CounterPlace> start;
    for (int n = 1; n <= 234; ++n)
        start.push_back({n, 0, 0});
    start[0] = {200, 0, 0};
    extension.turnStart = start;
    GameId::Bytes id{};
    for (int i = 0; i < GameId::kSize; ++i)
        id[std::size_t(i)] = std::uint8_t(0xA0 + i);
    extension.gameId = GameId::fromBytes(id);
    extension.note = QStringLiteral("Hyökkäys alkaa — attack at dawn");
    extension.turn = TurnRecord{3, Side::Second, Side::First};
    extension.players = {QStringLiteral("Alice"), QStringLiteral("Börje")};
    return extension;
}

QByteArray le32(quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray block(quint32 version, const QByteArray& records) {
    return QByteArray("KORVAEXT") + le32(version) + le32(quint32(records.size())) + records;
}

QByteArray record(quint32 type, const QByteArray& body) {
    return le32(type) + le32(quint32(body.size())) + body;
}

} // namespace

// Korva's own block after the banners: its layout, what it leaves alone, and the damaged
// blocks that are ignored with a warning.
class TestKorvaExtension : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void sectionsStayWhatTheyWere();
    void damagedBlockIsIgnored_data();
    void damagedBlockIsIgnored();
    void tolerated_data();
    void tolerated();
    void noteLimit();
};

void TestKorvaExtension::layout() {
    const KorvaExtension extension = turnExtension();
    const QByteArray bytes = encodeKorvaExtension(extension);
    const QByteArray note = extension.note.toUtf8();
    // Header, then turn start (1), game id (2), note (3), turn (4) and players (5), each with
    // its length.
    QCOMPARE(bytes.left(16), QByteArray("KORVAEXT") + le32(1) + le32(quint32(bytes.size() - 16)));
    QCOMPARE(bytes.mid(16, 8), le32(1) + le32(234 * 8));
    QCOMPARE(bytes.mid(24, 8), le32(200) + le32(0));
    QCOMPARE(bytes.mid(24 + 1872, 8), le32(2) + le32(16));
    QCOMPARE(bytes.mid(32 + 1872, 16), QByteArray::fromHex("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf"));
    const qsizetype turnAt = 48 + 1872 + 8 + note.size();
    QCOMPARE(bytes.mid(48 + 1872, turnAt - 48 - 1872), le32(3) + le32(quint32(note.size())) + note);
    QCOMPARE(bytes.mid(turnAt, 20), le32(4) + le32(12) + le32(3) + le32(1) + le32(0));
    QCOMPARE(bytes.mid(turnAt + 20),
             le32(5) + le32(8 + 5 + 6) + le32(5) + "Alice" + le32(6) + "B\xc3\xb6rje");

    const KorvaExtensionRead read = parseKorvaExtension(bytes);
    QVERIFY(read.warning.isEmpty());
    QCOMPARE(read.extension, extension);
    QVERIFY(encodeKorvaExtension({}).isEmpty());

    // The dice records come after the note and read back whole.
    KorvaExtension withDice = extension;
    withDice.diceCommitment = QByteArray(32, 'c');
    withDice.diceRolls = DiceRolls{DiceRolls::Fixed,
                                   QByteArray(32, 's'),
                                   QByteArray(32, 'h'),
                                   3,
                                   {{3, {35, 19}, 6, "over the river"}, {1, {70, 0}, 1, {}}}};
    const QByteArray diceBytes = encodeKorvaExtension(withDice);
    QCOMPARE(diceBytes.mid(bytes.size(), 8), le32(10) + le32(32));
    QCOMPARE(parseKorvaExtension(diceBytes).extension, withDice);

    // The writer's version and the game's name come last.
    KorvaExtension named = extension;
    named.writer = KorvaVersion{{2, 1, 7}};
    named.gameName = QStringLiteral("Salerno ’43");
    const QByteArray namedBytes = encodeKorvaExtension(named);
    QCOMPARE(namedBytes.mid(bytes.size()), le32(13) + le32(12) + le32(2) + le32(1) + le32(7) +
                                               le32(14) + le32(13) +
                                               "Salerno \xe2\x80\x99"
                                               "43");
    QCOMPARE(parseKorvaExtension(namedBytes).extension, named);

    // A server's signed rolls come after them, whole.
    WitnessedRoll roll;
    roll.game = extension.gameId->bytes();
    roll.turn = 7;
    roll.number = 1;
    roll.hex = 1234;
    roll.die = 5;
    roll.timeMs = -1;
    roll.signature = QByteArray(64, 's');
    named.witnessedRolls = std::vector<WitnessedRoll>{roll, roll};
    const QByteArray witnessed = encodeKorvaExtension(named);
    QCOMPARE(witnessed.mid(namedBytes.size(), 12),
             le32(15) + le32(4 + 2 * WitnessedRoll::kSize) + le32(2));
    QCOMPARE(parseKorvaExtension(witnessed).extension, named);
}

void TestKorvaExtension::sectionsStayWhatTheyWere() {
    const QByteArray sections = encodeMoveFile(turnContents());
    const QByteArray file = sections + encodeKorvaExtension(turnExtension());
    QVERIFY(file.startsWith(sections));
    // The opponent's reader sees the same three sections and stops where they end.
    const StrictRead plain = strictRead(sections);
    QCOMPARE(plain.end, sections.size());
    QCOMPARE(plain.counters[0], (std::array<qint32, 3>{200, 300, 1}));
    QCOMPARE(plain.tags.size(), std::size_t{2});
    QVERIFY(strictRead(file) == plain);
    // Korva reads both.
    const OpenedMoveFile opened = parseOpenedMoveFile(file);
    QCOMPARE(opened.contents, turnContents());
    QCOMPARE(opened.extension, turnExtension());
    QVERIFY(opened.extensionWarning.isEmpty());
}

void TestKorvaExtension::damagedBlockIsIgnored_data() {
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("reason");
    const QByteArray good = encodeKorvaExtension(turnExtension());
    QByteArray start(234 * 8, '\0');
    for (int n = 0; n < 234; ++n)
        qToLittleEndian(quint32(n + 1), start.data() + 8 * n);
    QByteArray offMap = start;
    qToLittleEndian(quint32(2967), offMap.data());
    QByteArray tooManyLosses = start;
    qToLittleEndian(quint32(3), tooManyLosses.data() + 4); // counter 1 has two steps

    QTest::newRow("cut in the magic") << QByteArray("KORVA") << "ends inside its header";
    QTest::newRow("cut in the header") << good.left(12) << "ends inside its header";
    QTest::newRow("cut in a record") << good.left(good.size() - 1) << "ends early";
    QTest::newRow("over 1 MB") << block(1, record(9, QByteArray(1024 * 1024, 'x')))
                               << "larger than 1 MB";
    QTest::newRow("later version") << block(2, {}) << "version 2";
    QTest::newRow("record past the end")
        << block(1, le32(3) + le32(10) + QByteArray("abc")) << "runs past";
    QTest::newRow("record header cut") << block(1, le32(3)) << "type and length";
    QTest::newRow("short turn start") << block(1, record(1, start.left(8 * 233))) << "bytes";
    QTest::newRow("hex off the map") << block(1, record(1, offMap)) << "counter 1";
    QTest::newRow("losses beyond steps") << block(1, record(1, tooManyLosses)) << "counter 1";
    QTest::newRow("id of 15 bytes") << block(1, record(2, QByteArray(15, 'i'))) << "16";
    QTest::newRow("id of zeros") << block(1, record(2, QByteArray(16, '\0'))) << "zero";
    QTest::newRow("id twice") << block(1, record(2, QByteArray(16, 'i')) +
                                              record(2, QByteArray(16, 'j')))
                              << "twice";
    QTest::newRow("note not UTF-8") << block(1, record(3, QByteArray("caf\xe9"))) << "UTF-8";
    QTest::newRow("commitment of 31 bytes") << block(1, record(10, QByteArray(31, 'c'))) << "32";
    const QByteArray hash(32, 'h');
    const auto dice = [&](std::uint32_t made, std::uint32_t count, const QByteArray& rolls) {
        return block(1, record(11, le32(0) + le32(32) + hash + le32(32) + hash + le32(made) +
                                       le32(count) + rolls));
    };
    const auto roll = [](std::uint32_t number, std::uint32_t die, const QByteArray& comment) {
        return le32(number) + le32(35) + le32(19) + le32(die) + le32(quint32(comment.size())) +
               comment;
    };
    QTest::newRow("dice count beyond its bytes") << dice(5, 5, roll(1, 3, "a")) << "counts 5";
    QTest::newRow("roll beyond those made") << dice(1, 1, roll(2, 3, "a")) << "roll 2";
    QTest::newRow("die of 7") << dice(1, 1, roll(1, 7, "a")) << "die 7";
    QTest::newRow("dice comment over 80")
        << dice(1, 1, roll(1, 3, QByteArray(81, 'c'))) << "comment of 81";
    QTest::newRow("dice record cut") << dice(1, 1, roll(1, 3, "abc").chopped(1)) << "ends inside";
    QTest::newRow("fixed without secret")
        << block(1, record(11, le32(0) + le32(0) + le32(0) + le32(0) + le32(0))) << "secret";
    QTest::newRow("note over 64 KB")
        << block(1, record(3, QByteArray(64 * 1024 + 1, 'n'))) << "64 KB";
    const auto turn = [](quint32 number, quint32 toMove) {
        return block(1, record(4, le32(number) + le32(toMove) + le32(0)));
    };
    const auto players = [](const QByteArray& first) {
        return block(1, record(5, le32(quint32(first.size())) + first + le32(0)));
    };
    QTest::newRow("turn 0") << turn(0, 0) << "turn number 0";
    QTest::newRow("turn 10000") << turn(10000, 0) << "turn number 10000";
    QTest::newRow("a third side") << turn(1, 2) << "side 2";
    QTest::newRow("turn of 8 bytes") << block(1, record(4, le32(1) + le32(0))) << "12";
    QTest::newRow("name with an escape") << players("Bob\x1b[2J") << "plain line";
    QTest::newRow("name of 41 letters") << players(QByteArray(41, 'b')) << "plain line";
    QTest::newRow("name not UTF-8") << players("B\xf6rje") << "plain line";
    QTest::newRow("name reversed by an override")
        << players(QStringLiteral("Bob\u202Eecila").toUtf8()) << "plain line";
    QTest::newRow("name isolated")
        << players(QStringLiteral("\u2066Bob\u2069").toUtf8()) << "plain line";
    // Fillers and joiners that draw nothing would make two names look the same.
    QTest::newRow("name with invisible letters")
        << players(QStringLiteral("Bob\u3164\u115F\u034F").toUtf8()) << "plain line";
    QTest::newRow("name of a filler alone")
        << players(QStringLiteral("\u3164").toUtf8()) << "plain line";
    QTest::newRow("name past its record") << block(1, record(5, le32(9) + "Bob")) << "runs past";
    QTest::newRow("bytes after the names")
        << block(1, record(5, le32(0) + le32(0) + "x")) << "longer than";
    QTest::newRow("writer of 8 bytes") << block(1, record(13, le32(1) + le32(0))) << "12";
    QTest::newRow("game name with a break") << block(1, record(14, "Sal\nerno")) << "plain line";
    QTest::newRow("witnessed roll cut")
        << block(1, record(15, le32(1) + QByteArray(WitnessedRoll::kSize - 1, 'x')))
        << "count 1 in";
    QTest::newRow("game name twice") << block(1, record(14, "a") + record(14, "b")) << "twice";
}

void TestKorvaExtension::damagedBlockIsIgnored() {
    QFETCH(QByteArray, tail);
    QFETCH(QString, reason);
    const QByteArray sections = encodeMoveFile(turnContents());
    const OpenedMoveFile opened = parseOpenedMoveFile(sections + tail);
    // The file is read whole and as it says; only the block is dropped, with one line.
    QCOMPARE(opened.contents, turnContents());
    QVERIFY(opened.extension.isEmpty());
    QVERIFY2(opened.extensionWarning.contains(reason), qPrintable(opened.extensionWarning));
    QVERIFY(!opened.extensionWarning.contains(QLatin1Char('\n')));
}

void TestKorvaExtension::tolerated_data() {
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("hasNote");
    QTest::addColumn<QString>("unknownData");
    const QByteArray note = record(3, "hello");
    const auto writer = [](quint32 first, quint32 second) {
        return record(13, le32(first) + le32(second) + le32(0));
    };
    QTest::newRow("nothing after the banners") << QByteArray() << false << QString();
    QTest::newRow("other bytes after the banners")
        << QByteArray("\r\n-- \r\nsent by mail") << false << QString();
    QTest::newRow("unknown record skipped")
        << block(1, record(77, "future") + note) << true << "of a later Korva";
    QTest::newRow("a newer Korva's record")
        << block(1, note + writer(9, 2) + record(99, "x")) << true
        << "made by Korva 9.2, newer than this one: some of its data is not shown";
    QTest::newRow("an older Korva's unknown record")
        << block(1, writer(0, 9) + record(99, "x")) << false << "made by Korva 0.9 and";
    QTest::newRow("a newer Korva, every record known")
        << block(1, writer(9, 2)) << false << QString();
    QTest::newRow("bytes after the block") << block(1, note) + "\r\n" << true << QString();
    QTest::newRow("note of 64 KB")
        << block(1, record(3, QByteArray(64 * 1024, 'n'))) << true << QString();
}

void TestKorvaExtension::tolerated() {
    QFETCH(QByteArray, tail);
    QFETCH(bool, hasNote);
    QFETCH(QString, unknownData);
    const OpenedMoveFile opened = parseOpenedMoveFile(encodeMoveFile(turnContents()) + tail);
    QCOMPARE(opened.contents, turnContents());
    QVERIFY2(opened.extensionWarning.isEmpty(), qPrintable(opened.extensionWarning));
    QCOMPARE(!opened.extension.note.isEmpty(), hasNote);
    // Said once, in one line, only when something was skipped.
    const QString said =
        korvaext::unknownRecordsNote(opened.extension.writer, opened.extension.unknownRecords);
    QCOMPARE(said.isEmpty(), unknownData.isEmpty());
    QVERIFY2(said.contains(unknownData), qPrintable(said));
}

void TestKorvaExtension::noteLimit() {
    KorvaExtension extension;
    extension.note = QString(64 * 1024 / 2, QChar(0xE4)); // two bytes each in UTF-8
    QCOMPARE(parseKorvaExtension(encodeKorvaExtension(extension)).extension, extension);
    extension.note += QLatin1Char('!');
    QVERIFY_THROWS_EXCEPTION(MoveFileError, encodeKorvaExtension(extension));
    // A save never writes what its own reader would ignore: here a roll numbered beyond the
    // rolls made, as a damaged ledger once gave.
    KorvaExtension dice;
    dice.diceRolls = DiceRolls{DiceRolls::FirstTurn, {}, {}, 1, {{2, {0, 0}, 3, "x"}}};
    QVERIFY_THROWS_EXCEPTION(MoveFileError, encodeKorvaExtension(dice));
    dice.diceRolls->made = 2;
    dice.diceCommitment = QByteArray(32, 'c');
    dice.diceCommitmentPerCombat = true;
    QCOMPARE(parseKorvaExtension(encodeKorvaExtension(dice)).extension, dice);
}

QTEST_GUILESS_MAIN(TestKorvaExtension)
#include "tst_korvaextension.moc"
