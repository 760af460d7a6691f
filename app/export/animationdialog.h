#pragma once

#include <QDialog>

class OutputPathField;
class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

// Export game as animation: the zoom, how long each position shows, and an animated WebP
// file or a folder of numbered PNGs.
class AnimationDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        qreal scale = 0.5;
        int frameMs = 1500;
        bool pngFolder = false;
    };

    // `positions` kept positions make the frames; `pathStem` is the proposed file without its
    // ".webp".
    AnimationDialog(int positions, const QString& pathStem, QWidget* parent = nullptr);

    Choice choice() const;
    void setChoice(const Choice& choice);
    QString path() const;
    OutputPathField& pathField() { return *path_; }

private:
    void followFormat();

    QComboBox* zoom_ = nullptr;
    QDoubleSpinBox* frameTime_ = nullptr;
    QRadioButton* webp_ = nullptr;
    QRadioButton* frames_ = nullptr;
    OutputPathField* path_ = nullptr;
};
