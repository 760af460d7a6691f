#pragma once

#include <QDialog>
#include <QSize>

#include <functional>

class OutputPathField;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

// Export picture: the whole map or the part in view, at a zoom of the view's, with the
// turn's moves or without, to a PNG file.
class PictureDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        bool wholeMap = true;
        qreal scale = 1.0;
        bool moves = true;
    };

    // The picture's size in pixels for a choice.
    using SizeOf = std::function<QSize(const Choice&)>;

    // `pathStem` is the proposed file without its ".png".
    PictureDialog(const Choice& proposed, SizeOf sizeOf, const QString& pathStem,
                  QWidget* parent = nullptr);

    Choice choice() const;
    QString path() const;
    void setChoice(const Choice& choice);
    OutputPathField& pathField() { return *path_; }

private:
    void showSize();

    SizeOf sizeOf_;
    QRadioButton* whole_ = nullptr;
    QRadioButton* part_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QCheckBox* moves_ = nullptr;
    QLabel* size_ = nullptr;
    OutputPathField* path_ = nullptr;
};

// The view's zoom steps as a player reads them, each with its scale.
void addZoomSteps(QComboBox& box, qreal selected);
