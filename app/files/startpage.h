#pragma once

#include <QFrame>
#include <QStringList>

class QAction;
class QVBoxLayout;

// What a first start offers over the empty map: New game, Open and the move files used
// last, or once there are games, the games played last. Whoever holds it lets it go once a
// game is opened or started.
class StartPage : public QFrame {
    Q_OBJECT
public:
    // Centred over `area` (the map's viewport), which it follows as it is resized.
    StartPage(QAction& newGame, QAction& open, const QStringList& recentFiles, QWidget* area);

    // A game as the page offers it: its line, its tool tip (plain text) and the file that
    // opens it, empty when that file is not found.
    struct Game {
        QString text;
        QString tip;
        QString file;
    };
    // The games below the commands, with the command that lists them all; called again, the
    // rows are replaced (a move arrived).
    void addGames(QAction& games, const QList<Game>& list);

signals:
    void recentFileChosen(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    // The games' part of the page; null until addGames.
    QWidget* games_ = nullptr;
};
