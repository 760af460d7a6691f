#pragma once

#include <QObject>

#include <initializer_list>

class FilesFeature;
class Prompts;
class QDropEvent;
class QWidget;

// Move files dropped on the window open as Open does; the wrong thing dropped says why. A
// file dragged over one of `textBoxes` is the window's too, not text for the box.
class FileDrops : public QObject {
public:
    FileDrops(QWidget& window, std::initializer_list<QWidget*> textBoxes, FilesFeature& files,
              Prompts& prompts);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void drop(QDropEvent& event);
    void open(const QString& fileName, const QString& refusal);

    QWidget& window_;
    FilesFeature& files_;
    Prompts& prompts_;
};
