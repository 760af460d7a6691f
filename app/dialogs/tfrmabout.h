#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TfrmAbout;
}

// The program's name, credits, notice and release date. It has no buttons: the player
// closes it with the close box or the keyboard.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

private:
    std::unique_ptr<Ui::TfrmAbout> ui_;
};
