// Writes a few valid move files into the folder given, as the fuzzer's starting corpus.
#include "movefile/movefile.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool write(const QDir& dir, const char* name, const MoveFileContents& contents,
           const QByteArray& after = {}) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    const QByteArray bytes = encodeMoveFile(contents) + after;
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

MoveFileContents startPosition() {
    MoveFileContents contents;
    for (int n = 1; n <= 234; ++n)
        contents.counters.push_back({n, n, 0, 0});
    return contents;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_movefile_seeds FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;

    const MoveFileContents minimal = startPosition();

    MoveFileContents turn = startPosition();
    turn.counters[0] = {100, 170, 1, 1};
    turn.counters[1] = {5, 2966, 0, 2};
    turn.tags = {{AFPoint(35, 19), 3, "attack on the ridge"},
                 {AFPoint(35, 19), 6, "second try"},
                 {AFPoint(0, 78), 1, ""}};
    turn.banners = {"Turn 3", "Allies", std::string(61, ' ') + "https://korva.example.org/ita"};

    MoveFileContents longest = startPosition();
    longest.tags = {{AFPoint(1470, 2691), 5, std::string(80, 'c')}};
    longest.banners = {std::string(42, 'a'), std::string(42, 'b'), std::string(110, 'c')};

    // Korva's own block: where the turn began, the game id and a note; and a block with a
    // record of a type this Korva does not know.
    KorvaExtension extension;
    extension.turnStart = presentPlaces(minimal.counters);
    (*extension.turnStart)[0] = {100, 0, 1};
    extension.gameId = GameId::generate();
    extension.note = QStringLiteral("Hyökkäys alkaa aamulla.");
    const QByteArray block = encodeKorvaExtension(extension);
    KorvaExtension noteOnly;
    noteOnly.note = QStringLiteral("x");
    QByteArray unknown = encodeKorvaExtension(noteOnly);
    unknown.insert(16, QByteArray::fromHex("6300000004000000") + "late");
    unknown[12] = static_cast<char>(unknown[12] + 12);

    const bool ok = write(dir, "minimal.krv", minimal) && write(dir, "turn.krv", turn) &&
                    write(dir, "longest.krv", longest) &&
                    write(dir, "turn-with-block.krv", turn, block) &&
                    write(dir, "unknown-record.krv", minimal, unknown);
    return ok ? 0 : 1;
}
