#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

// Every modal question the main window asks goes through here, so tests can answer from a
// script instead of waiting on a real modal loop.
class Prompts {
public:
    virtual ~Prompts() = default;

    // "End of turn?" with Yes, No and Cancel.
    virtual QMessageBox::StandardButton askEndOfTurn() = 0;
    // End of turn on a file the player saved, most likely at the end of its turn (it shows no
    // move of the turn): Yes ends it once more (the move comes back to the player), No saves
    // it with the move left to the opponent, Cancel saves nothing. No is the default.
    virtual QMessageBox::StandardButton askEndOwnTurnAgain() = 0;
    // Unsaved changes before the game is closed or replaced: Yes saves first, No discards
    // them, Cancel keeps the turn as it is.
    virtual QMessageBox::StandardButton askSaveChanges() = 0;
    // A full path, or an empty text when the player cancels. The dialogs start in
    // `folder`, or in the current folder when it is empty; Save offers `proposedName`
    // there, which the player may change.
    virtual QString chooseSaveFile(const QString& folder, const QString& proposedName) = 0;
    virtual QString chooseOpenFile(const QString& folder) = 0;
    // Whether to replace the file `name`, which exists; No by default.
    virtual bool askReplace(const QString& name) = 0;
    // A message box titled "Korva" with an OK button and the exclamation icon.
    virtual void showWarning(const QString& text) = 0;
    // Runs a dialog modally and answers its result (QDialog::Accepted or Rejected).
    virtual int execDialog(QDialog& dialog) = 0;

protected:
    Prompts() = default;
};

// The real dialogs.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* parent) : parent_(parent) {}

    QMessageBox::StandardButton askEndOfTurn() override;
    QMessageBox::StandardButton askEndOwnTurnAgain() override;
    QMessageBox::StandardButton askSaveChanges() override;
    QString chooseSaveFile(const QString& folder, const QString& proposedName) override;
    QString chooseOpenFile(const QString& folder) override;
    bool askReplace(const QString& name) override;
    void showWarning(const QString& text) override;
    int execDialog(QDialog& dialog) override;

private:
    QWidget* parent_;
};
