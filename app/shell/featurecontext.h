#pragma once

class CommandTable;
class KorvaSettings;
class MapView;
class NoticeBar;
class Prompts;
class QMainWindow;
class Session;

// What every part of the window is built from: the window (the parent of its docks and
// dialogs), the session with its game, the map view, the table of commands, the questions
// asked of the player, the notices over the map and the remembered settings. A feature
// takes its actions from the table, connects them, and hands the window its tool bars,
// docks and overlays; the window places them.
struct FeatureContext {
    QMainWindow& window;
    Session& session;
    MapView& map;
    CommandTable& commands;
    Prompts& prompts;
    NoticeBar& notices;
    KorvaSettings& settings;
};
