#include "app/export/picturedialog.h"

#include "app/export/outputpathfield.h"
#include "app/map/zoom.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

void addZoomSteps(QComboBox& box, qreal selected) {
    for (const qreal step : Zoom::kSteps) {
        box.addItem(QStringLiteral("%1%").arg(std::lround(step * 100)), step);
        if (std::abs(step - selected) < 1e-9)
            box.setCurrentIndex(box.count() - 1);
    }
}

PictureDialog::PictureDialog(const Choice& proposed, SizeOf sizeOf, const QString& pathStem,
                             QWidget* parent)
    : QDialog(parent), sizeOf_(std::move(sizeOf)) {
    setObjectName(QStringLiteral("bExportPictureDialog"));
    setWindowTitle(tr("Export picture"));
    auto* form = new QFormLayout(this);
    auto* what = new QVBoxLayout;
    whole_ = new QRadioButton(tr("The whole map"), this);
    whole_->setObjectName(QStringLiteral("bExportWhole"));
    part_ = new QRadioButton(tr("The part in view"), this);
    part_->setObjectName(QStringLiteral("bExportPart"));
    what->addWidget(whole_);
    what->addWidget(part_);
    form->addRow(tr("Map:"), what);
    zoom_ = new QComboBox(this);
    zoom_->setObjectName(QStringLiteral("bExportZoom"));
    addZoomSteps(*zoom_, 1.0);
    form->addRow(tr("Zoom:"), zoom_);
    moves_ = new QCheckBox(tr("With the turn's moves"), this);
    moves_->setObjectName(QStringLiteral("bExportMoves"));
    form->addRow(moves_);
    size_ = new QLabel(this);
    size_->setObjectName(QStringLiteral("bExportSize"));
    form->addRow(tr("Size:"), size_);
    path_ = new OutputPathField(pathStem, this);
    path_->setKind(OutputPathField::Kind::File, QStringLiteral("png"), tr("PNG pictures (*.png)"));
    outputpath::addWithButtons(*this, *form, tr("File:"), *path_);
    connect(whole_, &QRadioButton::toggled, this, &PictureDialog::showSize);
    connect(zoom_, &QComboBox::currentIndexChanged, this, &PictureDialog::showSize);
    setChoice(proposed);
}

PictureDialog::Choice PictureDialog::choice() const {
    return {whole_->isChecked(), zoom_->currentData().toReal(), moves_->isChecked()};
}

void PictureDialog::setChoice(const Choice& choice) {
    (choice.wholeMap ? whole_ : part_)->setChecked(true);
    const int zoom = zoom_->findData(choice.scale);
    if (zoom >= 0)
        zoom_->setCurrentIndex(zoom);
    moves_->setChecked(choice.moves);
    showSize();
}

QString PictureDialog::path() const {
    return path_->path();
}

void PictureDialog::showSize() {
    const QSize size = sizeOf_(choice());
    size_->setText(tr("%1 × %2 pixels").arg(size.width()).arg(size.height()));
}
