#pragma once

#include <QObject>

class QWidget;
class Session;

// Keeps the keyboard on the map, where its keys scroll and move counters: after each new
// position, unless the player is typing in a field that is still there, and whenever a widget
// going away would hand it down the Tab order to a banner box.
class MapKeyboard : public QObject {
public:
    MapKeyboard(QWidget& window, QWidget& map, const Session& session);

    // After the position was replaced: the map has the keyboard, unless the player is typing
    // in a field that is still there.
    void toMap();

private:
    void catchStrayFocus(QWidget* old, QWidget* now);

    QWidget& window_;
    QWidget& map_;
};
