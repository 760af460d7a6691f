#pragma once

#include "app/shell/plaintext.h"

// Text from a file (a comment, a note, a banner, a name) on lines of its own, set apart as a
// quotation: indented behind a bar, in italics, its line breaks kept inside the quotation and
// every character that would act (a control, a bidirectional override, an invisible letter)
// shown as a mark. Whatever it says, it never looks like a line of Korva's.
class QuotedText : public PlainLabel {
    Q_OBJECT
public:
    explicit QuotedText(const QString& quote = {}, QWidget* parent = nullptr);

    void setQuote(const QString& quote);
    // As given, before its marks.
    const QString& quote() const { return quote_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString quote_;
};
