#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

namespace Ui {
class TSplash;
}

// The picture shown, centred and borderless, while the program starts.
class TSplash : public QWidget {
    Q_OBJECT
public:
    // picture: 260 x 260; a larger one is cut at the right and bottom.
    explicit TSplash(const QImage& picture = {}, QWidget* parent = nullptr);
    ~TSplash() override;

    void setPicture(const QImage& picture);

private:
    std::unique_ptr<Ui::TSplash> ui_;
};
