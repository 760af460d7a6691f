#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <map>
#include <vector>

class QAction;
class QWidget;

// Every command of the window, named once.
enum class Command {
    Open,
    RecentFiles,
    Save,
    Undo,
    Redo,
    TurnEdits,
    MoveAll,
    HideCombatTags,
    About,
    NewGame,
    SendMail,
    Menu,
    Flip,
    Tag,
    Return,
    Combat,
    ShowCombat,
    RotateStack,
    CursorLeft,
    CursorRight,
    CursorUp,
    CursorDown,
    PickUpOrDrop,
    PutBack,
    ScrollLeft,
    ScrollRight,
    ScrollUp,
    ScrollDown,
    PageUp,
    PageDown,
    PageLeft,
    PageRight,
    ZoomOut,
    ZoomIn,
    ZoomReset,
    FitWidth,
    FitWindow,
    Overview,
    ReadableLosses,
    Find,
    FindNext,
    FindPrevious,
    OrderOfBattle,
    ShowMoves,
    TurnList,
    ReplayTurn,
    ReplayPlayPause,
    ReplayStep,
    HistoryFirst,
    HistoryPrevious,
    HistoryNext,
    HistoryLast,
    BackToPresent,
    CompareWith,
    EditNote,
    GameSetup,
    GameDice,
    Games,
    PlayByServer,
    GoToTurn,
    ExportPicture,
    ExportTurnPage,
    ExportAnimation,
    Language,
};

// Where a command's key works.
enum class KeyContext {
    Window, // anywhere in the window
    Map,    // while the map has the keyboard
};

// One row of the table: what the player sees and presses for a command.
struct CommandRow {
    Command id;
    const char* objectName;
    // The action's text, and below its tool tip, both translated where a language is loaded.
    const char* text;
    // The default key first; further keys work as well.
    QList<QKeySequence> keys;
    KeyContext context;
    // The tool tip without its key: the key is added from `keys`.
    const char* tip;
    bool checkable = false;
};

// The table of every command, and the actions made from it alone: each command's text,
// keys, the context of its keys and its tool tip, which names the default key. Features
// take their actions from here and connect them; none sets a key of its own.
class CommandTable : public QObject {
    Q_OBJECT
public:
    // Window commands are added to `window`, map commands to `map` (their keys work only
    // while it has the keyboard).
    CommandTable(QWidget* window, QWidget* map);

    QAction* action(Command command) const;
    // The command's key as texts name it ("Ctrl+K" on this system), empty when it has none.
    QString keyText(Command command) const;
    static const std::vector<CommandRow>& rows();
    // "Tip (Ctrl+K)": the tip of the table with the command's default key.
    static QString toolTipOf(const CommandRow& row);

private:
    std::map<Command, QAction*> actions_;
};
