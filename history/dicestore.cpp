#include "history/dicestore.h"

#include "base/safesave.h"
#include "dice/dicedraw.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kMaxStoreSize = 1024 * 1024;

std::optional<QByteArray> hashFromHex(const QByteArray& hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    // fromHex skips what is not a digit: the round trip proves every byte was one.
    if (bytes.size() != dicedraw::kSecretSize || bytes.toHex() != hex.toLower())
        return std::nullopt;
    return bytes;
}

} // namespace

DiceStore::DiceStore(const GameHistory& history, const GameId& game) {
    if (!history.root().isEmpty())
        path_ = history.root() + QLatin1Char('/') + GameHistory::gameKey(game, {}) +
                QStringLiteral("/dice");
}

DiceStore::Contents DiceStore::read() const {
    Contents contents;
    const QFileInfo info(path_);
    // The history makes no links: one planted here is not followed.
    if (path_.isEmpty() || info.isSymLink() || !info.isFile() || info.size() > kMaxStoreSize)
        return contents;
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() == 2 && words[0] == "secret") {
            if (const std::optional<QByteArray> secret = hashFromHex(words[1]))
                contents.secrets.push_back(*secret);
        } else if (words.size() == 5 && words[0] == "roll") {
            bool ok[3] = {};
            Roll roll{hashFromHex(words[1]).value_or(QByteArray()), words[2].toUInt(&ok[0]),
                      words[3].toInt(&ok[1]), words[4].toInt(&ok[2])};
            if (!roll.commitment.isEmpty() && ok[0] && ok[1] && ok[2])
                contents.rolls.push_back(roll);
        }
    }
    return contents;
}

bool DiceStore::write(const Contents& contents, QString* error) const {
    const auto refuse = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (path_.isEmpty())
        return refuse(QStringLiteral("this system has no folder for application data"));
    const QString folder = QFileInfo(path_).path();
    if (!QDir().mkpath(folder))
        return refuse(QStringLiteral("the folder %1 could not be made")
                          .arg(QDir::toNativeSeparators(folder)));
    if (QFileInfo(folder).isSymLink() || QFileInfo(path_).isSymLink())
        return refuse(QStringLiteral("%1 is a symbolic link").arg(QDir::toNativeSeparators(path_)));
    QByteArray text;
    for (const QByteArray& secret : contents.secrets)
        text += "secret " + secret.toHex() + '\n';
    for (const Roll& roll : contents.rolls)
        text += "roll " + roll.commitment.toHex() + ' ' + QByteArray::number(roll.number) + ' ' +
                QByteArray::number(roll.die) + ' ' + QByteArray::number(roll.hex) + '\n';
    if (!saveFileSafely(path_, text, error))
        return false;
    // The secrets are this player's alone.
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

std::optional<QByteArray> DiceStore::secretFor(const QByteArray& commitment) const {
    for (const QByteArray& secret : read().secrets)
        if (dicedraw::commitmentOf(secret) == commitment)
            return secret;
    return std::nullopt;
}

std::uint32_t DiceStore::rollsMade(const QByteArray& commitment) const {
    std::uint32_t made = 0;
    for (const Roll& roll : read().rolls)
        if (roll.commitment == commitment)
            made = std::max(made, roll.number);
    return made;
}

bool DiceStore::keepSecret(const QByteArray& secret, QString* error) {
    Contents contents = read();
    contents.secrets.push_back(secret);
    return write(contents, error);
}

bool DiceStore::recordRoll(const QByteArray& commitment, std::uint32_t number, int die, int hex,
                           QString* error) {
    Contents contents = read();
    contents.rolls.push_back({commitment, number, die, hex});
    return write(contents, error);
}

bool DiceStore::keepOnly(const QByteArray& commitment, QString* error) {
    Contents kept;
    for (const QByteArray& secret : read().secrets)
        if (dicedraw::commitmentOf(secret) == commitment)
            kept.secrets.push_back(secret);
    return write(kept, error);
}
