#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Runs a helper program of the desktop (the mail composer) without waiting for it. Tests
// put a stand-in here, so they need no mail client.
class ProcessLauncher {
public:
    struct Outcome {
        bool started = false; // false: the program is missing or could not be run
        int exitCode = 0;     // when started: its exit status, -1 when it crashed
        QString message;      // why it did not start
    };
    using Finished = std::function<void(const Outcome&)>;

    virtual ~ProcessLauncher() = default;
    // Starts the program; `finished` runs once on the calling thread, at once when the
    // program cannot be started.
    virtual void start(const QString& program, const QStringList& arguments, Finished finished) = 0;

protected:
    ProcessLauncher() = default;
};

// The real one, through QProcess.
class QProcessLauncher final : public ProcessLauncher {
public:
    void start(const QString& program, const QStringList& arguments, Finished finished) override;
};
