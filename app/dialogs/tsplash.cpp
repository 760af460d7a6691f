#include "app/dialogs/tsplash.h"

#include "ui_splash.h"

#include <QPixmap>
#include <QScreen>

TSplash::TSplash(const QImage& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui_(std::make_unique<Ui::TSplash>()) {
    ui_->setupUi(this);
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(268, 269);
    setPicture(picture);
    if (const QScreen* where = screen())
        move(where->geometry().center() - rect().center());
}

TSplash::~TSplash() = default;

void TSplash::setPicture(const QImage& picture) {
    ui_->splashImage1->setPixmap(QPixmap::fromImage(picture));
}
