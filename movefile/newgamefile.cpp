#include "movefile/newgamefile.h"

#include "counters/newgamelayout.h"

std::array<std::string, 3> defaultBannerTexts() {
    return {std::string(32, ' ') + "Korva", std::string(25, ' ') + "Tarrowfen",
            std::string(61, ' ') + "https://korva.example.org/pbm"};
}

MoveFileContents newGameContents() {
    return MoveFileContents{newgame::newGameRecords(), {}, defaultBannerTexts()};
}
