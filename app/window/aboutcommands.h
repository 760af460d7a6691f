#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

class CommandTable;
class Prompts;
class Session;
class QWidget;

// About, then the die-roll trace appended as the About window closes (into `traceFolder`,
// or where the trace was set to go when that is empty). The rolls advance the die all the
// same, written or not.
class AboutCommand : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TMainForm)
public:
    AboutCommand(QWidget& window, CommandTable& commands, Prompts& prompts, Session& session,
                 QString traceFolder);

    void run();

private:
    QWidget& window_;
    CommandTable& commands_;
    Prompts& prompts_;
    Session& session_;
    QString traceFolder_;
};

// Language…: the language Korva speaks from its next start.
class LanguageChoice : public QObject {
public:
    LanguageChoice(QWidget& window, CommandTable& commands, Prompts& prompts);

    void run();

private:
    QWidget& window_;
    Prompts& prompts_;
};
