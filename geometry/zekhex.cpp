#include "zekhex.h"

#include "mappicture.h"

MapPicture* ZeKHex::sharedMap_ = nullptr;
std::unique_ptr<QImage> ZeKHex::sharedClean_;
int ZeKHex::alive_ = 0;

ZeKHex::ZeKHex(MapPicture& mapPicture, int hexIndex) : click_(hexIndex) {
    if (alive_++ == 0) {
        sharedMap_ = &mapPicture;
        // A deep copy now: the map picture is about to be drawn on, the copy never is.
        sharedClean_ = std::make_unique<QImage>(mapPicture.image().copy());
    }
}

ZeKHex::~ZeKHex() {
    // Kept until the last hex goes so that the hexes still alive never draw from a
    // freed copy, and a later board records its own picture afresh.
    if (--alive_ == 0) {
        sharedClean_.reset();
        sharedMap_ = nullptr;
    }
}
