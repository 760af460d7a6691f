#pragma once

#include "app/shell/trustlabel.h"

#include <QFrame>
#include <QTimer>

#include <functional>

class QuotedText;

// A short notice across the top of the map: what the program wants the player to know
// without a dialog box and without hiding the status panels, which keep telling what is
// under the pointer (a status bar's own message would hide them while it shows). It goes
// after its time or when another takes its place, and lets the mouse through to the map.
// Notices quote files (a file's name, a combat's comment): plain text only, and what a
// notice says about the dice is a TrustLabel, the comment below it a quotation.
class NoticeBar : public QFrame {
    Q_OBJECT
public:
    // Shown over `area` (the map's viewport), which it follows as it is resized.
    explicit NoticeBar(QWidget* area);

    // A time of 0 keeps the notice until it is cleared or replaced.
    void showNotice(const QString& text, int milliseconds = 0);
    // A notice that a click acts on: it takes that click (the others let it through to the
    // map), goes and runs `onClick`.
    void showNotice(const QString& text, int milliseconds, std::function<void()> onClick);
    // A notice (it may be empty) with Korva's word on the dice below it.
    void showNotice(const QString& text, int milliseconds, Trust trust, const QString& verdict);
    // Korva's word on the dice, with what the file said below it as a quotation.
    void showVerdict(Trust trust, const QString& verdict, const QString& quote,
                     int milliseconds = 0);
    void clearNotice();
    // The notice showing, its quotation on the lines after it as given; empty when none.
    QString notice() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showParts(int milliseconds);
    void place();
    void setClick(std::function<void()> onClick);

    PlainLabel* message_ = nullptr;
    TrustLabel* verdict_ = nullptr;
    QuotedText* quote_ = nullptr;
    QTimer expiry_;
    std::function<void()> onClick_;
};
