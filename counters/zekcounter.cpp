#include "counters/zekcounter.h"

#include "board/mappicture.h"
#include "board/picturemodule.h"

#include <QRect>

#include <utility>

const PictureModule* ZeKCounter::pictureModule_ = nullptr;

namespace {

const PictureModule& module() {
    const PictureModule* module = ZeKCounter::pictureModule();
    if (!module)
        throw ResourceError(QStringLiteral("korva_2.dll"), "the counter pictures are not loaded");
    return *module;
}

// Draws the picture at `at`, clipped to `area` when one is given.
void blit(MapPicture& target, AFPoint at, const QImage& picture, const QRect& area) {
    if (area.isNull()) {
        target.drawImage(at.x, at.y, picture);
        return;
    }
    const QRect shown = QRect(at.toQPoint(), picture.size()).intersected(area);
    if (!shown.isEmpty())
        target.copyRect(shown.x(), shown.y(), picture, shown.translated(-at.x, -at.y));
}

} // namespace

ZeKCounter::ZeKCounter(int basePictureId, int steps, std::string name, int sizeValue,
                       int startHexIndex, int currentHexIndex, int losses, int marker)
    : basePictureId_(basePictureId), steps_(steps), name_(std::move(name)), sizeValue_(sizeValue),
      losses_(losses), startHex_(startHexIndex), currentHex_(currentHexIndex), marker_(marker) {}

ZeKCounter::~ZeKCounter() = default;

bool ZeKCounter::clearLosses() {
    losses_ = 0;
    return true;
}

void ZeKCounter::endTurn() {
    startHex_ = ZeKClick(currentHex_.index());
}

void ZeKCounter::returnToStart() {
    currentHex_ = ZeKClick(startHex_.index());
}

bool ZeKCounter::moveTo(const HexMapClick& hex) {
    currentHex_ = ZeKClick(hex.index());
    return true;
}

AFPoint ZeKCounter::draw(MapPicture& target, AFPoint offset, bool relative) const {
    AFPoint at = offset;
    QRect area;
    if (relative) {
        const AFPoint hexPosition = currentHex_.position();
        at += hexPosition;
        area = QRect(hexPosition.x, hexPosition.y, currentHex_.topEdgeWidth() + 3,
                     currentHex_.hexHeight());
    }
    const PictureModule& pictures = module();
    blit(target, at, pictures.bitmap(pictureId()), area);
    if (marker_ > 0)
        blit(target, AFPoint(at.x + kMarkerOffset, at.y + kMarkerOffset),
             pictures.bitmap(kMarkerPictureBase + marker_), area);
    return at;
}

void ZeKCounter::cycleLosses() {
    // Written so that no stored value can overflow.
    losses_ = losses_ >= steps_ ? 0 : losses_ + 1;
}

void ZeKCounter::cycleMarker() {
    marker_ = marker_ >= 2 ? 0 : marker_ + 1;
}

std::string ZeKCounter::lossText() const {
    return std::to_string(steps_) + "/" + std::to_string(losses_);
}

CounterRecord ZeKCounter::record() const {
    return CounterRecord{startHex_.index(), currentHex_.index(), losses_, marker_};
}

void ZeKCounter::setState(const CounterRecord& record) {
    startHex_ = ZeKClick(record.startHex);
    currentHex_ = ZeKClick(record.currentHex);
    losses_ = record.losses;
    marker_ = record.marker;
}
