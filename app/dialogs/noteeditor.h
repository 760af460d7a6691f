#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

// The note that goes to the opponent with the next save: any text, up to 64 KB of UTF-8;
// OK stays off while the text is longer.
class NoteEditor : public QDialog {
    Q_OBJECT
public:
    explicit NoteEditor(const QString& note, QWidget* parent = nullptr);

    QString note() const;
    void setNote(const QString& note);
    bool fits() const;

private:
    void showCount();

    QPlainTextEdit* edit_ = nullptr;
    QLabel* count_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};
