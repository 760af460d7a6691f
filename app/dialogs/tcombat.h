#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>

namespace Ui {
class TCombat;
}

// The die-roll dialog: the player writes a comment, rolls the die once and closes. A roll
// cannot be taken back: once rolled, every way of closing ends with Accepted; before the
// roll, every way ends with Rejected.
class TCombat : public QDialog {
    Q_OBJECT
public:
    // Answers the face rolled for an offset (the program passes its rollDie(6, 0, offset)).
    using DieRoller = std::function<int(int offset)>;

    explicit TCombat(DieRoller roller, QWidget* parent = nullptr);
    // A game played through a server: the die is the server's. `ask` sends the request and
    // calls its answer once with the face, or with why there is none (the face then 0); the
    // dialog offers Retry and never rolls a die of its own. The comment is fixed once asked,
    // since the server's record holds it.
    using Answer = std::function<void(int face, const QString& error)>;
    using ServerDie = std::function<void(const Answer& answer)>;
    TCombat(ServerDie ask, QWidget* parent);
    ~TCombat() override;

    // Before the roll the offset handed to the roller; after it the face rolled.
    int dieValue() const { return dieValue_; }
    void setDieValue(int value) { dieValue_ = value; }
    bool rolled() const { return rolled_; }

    QString comment() const;
    // The comment as the move file stores it.
    std::string commentWin1252() const;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUpFonts();
    void combatCommentChange(const QString& text);
    void combatBoneClick();
    void combatCancelClick();
    void askServer();
    void serverAnswered(int face, const QString& error);
    void showFace(int face);

    std::unique_ptr<Ui::TCombat> ui_;
    DieRoller roller_;
    ServerDie serverDie_;
    // A server's die is on its way: the dialog stays until it comes or the asking fails, so
    // that no die the server drew is left without its combat.
    bool asking_ = false;
    int dieValue_ = 0;
    bool rolled_ = false;
};
