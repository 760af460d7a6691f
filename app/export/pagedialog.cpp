#include "app/export/pagedialog.h"

#include "app/export/outputpathfield.h"

#include <QFormLayout>
#include <QLabel>

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
    outputpath::addWithButtons(*this, *form, tr("File:"), *path_);
}

QString PageDialog::path() const {
    return path_->path();
}
