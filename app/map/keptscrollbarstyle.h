#pragma once

#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QProxyStyle>
#include <QStyle>

#include <vector>

class QStyleOptionSlider;

// The application's style, with a scroll bar painted from kept pictures: its groove and its
// buttons, kept while the bar's size and state stay, and its handle, kept while the
// handle's length and state stay. Each step of scrolling the map repaints its scroll bar;
// drawn afresh, a 1000-pixel bar's fills cost more than the map's new pixels (the raster
// painter hands tall fills to worker threads and waits), where two pictures copied in cost
// next to nothing. The style draws each part as it would draw them together, in its order,
// so the pixels are the same; a style whose bars fade in and out is left to draw them itself.
class KeptScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit KeptScrollBarStyle(QObject* parent = nullptr);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    // What a picture's pixels depend on.
    struct Key {
        QSize size;
        QPoint offset; // of the handle in its picture
        Qt::Orientation orientation = Qt::Vertical;
        QStyle::State state;
        QStyle::SubControls active;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool upsideDown = false;
        bool atMinimum = false;
        bool atMaximum = false;
        qint64 palette = 0;
        qreal dpr = 1.0;
        bool operator==(const Key&) const = default;
    };
    struct Kept {
        Key key;
        QImage picture;
    };

    static Key keyOf(const QStyleOptionSlider& bar, const QSize& size, qreal dpr);
    // The picture of `parts` of the bar over `area` (the bar's coordinates).
    QImage draw(const QStyleOptionSlider& bar, QStyle::SubControls parts, const QRect& area,
                qreal dpr, const QWidget* widget) const;
    const QImage& keep(std::vector<Kept>& kept, const Key& key, const QStyleOptionSlider& bar,
                       QStyle::SubControls parts, const QRect& area, qreal dpr,
                       const QWidget* widget) const;

    // A few of each: the map's two bars, hovered or not.
    mutable std::vector<Kept> grooves_;
    mutable std::vector<Kept> handles_;
    mutable std::vector<Kept> buttons_;
};
