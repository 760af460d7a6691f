#pragma once

#include <QString>
#include <QWidget>

class QDialog;
class QFormLayout;
class QLineEdit;

// Where an export goes: a path to type, or to choose in a file dialog, as a file with a
// suffix of its own or as a new folder.
class OutputPathField : public QWidget {
    Q_OBJECT
public:
    enum class Kind { File, Folder };

    OutputPathField(const QString& path, QWidget* parent = nullptr);

    // A file with `suffix` ("png") shown under `filter` ("PNG pictures (*.png)"), or a folder;
    // the path typed so far follows.
    void setKind(Kind kind, const QString& suffix = {}, const QString& filter = {});
    QString path() const;
    void setPath(const QString& path);
    QLineEdit& edit() { return *edit_; }

signals:
    void pathChanged(const QString& path);

private:
    void choose();

    QLineEdit* edit_ = nullptr;
    Kind kind_ = Kind::File;
    QString suffix_;
    QString filter_;
};

namespace outputpath {

// `field` as the row `label` of an export dialog's form, Export and Cancel below it: Export
// only while there is a path.
void addWithButtons(QDialog& dialog, QFormLayout& form, const QString& label,
                    OutputPathField& field);

// `stem` itself when no file `stem.suffix` exists, else the first of "stem (2)", "stem (3)"…
// that is free.
QString freeStem(const QString& stem, const QString& suffix);

} // namespace outputpath
