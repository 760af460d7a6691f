#pragma once

#include "geometry/afpoint.h"
#include "geometry/hexmapclick.h"

class MapPicture;

// A thing that stands in a hex. Hexes hold counters without owning them; the counter
// manager owns every one.
class Counter {
public:
    virtual ~Counter() = 0;

    // The hex the counter stands in; its index files the counter on the board.
    virtual const HexMapClick& currentHex() const = 0;
    // The hex the counter stood in at the start of the turn.
    virtual const HexMapClick& startHex() const = 0;
    virtual int pictureId() const = 0;
    virtual bool isActive() const = 0;
    // True when the present hex differs from the start hex.
    virtual bool hasMoved() const = 0;
    virtual bool clearLosses() = 0;
    // The present hex becomes the start hex.
    virtual void endTurn() = 0;
    virtual void returnToStart() = 0;
    // Takes the index of the hex; keeps no reference to the argument.
    virtual bool moveTo(const HexMapClick& hex) = 0;
    // Paints the counter at offset, or at its present hex's position plus offset when
    // relative; answers the top-left pixel used.
    virtual AFPoint draw(MapPicture& target, AFPoint offset, bool relative) const = 0;

protected:
    Counter() = default;
    Counter(const Counter&) = default;
    Counter& operator=(const Counter&) = default;
};

inline Counter::~Counter() = default;
