#pragma once

#include <QApplication>

#include <functional>

// The application object: every exception that escapes an event handler ends here, is
// shown in one message box, and the program keeps running.
class KorvaApplication : public QApplication {
    Q_OBJECT
public:
    KorvaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The organisation and application names (where the settings live) and the desktop
    // file's name; the constructor sets them.
    static void setIdentity();

    // Shows the message titled "Korva" (tests replace it to collect the messages).
    static void reportException(const QString& message);
    static void setExceptionReporter(std::function<void(const QString&)> reporter);
};
