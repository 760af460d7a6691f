#pragma once

#include "movefile/witnessrecord.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

class WitnessError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The server's dice and its signature: draws each die from the system's random source and
// signs the record of it with the server's Ed25519 key. Knows nothing of HTTP or SQL.
class Witness {
public:
    // The key's file in the data folder, its owner's alone.
    static constexpr const char* kKeyFile = "signing.key";

    // Makes a new key in `folder` and answers its fingerprint; throws WitnessError when the
    // folder already holds one (a key is never replaced silently) or it cannot be written.
    static QString makeKey(const QString& folder);
    // Reads the key of `folder`; throws WitnessError when it is missing or damaged.
    explicit Witness(const QString& folder);
    ~Witness();
    Witness(const Witness&) = delete;
    Witness& operator=(const Witness&) = delete;

    // 1 to 6, each as likely.
    static std::uint32_t drawDie();
    // Draws the die of this roll and signs its record, now, after `previous` (the chain
    // hash of the game's last record, or zeros).
    WitnessedRoll witness(WitnessedRoll roll) const;

    const QByteArray& publicKey() const { return publicKey_; }
    QString fingerprint() const;

private:
    QByteArray secretKey_;
    QByteArray publicKey_;
};
