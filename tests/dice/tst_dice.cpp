#include "dice/dicedraw.h"
#include "dice/dicestats.h"
#include "dice/diceverdict.h"
#include "geometry/hexgrid.h"

#include <QLocale>
#include <QTest>

// The draw pinned by golden values, and the verdict on every way a file's rolls can differ
// from what the checking player holds.
class TestDice : public QObject {
    Q_OBJECT
private slots:
    void goldenDraw();
    void verdict_data();
    void verdict();
    void fairness_data();
    void fairness();
};

namespace {

QByteArray fixedSecret() {
    QByteArray secret(32, '\0');
    for (int i = 0; i < 32; ++i)
        secret[i] = char(i);
    return secret;
}

QByteArray openedHash() {
    return dicedraw::sha256("Korva");
}

} // namespace

void TestDice::goldenDraw() {
    QCOMPARE(dicedraw::commitmentOf(fixedSecret()).toHex(),
             QByteArray("630dcd2966c4336691125448bbb25b4ff412a49c732db2c8abc1b8581bd710dd"));
    const int golden[] = {5, 3, 2, 3, 4, 1, 1, 1, 1, 5, 2, 5};
    for (std::uint32_t i = 1; i <= std::size(golden); ++i)
        QCOMPARE(dicedraw::drawDie(fixedSecret(), openedHash(), i), golden[i - 1]);
    // Roll 26's MAC starts with 0xfe: rejected, the next byte (0x21) decides.
    QCOMPARE(dicedraw::drawDie(fixedSecret(), openedHash(), 26), 4);
    // Another opened file, another sequence.
    bool differs = false;
    for (std::uint32_t i = 1; i <= std::size(golden); ++i)
        differs |= dicedraw::drawDie(fixedSecret(), dicedraw::sha256("Korvb"), i) != golden[i - 1];
    QVERIFY(differs);
    QCOMPARE(dicedraw::newSecret().size(), 32);
    QVERIFY(dicedraw::newSecret() != dicedraw::newSecret());
    // Bound to the combat's hex: the same number at two hexes draws two dice.
    const int perCombat[] = {5, 5, 6, 6, 5, 5};
    for (std::uint32_t i = 1; i <= std::size(perCombat); ++i)
        QCOMPARE(dicedraw::drawDieForCombat(fixedSecret(), openedHash(), i, int(i) * 70),
                 perCombat[i - 1]);
    QCOMPARE(dicedraw::drawDieForCombat(fixedSecret(), openedHash(), 1, 2966), 2);
}

Q_DECLARE_METATYPE(std::optional<DiceRolls>)
Q_DECLARE_METATYPE(std::vector<TagRecord>)
Q_DECLARE_METATYPE(DiceEvidence)

void TestDice::verdict_data() {
    QTest::addColumn<std::optional<DiceRolls>>("record");
    QTest::addColumn<std::vector<TagRecord>>("tags");
    QTest::addColumn<DiceEvidence>("evidence");
    QTest::addColumn<QString>("text");
    // Each combat's roll in the tags' order: v verified, x refuted, ? neither.
    QTest::addColumn<QString>("marks");

    // Three honest rolls, listed in the tags section's order (by position), not roll order.
    DiceRolls honest;
    honest.free = DiceRolls::Fixed;
    honest.secret = fixedSecret();
    honest.openedHash = openedHash();
    honest.made = 3;
    honest.rolls = {{2, {35, 19}, 3, "second"}, {1, {70, 0}, 5, "first"}, {3, {70, 0}, 2, "third"}};
    std::vector<TagRecord> tags;
    for (const DiceRoll& roll : honest.rolls)
        tags.push_back({roll.position, roll.die, roll.comment});
    DiceEvidence held;
    held.sentHash = openedHash();
    held.commitment = dicedraw::commitmentOf(fixedSecret());
    held.committedIn = QStringLiteral("a2\n.krv");

    QTest::newRow("honest") << std::optional(honest) << tags << held << "all 3 rolls verified"
                            << QStringLiteral("vvv");
    std::vector<TagRecord> changedTag = tags;
    changedTag[0].dieValue = 6;
    QTest::newRow("die changed in the tags") << std::optional(honest) << changedTag << held
                                             << "roll 2 does not match" << QStringLiteral("xvv");
    DiceRolls changedBoth = honest;
    changedBoth.rolls[2].die = 6;
    std::vector<TagRecord> changedBothTags = tags;
    changedBothTags[2].dieValue = 6;
    QTest::newRow("die changed in both") << std::optional(changedBoth) << changedBothTags << held
                                         << "roll 3 does not match" << QStringLiteral("vvx");
    DiceRolls deleted = honest;
    deleted.rolls.erase(deleted.rolls.begin() + 1);
    std::vector<TagRecord> deletedTags = tags;
    deletedTags.erase(deletedTags.begin() + 1);
    QTest::newRow("roll deleted") << std::optional(deleted) << deletedTags << held
                                  << "roll 1 is missing, 3 rolls were made" << QStringLiteral("vv");
    QTest::newRow("deleted from the tags only")
        << std::optional(honest) << deletedTags << held
        << "the rolls do not match (the combats are not the rolls listed)" << QStringLiteral("??");
    DiceRolls twice = honest;
    twice.rolls[1].number = 2;
    QTest::newRow("a number twice")
        << std::optional(twice) << tags << held << "roll 2 does not match" << QStringLiteral("vxv");
    DiceEvidence otherSent = held;
    otherSent.sentHash = dicedraw::sha256("Korva.");
    QTest::newRow("rolled against another file")
        << std::optional(honest) << tags << otherSent
        << "the rolls do not match (they were rolled against another file than the one you "
           "sent)"
        << QStringLiteral("???");
    DiceRolls swapped = honest;
    swapped.secret[0] = 'x';
    QTest::newRow("swapped secret")
        << std::optional(swapped) << tags << held
        << "the rolls do not match (the secret revealed is not the one their earlier file "
           "committed)"
        << QStringLiteral("???");
    // Bound by a commitment, a file that hides its dice fails, whatever it says; the name of
    // the committing file is shown, never obeyed.
    const QString withheld =
        QStringLiteral("the rolls were withheld: they committed to this "
                       "turn's dice in \u201C\u2068a2\u21b5.krv\u2069\u201D and did "
                       "not reveal them");
    QTest::newRow("no record, bound")
        << std::optional<DiceRolls>() << tags << held << withheld << QStringLiteral("???");
    DiceRolls first = honest;
    first.free = DiceRolls::FirstTurn;
    QTest::newRow("claims a first turn, bound")
        << std::optional(first) << tags << held
        << withheld + QStringLiteral(" (their file says: the first turn: there was no secret "
                                     "to draw them from)")
        << QStringLiteral("???");
    DiceEvidence unbound;
    unbound.sentHash = openedHash();
    unbound.missing = QStringLiteral("the file you sent answered no file of theirs");
    QTest::newRow("no record, nothing committed")
        << std::optional<DiceRolls>() << tags << DiceEvidence{}
        << "rolls not verifiable (the file carries no dice record)" << QStringLiteral("???");
    QTest::newRow("first turn")
        << std::optional(first) << tags << unbound
        << "rolls not verifiable (the first turn: there was no secret to draw them from)"
        << QStringLiteral("???");
    // Rolls free for lack of a commitment, and none made: the checking player knows better.
    DiceRolls lostClaim = first;
    lostClaim.free = DiceRolls::SecretLost;
    DiceEvidence uncommitted = unbound;
    uncommitted.missing = QStringLiteral("the file of theirs that you answered committed no "
                                         "secret");
    QTest::newRow("claims a lost secret, none committed")
        << std::optional(lostClaim) << tags << uncommitted
        << "rolls not verifiable (the file of theirs that you answered committed no secret)"
        << QStringLiteral("???");
    DiceRolls firstNone = first;
    firstNone.made = 0;
    firstNone.rolls.clear();
    QTest::newRow("first turn, no rolls") << std::optional(firstNone) << std::vector<TagRecord>()
                                          << unbound << "no rolls were made" << QStringLiteral("");
    DiceEvidence lost;
    lost.missing = QStringLiteral("the file you sent is not in the history");
    QTest::newRow("history lost") << std::optional(honest) << tags << lost
                                  << "rolls not verifiable (the file you sent is not in the "
                                     "history)"
                                  << QStringLiteral("???");

    // Dice drawn per combat: honest, then a roll claimed for another combat.
    DiceRolls bound = honest;
    bound.free = DiceRolls::FixedPerCombat;
    for (DiceRoll& roll : bound.rolls)
        roll.die = dicedraw::drawDieForCombat(fixedSecret(), openedHash(), roll.number,
                                              hexgrid::hexAtPosition(roll.position));
    std::vector<TagRecord> boundTags;
    for (const DiceRoll& roll : bound.rolls)
        boundTags.push_back({roll.position, roll.die, roll.comment});
    DiceEvidence promised = held;
    promised.perCombat = true;
    QTest::newRow("per combat") << std::optional(bound) << boundTags << promised
                                << "all 3 rolls verified" << QStringLiteral("vvv");
    DiceRolls swappedRolls = bound;
    std::swap(swappedRolls.rolls[0].number, swappedRolls.rolls[1].number);
    QTest::newRow("rolls swapped between combats")
        << std::optional(swappedRolls) << boundTags << promised << "roll 2 does not match"
        << QStringLiteral("vxv");
    DiceRolls moved = bound;
    std::vector<TagRecord> movedTags = boundTags;
    moved.rolls[0].position = movedTags[0].position = {140, 19};
    moved.rolls[0].comment = movedTags[0].comment = "another attack";
    QTest::newRow("roll moved to another hex") << std::optional(moved) << movedTags << promised
                                               << "roll 2 does not match" << QStringLiteral("xvv");
    QTest::newRow("promised per combat, drawn the old way")
        << std::optional(honest) << tags << promised
        << "the rolls do not match (they were drawn in another way than their earlier file "
           "promised)"
        << QStringLiteral("???");
    DiceRolls none = honest;
    none.made = 0;
    none.rolls.clear();
    QTest::newRow("no rolls") << std::optional(none) << std::vector<TagRecord>() << held
                              << "no rolls were made" << QStringLiteral("");
}

void TestDice::verdict() {
    QFETCH(std::optional<DiceRolls>, record);
    QFETCH(std::vector<TagRecord>, tags);
    QFETCH(DiceEvidence, evidence);
    QFETCH(QString, text);
    const DiceVerdict verdict = verifyDice(record, tags, evidence);
    QCOMPARE(verdict.text(), text);
    QCOMPARE(verdict.marks.size(), tags.size());
    QString marks;
    for (const RollMark& mark : verdict.marks)
        marks += mark.refuted    ? QLatin1Char('x')
                 : mark.verified ? QLatin1Char('v')
                                 : QLatin1Char('?');
    // One roll that does not match leaves the others as checked.
    QTEST(marks, "marks");
}

void TestDice::fairness_data() {
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QString>("text");
    QTest::newRow("few") << QList<int>{1, 1, 1, 1, 1, 1} << "too few rolls to tell (6 of 30)";
    QTest::newRow("even") << QList<int>{10, 10, 10, 10, 10, 10} << "as expected of a fair die";
    // Chi-square 12.5, p = 0.029: lucky, not alarming, but not "as expected" either.
    QTest::newRow("many sixes") << QList<int>{5, 5, 5, 5, 5, 15}
                                << "a little uneven, within what fair dice do";
    // Chi-square 16.2, p = 0.0063; 24.2, p = 0.0002.
    QTest::newRow("few ones, many sixes")
        << QList<int>{1, 10, 10, 10, 10, 19} << "unusual: 1 in 159 fair dice would be this uneven";
    QTest::newRow("loaded") << QList<int>{2, 5, 5, 5, 5, 18}
                            << "unusual: 1 in 5032 fair dice would be this uneven";
    // Thirty sixes: far past the rarest chance named, which is said as the bound it is.
    QTest::newRow("all sixes") << QList<int>{0, 0, 0, 0, 0, 30}
                               << "unusual: less than 1 in 10^15 fair dice would be this uneven";
}

void TestDice::fairness() {
    QFETCH(QList<int>, counts);
    FaceCounts faces;
    for (int face = 1; face <= 6; ++face)
        for (int n = 0; n < counts[face - 1]; ++n)
            faces.add(face);
    faces.add(7); // no face
    QLocale::setDefault(QLocale::c());
    QTEST(dicestats::fairnessText(faces), "text");
}

QTEST_GUILESS_MAIN(TestDice)
#include "tst_dice.moc"
