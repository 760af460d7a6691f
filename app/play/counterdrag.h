#pragma once

#include "app/shell/featurecontext.h"

#include <functional>

class MapFeature;
class QLabel;
class ZeKCounter;

// A counter moved with the mouse or the hex cursor's Enter: picked up, its picture
// following the pointer over the map at the map's zoom, dropped as one step of the turn's
// edits (a move, a Move All, or the stack turned over when dropped where it was), or put
// back. The same picture slides a counter back to its start hex.
class CounterDrag {
public:
    // `pause` replaces the slide's wait between steps (tests record instead); `dropped`
    // hears of every drop, at the map point it was let go.
    CounterDrag(const FeatureContext& context, MapFeature& mapFeature,
                std::function<void(int milliseconds)> pause,
                std::function<void(int x, int y)> dropped);

    QLabel& image() { return *image_; }
    bool isDragging() const { return dragging_; }
    // The return slide runs.
    bool isAnimating() const { return animating_; }

    // At a map point: picks up the top counter there, if any.
    void pickUp(int x, int y);
    // Lets the held counter go at a map point; outside the drop area nothing moves.
    void drop(int x, int y);
    // Ends a drag without moving anything: the counter stays, the drag picture goes.
    void cancel();
    // The pointer moved to a map point: the held counter's picture follows.
    void follow(int x, int y);
    // The zoom changed: the held counter's picture is drawn afresh at it.
    void zoomChanged();
    // The counter's picture slides from one hex to another in `stepCount` steps.
    void slide(const ZeKCounter& counter, int fromHex, int stepCount, int totalMs, int toHex);

private:
    void endDrag();
    void loadPicture(const ZeKCounter& counter);
    // The drag picture centred on the pointer at a map point.
    void place(int x, int y);

    FeatureContext context_;
    MapFeature& mapFeature_;
    std::function<void(int)> pause_;
    std::function<void(int, int)> dropped_;
    QLabel* image_ = nullptr;
    bool dragging_ = false;
    // The hex the counter held was picked up from.
    int fromHex_ = -1;
    bool animating_ = false;
};
