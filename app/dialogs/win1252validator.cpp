#include "app/dialogs/win1252validator.h"

#include "base/win1252.h"

Win1252Validator::Win1252Validator(QObject* parent) : QValidator(parent) {}

QValidator::State Win1252Validator::validate(QString& input, int& /*pos*/) const {
    for (const QChar c : input) {
        // Tabs, line breaks and other control characters have no place in a one-line text.
        if (c.category() == QChar::Other_Control || !win1252::canEncode(c))
            return Invalid;
    }
    return Acceptable;
}
