#include "app/dialogs/noteeditor.h"

#include "movefile/korvaextension.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

NoteEditor::NoteEditor(const QString& note, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("bNoteEditor"));
    setWindowTitle(tr("Note to the opponent"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Sent with the next save:"), this));
    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("bNoteText"));
    edit_->setAccessibleName(tr("Note to the opponent"));
    layout->addWidget(edit_, 1);
    count_ = new QLabel(this);
    layout->addWidget(count_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(edit_, &QPlainTextEdit::textChanged, this, &NoteEditor::showCount);
    resize(420, 260);
    setNote(note);
}

QString NoteEditor::note() const {
    return edit_->toPlainText();
}

void NoteEditor::setNote(const QString& note) {
    edit_->setPlainText(note);
    showCount();
}

bool NoteEditor::fits() const {
    return note().toUtf8().size() <= korvaext::kMaxNoteSize;
}

void NoteEditor::showCount() {
    const qsizetype bytes = note().toUtf8().size();
    count_->setText(fits() ? tr("%1 of %2 bytes").arg(bytes).arg(korvaext::kMaxNoteSize)
                           : tr("Too long: %1 of %2 bytes").arg(bytes).arg(korvaext::kMaxNoteSize));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(fits());
}
