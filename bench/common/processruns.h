#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

// Helpers of the benchmarks that run whole programs a few times: the move files they open,
// and the median of the runs.
namespace processruns {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs the program in `folder`, with `settings` ("NAME=value") over this process's
// environment and its output dropped, and answers its peak resident memory in megabytes, or
// -1 when it did not run to its end (whatever its exit status). Linux counts the memory the
// child shared with this process before its exec, so this process's peak is first brought
// down to what it holds now (about 25 MB), which the figure is never below.
// Gives freed memory back and sets this process's peak resident memory to what it holds now.
inline void forgetOwnPeak() {
    malloc_trim(0);
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

inline double runPeakMegabytes(const std::vector<std::string>& arguments, const QString& folder,
                               const std::vector<std::string>& settings = {}) {
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& s : settings)
        envp.push_back(const_cast<char*>(s.c_str()));
    for (char** e = environ; *e; ++e) {
        const auto overridden = [e](const std::string& s) {
            const std::size_t name = s.find('=') + 1;
            return std::strncmp(*e, s.c_str(), name) == 0;
        };
        if (std::none_of(settings.begin(), settings.end(), overridden))
            envp.push_back(*e);
    }
    envp.push_back(nullptr);
    forgetOwnPeak();
    const QByteArray directory = QFile::encodeName(folder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, directory.constData());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
        return -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace processruns
