#include "history/dicestore.h"

#include "base/safesave.h"
#include "dice/dicedraw.h"
#include "geometry/hexgrid.h"
#include "movefile/dicerecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

// Thousands of turns of rolls; anything larger was not written by Korva.
constexpr qint64 kMaxStoreSize = 8 * 1024 * 1024;
constexpr std::size_t kMaxComment = 80;

std::optional<QByteArray> hashFromHex(const QByteArray& hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    // fromHex skips what is not a digit: the round trip proves every byte was one.
    if (bytes.size() != dicedraw::kSecretSize || bytes.toHex() != hex.toLower())
        return std::nullopt;
    return bytes;
}

std::optional<std::string> commentFromHex(const QByteArray& hex) {
    if (hex == "-")
        return std::string();
    const QByteArray bytes = QByteArray::fromHex(hex);
    if (bytes.toHex() != hex.toLower() || std::size_t(bytes.size()) > kMaxComment)
        return std::nullopt;
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// A roll line: "roll <commitment> <number> <die> <hex> [<opened hash> <comment>]".
std::optional<DiceStore::Roll> rollFrom(const QList<QByteArray>& words) {
    if (words.size() != 5 && words.size() != 7)
        return std::nullopt;
    bool ok[3] = {};
    DiceStore::Roll roll;
    roll.commitment = hashFromHex(words[1]).value_or(QByteArray());
    roll.number = words[2].toUInt(&ok[0]);
    roll.die = words[3].toInt(&ok[1]);
    roll.hex = words[4].toInt(&ok[2]);
    if (roll.commitment.isEmpty() || !ok[0] || !ok[1] || !ok[2] || roll.number == 0 ||
        roll.number > dicerecord::kMaxRolls || roll.die < 1 || roll.die > 6 ||
        !hexgrid::isValidHex(roll.hex))
        return std::nullopt;
    if (words.size() == 7) {
        const std::optional<QByteArray> opened = hashFromHex(words[5]);
        const std::optional<std::string> comment = commentFromHex(words[6]);
        if (!opened || !comment)
            return std::nullopt;
        roll.openedHash = *opened;
        roll.comment = *comment;
    }
    return roll;
}

bool sameRoll(const DiceStore::Roll& a, const DiceStore::Roll& b) {
    return a.commitment == b.commitment && a.openedHash == b.openedHash && a.number == b.number;
}

QByteArray keyOf(const DiceStore::Roll& roll) {
    return roll.commitment + roll.openedHash + QByteArray::number(roll.number);
}

} // namespace

DiceStore::DiceStore(const GameHistory& history, const GameId& game) {
    if (!history.root().isEmpty())
        path_ = history.root() + QLatin1Char('/') + GameHistory::gameKey(game, {}) +
                QStringLiteral("/dice");
}

DiceStore::Contents DiceStore::read(QString* note) const {
    Contents contents;
    const QFileInfo info(path_);
    // The history makes no links: one planted here is not followed.
    if (path_.isEmpty() || info.isSymLink() || !info.isFile())
        return contents;
    if (info.size() > kMaxStoreSize) {
        setAside(contents, QCoreApplication::translate("DiceStore", "it is larger than 8 MB"),
                 note);
        return contents;
    }
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    QString damage;
    int lineNumber = 0;
    QHash<QByteArray, std::size_t> rollAt;
    QSet<QByteArray> secrets;
    for (const QByteArray& line : file.readAll().split('\n')) {
        ++lineNumber;
        const QList<QByteArray> words = line.trimmed().split(' ');
        bool sound = true;
        if (words.value(0) == "secret") {
            const std::optional<QByteArray> secret =
                words.size() == 2 ? hashFromHex(words[1]) : std::nullopt;
            sound = secret.has_value();
            if (sound && !secrets.contains(*secret)) {
                secrets.insert(*secret);
                contents.secrets.push_back(*secret);
            }
        } else if (words.value(0) == "roll") {
            const std::optional<Roll> roll = rollFrom(words);
            sound = roll.has_value();
            if (sound) {
                const auto same = rollAt.constFind(keyOf(*roll));
                // One number drawn twice can only be a die changed by hand.
                if (same == rollAt.cend()) {
                    rollAt.insert(keyOf(*roll), contents.rolls.size());
                    contents.rolls.push_back(*roll);
                } else if (contents.rolls[*same].die != roll->die) {
                    sound = false;
                } else {
                    contents.rolls[*same] = *roll;
                }
            }
        }
        if (!sound && damage.isEmpty())
            damage =
                QCoreApplication::translate("DiceStore", "line %1 does not read").arg(lineNumber);
    }
    if (!damage.isEmpty())
        setAside(contents, damage, note);
    return contents;
}

void DiceStore::setAside(const Contents& sound, const QString& why, QString* note) const {
    const QString aside =
        path_ + QStringLiteral(".damaged-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz'Z'"));
    QString error;
    // The damaged store stays whole beside the sound one, for the player to look into.
    if (!QFile::copy(path_, aside) ||
        !QFile::setPermissions(aside, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        error = QCoreApplication::translate("DiceStore", "it could not be copied aside");
    } else if (!write(sound, &error)) {
        error = QCoreApplication::translate("DiceStore", "its sound lines could not be kept: %1")
                    .arg(error);
    }
    if (!note)
        return;
    *note =
        error.isEmpty()
            ? QCoreApplication::translate(
                  "DiceStore", "The dice store %1 was damaged (%2): it was copied aside as %3 and "
                               "its sound lines were kept.")
                  .arg(QDir::toNativeSeparators(path_), why, QDir::toNativeSeparators(aside))
            : QCoreApplication::translate("DiceStore", "The dice store %1 is damaged (%2) and %3.")
                  .arg(QDir::toNativeSeparators(path_), why, error);
}

bool DiceStore::write(const Contents& contents, QString* error) const {
    const auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (path_.isEmpty())
        return refuse(QCoreApplication::translate(
            "DiceStore", "this system has no folder for application data"));
    const QString folder = QFileInfo(path_).path();
    if (!QDir().mkpath(folder))
        return refuse(QCoreApplication::translate("DiceStore", "the folder %1 could not be made")
                          .arg(QDir::toNativeSeparators(folder)));
    if (QFileInfo(folder).isSymLink() || QFileInfo(path_).isSymLink())
        return refuse(QCoreApplication::translate("DiceStore", "%1 is a symbolic link")
                          .arg(QDir::toNativeSeparators(path_)));
    QByteArray text;
    for (const QByteArray& secret : contents.secrets)
        text += "secret " + secret.toHex() + '\n';
    for (const Roll& roll : contents.rolls) {
        text += "roll " + roll.commitment.toHex() + ' ' + QByteArray::number(roll.number) + ' ' +
                QByteArray::number(roll.die) + ' ' + QByteArray::number(roll.hex);
        if (!roll.openedHash.isEmpty()) {
            const QByteArray comment(roll.comment.data(), qsizetype(roll.comment.size()));
            text += ' ' + roll.openedHash.toHex() + ' ' +
                    (comment.isEmpty() ? QByteArray("-") : comment.toHex());
        }
        text += '\n';
    }
    // The secrets are this player's alone, from the first byte written.
    return saveFileSafely(path_, text, error, {}, FileAccess::OwnerOnly);
}

std::optional<QByteArray> DiceStore::secretFor(const QByteArray& commitment, QString* note) const {
    for (const QByteArray& secret : read(note).secrets)
        if (dicedraw::commitmentOf(secret) == commitment)
            return secret;
    return std::nullopt;
}

std::vector<DiceStore::Roll> DiceStore::rollsOf(const QByteArray& commitment,
                                                const QByteArray& openedHash, QString* note) const {
    std::vector<Roll> rolls;
    for (Roll& roll : read(note).rolls)
        if (roll.commitment == commitment &&
            (roll.openedHash.isEmpty() || roll.openedHash == openedHash))
            rolls.push_back(std::move(roll));
    std::sort(rolls.begin(), rolls.end(),
              [](const Roll& a, const Roll& b) { return a.number < b.number; });
    return rolls;
}

bool DiceStore::keepSecret(const QByteArray& secret, QString* error) {
    Contents contents = read(nullptr);
    if (std::find(contents.secrets.begin(), contents.secrets.end(), secret) ==
        contents.secrets.end())
        contents.secrets.push_back(secret);
    return write(contents, error);
}

bool DiceStore::recordRoll(const Roll& roll, QString* error) {
    Contents contents = read(nullptr);
    const auto same = std::find_if(contents.rolls.begin(), contents.rolls.end(),
                                   [&](const Roll& r) { return sameRoll(r, roll); });
    if (same != contents.rolls.end())
        *same = roll;
    else
        contents.rolls.push_back(roll);
    return write(contents, error);
}
