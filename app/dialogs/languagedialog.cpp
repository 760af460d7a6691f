#include "app/dialogs/languagedialog.h"

#include "translations/language.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

LanguageDialog::LanguageDialog(const QString& chosen, const QString& systemLanguage,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("bLanguageDialog"));
    setWindowTitle(tr("Language"));
    auto* layout = new QFormLayout(this);
    choices_ = new QComboBox(this);
    choices_->setObjectName(QStringLiteral("bLanguage"));
    choices_->addItem(tr("As the system (%1)").arg(language::nativeName(systemLanguage)),
                      QString());
    for (const QString& code : language::available())
        choices_->addItem(language::nativeName(code), code);
    choices_->setCurrentIndex(std::max(0, choices_->findData(chosen)));
    auto* label = new QLabel(tr("&Language:"), this);
    label->setBuddy(choices_);
    layout->addRow(label, choices_);
    auto* note = new QLabel(tr("Korva speaks the language chosen from its next start."), this);
    note->setWordWrap(true);
    layout->addRow(note);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addRow(box);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString LanguageDialog::chosenCode() const {
    return choices_->currentData().toString();
}
