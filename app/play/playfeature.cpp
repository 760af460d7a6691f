// The play feature's parts that are not the mouse or the counter commands: the status bar,
// the pop-up menu, the hex cursor, and following the session.
#include "app/play/playfeature.h"

#include "app/dialogs/tshowcombatdlg.h"
#include "app/map/mapview.h"
#include "app/map/zoom.h"
#include "app/play/editsdock.h"
#include "app/play/hexannouncement.h"
#include "app/play/hexcursor.h"
#include "app/shell/commandtable.h"
#include "app/shell/hextext.h"
#include "app/shell/noticebar.h"
#include "app/shell/plaintext.h"
#include "base/win1252.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/hexgrid.h"
#include "geometry/zekclick.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QUndoStack>

PlayFeature::PlayFeature(const FeatureContext& context, MapFeature& mapFeature,
                         QStatusBar& statusBar, std::function<void(int)> pause)
    : QObject(&context.window), context_(context), mapFeature_(mapFeature),
      pause_(std::move(pause)) {
    // Created after the map so that it lies above it; it moves in viewport coordinates.
    bDragImage_ = new QLabel(context_.map.parentWidget());
    bDragImage_->setObjectName(QStringLiteral("bDragImage"));
    bDragImage_->setGeometry(0, 0, 24, 24);
    bDragImage_->setAttribute(Qt::WA_TransparentForMouseEvents);
    bDragImage_->hide();
    setUpStatusBar(statusBar);
    setUpCommands();
    setUpHexCursor();

    const MapView& map = context_.map;
    connect(&map, &MapView::mousePressed, this, &PlayFeature::bImageMainMapMouseDown);
    connect(&map, &MapView::mouseMoved, this, &PlayFeature::bImageMainMapMouseMove);
    connect(&map, &MapView::mouseReleased, this, &PlayFeature::bImageMainMapMouseUp);
    connect(&map, &MapView::menuRequested, this, &PlayFeature::requestMenu);
    connect(&context_.map.zoom(), &Zoom::scaleChanged, this, &PlayFeature::zoomDuringDrag);
    connect(&context_.session, &Session::positionReplaced, this, &PlayFeature::positionReplaced);
    // An undo, a redo or a step chosen in the list of edits may change the pointer's hex.
    connect(&context_.session.game(), &Game::countersChanged, this,
            [this](const QList<int>& hexes) {
                if (lastHex_ != -1 && hexes.contains(lastHex_))
                    showCounterTexts(lastHex_);
            });
    // An end of turn makes every counter one that has yet to move, under the pointer too.
    connect(&context_.session.game(), &Game::turnEnded, this, [this] {
        if (lastHex_ != -1)
            showCounterTexts(lastHex_);
    });
}

PlayFeature::~PlayFeature() = default;

void PlayFeature::setUpStatusBar(QStatusBar& statusBar) {
    statusBar.setFixedHeight(19);
    const int widths[] = {200, 200, 0};
    const char* const names[] = {QT_TR_NOOP("Hex"), QT_TR_NOOP("Moved or not"),
                                 QT_TR_NOOP("Counter")};
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        // The panels name counters and hexes; plain text like everything from a file.
        auto* panel = new PlainLabel;
        panel->setObjectName(QStringLiteral("bStatusPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // Read by what it says ("Hex : K12"); what it is, as its description.
        panel->setAccessibleDescription(tr(names[i]));
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        statusBar.addWidget(panel, widths[i] > 0 ? 0 : 1);
        statusPanels_[i] = panel;
    }
}

void PlayFeature::setUpCommands() {
    const CommandTable& commands = context_.commands;
    const std::pair<Command, void (PlayFeature::*)()> handlers[] = {
        {Command::Flip, &PlayFeature::pmFlipClick},
        {Command::Tag, &PlayFeature::pmNewClick},
        {Command::Return, &PlayFeature::pmReturnClick},
        {Command::Combat, &PlayFeature::pmCOmbatClick},
        {Command::ShowCombat, &PlayFeature::pmShowCOmbatClick},
        {Command::Undo, &PlayFeature::sbUndoClick},
        {Command::Redo, &PlayFeature::sbRedoClick},
        {Command::HideCombatTags, &PlayFeature::SpeedButton1Click},
        {Command::RotateStack, &PlayFeature::rotateTargetStack},
    };
    for (const auto& [command, handler] : handlers)
        connect(commands.action(command), &QAction::triggered, this, handler);
    connect(commands.action(Command::Menu), &QAction::triggered, this,
            [this] { requestMenu(menuPoint()); });
    updateUndoCommands();
    connect(&context_.session.document().edits(), &EditStack::changed, this,
            &PlayFeature::updateUndoCommands);
    connect(&context_.session.document().edits(), &EditStack::rollStands, this, [this] {
        context_.notices.showNotice(tr("A die roll cannot be taken back; undo stops here"), 5000);
    });

    editsDock_ = new EditsDock(context_.session.document().edits(), &context_.window);
    editsDock_->hide();
    QAction* edits = commands.action(Command::TurnEdits);
    connect(edits, &QAction::toggled, editsDock_, &QDockWidget::setVisible);
    connect(editsDock_->toggleViewAction(), &QAction::toggled, edits, &QAction::setChecked);
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
        if (lastHex_ != -1)
            return lastHex_;
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
        if (isDragging_)
            DropCounter(c.x, c.y);
        else
            PickUpCounter(c.x, c.y);
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

void PlayFeature::updateUndoCommands() {
    const Session& session = context_.session;
    const QUndoStack& edits = session.document().edits().stack();
    const auto key = [this](Command command) {
        return context_.commands.action(command)->shortcut().toString(QKeySequence::NativeText);
    };
    QAction* undo = context_.commands.action(Command::Undo);
    undo->setEnabled(session.document().edits().canUndo());
    if (!session.document().edits().canUndo())
        undo->setToolTip(tr("Undo last move (%1)").arg(key(Command::Undo)));
    else if (session.document().edits().atRollLine())
        undo->setToolTip(tr("A die roll cannot be taken back (%1)").arg(key(Command::Undo)));
    else
        undo->setToolTip(tr("Undo: %1 (%2)").arg(edits.undoText(), key(Command::Undo)));
    QAction* redo = context_.commands.action(Command::Redo);
    redo->setEnabled(session.document().edits().canRedo());
    redo->setToolTip(session.document().edits().canRedo()
                         ? tr("Redo: %1 (%2)").arg(edits.redoText(), key(Command::Redo))
                         : tr("Redo (%1)").arg(key(Command::Redo)));
}

QString PlayFeature::statusText(int panel) const {
    return statusPanels_.at(static_cast<std::size_t>(panel - 1))->text();
}

bool PlayFeature::isBusy() const {
    return isDragging_ || animating_ || QApplication::activePopupWidget() != nullptr ||
           QApplication::activeModalWidget() != nullptr;
}

void PlayFeature::positionReplaced() {
    // Nothing of the past can be moved, flipped, tagged or fought over; its combats can be
    // read. The pointer's hex may hold other counters now.
    const bool present = !context_.session.showsPast();
    for (const Command command : {Command::MoveAll, Command::Flip, Command::Tag, Command::Return,
                                  Command::Combat, Command::RotateStack})
        context_.commands.action(command)->setEnabled(present);
    updateUndoCommands();
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
}

void PlayFeature::UpdateStatus(int x, int y) {
    const int h = ZeKClick(AFPoint(x, y)).index();
    if (h != lastHex_) {
        statusPanels_[0]->setText(hextext::label(h));
        lastHex_ = h;
        showCounterTexts(h);
    }
    if (isDragging_)
        placeDragImage(x - 12, y - 12);
}

void PlayFeature::showCounterTexts(int hexIndex) {
    const ZeKCounter* c = context_.session.game().counterAt(hexIndex);
    if (!c) {
        statusPanels_[1]->clear();
        statusPanels_[2]->clear();
        return;
    }
    statusPanels_[1]->setText(c->hasMoved() ? tr("Has Moved") : tr("Yet to move"));
    statusPanels_[2]->setText(counterStatusText(*c));
}

QString PlayFeature::counterStatusText(const ZeKCounter& counter) {
    return tr("%1 ; Partial Step/Loss = %2")
        .arg(win1252::toUnicode(counter.name()), win1252::toUnicode(counter.lossText()));
}

void PlayFeature::pointAtHex(int hex) {
    const AFPoint centre = hexgrid::hexCentre(hex);
    UpdateStatus(centre.x, centre.y);
    hexCursor_->setHex(hex);
    const AFPoint p = ZeKClick(hex).position();
    context_.map.ensureVisible(QRectF(p.x - 12, p.y, 48, 39), 40);
    // Found or stepped to, the hex is what the map is named for until the mouse takes over.
    announceCursorHex();
}

void PlayFeature::requestMenu(const QPoint& globalPos) {
    if (context_.session.showsPast())
        return; // every command of the menu would change the past
    // A menu would take the left release that ends the drag.
    if (!isDragging_)
        bMainPopupMenu_->popup(globalPos);
}

QPoint PlayFeature::menuPoint() const {
    if (!hexCursor_->isShown())
        return QCursor::pos();
    const AFPoint centre = hexgrid::hexCentre(hexCursor_->hex());
    return context_.map.mapToGlobal(
        context_.map.viewPointOf(QPointF(centre.x, centre.y)).toPoint());
}

ZeKCounter* PlayFeature::targetCounter() const {
    return lastHex_ == -1 ? nullptr : context_.session.game().counterAt(lastHex_);
}
