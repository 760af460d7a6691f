#pragma once

#include <QValidator>

// Keeps out of a player's name, as they are typed or pasted, the characters a name may not
// hold (mayBeInPlayerName): the rest of a paste still arrives, since a stray zero-width
// space from a web page should not cost the player the name around it.
class PlayerNameValidator : public QValidator {
    Q_OBJECT
public:
    explicit PlayerNameValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
