// Reaching every command from the keyboard: shortcuts named in the tool tips, accessible
// names for every control, and the keys of the map's commands.
#include "app/mainwindow/tmainform.h"

#include "app/mainwindow/mapview.h"
#include "game/game.h"
#include "ui_mainform.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QToolBar>

namespace {

QString shortcutText(const QKeySequence& keys) {
    return keys.toString(QKeySequence::NativeText);
}

// A speed button keeps its hint and adds the key that reaches it.
void giveKey(QToolButton* button, const QString& hint, const QKeySequence& keys) {
    button->setShortcut(keys);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(hint, shortcutText(keys)));
    button->setAccessibleName(hint);
}

} // namespace

void TMainForm::setUpKeyboard() {
    giveKey(ui_->sbOpen, QStringLiteral("Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    giveKey(ui_->sbSave, QStringLiteral("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    giveKey(ui_->sbUndo, QStringLiteral("Undo last move"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    giveKey(ui_->sbMoveAll, QStringLiteral("Move All"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    giveKey(ui_->SpeedButton1, QStringLiteral("Hide Combat Tags"),
            QKeySequence(Qt::CTRL | Qt::Key_H));
    giveKey(ui_->sbAbout, QStringLiteral("About"), QKeySequence(Qt::Key_F1));

    ui_->bEdit1->setAccessibleName(QStringLiteral("First banner line"));
    ui_->bEdit2->setAccessibleName(QStringLiteral("Second banner line"));
    ui_->bEdit3->setAccessibleName(QStringLiteral("Third banner line"));
    ui_->bScrollBoxMain->setAccessibleName(QStringLiteral("Map view"));
    mapView_->setAccessibleName(QStringLiteral("Map"));
    mapView_->setAccessibleDescription(
        QStringLiteral("Arrow keys move the hex cursor; Enter picks up and drops the top "
                       "counter; Esc cancels"));
    bKorvaToolBar_->setAccessibleName(QStringLiteral("Korva tool bar"));
    const char* const panels[] = {"Hex", "Moved or not", "Counter"};
    for (std::size_t i = 0; i < statusPanels_.size(); ++i)
        statusPanels_[i]->setAccessibleName(QString::fromLatin1(panels[i]));

    // Shift+F10 opens the pop-up menu as the menu key does.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] { requestMenu(menuPoint()); });

    // The map takes the keyboard: Tab reaches it, a click gives it the focus.
    mapView_->setFocusPolicy(Qt::StrongFocus);

    // The pop-up commands act on the hex last pointed at or reached by the hex cursor;
    // their keys work while the map has the focus, and the menu shows them.
    const std::pair<QAction*, QKeySequence> mapKeys[] = {
        {ui_->pmFlip, QKeySequence(Qt::Key_F)},       {ui_->pmNew, QKeySequence(Qt::Key_T)},
        {ui_->pmReturn, QKeySequence(Qt::Key_R)},     {ui_->pmCOmbat, QKeySequence(Qt::Key_C)},
        {ui_->pmShowCOmbat, QKeySequence(Qt::Key_S)},
    };
    for (const auto& [action, keys] : mapKeys) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        mapView_->addAction(action);
    }
    auto* rotate = new QAction(QStringLiteral("Turn the stack over"), this);
    rotate->setObjectName(QStringLiteral("actRotateStack"));
    rotate->setShortcut(QKeySequence(Qt::Key_N));
    rotate->setShortcutContext(Qt::WidgetShortcut);
    connect(rotate, &QAction::triggered, this, &TMainForm::rotateTargetStack);
    mapView_->addAction(rotate);

    // The map has the keyboard from the start, so that a key meant for it never types
    // into a banner box.
    mapView_->setFocus(Qt::OtherFocusReason);
    connect(qApp, &QApplication::focusChanged, this, &TMainForm::catchStrayFocus);
}

void TMainForm::catchStrayFocus(QWidget* old, QWidget* now) {
    // A widget that goes away with the keyboard (a dock closing, a tool bar hiding) hands it
    // on down the Tab order, which would put it in a banner box with its text selected: the
    // next key meant for the map would replace a banner. The map takes it instead.
    if (old && now && now != mapView_ && !old->isVisible() && old->window() == this &&
        now->window() == this)
        mapView_->setFocus(Qt::OtherFocusReason);
}

void TMainForm::keyboardToMap() {
    // The player typing in a field that is still there keeps it.
    const QWidget* focus = focusWidget();
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    const auto* text = qobject_cast<const QPlainTextEdit*>(focus);
    const bool typing = focus && focus->isVisible() &&
                        ((line && !line->isReadOnly()) || (text && !text->isReadOnly()));
    if (!typing)
        mapView_->setFocus(Qt::OtherFocusReason);
}

void TMainForm::rotateTargetStack() {
    // As a click on the hex: the next counter comes to the top; a move cannot be undone
    // after a stack was turned.
    if (lastHex_ == -1 || isDragging_)
        return;
    game_->rotateStack(lastHex_);
    clearUndoRecord();
    showCounterTexts(lastHex_);
}
