// The map view's commands: zoom in and out, 100%, fit width and fit window, the zoom
// control on the tool bar, the overview dock, and what of them is remembered.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/korvasettings.h"
#include "app/mainwindow/mapscene.h"
#include "app/mainwindow/mapview.h"
#include "app/mainwindow/overviewmap.h"
#include "app/mainwindow/zoom.h"
#include "app/pictures/viewglyphs.h"
#include "board/picturemodule.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "ui_mainform.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QToolBar>

#include <cmath>

namespace {

QIcon viewIcon(programart::ViewGlyph glyph) {
    QIcon icon;
    for (const int size : {20, 40})
        icon.addPixmap(QPixmap::fromImage(programart::viewGlyph(glyph, size)));
    return icon;
}

QString percentText(int percent) {
    return QStringLiteral("%1%").arg(percent);
}

} // namespace

void TMainForm::setUpView() {
    Zoom& zoom = mapView_->zoom();
    const auto addCommand = [this](const QString& name, const QString& text, const QIcon& icon,
                                   const QList<QKeySequence>& keys, const QString& tip) {
        auto* action = new QAction(icon, text, this);
        action->setObjectName(name);
        action->setShortcuts(keys);
        action->setToolTip(tip);
        addAction(action); // the shortcut works wherever the focus is in the window
        return action;
    };
    bKorvaToolBar_->addSeparator();
    zoomOutAction_ =
        addCommand(QStringLiteral("actZoomOut"), QStringLiteral("Zoom out"),
                   viewIcon(programart::ViewGlyph::ZoomOut),
                   {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, QStringLiteral("Zoom out (Ctrl+-)"));
    connect(zoomOutAction_, &QAction::triggered, &zoom, &Zoom::zoomOut);
    bKorvaToolBar_->addAction(zoomOutAction_);

    // The zoom as the player reads it; a step can be picked, a percentage typed.
    zoomBox_ = new QComboBox(bKorvaToolBar_);
    zoomBox_->setObjectName(QStringLiteral("bZoomBox"));
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setToolTip(QStringLiteral("Zoom: pick a step or type a percentage (25 to 400)"));
    for (const qreal step : Zoom::kSteps)
        zoomBox_->addItem(percentText(static_cast<int>(std::lround(step * 100))), step);
    zoomBox_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*\\d{1,3}\\s*%?\\s*")), zoomBox_));
    zoomBox_->setMinimumContentsLength(5);
    connect(zoomBox_, &QComboBox::activated, this,
            [this](int index) { mapView_->zoom().setScale(zoomBox_->itemData(index).toDouble()); });
    connect(zoomBox_->lineEdit(), &QLineEdit::editingFinished, this, &TMainForm::applyZoomText);
    bKorvaToolBar_->addWidget(zoomBox_);

    zoomInAction_ =
        addCommand(QStringLiteral("actZoomIn"), QStringLiteral("Zoom in"),
                   viewIcon(programart::ViewGlyph::ZoomIn),
                   {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                   QStringLiteral("Zoom in (Ctrl++)"));
    connect(zoomInAction_, &QAction::triggered, &zoom, &Zoom::zoomIn);
    bKorvaToolBar_->addAction(zoomInAction_);

    QAction* actual = addCommand(QStringLiteral("actZoomReset"), QStringLiteral("Actual size"),
                                 QIcon(), {QKeySequence(Qt::CTRL | Qt::Key_0)},
                                 QStringLiteral("The map at 100% (Ctrl+0)"));
    connect(actual, &QAction::triggered, &zoom, &Zoom::resetZoom);
    QAction* fitWidth =
        addCommand(QStringLiteral("actFitWidth"), QStringLiteral("Fit width"),
                   viewIcon(programart::ViewGlyph::FitWidth), {QKeySequence(Qt::CTRL | Qt::Key_8)},
                   QStringLiteral("Fit width: the map's width fills the view (Ctrl+8)"));
    connect(fitWidth, &QAction::triggered, this,
            [this] { mapView_->zoom().setScale(mapView_->fitWidthScale()); });
    bKorvaToolBar_->addAction(fitWidth);
    QAction* fitWindow = addCommand(
        QStringLiteral("actFitWindow"), QStringLiteral("Fit window"),
        viewIcon(programart::ViewGlyph::FitWindow), {QKeySequence(Qt::CTRL | Qt::Key_9)},
        QStringLiteral("Fit window: as much of the map as the view holds, 25% at least (Ctrl+9)"));
    connect(fitWindow, &QAction::triggered, this,
            [this] { mapView_->zoom().setScale(mapView_->fitWindowScale()); });
    bKorvaToolBar_->addAction(fitWindow);

    // The overview, docked at the right; hidden until asked for, so that the window keeps
    // its own layout.
    overviewDock_ = new QDockWidget(QStringLiteral("Overview"), this);
    overviewDock_->setObjectName(QStringLiteral("bOverviewDock"));
    overviewDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    overviewMap_ = new OverviewMap(*mapView_, overviewDock_);
    overviewMap_->setScene(mapScene_.get());
    overviewDock_->setWidget(overviewMap_);
    addDockWidget(Qt::RightDockWidgetArea, overviewDock_);
    overviewDock_->hide();
    restoreDockWidget(overviewDock_); // where the last run left it
    QAction* overview = overviewDock_->toggleViewAction();
    overview->setObjectName(QStringLiteral("actOverview"));
    overview->setIcon(viewIcon(programart::ViewGlyph::Overview));
    overview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    overview->setToolTip(QStringLiteral("Overview of the whole map (Ctrl+M)"));
    addAction(overview);
    bKorvaToolBar_->addSeparator();
    bKorvaToolBar_->addAction(overview);

    connect(&zoom, &Zoom::scaleChanged, this, &TMainForm::showZoom);
    connect(&zoom, &Zoom::scaleChanged, this, &TMainForm::zoomDuringDrag);
    showZoom();
}

void TMainForm::showZoom() {
    const Zoom& zoom = mapView_->zoom();
    zoomBox_->setCurrentIndex(zoomBox_->findData(zoom.scale()));
    zoomBox_->setEditText(percentText(zoom.percent()));
    zoomInAction_->setEnabled(zoom.canZoomIn());
    zoomOutAction_->setEnabled(zoom.canZoomOut());
}

void TMainForm::applyZoomText() {
    QString text = zoomBox_->currentText();
    text.remove(QLatin1Char('%'));
    bool ok = false;
    const qreal scale = Zoom::scaleOfPercent(text.trimmed().toInt(&ok));
    if (ok && scale > 0.0)
        mapView_->zoom().setScale(scale);
    showZoom(); // a value out of range shows the zoom as it is
}

void TMainForm::restoreView() {
    // Tool bars and docks where they were, every dock made by now.
    restoreState(settings_->windowState());
    mapView_->zoom().setScale(settings_->zoom());
    overviewDock_->setVisible(settings_->overviewShown());
    readableLossesAction_->setChecked(settings_->readableLosses());
}

void TMainForm::saveView() {
    settings_->setView(mapView_->zoom().scale(), overviewDock_->isVisible(),
                       readableLossesAction_->isChecked());
}

QPixmap TMainForm::pictureAtZoom(int id, const QImage& picture) const {
    const qreal dpr = mapView_->devicePixelRatioF();
    const qreal scale = mapView_->mapScale() * dpr;
    if (scale == 1.0)
        return QPixmap::fromImage(picture);
    QPixmap shown =
        QPixmap::fromImage(mapScene_->pictureAtScale(game_->counterPictures(), id, scale));
    shown.setDevicePixelRatio(dpr);
    return shown;
}

void TMainForm::zoomDuringDrag() {
    if (!isDragging_)
        return;
    if (const ZeKCounter* c = game_->counterAt(dragFromHex_))
        LoadDragPicture(*c);
    const QPoint p = mapView_->mapPixelAt(mapView_->mapFromGlobal(QCursor::pos()));
    placeDragImage(p.x() - 12, p.y() - 12);
}
