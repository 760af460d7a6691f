#include "app/play/statuspanels.h"

#include "app/shell/hextext.h"
#include "app/shell/plaintext.h"
#include "base/win1252.h"
#include "counters/zekcounter.h"
#include "game/game.h"
#include "game/session.h"
#include "geometry/zekclick.h"

#include <QStatusBar>

StatusPanels::StatusPanels(const FeatureContext& context, QStatusBar& statusBar)
    : context_(context) {
    statusBar.setFixedHeight(19);
    const int widths[] = {200, 200, 0};
    const char* const names[] = {QT_TR_NOOP("Hex"), QT_TR_NOOP("Moved or not"),
                                 QT_TR_NOOP("Counter")};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        // The panels name counters and hexes; plain text like everything from a file.
        auto* panel = new PlainLabel;
        panel->setObjectName(QStringLiteral("bStatusPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // Read by what it says ("Hex : K12"); what it is, as its description.
        panel->setAccessibleDescription(tr(names[i]));
        if (widths[i] > 0)
            panel->setFixedWidth(widths[i]);
        statusBar.addWidget(panel, widths[i] > 0 ? 0 : 1);
        panels_[i] = panel;
    }
}

QString StatusPanels::text(int panel) const {
    return panels_.at(static_cast<std::size_t>(panel - 1))->text();
}

void StatusPanels::pointAt(int x, int y) {
    const int h = ZeKClick(AFPoint(x, y)).index();
    if (h == lastHex_)
        return;
    panels_[0]->setText(hextext::label(h));
    lastHex_ = h;
    showCounterTexts(h);
}

void StatusPanels::refresh() {
    if (lastHex_ != -1)
        showCounterTexts(lastHex_);
}

void StatusPanels::showCounterTexts(int hexIndex) {
    const ZeKCounter* c = context_.session.game().counterAt(hexIndex);
    if (!c) {
        panels_[1]->clear();
        panels_[2]->clear();
        return;
    }
    panels_[1]->setText(c->hasMoved() ? tr("Has Moved") : tr("Yet to move"));
    showCounter(*c);
}

void StatusPanels::showCounter(const ZeKCounter& counter) {
    panels_[2]->setText(
        tr("%1 ; Partial Step/Loss = %2")
            .arg(win1252::toUnicode(counter.name()), win1252::toUnicode(counter.lossText())));
}
