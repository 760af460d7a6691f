#pragma once

#include <memory>

class Game;
class PictureModule;
struct OpenedMoveFile;

// A Game that only shows move files, one after another, for the commands that draw a file
// without a window: no session, no edits, nothing saved.
class FileShow {
public:
    // As Game's constructor; nothing shows until the first file.
    FileShow(std::unique_ptr<PictureModule> mapAndTags, std::unique_ptr<PictureModule> counters);
    ~FileShow();

    // The file's position in place of the last; throws as Game::open does.
    void show(const OpenedMoveFile& file);
    const Game& game() const { return *game_; }

private:
    std::unique_ptr<Game> game_;
};
