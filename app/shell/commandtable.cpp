#include "app/shell/commandtable.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace {

using K = QKeySequence;
constexpr auto Ctrl = Qt::CTRL;
constexpr auto Shift = Qt::SHIFT;
constexpr auto Alt = Qt::ALT;

QString translated(const char* text) {
    return QCoreApplication::translate("CommandTable", text);
}

} // namespace

const std::vector<CommandRow>& CommandTable::rows() {
    // clang-format off
    static const std::vector<CommandRow> table{
        {Command::Open, "actOpen", QT_TRANSLATE_NOOP("CommandTable", "Open"), {K(Ctrl | Qt::Key_O)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "Open")},
        {Command::RecentFiles, "actRecentFiles", QT_TRANSLATE_NOOP("CommandTable", "Recent move files"), {K(Ctrl | Shift | Qt::Key_O)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The move files opened or saved last")},
        {Command::Save, "actSave", QT_TRANSLATE_NOOP("CommandTable", "Save"), {K(Ctrl | Qt::Key_S)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "Save")},
        {Command::Undo, "actUndo", QT_TRANSLATE_NOOP("CommandTable", "Undo last move"), {K(Ctrl | Qt::Key_Z)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Undo last move")},
        {Command::Redo, "actRedo", QT_TRANSLATE_NOOP("CommandTable", "Redo"), {K(Ctrl | Shift | Qt::Key_Z), K(Ctrl | Qt::Key_Y)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Put back the change last taken back")},
        {Command::TurnEdits, "actTurnEdits", QT_TRANSLATE_NOOP("CommandTable", "The turn's edits"), {K(Ctrl | Shift | Qt::Key_U)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Every step of this turn, to go back to any of them"),
         true},
        {Command::MoveAll, "actMoveAll", QT_TRANSLATE_NOOP("CommandTable", "Move All"), {K(Ctrl | Shift | Qt::Key_M)},
         KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "Move All"), true},
        {Command::HideCombatTags, "actHideCombatTags", QT_TRANSLATE_NOOP("CommandTable", "Hide Combat Tags"), {K(Ctrl | Qt::Key_H)},
         KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "Hide Combat Tags")},
        {Command::About, "actAbout", QT_TRANSLATE_NOOP("CommandTable", "About"), {K(Qt::Key_F1)},
         KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "About")},
        {Command::NewGame, "actNewGame", QT_TRANSLATE_NOOP("CommandTable", "New game"), {K(Ctrl | Qt::Key_N)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "New game")},
        {Command::SendMail, "bSendMail", QT_TRANSLATE_NOOP("CommandTable", "Send by e-mail"), {K(Ctrl | Qt::Key_E)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Send the saved turn by e-mail")},
        {Command::Menu, "actMenu", QT_TRANSLATE_NOOP("CommandTable", "Menu"), {K(Qt::Key_Menu), K(Shift | Qt::Key_F10)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The menu of the hex")},
        {Command::Flip, "pmFlip", QT_TRANSLATE_NOOP("CommandTable", "Flip"), {K(Qt::Key_F)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Flip")},
        {Command::Tag, "pmNew", QT_TRANSLATE_NOOP("CommandTable", "Tag"), {K(Qt::Key_T)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Tag")},
        {Command::Return, "pmReturn", QT_TRANSLATE_NOOP("CommandTable", "Return to start hex"), {K(Qt::Key_R)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "Return to start hex")},
        {Command::Combat, "pmCOmbat", QT_TRANSLATE_NOOP("CommandTable", "Combat"), {K(Qt::Key_C)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Combat")},
        {Command::ShowCombat, "pmShowCOmbat", QT_TRANSLATE_NOOP("CommandTable", "Show Combat"), {K(Qt::Key_S)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "Show Combat")},
        {Command::RotateStack, "actRotateStack", QT_TRANSLATE_NOOP("CommandTable", "Turn the stack over"), {K(Qt::Key_N)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "Turn the stack over: the next counter comes to the top")},
        {Command::CursorLeft, "actCursorLeft", QT_TRANSLATE_NOOP("CommandTable", "Hex cursor left"), {K(Qt::Key_Left)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "The hex cursor one column left")},
        {Command::CursorRight, "actCursorRight", QT_TRANSLATE_NOOP("CommandTable", "Hex cursor right"), {K(Qt::Key_Right)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "The hex cursor one column right")},
        {Command::CursorUp, "actCursorUp", QT_TRANSLATE_NOOP("CommandTable", "Hex cursor up"), {K(Qt::Key_Up)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "The hex cursor one hex up")},
        {Command::CursorDown, "actCursorDown", QT_TRANSLATE_NOOP("CommandTable", "Hex cursor down"), {K(Qt::Key_Down)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "The hex cursor one hex down")},
        {Command::PickUpOrDrop, "actPickUpOrDrop", QT_TRANSLATE_NOOP("CommandTable", "Pick up or drop"), {K(Qt::Key_Return), K(Qt::Key_Enter)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable",
                           "Pick up the top counter of the cursor's hex; drop the one held")},
        // The window's, so that it reaches a held counter wherever the keyboard is; enabled
        // only while one is held, so Esc is the other controls' the rest of the time.
        {Command::PutBack, "actPutBack", QT_TRANSLATE_NOOP("CommandTable", "Put back"), {K(Qt::Key_Escape)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Put the counter held back: nothing moves")},
        {Command::ScrollLeft, "actScrollLeft", QT_TRANSLATE_NOOP("CommandTable", "Scroll left"), {K(Ctrl | Qt::Key_Left)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Scroll left")},
        {Command::ScrollRight, "actScrollRight", QT_TRANSLATE_NOOP("CommandTable", "Scroll right"), {K(Ctrl | Qt::Key_Right)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Scroll right")},
        {Command::ScrollUp, "actScrollUp", QT_TRANSLATE_NOOP("CommandTable", "Scroll up"), {K(Ctrl | Qt::Key_Up)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Scroll up")},
        {Command::ScrollDown, "actScrollDown", QT_TRANSLATE_NOOP("CommandTable", "Scroll down"), {K(Ctrl | Qt::Key_Down)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "Scroll down")},
        {Command::PageUp, "actPageUp", QT_TRANSLATE_NOOP("CommandTable", "Page up"), {K(Qt::Key_PageUp)}, KeyContext::Map, QT_TRANSLATE_NOOP("CommandTable", "A view's height up")},
        {Command::PageDown, "actPageDown", QT_TRANSLATE_NOOP("CommandTable", "Page down"), {K(Qt::Key_PageDown)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "A view's height down")},
        {Command::PageLeft, "actPageLeft", QT_TRANSLATE_NOOP("CommandTable", "Page left"), {K(Shift | Qt::Key_PageUp)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "A view's width left")},
        {Command::PageRight, "actPageRight", QT_TRANSLATE_NOOP("CommandTable", "Page right"), {K(Shift | Qt::Key_PageDown)}, KeyContext::Map,
         QT_TRANSLATE_NOOP("CommandTable", "A view's width right")},
        {Command::ZoomOut, "actZoomOut", QT_TRANSLATE_NOOP("CommandTable", "Zoom out"), {K(Ctrl | Qt::Key_Minus)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "Zoom out")},
        {Command::ZoomIn, "actZoomIn", QT_TRANSLATE_NOOP("CommandTable", "Zoom in"), {K(Ctrl | Qt::Key_Plus), K(Ctrl | Qt::Key_Equal)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Zoom in")},
        {Command::ZoomReset, "actZoomReset", QT_TRANSLATE_NOOP("CommandTable", "Actual size"), {K(Ctrl | Qt::Key_0)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "The map at 100%")},
        {Command::FitWidth, "actFitWidth", QT_TRANSLATE_NOOP("CommandTable", "Fit width"), {K(Ctrl | Qt::Key_8)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Fit width: the map's width fills the view")},
        {Command::FitWindow, "actFitWindow", QT_TRANSLATE_NOOP("CommandTable", "Fit window"), {K(Ctrl | Qt::Key_9)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable",
                           "Fit window: as much of the map as the view holds, 25% at least")},
        {Command::Overview, "actOverview", QT_TRANSLATE_NOOP("CommandTable", "Overview"), {K(Ctrl | Qt::Key_M)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Overview of the whole map"), true},
        {Command::ReadableLosses, "actReadableLosses",
         QT_TRANSLATE_NOOP("CommandTable", "Readable losses"), {K(Ctrl | Qt::Key_L)},
         KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Readable losses: the number over each counter"), true},
        {Command::Find, "actFind", QT_TRANSLATE_NOOP("CommandTable", "Find a unit"), {K(Ctrl | Qt::Key_F)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "Find a unit")},
        {Command::FindNext, "actFindNext", QT_TRANSLATE_NOOP("CommandTable", "Find next"), {K(Qt::Key_F3)}, KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "The next unit found")},
        {Command::FindPrevious, "actFindPrevious", QT_TRANSLATE_NOOP("CommandTable", "Find previous"), {K(Shift | Qt::Key_F3)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The previous unit found")},
        {Command::OrderOfBattle, "actOrderOfBattle", QT_TRANSLATE_NOOP("CommandTable", "Order of battle"), {K(Ctrl | Qt::Key_B)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Order of battle"), true},
        {Command::ShowMoves, "actShowMoves", QT_TRANSLATE_NOOP("CommandTable", "Show moves"), {K(Ctrl | Shift | Qt::Key_A)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Show the turn's moves"), true},
        {Command::TurnList, "actTurnList", QT_TRANSLATE_NOOP("CommandTable", "The turn"), {K(Ctrl | Qt::Key_T)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The turn as a list"), true},
        {Command::ReplayTurn, "actReplayTurn", QT_TRANSLATE_NOOP("CommandTable", "Replay turn"), {K(Ctrl | Qt::Key_R)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Replay the turn's moves"), true},
        {Command::ReplayPlayPause, "actReplayPlay", QT_TRANSLATE_NOOP("CommandTable", "Pause"), {K(Ctrl | Shift | Qt::Key_P)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Play or pause the replay")},
        {Command::ReplayStep, "actReplayStep", QT_TRANSLATE_NOOP("CommandTable", "Step"), {K(Ctrl | Shift | Qt::Key_N)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "One step of the replay")},
        {Command::HistoryFirst, "actHistoryFirst", QT_TRANSLATE_NOOP("CommandTable", "First"), {K(Alt | Qt::Key_Home)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The game's first kept position")},
        {Command::HistoryPrevious, "actHistoryPrevious", QT_TRANSLATE_NOOP("CommandTable", "Previous"), {K(Alt | Qt::Key_Left)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The kept position before this one")},
        {Command::HistoryNext, "actHistoryNext", QT_TRANSLATE_NOOP("CommandTable", "Next"), {K(Alt | Qt::Key_Right)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The kept position after this one")},
        {Command::HistoryLast, "actHistoryLast", QT_TRANSLATE_NOOP("CommandTable", "Last"), {K(Alt | Qt::Key_End)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The game's newest kept position")},
        {Command::BackToPresent, "actBackToPresent",
         QT_TRANSLATE_NOOP("CommandTable", "Back to the present"), {K(Alt | Qt::Key_Down)},
         KeyContext::Window, QT_TRANSLATE_NOOP("CommandTable", "The game as it stands")},
        {Command::CompareWith, "actCompareWith", QT_TRANSLATE_NOOP("CommandTable", "Compare with…"), {K(Ctrl | Shift | Qt::Key_C)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Show the changes since another move file")},
        {Command::EditNote, "actEditNote", QT_TRANSLATE_NOOP("CommandTable", "Note…"), {K(Ctrl | Shift | Qt::Key_E)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "A note to the opponent, sent with the next save")},
        {Command::GameSetup, "actGameSetup", QT_TRANSLATE_NOOP("CommandTable", "Players and turn…"), {K(Ctrl | Shift | Qt::Key_T)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable",
                           "Who plays which side; the turn of a game whose files never said it")},
        {Command::GameDice, "actGameDice", QT_TRANSLATE_NOOP("CommandTable", "The game's dice…"), {K(Ctrl | Shift | Qt::Key_D)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Every roll of the game, and how fair each die looks")},
        {Command::Games, "actGames", QT_TRANSLATE_NOOP("CommandTable", "Games"), {K(Ctrl | Qt::Key_G)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Every game you play, and whose move it is")},
        {Command::PlayByServer, "actPlayByServer", QT_TRANSLATE_NOOP("CommandTable", "Play by server…"), {K(Ctrl | Shift | Qt::Key_K)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "Play through a Korva server that carries the turns and draws every die")},
        {Command::GoToTurn, "actGoToTurn", QT_TRANSLATE_NOOP("CommandTable", "Go to turn…"), {K(Ctrl | Shift | Qt::Key_G)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The kept position a chosen turn began from")},
        {Command::ExportPicture, "actExportPicture", QT_TRANSLATE_NOOP("CommandTable", "Export picture…"), {K(Ctrl | Shift | Qt::Key_X)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The map as a PNG picture, whole or the part in view")},
        {Command::ExportTurnPage, "actExportTurnPage",
         QT_TRANSLATE_NOOP("CommandTable", "Export turn as web page…"),
         {K(Ctrl | Shift | Qt::Key_W)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable",
                           "The turn as one web page: the map around its moves, the changes, the "
                           "combats and the note")},
        {Command::ExportAnimation, "actExportAnimation",
         QT_TRANSLATE_NOOP("CommandTable", "Export game as animation…"),
         {K(Ctrl | Shift | Qt::Key_F)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable",
                           "Every kept position of the game, one frame each, as an animation")},
        {Command::Language, "actLanguage", QT_TRANSLATE_NOOP("CommandTable", "Language…"), {K(Ctrl | Shift | Qt::Key_L)}, KeyContext::Window,
         QT_TRANSLATE_NOOP("CommandTable", "The language Korva speaks, from its next start")},
    };
    // clang-format on
    return table;
}

QString CommandTable::toolTipOf(const CommandRow& row) {
    const QString tip = translated(row.tip);
    if (row.keys.isEmpty())
        return tip;
    return QStringLiteral("%1 (%2)").arg(tip,
                                         row.keys.constFirst().toString(QKeySequence::NativeText));
}

CommandTable::CommandTable(QWidget* window, QWidget* map) : QObject(window) {
    for (const CommandRow& row : rows()) {
        auto* action = new QAction(translated(row.text), window);
        action->setObjectName(QString::fromLatin1(row.objectName));
        action->setShortcuts(row.keys);
        action->setToolTip(toolTipOf(row));
        action->setCheckable(row.checkable);
        if (row.context == KeyContext::Map) {
            action->setShortcutContext(Qt::WidgetShortcut);
            map->addAction(action);
        } else {
            // Its keys work wherever the keyboard is in the window.
            window->addAction(action);
        }
        actions_.emplace(row.id, action);
    }
}

QAction* CommandTable::action(Command command) const {
    return actions_.at(command);
}

QString CommandTable::keyText(Command command) const {
    return action(command)->shortcut().toString(QKeySequence::NativeText);
}
