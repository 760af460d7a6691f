#pragma once

#include <QObject>

#include <array>

// The map view's zoom: the scale (view pixels per map picture pixel) and the steps the
// zoom commands move between. Fit commands may set any scale within the range; a step
// from there goes to the next step beyond it.
class Zoom : public QObject {
    Q_OBJECT
public:
    static constexpr qreal kMinimum = 0.25;
    static constexpr qreal kMaximum = 4.0;
    // 25, 33, 50, 67, 100, 150, 200, 300 and 400%; a third and two thirds exactly, so that
    // their pixels fall on whole map pixels every three.
    static constexpr std::array<qreal, 9> kSteps{0.25, 1.0 / 3.0, 0.5, 2.0 / 3.0, 1.0,
                                                 1.5,  2.0,       3.0, 4.0};

    explicit Zoom(QObject* parent = nullptr);

    qreal scale() const { return scale_; }
    // The scale as the player reads it: 25 to 400, rounded.
    int percent() const;
    // The scale a percentage stands for: 33 and 67 are the steps of a third; other values
    // are taken as they are. Outside 25..400 it answers 0.
    static qreal scaleOfPercent(int percent);

    bool canZoomIn() const;
    bool canZoomOut() const;

public slots:
    // Clamped to kMinimum..kMaximum; emits scaleChanged when it changes.
    void setScale(qreal scale);
    void zoomIn();
    void zoomOut();
    void resetZoom();

signals:
    void scaleChanged(qreal scale);

private:
    qreal scale_ = 1.0;
};
