#include "app/dialogs/tfrmabout.h"

#include "ui_about.h"

#include <QLabel>

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
    // The form keeps its place on the screen rather than centring over the main window.
    move(347, 267);
}

TfrmAbout::~TfrmAbout() = default;
