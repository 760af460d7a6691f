#pragma once

#include "movefile/witnessrecord.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

// The cryptography of a server's signed rolls: the chain each game's log forms and the
// Ed25519 signature over each record. The bytes themselves are movefile/witnessrecord.h's.
namespace witnesschain {

inline constexpr qsizetype kPublicKeySize = 32;
inline constexpr qsizetype kSecretKeySize = 64;

// The hash the next record of the game's log names as its previous: SHA-256 of this record
// whole, signature included, so that no record can be swapped without breaking the chain.
QByteArray chainHash(const WitnessedRoll& roll);
// SHA-256 of a combat's comment as the tags section holds it (Windows-1252 bytes).
QByteArray commentHash(const std::string& comment);

// Signs the record's signed bytes with a 64-byte Ed25519 secret key into its signature.
void sign(WitnessedRoll& roll, const QByteArray& secretKey);
// The signature is the key's over the record's signed bytes.
bool signatureValid(const WitnessedRoll& roll, const QByteArray& publicKey);

// What a server's operator gives the players to pin: the public key itself, as 64
// lowercase hex digits, so that pinning it needs nothing else.
QString fingerprint(const QByteArray& publicKey);
// The key of a fingerprint as a player typed it (spaces and colons ignored); nullopt for
// anything else.
std::optional<QByteArray> keyOfFingerprint(const QString& fingerprint);

} // namespace witnesschain
