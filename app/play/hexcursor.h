#pragma once

#include "app/map/mapoverlay.h"

#include <QObject>

#include <functional>

class QWidget;

// The keyboard's place on the map: a hex drawn as an outline over the map, moved with the
// arrow keys while the map has the focus. Enter asks for the top counter to be picked up or
// dropped. The outline shows while the keyboard is in use and goes when the mouse takes
// over.
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

    void paint(QPainter& painter, const QRectF& exposed) override;

signals:
    // An arrow key moved the cursor to this hex.
    void stepped(int hex);
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int columns, int rows);
    void repaintHex(int hex);

    std::function<int()> startHex_;
    int hex_ = -1;
    bool shown_ = false;
};
