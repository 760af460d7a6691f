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

    std::unique_ptr<Ui::TCombat> ui_;
    DieRoller roller_;
    int dieValue_ = 0;
    bool rolled_ = false;
};
