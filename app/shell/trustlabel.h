#pragma once

#include "app/shell/plaintext.h"

#include <QColor>
#include <QPixmap>

class QPainter;
class QRectF;
struct DiceVerdict;
struct RollMark;

// How far Korva vouches for what one of its lines says about the dice.
enum class Trust {
    Stated,     // Korva's own account, nothing to check: "Your roll: 4"
    Unverified, // a roll or a verdict that could not be checked
    Verified,   // checked against the committed secret and the file this player sent
    Refuted,    // checked, and it does not match or a roll is missing
};

// The one reading of a verdict, in every view: verified; failed (a mismatch, a roll missing,
// dice withheld) refuted; anything else vouches for nothing.
Trust trustOf(const DiceVerdict& verdict);
// An opponent's roll is verified, refuted, or neither; the player's own is Korva's account.
Trust trustOf(const RollMark& mark, bool opponents);

// Korva's own words about the dice (a roll, its number, a verdict): bold, in the colour of
// their trust, behind a badge the widget paints. Text from a file never shows this way (it
// shows in a QuotedText), so a comment that says "verified" cannot pass for one of these.
class TrustLabel : public PlainLabel {
    Q_OBJECT
public:
    explicit TrustLabel(Trust trust = Trust::Stated, const QString& text = {},
                        QWidget* parent = nullptr);

    Trust trust() const { return trust_; }
    void setTrust(Trust trust);

    // The badge and colour, for item views and painted overlays.
    static QColor colour(Trust trust);
    static void paintBadge(QPainter& painter, const QRectF& box, Trust trust);
    static QPixmap badge(Trust trust, int size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int badgeSize() const;

    Trust trust_;
};
