#pragma once

#include "geometry/afpoint.h"
#include "geometry/hexmapclick.h"

#include <QImage>
#include <QRect>
#include <QRgb>

#include <list>

class Counter;
class MapPicture;

// The counters of one hex, bottom first; the back is the top, drawn last.
using CounterList = std::list<Counter*>;

// A hex with a stack of counters that it draws in place onto the map picture. The stack
// refers to its counters without owning them.
class Hex {
public:
    virtual ~Hex() = 0;

    Hex(const Hex&) = delete;
    Hex& operator=(const Hex&) = delete;

    virtual AFPoint position() const;
    virtual int index() const;
    // Empties the stack without drawing.
    virtual void clear();
    // Moves the top counter to the bottom when there are at least two; always redraws.
    virtual void rotate();
    // Restores the counter area's clean pixels: the map picture as it was made.
    virtual void erase();
    virtual void drawOutline(QRgb colour);
    // Erases, then draws the stack bottom to top, spread by the stack step.
    virtual void redraw();
    virtual int count() const;
    // The top counter, or nullptr for an empty stack.
    virtual Counter* top() const;
    // Takes the top counter off and redraws; nullptr (and no drawing) when empty.
    virtual Counter* popTop();
    // Adds the counter on top and redraws.
    virtual void push(Counter* counter);
    // Moves the counter to this hex and puts it on top, without drawing.
    virtual void add(Counter* counter);
    // The downward shift between stacked counters for the present count.
    virtual AFPoint stackStep() const;
    // The clean pixels of the counter area, as a 27 x 39 picture.
    virtual void copyClean(QImage& bitmap) const;
    virtual const HexMapClick& click() const = 0;
    virtual MapPicture& mapPicture() const = 0;

    const CounterList& stack() const { return stack_; }
    // The area the hex draws into: hex position, 27 x 39 pixels.
    QRect counterArea() const;

    // Pixel step between stacked counters for a stack of n.
    static int stepFor(int n);

protected:
    Hex() = default;

private:
    CounterList stack_;
};
