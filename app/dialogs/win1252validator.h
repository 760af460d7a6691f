#pragma once

#include <QValidator>

// Lets an edit box take only what the move file can store: printable characters that
// Windows-1252 can hold. Anything else typed or pasted is refused whole.
class Win1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Win1252Validator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
