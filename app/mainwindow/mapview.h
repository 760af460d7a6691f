#pragma once

#include <QRect>
#include <QWidget>

#include <vector>

class MapOverlay;
class MapPicture;
class QAbstractScrollArea;

// Shows the map picture at its own size inside the scroll box and hands the mouse to the
// main window in picture pixels. Repaints only what the picture reports changed: the
// changes of one command are gathered and asked for together once control returns to the
// event loop, and only where they can be seen.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(QWidget* parent = nullptr);
    ~MapView() override;

    // The picture must outlive the view's use of it; nullptr shows nothing.
    void setPicture(MapPicture* picture);
    // How many repaints the view has asked Qt for (calls of QWidget::update), for the
    // benchmarks and tests that keep an Open to a few.
    int updateRequests() const { return updateRequests_; }

    // Scrolls so that the map point lies in the middle of the view, as far as it can.
    void centreOn(const QPointF& mapPoint);
    // Overlays are painted in the order added; the view does not own them.
    void addOverlay(MapOverlay* overlay);
    void removeOverlay(MapOverlay* overlay);
    // Repaints a rectangle of map pixels (an overlay changed).
    void updateMapRect(const QRectF& mapRect);

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
    void pictureChanged(const QRect& rect);
    void repaintChanges();
    void requestUpdate(const QRect& rect);
    QAbstractScrollArea* scrollArea() const;

    MapPicture* picture_ = nullptr;
    std::vector<QRect> changes_;
    std::vector<MapOverlay*> overlays_;
    bool repaintQueued_ = false;
    int updateRequests_ = 0;
};
