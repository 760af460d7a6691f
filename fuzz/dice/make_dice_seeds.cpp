// Writes the dice fuzzer's starting corpus: B's next turn against the fixed history in every
// form a file can take (honest, each cheat, each reason for free dice, each record type), and
// A's own files.
#include "fuzz/dice/dicefixture.h"

#include <QFile>

#include <cstdio>

namespace {

bool write(const QDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The file with its block rewritten by `change`.
QByteArray changed(const QByteArray& bytes,
                   const std::function<void(MoveFileContents&, KorvaExtension&)>& change) {
    OpenedMoveFile file = parseOpenedMoveFile(bytes);
    change(file.contents, file.extension);
    return encodeMoveFile(file.contents) + encodeKorvaExtension(file.extension);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_dice_seeds FOLDER\n");
        return 2;
    }
    using namespace dicefixture;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    const QByteArray honest = file(a2(), secret('b'), secret('d'));
    bool ok = write(dir, "honest.krv", honest) && write(dir, "a2-own.krv", a2()) &&
              write(dir, "a0-first.krv", a0());
    ok = ok && write(dir, "withheld.krv", changed(honest, [](MoveFileContents&, KorvaExtension& e) {
                         e.diceRolls.reset();
                     }));
    ok = ok && write(dir, "no-block.krv",
                     changed(honest, [](MoveFileContents&, KorvaExtension& e) { e = {}; }));
    ok = ok &&
         write(dir, "claims-first.krv", changed(honest, [](MoveFileContents&, KorvaExtension& e) {
                   e.diceRolls->free = DiceRolls::FirstTurn;
               }));
    ok = ok && write(dir, "old-form.krv", changed(honest, [](MoveFileContents&, KorvaExtension& e) {
                         e.diceRolls->free = DiceRolls::Fixed;
                         e.diceCommitmentPerCombat = false;
                     }));
    ok =
        ok && write(dir, "swapped.krv", changed(honest, [](MoveFileContents& c, KorvaExtension& e) {
                        std::swap(c.tags[0].dieValue, c.tags[1].dieValue);
                        std::swap(e.diceRolls->rolls[0].die, e.diceRolls->rolls[1].die);
                    }));
    ok = ok &&
         write(dir, "other-game.krv", changed(honest, [](MoveFileContents&, KorvaExtension& e) {
                   e.gameId = GameId::generate();
               }));
    ok = ok &&
         write(dir, "unknown-reason.krv", changed(honest, [](MoveFileContents&, KorvaExtension& e) {
                   e.diceRolls->free = 77;
                   e.diceRolls->secret.clear();
               }));
    return ok ? 0 : 1;
}
