#include "app/map/mapfeature.h"

#include "app/map/lossbadges.h"
#include "app/map/mapscene.h"
#include "app/map/mapview.h"
#include "app/map/overviewmap.h"
#include "app/map/zoom.h"
#include "app/pictures/bakedpictures.h"
#include "app/pictures/viewglyphs.h"
#include "app/shell/commandtable.h"
#include "app/shell/korvasettings.h"
#include "board/mappicture.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QWidgetAction>

#include <cmath>

namespace {

QIcon viewIcon(programart::ViewGlyph glyph) {
    QIcon icon;
    for (const int size : programart::kViewGlyphSizes)
        icon.addPixmap(QPixmap::fromImage(bakedpictures::programPicture(
            bakedpictures::kViewGlyphBase + 100 * int(glyph) + size,
            [glyph, size] { return programart::viewGlyph(glyph, size); })));
    return icon;
}

// The tool bar's picture for readable losses: a counter with its loss number in the corner.
QImage lossesGlyph() {
    QImage glyph(20, 20, QImage::Format_ARGB32_Premultiplied);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(QColor(0xD8, 0xC8, 0x90));
    painter.drawRect(QRectF(1.5, 1.5, 14, 14));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xE6, 0x9F, 0x00));
    painter.drawRect(QRectF(8.5, 8.5, 11, 11));
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(9, 9, 11, 11), Qt::AlignCenter, QStringLiteral("1"));
    return glyph;
}

QString percentText(int percent) {
    return QStringLiteral("%1%").arg(percent);
}

QAction* separator(QObject* parent) {
    auto* action = new QAction(parent);
    action->setSeparator(true);
    return action;
}

} // namespace

MapFeature::MapFeature(const FeatureContext& context)
    : QObject(&context.window), context_(context) {
    const Game& game = context_.session.game();
    MapView& view = context_.map;
    view.setPicture(&game.mapPicture());
    scene_ = std::make_unique<MapScene>(game);
    view.setScene(scene_.get());
    view.setAccessibleName(tr("Map"));
    view.setAccessibleDescription(tr("Arrow keys move the hex cursor; Enter picks up and drops "
                                     "the top counter; Esc cancels"));

    QWidgetAction* zoomControl = makeZoomControl();
    setUpZoomCommands();
    setUpOverview();
    setUpScrollKeys();
    lossBadges_ = std::make_unique<LossBadges>(game);
    const CommandTable& commands = context_.commands;
    QAction* losses = commands.action(Command::ReadableLosses);
    losses->setIcon(QIcon(QPixmap::fromImage(lossesGlyph())));
    connect(losses, &QAction::toggled, this, [this](bool on) { lossBadges_->setEnabled(on); });

    toolBarActions_ = {separator(this),
                       commands.action(Command::ZoomOut),
                       zoomControl,
                       commands.action(Command::ZoomIn),
                       commands.action(Command::FitWidth),
                       commands.action(Command::FitWindow),
                       separator(this),
                       commands.action(Command::Overview),
                       losses};
    connect(&view.zoom(), &Zoom::scaleChanged, this, &MapFeature::showZoom);
    showZoom();
}

QWidgetAction* MapFeature::makeZoomControl() {
    // The zoom as the player reads it; a step can be picked, a percentage typed.
    zoomBox_ = new QComboBox;
    zoomBox_->setObjectName(QStringLiteral("bZoomBox"));
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setToolTip(tr("Zoom: pick a step or type a percentage (25 to 400)"));
    // The typing field takes the keyboard: a screen reader names it, not only the box.
    zoomBox_->setAccessibleName(tr("Zoom"));
    zoomBox_->lineEdit()->setAccessibleName(tr("Zoom"));
    for (const qreal step : Zoom::kSteps)
        zoomBox_->addItem(percentText(static_cast<int>(std::lround(step * 100))), step);
    zoomBox_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*\\d{1,3}\\s*%?\\s*")), zoomBox_));
    zoomBox_->setMinimumContentsLength(5);
    connect(zoomBox_, &QComboBox::activated, this, [this](int index) {
        context_.map.zoom().setScale(zoomBox_->itemData(index).toDouble());
    });
    connect(zoomBox_->lineEdit(), &QLineEdit::editingFinished, this, &MapFeature::applyZoomText);
    auto* zoomControl = new QWidgetAction(this);
    zoomControl->setDefaultWidget(zoomBox_);
    return zoomControl;
}

void MapFeature::setUpZoomCommands() {
    Zoom& zoom = context_.map.zoom();
    const CommandTable& commands = context_.commands;
    QAction* zoomOut = commands.action(Command::ZoomOut);
    zoomOut->setIcon(viewIcon(programart::ViewGlyph::ZoomOut));
    connect(zoomOut, &QAction::triggered, &zoom, &Zoom::zoomOut);
    QAction* zoomIn = commands.action(Command::ZoomIn);
    zoomIn->setIcon(viewIcon(programart::ViewGlyph::ZoomIn));
    connect(zoomIn, &QAction::triggered, &zoom, &Zoom::zoomIn);
    connect(commands.action(Command::ZoomReset), &QAction::triggered, &zoom, &Zoom::resetZoom);
    const auto fit = [this](qreal (MapScroller::*scaleFor)(const QSize&) const) {
        MapView& map = context_.map;
        const QSize mapSize = context_.session.game().mapPicture().image().size();
        map.zoom().setScale((map.scroller().*scaleFor)(mapSize));
    };
    QAction* fitWidth = commands.action(Command::FitWidth);
    fitWidth->setIcon(viewIcon(programart::ViewGlyph::FitWidth));
    connect(fitWidth, &QAction::triggered, this, [fit] { fit(&MapScroller::fitWidthScale); });
    QAction* fitWindow = commands.action(Command::FitWindow);
    fitWindow->setIcon(viewIcon(programart::ViewGlyph::FitWindow));
    connect(fitWindow, &QAction::triggered, this, [fit] { fit(&MapScroller::fitWindowScale); });
}

void MapFeature::setUpOverview() {
    // The overview, docked at the right; hidden until asked for, so that the window keeps
    // its own layout.
    overviewDock_ = new QDockWidget(tr("Overview"), &context_.window);
    overviewDock_->setObjectName(QStringLiteral("bOverviewDock"));
    overviewDock_->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    overviewMap_ = new OverviewMap(context_.map, overviewDock_);
    overviewMap_->setScene(scene_.get());
    overviewDock_->setWidget(overviewMap_);
    overviewDock_->hide();
    QAction* overview = context_.commands.action(Command::Overview);
    overview->setIcon(viewIcon(programart::ViewGlyph::Overview));
    connect(overview, &QAction::toggled, overviewDock_, &QDockWidget::setVisible);
    connect(overviewDock_->toggleViewAction(), &QAction::toggled, overview, &QAction::setChecked);
}

void MapFeature::setUpScrollKeys() {
    // The keys that scroll: by lines with Ctrl and the arrows, by pages.
    const struct {
        Command command;
        int dx, dy;
        bool pages;
    } scrolls[] = {
        {Command::ScrollLeft, -1, 0, false}, {Command::ScrollRight, 1, 0, false},
        {Command::ScrollUp, 0, -1, false},   {Command::ScrollDown, 0, 1, false},
        {Command::PageUp, 0, -1, true},      {Command::PageDown, 0, 1, true},
        {Command::PageLeft, -1, 0, true},    {Command::PageRight, 1, 0, true},
    };
    for (const auto& s : scrolls)
        connect(context_.commands.action(s.command), &QAction::triggered, this, [this, s] {
            MapScroller& scroller = context_.map.scroller();
            s.pages ? scroller.scrollPages(s.dx, s.dy) : scroller.scrollLines(s.dx, s.dy);
        });
}

MapFeature::~MapFeature() {
    context_.map.setScene(nullptr);
    overviewMap_->setScene(nullptr);
}

QList<MapOverlay*> MapFeature::overlays() const {
    return {lossBadges_.get()};
}

void MapFeature::showZoom() {
    const Zoom& zoom = context_.map.zoom();
    zoomBox_->setCurrentIndex(zoomBox_->findData(zoom.scale()));
    zoomBox_->setEditText(percentText(zoom.percent()));
    context_.commands.action(Command::ZoomIn)->setEnabled(zoom.canZoomIn());
    context_.commands.action(Command::ZoomOut)->setEnabled(zoom.canZoomOut());
}

void MapFeature::applyZoomText() {
    QString text = zoomBox_->currentText();
    text.remove(QLatin1Char('%'));
    bool ok = false;
    const qreal scale = Zoom::scaleOfPercent(text.trimmed().toInt(&ok));
    if (ok && scale > 0.0)
        context_.map.zoom().setScale(scale);
    showZoom(); // a value out of range shows the zoom as it is
}

void MapFeature::restoreView() {
    const KorvaSettings& settings = context_.settings;
    context_.map.zoom().setScale(settings.zoom());
    overviewDock_->setVisible(settings.overviewShown());
    context_.commands.action(Command::ReadableLosses)->setChecked(settings.readableLosses());
}

void MapFeature::saveView() const {
    context_.settings.setView(context_.map.zoom().scale(), overviewDock_->isVisible(),
                              context_.commands.action(Command::ReadableLosses)->isChecked());
}

QPixmap MapFeature::pictureAtZoom(int id, const QImage& picture) const {
    const qreal dpr = context_.map.devicePixelRatioF();
    const qreal scale = context_.map.mapScale() * dpr;
    if (scale == 1.0)
        return QPixmap::fromImage(picture);
    QPixmap shown = QPixmap::fromImage(
        scene_->pictureAtScale(context_.session.game().counterPictures(), id, scale));
    shown.setDevicePixelRatio(dpr);
    return shown;
}

void MapFeature::centreOnHex(int hex) {
    const AFPoint centre = hexgrid::hexCentre(hex);
    context_.map.centreOn(QPointF(centre.x, centre.y));
}

void MapFeature::showHoldingArea() {
    // The holding area's left edge at the view's left, or as far right as the map goes.
    const int left = hexgrid::hexPosition(hexgrid::hexIndexOf(hexgrid::kBoardColumns, 0)).x -
                     hexgrid::kSideOverhang;
    context_.map.placeMapPoint(QPointF(left, 0), QPointF(0, 0));
}
