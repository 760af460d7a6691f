#pragma once

#include <QProxyStyle>

// The application's style, with a tall scroll bar drawn in bands a few dozen pixel rows
// tall, each into a picture of its own that is then copied in. The raster painter hands a
// fill of many rows to worker threads and waits for them; a tall scroll bar is filled many
// times over and is repainted on every scroll step, so on a busy machine the waits cost
// more than the map's pixels. A band is too short to be handed out; the bar covers its
// area fully, so copying its bands in gives exactly the pixels drawing it whole would.
class BandedScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Rows a band holds: below the painter's threshold for handing a fill to threads.
    static constexpr int kBandRows = 64;

    explicit BandedScrollBarStyle(QObject* parent = nullptr);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};
