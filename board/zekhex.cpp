#include "board/zekhex.h"

#include "board/mappicture.h"

MapPicture* ZeKHex::sharedMap_ = nullptr;
int ZeKHex::alive_ = 0;

ZeKHex::ZeKHex(MapPicture& mapPicture, int hexIndex) : click_(hexIndex) {
    if (alive_++ == 0)
        sharedMap_ = &mapPicture;
}

ZeKHex::~ZeKHex() {
    // Kept until the last hex goes so that the hexes still alive never draw into a freed
    // picture, and a later board records its own picture afresh.
    if (--alive_ == 0)
        sharedMap_ = nullptr;
}
