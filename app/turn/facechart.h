#pragma once

#include "dice/dicestats.h"

#include <QWidget>

// How often each face of a player's die came up, as six bars, with a line where a fair die
// would put them.
class FaceChart : public QWidget {
    Q_OBJECT
public:
    explicit FaceChart(QWidget* parent = nullptr);

    void setFaces(const FaceCounts& faces);
    const FaceCounts& faces() const { return faces_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FaceCounts faces_;
};
