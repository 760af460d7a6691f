#pragma once

#include "app/shell/plaintext.h"

#include <QTimer>

// A short notice across the top of the map: what the program wants the player to know
// without a dialog box and without hiding the status panels, which keep telling what is
// under the pointer (a status bar's own message would hide them while it shows). It goes
// after its time or when another takes its place, and lets the mouse through to the map.
// Notices quote files (a combat's comment, a file's name): plain text only.
class NoticeBar : public PlainLabel {
    Q_OBJECT
public:
    // Shown over `area` (the map's viewport), which it follows as it is resized.
    explicit NoticeBar(QWidget* area);

    // A time of 0 keeps the notice until it is cleared or replaced.
    void showNotice(const QString& text, int milliseconds = 0);
    void clearNotice();
    // The notice showing; empty when none.
    QString notice() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QTimer expiry_;
};
