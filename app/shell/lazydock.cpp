#include "app/shell/lazydock.h"

void LazyDock::setVisible(bool visible) {
    if (visible)
        ensureBody();
    QDockWidget::setVisible(visible);
}

void LazyDock::ensureBody() {
    if (!built_) {
        built_ = true;
        buildBody();
    }
}
