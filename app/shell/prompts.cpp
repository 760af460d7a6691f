#include "app/shell/prompts.h"

#include "app/shell/plaintext.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("Korva");
const QString kFilter = QStringLiteral("Korva (*.krv)");

QString runFileDialog(QWidget* parent, const QString& title, const QString& folder,
                      QFileDialog::AcceptMode mode, const QString& proposedName = {}) {
    QFileDialog dialog(parent, title, folder, kFilter);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("krv"));
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!proposedName.isEmpty())
        dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QMessageBox::StandardButton QtPrompts::askEndOfTurn() {
    return QMessageBox::question(
        parent_, kTitle, QCoreApplication::translate("Prompts", "End of turn?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

QMessageBox::StandardButton QtPrompts::askEndOwnTurnAgain() {
    QMessageBox box(QMessageBox::Warning, kTitle,
                    QCoreApplication::translate(
                        "Prompts", "You saved this file yourself, and it shows no move of its "
                                   "turn: most likely you ended your turn in it, and the move "
                                   "is your opponent's.\n"
                                   "Ending the turn again hands the move back to you, and your "
                                   "opponent's answer to this file will no longer fit the game."),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("Prompts", "End the turn again"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("Prompts", "Save, the move stays theirs"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton QtPrompts::askSaveChanges() {
    return QMessageBox::question(
        parent_, kTitle,
        QCoreApplication::translate("Prompts", "This turn has changes that are not saved.\n"
                                               "Save them first?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

bool QtPrompts::askReplace(const QString& name) {
    // A file's name is shown as it is, never read as markup.
    QMessageBox box(QMessageBox::Question, kTitle,
                    QCoreApplication::translate("Prompts", "%1 already exists.\nReplace it?")
                        .arg(plaintext::name(name)),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompts::chooseSaveFile(const QString& folder, const QString& proposedName) {
    return runFileDialog(parent_, QCoreApplication::translate("Prompts", "Korva : Save Move"),
                         folder, QFileDialog::AcceptSave, proposedName);
}

QString QtPrompts::chooseOpenFile(const QString& folder) {
    return runFileDialog(parent_, QCoreApplication::translate("Prompts", "Korva : Open Move"),
                         folder, QFileDialog::AcceptOpen);
}

void QtPrompts::showWarning(const QString& text) {
    // Warnings name files and quote what files hold: plain text, never markup.
    QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

int QtPrompts::execDialog(QDialog& dialog) {
    return dialog.exec();
}
