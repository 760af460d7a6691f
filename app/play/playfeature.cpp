#include "app/play/playfeature.h"

#include "app/map/mapview.h"
#include "app/map/zoom.h"
#include "app/play/hexannouncement.h"
#include "app/play/hexcursor.h"
#include "app/shell/commandtable.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>

PlayFeature::PlayFeature(const FeatureContext& context, MapFeature& mapFeature,
                         QStatusBar& statusBar, std::function<void(int)> pause)
    : QObject(&context.window), context_(context), panels_(context, statusBar),
      drag_(context, mapFeature, std::move(pause),
            [this](int x, int y) {
                panels_.forget();
                UpdateStatus(x, y);
            }),
      commands_(context, *this, drag_, panels_, [this] { emit idle(); }) {
    setUpMenu();
    setUpHexCursor();

    const MapView& map = context_.map;
    connect(&map, &MapView::mousePressed, this, &PlayFeature::bImageMainMapMouseDown);
    connect(&map, &MapView::mouseMoved, this, &PlayFeature::UpdateStatus);
    connect(&map, &MapView::mouseReleased, this, &PlayFeature::bImageMainMapMouseUp);
    connect(&map, &MapView::menuRequested, this, &PlayFeature::requestMenu);
    connect(&context_.map.zoom(), &Zoom::scaleChanged, this, [this] { drag_.zoomChanged(); });
    connect(&context_.session, &Session::positionReplaced, this, &PlayFeature::positionReplaced);
    // An undo, a redo or a step chosen in the list of edits may change the pointer's hex.
    connect(&context_.session.game(), &Game::countersChanged, this,
            [this](const QList<int>& hexes) {
                if (hexes.contains(panels_.lastHex()))
                    panels_.refresh();
            });
    // An end of turn makes every counter one that has yet to move, under the pointer too.
    connect(&context_.session.game(), &Game::turnEnded, this, [this] { panels_.refresh(); });
}

PlayFeature::~PlayFeature() = default;

void PlayFeature::setUpMenu() {
    const CommandTable& commands = context_.commands;
    connect(commands.action(Command::Menu), &QAction::triggered, this,
            [this] { requestMenu(menuPoint()); });
    // Esc belongs to the other controls until a counter is held.
    connect(commands.action(Command::PutBack), &QAction::triggered, this, &PlayFeature::CancelDrag);
    commands.action(Command::PutBack)->setEnabled(false);

    bMainPopupMenu_ = new QMenu(&context_.window);
    bMainPopupMenu_->setObjectName(QStringLiteral("bMainPopupMenu"));
    for (const Command entry :
         {Command::Flip, Command::Tag, Command::Return, Command::Combat, Command::ShowCombat})
        bMainPopupMenu_->addAction(commands.action(entry));
}

void PlayFeature::setUpHexCursor() {
    MapView& map = context_.map;
    hexCursor_ = new HexCursor(&map, [this] {
        if (const int hex = panels_.lastHex(); hex != -1)
            return hex;
        const QPointF middle = context_.map.visibleMapRect().center();
        return ZeKClick(AFPoint(int(middle.x()), int(middle.y()))).index();
    });
    const struct {
        Command command;
        int columns, rows;
    } steps[] = {{Command::CursorLeft, -1, 0},
                 {Command::CursorRight, 1, 0},
                 {Command::CursorUp, 0, -1},
                 {Command::CursorDown, 0, 1}};
    for (const auto& s : steps)
        connect(context_.commands.action(s.command), &QAction::triggered, hexCursor_,
                [this, s] { hexCursor_->step(s.columns, s.rows); });
    connect(context_.commands.action(Command::PickUpOrDrop), &QAction::triggered, hexCursor_,
            &HexCursor::enter);
    connect(hexCursor_, &HexCursor::stepped, this, &PlayFeature::pointAtHex);
    connect(hexCursor_, &HexCursor::enterPressed, this, [this] {
        const AFPoint c = hexgrid::hexCentre(hexCursor_->hex());
        // The mouse's own pick-up and drop, so a key move is undone, rotated and
        // moved-all exactly as a drag.
        if (drag_.isDragging())
            drag_.drop(c.x, c.y);
        else
            drag_.pickUp(c.x, c.y);
        announceCursorHex();
    });
    // The mouse takes over from the keyboard once it enters another hex.
    mapName_ = map.accessibleName();
    connect(&map, &MapView::mouseMoved, hexCursor_, [this](int x, int y) {
        if (ZeKClick(AFPoint(x, y)).index() == hexCursor_->hex() || !hexCursor_->isShown())
            return;
        hexCursor_->hideOutline();
        context_.map.setAccessibleName(mapName_);
    });
}

void PlayFeature::announceCursorHex() {
    // Screen readers speak a new name (Qt sends NameChanged) of the control that has the
    // keyboard: the map's name tells the cursor's hex while the cursor shows.
    context_.map.setAccessibleName(HexAnnouncement::of(context_.session.game(), hexCursor_->hex()));
}

QList<MapOverlay*> PlayFeature::overlays() const {
    return {hexCursor_};
}

QList<QAction*> PlayFeature::toolBarActions() const {
    return {context_.commands.action(Command::Redo)};
}

bool PlayFeature::isBusy() const {
    return drag_.isDragging() || drag_.isAnimating() ||
           QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

void PlayFeature::positionReplaced() {
    // Nothing of the past can be moved, flipped, tagged or fought over; its combats can be
    // read. The pointer's hex may hold other counters now.
    commands_.positionReplaced();
    panels_.refresh();
}

void PlayFeature::bImageMainMapMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton && !context_.session.showsPast())
        drag_.pickUp(x, y);
}

void PlayFeature::bImageMainMapMouseUp(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton)
        drag_.drop(x, y);
}

void PlayFeature::UpdateStatus(int x, int y) {
    panels_.pointAt(x, y);
    drag_.follow(x, y);
}

void PlayFeature::pointAtHex(int hex) {
    const AFPoint centre = hexgrid::hexCentre(hex);
    UpdateStatus(centre.x, centre.y);
    hexCursor_->setHex(hex);
    const AFPoint p = ZeKClick(hex).position();
    context_.map.scroller().ensureVisible(QRectF(p.x - 12, p.y, 48, 39), 40);
    // Found or stepped to, the hex is what the map is named for until the mouse takes over.
    announceCursorHex();
}

void PlayFeature::requestMenu(const QPoint& globalPos) {
    if (context_.session.showsPast())
        return; // every command of the menu would change the past
    // A menu would take the left release that ends the drag.
    if (!drag_.isDragging())
        bMainPopupMenu_->popup(globalPos);
}

QPoint PlayFeature::menuPoint() const {
    if (!hexCursor_->isShown())
        return QCursor::pos();
    const AFPoint centre = hexgrid::hexCentre(hexCursor_->hex());
    return context_.map.mapToGlobal(
        context_.map.viewPointOf(QPointF(centre.x, centre.y)).toPoint());
}
