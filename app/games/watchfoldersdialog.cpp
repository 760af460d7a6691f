#include "app/games/watchfoldersdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

WatchFoldersDialog::WatchFoldersDialog(const QStringList& folders, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("bWatchFoldersDialog"));
    setWindowTitle(tr("Watch folders"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("bWatchedFolders"));
    list_->setAccessibleName(tr("Watched folders"));
    layout->addWidget(list_);
    auto* row = new QHBoxLayout;
    auto* add = new QPushButton(tr("Add…"), this);
    auto* remove = new QPushButton(tr("Remove"), this);
    for (QPushButton* button : {add, remove})
        button->setAutoDefault(false);
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch();
    layout->addLayout(row);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);
    for (const QString& folder : folders)
        addFolder(folder);
    connect(add, &QPushButton::clicked, this, &WatchFoldersDialog::chooseFolder);
    connect(remove, &QPushButton::clicked, this, [this] { delete list_->currentItem(); });
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 260);
}

QStringList WatchFoldersDialog::folders() const {
    QStringList folders;
    for (int i = 0; i < list_->count(); ++i)
        folders << list_->item(i)->data(Qt::UserRole).toString();
    return folders;
}

void WatchFoldersDialog::addFolder(const QString& folder) {
    const QString path = QDir(folder).absolutePath();
    if (folder.isEmpty() || folders().contains(path))
        return;
    // The list shows a path as it is; QListWidget draws no markup.
    auto* item = new QListWidgetItem(QDir::toNativeSeparators(path), list_);
    item->setData(Qt::UserRole, path);
}

void WatchFoldersDialog::chooseFolder() {
    addFolder(QFileDialog::getExistingDirectory(this, tr("Watch folder"), QDir::homePath()));
}
