#pragma once

#include "board/hex.h"
#include "geometry/zekclick.h"

// A hex of this map. All hexes share the map picture they draw into, whose pristine pixels
// are the clean picture they erase to.
class ZeKHex final : public Hex {
public:
    // The first hex alive records the map picture; later ones record nothing, so all hexes
    // alive at once draw into the same picture.
    ZeKHex(MapPicture& mapPicture, int hexIndex);
    // The last hex destroyed forgets the picture; the counters are left alone.
    ~ZeKHex() override;

    const ZeKClick& click() const override { return click_; }
    MapPicture& mapPicture() const override { return *sharedMap_; }

    // The picture shared by the hexes alive, nullptr when there are none.
    static MapPicture* sharedMapPicture() { return sharedMap_; }

private:
    ZeKClick click_;

    static MapPicture* sharedMap_;
    static int alive_;
};
