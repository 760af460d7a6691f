#pragma once

#include "hex.h"
#include "zekclick.h"

#include <memory>

// A hex of this map. All hexes share the map picture they draw into and a clean copy of
// it, taken by the first hex constructed before anything has been drawn.
class ZeKHex final : public Hex {
public:
    // The first hex alive records the map picture and copies it; later ones record
    // nothing, so all hexes alive at once draw into the same picture.
    ZeKHex(MapPicture& mapPicture, int hexIndex);
    // The last hex destroyed forgets both pictures; the counters are left alone.
    ~ZeKHex() override;

    const ZeKClick& click() const override { return click_; }
    MapPicture& mapPicture() const override { return *sharedMap_; }
    const QImage& cleanPicture() const override { return *sharedClean_; }

    // The pictures shared by the hexes alive, nullptr when there are none.
    static MapPicture* sharedMapPicture() { return sharedMap_; }
    static const QImage* sharedCleanPicture() { return sharedClean_.get(); }

private:
    ZeKClick click_;

    static MapPicture* sharedMap_;
    static std::unique_ptr<QImage> sharedClean_;
    static int alive_;
};
