#pragma once

#include <QWidget>

class MapPicture;

// Shows the map picture at its own size inside the scroll box and hands the mouse to the
// main window in picture pixels. Repaints only the rectangles the picture reports changed.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);

    // The picture must outlive the view's use of it; nullptr shows nothing.
    void setPicture(MapPicture* picture);

signals:
    void mousePressed(Qt::MouseButton button, int x, int y);
    void mouseMoved(int x, int y);
    void mouseReleased(Qt::MouseButton button, int x, int y);
    // The pop-up menu is asked for: by the right button's release, or by the keyboard.
    void menuRequested(const QPoint& globalPos);
    // Esc, which cancels a drag.
    void escapePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MapPicture* picture_ = nullptr;
};
