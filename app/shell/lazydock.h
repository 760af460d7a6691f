#pragma once

#include <QDockWidget>

// A dock whose contents are built the first time it is shown, not with the window: most
// starts never open it, and the first frame need not wait for its tables and fonts. A dock
// the window's saved state shows is shown before the window is, so it is laid out whole.
class LazyDock : public QDockWidget {
    Q_OBJECT
public:
    using QDockWidget::QDockWidget;

    void setVisible(bool visible) override;

protected:
    // Builds the contents once; whatever reads them calls this first.
    void ensureBody();
    virtual void buildBody() = 0;

private:
    bool built_ = false;
};
