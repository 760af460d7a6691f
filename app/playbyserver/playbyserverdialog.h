#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class PlainLabel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Play by server…: the server's address, then registering a name or giving the token kept
// from another computer, then making the open game a server game or joining one with the
// opponent's invite code. Each step says what came of it in a line of its own; the server's
// words are shown as plain text, never obeyed.
class PlayByServerDialog : public QDialog {
    Q_OBJECT
public:
    // The saved move file the open game would be made from; empty when the game has no saved
    // file or has changes no save holds, with the reason in *why.
    using SavedGame = std::function<QString(QString* why)>;

    PlayByServerDialog(SavedGame savedGame, QWidget* parent);

signals:
    // A game was made or joined on the server (it is then watched for turns).
    void gameTaken(const QUrl& server);

private:
    void addressChanged();
    void registerName();
    void useToken();
    void createGame();
    void joinGame();
    // Runs one step with the window waiting; its outcome in the line below.
    void run(const std::function<QString()>& step);
    void say(const QString& outcome);

    SavedGame savedGame_;
    QComboBox* address_ = nullptr;
    QLabel* whoYouAre_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* token_ = nullptr;
    QLineEdit* invite_ = nullptr;
    QPushButton* register_ = nullptr;
    QPushButton* useToken_ = nullptr;
    QPushButton* create_ = nullptr;
    QPushButton* join_ = nullptr;
    PlainLabel* outcome_ = nullptr;
};
