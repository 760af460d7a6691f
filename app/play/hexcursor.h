#pragma once

#include "app/map/mapoverlay.h"

#include <QObject>

#include <functional>

class QWidget;

// The keyboard's place on the map: a hex drawn as an outline over the map, moved by the
// arrow keys' commands while the map has the focus. Enter's command asks for the top counter
// to be picked up or dropped. The outline shows while the keyboard is in use and goes when
// the mouse takes over.
class HexCursor : public QObject, public MapOverlay {
    Q_OBJECT
public:
    // `startHex` answers the hex a hidden cursor shows up on at the first key (the hex last
    // pointed at, or the one in the middle of the view).
    HexCursor(QWidget* map, std::function<int()> startHex);

    int hex() const { return hex_; }
    bool isShown() const { return shown_; }
    // Puts the cursor on a hex and shows it.
    void setHex(int hex);
    // Hides the outline; the cursor keeps its hex.
    void hideOutline();
    // By columns and rows, held at the grid's edge; a hidden cursor first shows up where
    // `startHex` says, without moving.
    void step(int columns, int rows);
    // Shows the cursor if hidden, then asks for a pick-up or drop at its hex.
    void enter();

    void paint(QPainter& painter, const QRectF& exposed) override;

signals:
    // A step put the cursor on this hex.
    void stepped(int hex);
    void enterPressed();

private:
    void repaintHex(int hex);

    std::function<int()> startHex_;
    int hex_ = -1;
    bool shown_ = false;
};
