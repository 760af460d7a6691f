#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// The folders watched for move files: the downloads folder, a synchronised folder. Add…
// picks one, Remove lets the chosen one go.
class WatchFoldersDialog : public QDialog {
    Q_OBJECT
public:
    WatchFoldersDialog(const QStringList& folders, QWidget* parent);

    QStringList folders() const;
    // A folder as Add… takes it: once, by its absolute path.
    void addFolder(const QString& folder);

private:
    void chooseFolder();

    QListWidget* list_ = nullptr;
};
