#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QStringList>

class Prompts;

// Pictures that could not be read and were replaced from the next source: each noted as it
// happens, all told in one warning once the command that drew them has finished.
class PictureWarning : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)
public:
    PictureWarning(Prompts& prompts, QObject* parent);

    // Safe from any thread: the note reaches the window's thread first.
    void note(const QString& text);

private:
    void noteHere(const QString& text);
    void show();

    Prompts& prompts_;
    QStringList notes_;
    bool due_ = false;
};
