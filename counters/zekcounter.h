#pragma once

#include "board/counter.h"
#include "board/pictureids.h"
#include "counters/counterrecord.h"
#include "geometry/zekclick.h"

#include <string>

class PictureModule;

// One piece of the game: a unit, fort, port or marker, with its pictures, losses,
// marker state, start hex and present hex. Owned by the counter manager.
class ZeKCounter final : public Counter {
public:
    // Picture identifiers of the two marker states in the counter picture module.
    static constexpr int kMarkerPictureBase = pictureids::kMarkerBase;
    // Where a marker picture sits over its counter's picture.
    static constexpr int kMarkerOffset = 8;

    ZeKCounter(int basePictureId, int steps, std::string name, int sizeValue, int startHexIndex,
               int currentHexIndex, int losses, int marker);
    ~ZeKCounter() override;

    ZeKCounter(const ZeKCounter&) = delete;
    ZeKCounter& operator=(const ZeKCounter&) = delete;

    const ZeKClick& currentHex() const override { return currentHex_; }
    const ZeKClick& startHex() const override { return startHex_; }
    // The picture for the present losses: basePictureId + losses.
    int pictureId() const override { return basePictureId_ + losses_; }
    bool isActive() const override { return true; }
    bool hasMoved() const override { return currentHex_.index() != startHex_.index(); }
    bool clearLosses() override;
    void endTurn() override;
    void returnToStart() override;
    bool moveTo(const HexMapClick& hex) override;
    // Draws the picture for the losses, then the marker picture 8 pixels right and down.
    // Relative drawing stays inside the counter area of the present hex, so a hex's
    // erase always wipes all of it. Throws ResourceError for a missing picture.
    AFPoint draw(MapPicture& target, AFPoint offset, bool relative) const override;

    // Flip: the next loss picture, back to none after the last.
    void cycleLosses();
    // Marker states 0, 1, 2, then 0 again.
    void cycleMarker();
    // Steps "/" losses, such as "2/1".
    std::string lossText() const;

    // The counter's record of the move file (12 bytes there). Values are taken as stored.
    CounterRecord record() const;
    void setState(const CounterRecord& record);

    int basePictureId() const { return basePictureId_; }
    int steps() const { return steps_; }
    // The name as Windows-1252 bytes.
    const std::string& name() const { return name_; }
    int sizeValue() const { return sizeValue_; }
    int losses() const { return losses_; }
    int marker() const { return marker_; }

    // The module all counter and marker pictures come from; not owned.
    static void setPictureModule(const PictureModule* module) { pictureModule_ = module; }
    static const PictureModule* pictureModule() { return pictureModule_; }

private:
    int basePictureId_;
    int steps_;
    std::string name_;
    int sizeValue_;
    int losses_;
    ZeKClick startHex_;
    ZeKClick currentHex_;
    int marker_;

    static const PictureModule* pictureModule_;
};
