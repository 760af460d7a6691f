#include "geometry/zekclick.h"

#include "base/bytestream.h"
#include "geometry/hexgrid.h"
#include "geometry/hittest.h"

using namespace hexgrid;

ZeKClick::ZeKClick(AFPoint pixel) : index_(hittest::hitTest(pixel)) {}

AFPoint ZeKClick::position() const {
    return hexPosition(index_);
}
std::string ZeKClick::label() const {
    return hexLabel(index_);
}
HexOutline ZeKClick::outline() const {
    return hexOutline(index_);
}
int ZeKClick::topEdgeWidth() const {
    return kTopEdgeWidth;
}
int ZeKClick::sideOverhang() const {
    return kSideOverhang;
}
int ZeKClick::hexHeight() const {
    return kHexHeight;
}
int ZeKClick::halfHeight() const {
    return kHalfHeight;
}
int ZeKClick::rowsPerColumn() const {
    return kRowsPerColumn;
}
int ZeKClick::columnCount() const {
    return kColumns;
}
int ZeKClick::hexCount() const {
    return kHexCount;
}

ByteReader& ZeKClick::read(ByteReader& in) {
    index_ = in.readInt32();
    return in;
}

ByteWriter& ZeKClick::write(ByteWriter& out) const {
    out.writeInt32(index_);
    return out;
}
