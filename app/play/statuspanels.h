#pragma once

#include "app/shell/featurecontext.h"

#include <QCoreApplication>
#include <QString>

#include <array>

class QLabel;
class QStatusBar;
class ZeKCounter;

// The status bar's three panels: the hex under the pointer, whether its top counter has
// moved, and that counter's name with its steps or losses. Remembers the hex last pointed
// at, which the pop-up commands act on.
class StatusPanels {
    Q_DECLARE_TR_FUNCTIONS(PlayFeature)
public:
    StatusPanels(const FeatureContext& context, QStatusBar& statusBar);

    // The text of panel 1, 2 or 3.
    QString text(int panel) const;
    // The hex last pointed at; -1 before the pointer was over the map or after a drop.
    int lastHex() const { return lastHex_; }
    // The pointer is over a map point: the panels tell of its hex if it is another one.
    void pointAt(int x, int y);
    // The next point is told afresh, even in the same hex.
    void forget() { lastHex_ = -1; }
    // The counters of the hex last pointed at may have changed.
    void refresh();
    // The third panel tells of this counter.
    void showCounter(const ZeKCounter& counter);

private:
    void showCounterTexts(int hexIndex);

    FeatureContext context_;
    std::array<QLabel*, 3> panels_{};
    int lastHex_ = -1;
};
