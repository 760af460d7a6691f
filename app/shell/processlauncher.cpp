#include "app/shell/processlauncher.h"

#include <QProcess>

#include <memory>

void QProcessLauncher::start(const QString& program, const QStringList& arguments,
                             Finished finished) {
    // Owned by no window: the mail program may well outlive Korva's window, and deleting a
    // running QProcess would kill it. Its complaints go to Korva's own standard error.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    auto done = std::make_shared<Finished>(std::move(finished));
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, done](QProcess::ProcessError error) {
                         // A crash is reported through finished as well.
                         if (error != QProcess::FailedToStart)
                             return;
                         (*done)(Outcome{false, 0, process->errorString()});
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, done](int exitCode, QProcess::ExitStatus status) {
                         (*done)(Outcome{true, status == QProcess::NormalExit ? exitCode : -1, {}});
                         process->deleteLater();
                     });
    process->start();
}
