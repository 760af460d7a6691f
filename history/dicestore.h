#pragma once

#include "history/gamehistory.h"
#include "movefile/gameid.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The dice a player keeps for one game beside its copies in the history (the file "dice" in
// the game's folder): the secrets their files committed that no save has revealed yet, and
// the ledger, every roll drawn from such a secret, written and synced the moment it is made,
// so that a restart continues the numbering rather than rolling again.
//
// The file is plain text, rewritten whole through the safe writer: lines
// "secret <64 hex digits>" and "roll <commitment, 64 hex digits> <number> <die> <hex>".
// Lines it does not understand are skipped; a file over 1 MB is not read.
class DiceStore {
public:
    // The store of that game under the history's root; keeps nothing without a root.
    DiceStore(const GameHistory& history, const GameId& game);

    // The kept secret whose SHA-256 is `commitment`.
    std::optional<QByteArray> secretFor(const QByteArray& commitment) const;
    // The highest roll number the ledger holds for the secret of `commitment`; 0 for none.
    std::uint32_t rollsMade(const QByteArray& commitment) const;

    // Each answers false with a one-line reason when the file could not be written whole;
    // the file is then as it was.
    bool keepSecret(const QByteArray& secret, QString* error);
    bool recordRoll(const QByteArray& commitment, std::uint32_t number, int die, int hex,
                    QString* error);
    // After a save revealed the others: only the secret of `commitment` stays, no rolls.
    bool keepOnly(const QByteArray& commitment, QString* error);

    const QString& path() const { return path_; }

private:
    struct Roll {
        QByteArray commitment;
        std::uint32_t number = 0;
        int die = 0;
        int hex = 0;
    };
    struct Contents {
        std::vector<QByteArray> secrets;
        std::vector<Roll> rolls;
    };
    Contents read() const;
    bool write(const Contents& contents, QString* error) const;

    QString path_;
};
