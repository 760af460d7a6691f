#include "app/export/pagedialog.h"

#include "app/export/outputpathfield.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

PageDialog::PageDialog(const QString& pathStem, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("bExportPageDialog"));
    setWindowTitle(tr("Export turn as web page"));
    auto* form = new QFormLayout(this);
    auto* said = new QLabel(tr("One page with the map around the turn's moves, the changes, "
                               "the combats with their rolls, and the note."),
                            this);
    said->setWordWrap(true);
    form->addRow(said);
    path_ = new OutputPathField(pathStem, this);
    path_->setKind(OutputPathField::Kind::File, QStringLiteral("html"), tr("Web pages (*.html)"));
    form->addRow(tr("File:"), path_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Export"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(path_, &OutputPathField::pathChanged, this, [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!path().isEmpty());
    });
    form->addRow(buttons);
}

QString PageDialog::path() const {
    return path_->path();
}
