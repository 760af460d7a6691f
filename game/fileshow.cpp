#include "game/fileshow.h"

#include "board/picturemodule.h"
#include "game/game.h"
#include "movefile/openedmovefile.h"

FileShow::FileShow(std::unique_ptr<PictureModule> mapAndTags,
                   std::unique_ptr<PictureModule> counters)
    : game_(std::make_unique<Game>(std::move(mapAndTags), std::move(counters))) {}

FileShow::~FileShow() = default;

void FileShow::show(const OpenedMoveFile& file) {
    game_->open(file);
}
