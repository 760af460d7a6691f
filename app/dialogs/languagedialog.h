#pragma once

#include <QDialog>

class QComboBox;

// Language…: the language Korva speaks, the system's or one the player picks. The choice is
// remembered and takes effect at the next start: the window's texts are made once.
class LanguageDialog : public QDialog {
    Q_OBJECT
public:
    // `chosen` is the remembered choice (empty: the system's), `systemLanguage` what the
    // system's would give.
    LanguageDialog(const QString& chosen, const QString& systemLanguage, QWidget* parent = nullptr);

    // The language picked, empty for the system's.
    QString chosenCode() const;

private:
    QComboBox* choices_;
};
