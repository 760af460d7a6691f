#include "app/dialogs/tfrmabout.h"

#include "ui_about.h"

#include <QLabel>

#include <algorithm>

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TfrmAbout>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);

    // Designer stores point sizes only; this form was laid out in pixels.
    QFont font = this->font();
    font.setPixelSize(11);
    setFont(font);
    QFont title = ui_->StaticText1->font();
    title.setPixelSize(16);
    ui_->StaticText1->setFont(title);

    // Every text sizes itself to its content but the bordered date, which keeps its box.
    for (QLabel* text : findChildren<QLabel*>()) {
        if (text != ui_->StaticText7)
            text->adjustSize();
    }
    // A translation longer than the English widens the form, with a margin to its right,
    // rather than cutting the line.
    int right = 0;
    for (const QLabel* text : findChildren<QLabel*>())
        right = std::max(right, text->geometry().right() + 1);
    constexpr int kMargin = 8;
    if (right + kMargin > width())
        resize(right + kMargin, height());
    // The form keeps its place on the screen rather than centring over the main window.
    move(347, 267);
}

TfrmAbout::~TfrmAbout() = default;
