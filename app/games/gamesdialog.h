#pragma once

#include <QDialog>

class GamesModel;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;

// The games list's window: every game, the one chosen opened with Enter or a double-click,
// archived or brought back, and the folders watched for moves. It shows; the games feature
// decides.
class GamesDialog : public QDialog {
    Q_OBJECT
public:
    GamesDialog(GamesModel& model, QWidget* parent);

    // The row chosen, -1 for none.
    int currentRow() const;
    // After the rows changed: the buttons and the note of an empty list follow.
    void rowsChanged(bool archivedShown);

    QTableView& view() { return *view_; }
    QCheckBox& showArchivedBox() { return *showArchived_; }
    QPushButton& archiveButton() { return *archive_; }
    QPushButton& watchFoldersButton() { return *watchFolders_; }

signals:
    void openChosen(int row);
    void archiveChosen(int row);
    void showArchivedChanged(bool shown);
    void watchFoldersChosen();

private:
    void makeView();
    QHBoxLayout* makeButtons();
    // Each choice in the window told as a signal; the chosen game kept through a reset.
    void connectChoices();
    void currentChanged();

    GamesModel& model_;
    // The game chosen, kept while the rows are made again.
    QString chosenKey_;
    QTableView* view_ = nullptr;
    QLabel* empty_ = nullptr;
    QCheckBox* showArchived_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* archive_ = nullptr;
    QPushButton* watchFolders_ = nullptr;
    bool sized_ = false;
};
