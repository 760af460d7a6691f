#pragma once

#include <QDialog>

class OutputPathField;

// Export turn as web page: where the page goes.
class PageDialog : public QDialog {
    Q_OBJECT
public:
    // `pathStem` is the proposed file without its ".html".
    explicit PageDialog(const QString& pathStem, QWidget* parent = nullptr);

    QString path() const;
    OutputPathField& pathField() { return *path_; }

private:
    OutputPathField* path_ = nullptr;
};
