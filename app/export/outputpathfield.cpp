#include "app/export/outputpathfield.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

OutputPathField::OutputPathField(const QString& path, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    edit_ = new QLineEdit(path, this);
    edit_->setObjectName(QStringLiteral("bExportPath"));
    edit_->setAccessibleName(tr("File"));
    edit_->setMinimumWidth(320);
    layout->addWidget(edit_, 1);
    auto* button = new QPushButton(tr("Choose…"), this);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, &OutputPathField::choose);
    connect(edit_, &QLineEdit::textChanged, this, &OutputPathField::pathChanged);
}

void OutputPathField::setKind(Kind kind, const QString& suffix, const QString& filter) {
    // The name typed so far keeps its stem: "salerno.webp" becomes the folder "salerno".
    QString typed = path();
    const QString oldEnding = QLatin1Char('.') + suffix_;
    if (!suffix_.isEmpty() && typed.endsWith(oldEnding))
        typed.chop(oldEnding.size());
    kind_ = kind;
    suffix_ = kind == Kind::File ? suffix : QString();
    filter_ = filter;
    if (!typed.isEmpty() && !suffix_.isEmpty())
        typed += QLatin1Char('.') + suffix_;
    setPath(typed);
}

QString OutputPathField::path() const {
    return edit_->text().trimmed();
}

void OutputPathField::setPath(const QString& path) {
    edit_->setText(path);
}

void OutputPathField::choose() {
    QFileDialog dialog(this, tr("Export to"), path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (kind_ == Kind::File) {
        dialog.setNameFilter(filter_);
        dialog.setDefaultSuffix(suffix_);
    }
    dialog.selectFile(path());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        setPath(dialog.selectedFiles().constFirst());
}

namespace outputpath {

void addWithButtons(QDialog& dialog, QFormLayout& form, const QString& label,
                    OutputPathField& field) {
    form.addRow(label, &field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    // The same word in the three export dialogs.
    ok->setText(QCoreApplication::translate("PageDialog", "Export"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(&field, &OutputPathField::pathChanged, ok,
                     [ok, &field] { ok->setEnabled(!field.path().isEmpty()); });
    form.addRow(buttons);
}

QString freeStem(const QString& stem, const QString& suffix) {
    const auto taken = [&suffix](const QString& candidate) {
        return QFileInfo::exists(candidate + QLatin1Char('.') + suffix);
    };
    if (stem.isEmpty() || !taken(stem))
        return stem;
    for (int n = 2;; ++n)
        if (const QString candidate = QStringLiteral("%1 (%2)").arg(stem).arg(n); !taken(candidate))
            return candidate;
}

} // namespace outputpath
