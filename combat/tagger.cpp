#include "combat/tagger.h"

#include "base/bytestream.h"
#include "board/mappicture.h"
#include "board/pictureids.h"
#include "board/picturemodule.h"
#include "combat/tagsection.h"

#include <QCoreApplication>

#include <QImage>
#include <QString>

#include <algorithm>

namespace {

// True when the 8 x 8 block at p overlaps the picture. Positions come from move files,
// so the test is made in 64 bits: a far-off position must not overflow the rectangle.
bool blockTouches(const MapPicture& map, const AFPoint& p) {
    const std::int64_t x = p.x;
    const std::int64_t y = p.y;
    return x + Tagger::kPictureSize > 0 && y + Tagger::kPictureSize > 0 && x < map.width() &&
           y < map.height();
}

QRect blockAt(const AFPoint& p) {
    return {p.x, p.y, Tagger::kPictureSize, Tagger::kPictureSize};
}

} // namespace

const Tagger::Block& Tagger::offMapBlock() {
    // A block off the map is never put back, so all such tags share one.
    static const Block black{};
    return black;
}

Tagger::Tagger(AFPoint position) : position_(position) {}

Tagger::Tagger(const PictureModule* module, MapPicture* mapBitmap, AFPoint position,
               std::int32_t dieValue, std::string comment, bool fromFile)
    : module_(module), mapBitmap_(mapBitmap), position_(position), dieValue_(dieValue),
      fromFile_(fromFile), comment_(std::move(comment)) {}

Tagger::Tagger(const Tagger& other) {
    *this = other;
}

Tagger& Tagger::operator=(const Tagger& other) {
    if (this == &other)
        return *this;
    erase();
    module_ = other.module_;
    mapBitmap_ = other.mapBitmap_;
    position_ = other.position_;
    dieValue_ = other.dieValue_;
    comment_ = other.comment_;
    fromFile_ = other.fromFile_;
    // Inherit the block under the first picture, not the picture the source drew.
    savedBackground_.reset();
    if (other.savedBackground_)
        savedBackground_ = copyOf(*other.savedBackground_);
    draw();
    return *this;
}

Tagger::~Tagger() {
    if (savedBackground_)
        erase();
}

AFPoint Tagger::drawPosition() const {
    // x < 8 is "x - 8 is negative" without overflowing for the smallest x.
    if (position_.x < kPictureSize)
        return {24, position_.y};
    return {position_.x - kPictureSize, position_.y};
}

std::int32_t Tagger::pictureId() const {
    // Die values come from files too; keep an absurd one from overflowing.
    const std::int64_t id =
        (fromFile_ ? pictureids::kFileTagBase : pictureids::kOwnTagBase) + std::int64_t{dieValue_};
    return id > INT32_MAX || id < INT32_MIN ? -1 : static_cast<std::int32_t>(id);
}

void Tagger::draw() {
    if (!mapBitmap_)
        return;
    const AFPoint p = drawPosition();
    const bool onMap = blockTouches(*mapBitmap_, p);
    if (!savedBackground_)
        savedBackground_ = onMap ? takeBlock(*mapBitmap_, p) : SavedBlock(&offMapBlock());
    if (!module_)
        throw ResourceError(QStringLiteral("tag pictures"), "no picture module is loaded");
    const QImage picture = module_->bitmap(pictureId());
    // Only the 8 x 8 block is saved, so only that much of a larger picture may be drawn.
    if (onMap)
        mapBitmap_->copyRect(p.x, p.y, picture, QRect(0, 0, kPictureSize, kPictureSize));
}

void Tagger::erase() {
    if (!mapBitmap_ || !savedBackground_)
        return;
    const AFPoint p = drawPosition();
    if (blockTouches(*mapBitmap_, p))
        mapBitmap_->drawImage(p.x, p.y, blockImage(*savedBackground_));
}

Tagger::SavedBlock Tagger::takeBlock(const MapPicture& map, AFPoint at) {
    auto block = std::make_unique<Block>();
    block->fill(qRgb(0, 0, 0));
    const QRect part = blockAt(at).intersected(map.image().rect());
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(map.image().constScanLine(y));
        std::copy(row + part.left(), row + part.right() + 1,
                  block->begin() + (y - at.y) * kPictureSize + (part.left() - at.x));
    }
    return SavedBlock(block.release());
}

Tagger::SavedBlock Tagger::copyOf(const Block& block) {
    return SavedBlock(&block == &offMapBlock() ? &block : new Block(block));
}

void Tagger::BlockRelease::operator()(const Block* block) const {
    if (block != &offMapBlock())
        delete block;
}

QImage Tagger::blockImage(const Block& block) {
    // A view of the pixels, not a copy: it lives only while the block is drawn.
    return QImage(reinterpret_cast<const uchar*>(block.data()), kPictureSize, kPictureSize,
                  kPictureSize * int(sizeof(QRgb)), QImage::Format_RGB32);
}

void Tagger::releaseMap() {
    mapBitmap_ = nullptr;
    savedBackground_.reset();
}

void Tagger::readTag(ByteReader& in, const std::string& which) {
    const QString of = QString::fromStdString(which);
    const auto field = [&of](const char* text) {
        return QCoreApplication::translate("Tagger", text).arg(of).toStdString();
    };
    in.readInt32(field(QT_TRANSLATE_NOOP("Tagger", "the record word of %1"))); // it means nothing
    const std::int32_t x = in.readInt32(field(QT_TRANSLATE_NOOP("Tagger", "the x position of %1")));
    const std::int32_t y = in.readInt32(field(QT_TRANSLATE_NOOP("Tagger", "the y position of %1")));
    const std::int32_t dieValue =
        in.readInt32(field(QT_TRANSLATE_NOOP("Tagger", "the die value of %1")));
    std::string comment =
        in.readText(kMaxCommentLength, field(QT_TRANSLATE_NOOP("Tagger", "the comment of %1")));
    position_ = AFPoint(x, y);
    dieValue_ = dieValue;
    comment_ = std::move(comment);
    fromFile_ = true;
}

void Tagger::writeTag(ByteWriter& out) const {
    writeTagRecord(out, {position_, dieValue_, comment_});
}
