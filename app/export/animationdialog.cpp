#include "app/export/animationdialog.h"

#include "app/export/outputpathfield.h"
#include "app/export/picturedialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

AnimationDialog::AnimationDialog(int positions, const QString& pathStem, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("bExportAnimationDialog"));
    setWindowTitle(tr("Export game as animation"));
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(tr("The game's %n kept position(s), oldest first, one frame each.",
                               nullptr, int(positions)),
                            this));
    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("bAnimationZoom"));
    addZoomSteps(*zoom_, 0.5);
    form->addRow(tr("Zoom:"), zoom_);
    frameTime_ = new QDoubleSpinBox(this);
    frameTime_->setObjectName(QStringLiteral("bFrameTime"));
    frameTime_->setRange(0.1, 60.0);
    frameTime_->setDecimals(1);
    frameTime_->setSingleStep(0.5);
    frameTime_->setSuffix(tr(" s"));
    frameTime_->setValue(1.5);
    form->addRow(tr("Each frame:"), frameTime_);
    auto* format = new QVBoxLayout;
    webp_ = new QRadioButton(tr("An animated WebP picture"), this);
    webp_->setObjectName(QStringLiteral("bAnimationWebP"));
    frames_ = new QRadioButton(tr("A folder of numbered PNG pictures"), this);
    frames_->setObjectName(QStringLiteral("bAnimationFrames"));
    webp_->setChecked(true);
    format->addWidget(webp_);
    format->addWidget(frames_);
    form->addRow(tr("As:"), format);
    path_ = new OutputPathField(pathStem, this);
    outputpath::addWithButtons(*this, *form, tr("To:"), *path_);
    connect(webp_, &QRadioButton::toggled, this, &AnimationDialog::followFormat);
    followFormat();
}

void AnimationDialog::followFormat() {
    if (webp_->isChecked())
        path_->setKind(OutputPathField::Kind::File, QStringLiteral("webp"),
                       tr("WebP pictures (*.webp)"));
    else
        path_->setKind(OutputPathField::Kind::Folder);
}

AnimationDialog::Choice AnimationDialog::choice() const {
    return {zoom_->currentData().toReal(), int(std::lround(frameTime_->value() * 1000)),
            frames_->isChecked()};
}

void AnimationDialog::setChoice(const Choice& choice) {
    const int zoom = zoom_->findData(choice.scale);
    if (zoom >= 0)
        zoom_->setCurrentIndex(zoom);
    frameTime_->setValue(choice.frameMs / 1000.0);
    (choice.pngFolder ? frames_ : webp_)->setChecked(true);
}

QString AnimationDialog::path() const {
    return path_->path();
}
