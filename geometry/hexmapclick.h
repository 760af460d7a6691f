#pragma once

#include "geometry/afpoint.h"

#include <string>
#include <vector>

class ByteReader;
class ByteWriter;

using HexOutline = std::vector<AFPoint>;
using HexNeighbors = std::vector<int>;

// A hex position on some grid: every geometric question about one hex.
class HexMapClick {
public:
    virtual ~HexMapClick() = default;

    virtual bool isEqual(const HexMapClick& other) const = 0;
    virtual int hexIndex() const = 0;
    virtual int index() const = 0;
    virtual AFPoint position() const = 0;
    virtual std::string label() const = 0;
    virtual HexOutline outline() const = 0;
    virtual HexNeighbors neighbors() const = 0;
    virtual int topEdgeWidth() const = 0;
    virtual int sideOverhang() const = 0;
    virtual int hexHeight() const = 0;
    virtual int halfHeight() const = 0;
    virtual int rowsPerColumn() const = 0;
    virtual int columnCount() const = 0;
    virtual int hexCount() const = 0;
    // The hex index as 4 little-endian bytes.
    virtual ByteReader& read(ByteReader& in) = 0;
    virtual ByteWriter& write(ByteWriter& out) const = 0;

protected:
    HexMapClick() = default;
    HexMapClick(const HexMapClick&) = default;
    HexMapClick& operator=(const HexMapClick&) = default;
};
