#pragma once

#include <QByteArray>

#include <cstdint>

// The scheme's arithmetic. A player's file commits to a fresh secret; the next turn's die
// number i is drawn from HMAC-SHA256(key = that secret, message = the opened file's
// SHA-256 followed by i, and by the combat's hex in the form that binds a roll to its
// combat), so neither player alone can steer it.
namespace dicedraw {

inline constexpr qsizetype kSecretSize = 32;

// SHA-256 of the bytes.
QByteArray sha256(const QByteArray& bytes);
// What a file publishes of a secret: its SHA-256.
QByteArray commitmentOf(const QByteArray& secret);
// 32 bytes from the system's secure source.
QByteArray newSecret();
// Roll `number` (1-based) of the turn whose opened file hashed to `openedHash`: 1 to 6,
// each exactly as likely. The message is the hash then the number as 32-bit little-endian;
// each byte of the MAC below 252 gives (byte mod 6) + 1, the first one that does decides,
// and the (never yet seen) case of 32 rejected bytes draws again with a 32-bit round count
// appended.
int drawDie(const QByteArray& secret, const QByteArray& openedHash, std::uint32_t number);
// The same roll bound to its combat: the message is the hash, the number and the combat's hex
// index, each 32-bit little-endian, so the die of one combat says nothing of another's.
int drawDieForCombat(const QByteArray& secret, const QByteArray& openedHash, std::uint32_t number,
                     int hex);

} // namespace dicedraw
