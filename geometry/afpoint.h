#pragma once

#include <QPoint>

// An integer pixel point on the map picture: origin top-left, y downward.
class AFPoint {
public:
    AFPoint() = default;
    AFPoint(int px, int py) : x(px), y(py) {}
    AFPoint(const AFPoint&) = default;
    AFPoint& operator=(const AFPoint&) = default;
    virtual ~AFPoint() = default;

    AFPoint& operator+=(const AFPoint& other) {
        x += other.x;
        y += other.y;
        return *this;
    }
    // Ordered by x, then y.
    bool operator<(const AFPoint& other) const {
        return x < other.x || (x == other.x && y < other.y);
    }
    bool operator==(const AFPoint& other) const { return x == other.x && y == other.y; }
    QPoint toQPoint() const { return {x, y}; }

    int x = 0;
    int y = 0;
};
