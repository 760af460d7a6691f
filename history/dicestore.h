#pragma once

#include "history/gamehistory.h"
#include "movefile/gameid.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The dice a player keeps for one game beside its copies in the history (the file "dice" in
// the game's folder): the secrets their files committed, and the ledger, every roll drawn
// from such a secret, written and synced the moment it is made, so that a restart, a crash or
// a second answer to the same file goes on with the next number instead of rolling again,
// and brings the rolls made back as combats.
//
// A secret is kept after a save revealed it: the turn it draws may be saved unfinished,
// opened again and played on, and a file may be answered twice.
//
// The file is plain text, readable by its owner alone, rewritten whole through the safe
// writer: lines "secret <64 hex digits>" and "roll <commitment> <number> <die> <hex>
// <opened file's hash> <comment>", the hashes in 64 hex digits, the comment's Windows-1252
// bytes in hex ("-" for none). A roll line of an earlier Korva ends after the hex: it belongs
// to its secret whatever file was opened. Lines of a type it does not know are skipped; a
// known line that does not read (a number beyond the rolls a file may list, a die outside 1
// to 6), or a store over 8 MB, is damage: the store is copied aside whole, named in a note,
// and its sound lines are kept.
class DiceStore {
public:
    // The store of that game under the history's root; keeps nothing without a root.
    DiceStore(const GameHistory& history, const GameId& game);

    struct Roll {
        // The commitment of the secret it was drawn from, and the hash of the file opened.
        QByteArray commitment;
        QByteArray openedHash;
        std::uint32_t number = 0;
        int die = 0;
        int hex = 0;
        // Windows-1252, as the tags section holds it.
        std::string comment;
        bool operator==(const Roll&) const = default;
    };

    // Each reading call sets *note (when given) to one line for the player when it found the
    // store damaged and set it aside; empty otherwise.
    // The kept secret whose SHA-256 is `commitment`.
    std::optional<QByteArray> secretFor(const QByteArray& commitment,
                                        QString* note = nullptr) const;
    // The rolls the ledger holds of that secret against that file, by number.
    std::vector<Roll> rollsOf(const QByteArray& commitment, const QByteArray& openedHash,
                              QString* note = nullptr) const;

    // Each answers false with a one-line reason when the file could not be written whole;
    // the file is then as it was.
    bool keepSecret(const QByteArray& secret, QString* error);
    // Keeps the roll; one of the same secret, file and number is replaced (its comment, which
    // may still change after the roll).
    bool recordRoll(const Roll& roll, QString* error);

    const QString& path() const { return path_; }

private:
    struct Contents {
        std::vector<QByteArray> secrets;
        std::vector<Roll> rolls;
    };
    Contents read(QString* note) const;
    bool write(const Contents& contents, QString* error) const;
    // Copies the damaged file aside and keeps its sound lines; the note names both.
    void setAside(const Contents& sound, const QString& why, QString* note) const;

    QString path_;
};
