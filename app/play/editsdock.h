#pragma once

#include "app/shell/lazydock.h"

class EditStack;
class QUndoView;

// The turn's edits: every step of the session's undo stack in the order made, the present
// one selected; a click goes back or forward to any of them (never below a die roll, whose
// line stays fixed).
class EditsDock : public LazyDock {
    Q_OBJECT
public:
    EditsDock(EditStack& edits, QWidget* parent = nullptr);

    // The list, built when first shown.
    QUndoView& view();

private:
    void buildBody() override;
    // Selects the row of the stack's present step, and that row alone.
    void showStackIndex();

    EditStack& edits_;
    QUndoView* view_ = nullptr;
};
