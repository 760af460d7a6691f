#pragma once

#include "app/shell/trustlabel.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TShowCombatDlg;
}

// Shows one recorded combat: the die value and its comment. The program makes it once and
// reuses it for every record.
class TShowCombatDlg : public QDialog {
    Q_OBJECT
public:
    // Runs the dialog modally and answers its result; tests put a script in its place.
    using ModalRunner = std::function<int(QDialog& dialog)>;

    explicit TShowCombatDlg(QWidget* parent = nullptr);
    ~TShowCombatDlg() override;

    // Fills the two captions without showing anything; the comment shows on its one line,
    // whatever line breaks or controls the file put in it.
    void setRecord(int dieValue, const QString& comment);
    // Which record this is: the hex, whose roll and its place among the hex's records
    // ("Hex : F12 - your roll - 1 of 3"), shown on a line below the comment as Korva's word
    // on the roll, with the badge of its trust.
    void setPlace(const QString& place, Trust trust = Trust::Stated);
    Trust placeTrust() const;
    QString place() const;
    // Fills the captions, then shows the dialog modally until the player closes it.
    int showRecord(int dieValue, const QString& comment);

    // An empty runner restores the real modal loop.
    void setModalRunner(ModalRunner runner) { runner_ = std::move(runner); }

private:
    std::unique_ptr<Ui::TShowCombatDlg> ui_;
    ModalRunner runner_;
    TrustLabel* place_ = nullptr;
};
