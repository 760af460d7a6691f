#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Players' tokens and games' invite codes. A token is the player's number and 32 random
// bytes ("12.<base64url>"); the server keeps only the bytes' hash, so that its database
// gives no one a way in, and compares hashes in constant time.
namespace credentials {

inline constexpr int kTokenBytes = 32;
inline constexpr int kInviteLength = 12;

struct NewToken {
    // Shown to the player once.
    QByteArray secret;
    QByteArray hash;
};
// 32 fresh random bytes and their hash; text() makes the token of a player.
NewToken makeToken();
QByteArray tokenText(qint64 player, const QByteArray& secret);

struct PresentedToken {
    qint64 player = 0;
    QByteArray hash;
};
// The player and the hash of a token's bytes; nullopt for anything but a token's form.
std::optional<PresentedToken> readToken(QByteArrayView text);
// The two hashes are the same, compared in constant time.
bool sameHash(const QByteArray& kept, const QByteArray& presented);

// An invite code: letters and digits that cannot be mistaken for each other.
QString makeInvite();

} // namespace credentials
