#include "app/dialogs/playernamevalidator.h"

#include "movefile/turnrecord.h"

#include <algorithm>

PlayerNameValidator::PlayerNameValidator(QObject* parent) : QValidator(parent) {}

QValidator::State PlayerNameValidator::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int cursor = pos;
    for (qsizetype i = 0; i < input.size();) {
        const bool pair = input.at(i).isHighSurrogate() && i + 1 < input.size() &&
                          input.at(i + 1).isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t c =
            pair ? QChar::surrogateToUcs4(input.at(i), input.at(i + 1)) : input.at(i).unicode();
        if (mayBeInPlayerName(c))
            kept.append(input.sliced(i, length));
        else if (i < pos) // the cursor stays after what was typed before it
            cursor -= int(std::min<qsizetype>(length, pos - i));
        i += length;
    }
    input = kept;
    pos = cursor;
    return Acceptable;
}
