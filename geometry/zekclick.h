#pragma once

#include "geometry/hexmapclick.h"

// One hex of this map's grid, named by its hex index.
class ZeKClick final : public HexMapClick {
public:
    // Stores the index unchanged; no range check.
    explicit ZeKClick(int hexIndex = 0) : index_(hexIndex) {}
    // The hex under the pixel, by the hit test.
    explicit ZeKClick(AFPoint pixel);
    ZeKClick(const ZeKClick&) = default;
    ZeKClick& operator=(const ZeKClick&) = default;

    bool isEqual(const HexMapClick& other) const override { return other.index() == index_; }
    int hexIndex() const override { return index_; }
    int index() const override { return index_; }
    AFPoint position() const override;
    std::string label() const override;
    HexOutline outline() const override;
    HexNeighbors neighbors() const override { return {}; }
    int topEdgeWidth() const override;
    int sideOverhang() const override;
    int hexHeight() const override;
    int halfHeight() const override;
    int rowsPerColumn() const override;
    int columnCount() const override;
    int hexCount() const override;
    ByteReader& read(ByteReader& in) override;
    ByteWriter& write(ByteWriter& out) const override;

private:
    int index_;
};
