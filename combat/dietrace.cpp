#include "combat/dietrace.h"

#include "combat/dierandom.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString& tracePathSetting() {
    static QString path = QStringLiteral("trace.txt");
    return path;
}

// The trace file opened for appending (created when missing), or -1. Only a regular file
// is taken: opening a FIFO for writing would wait for a reader forever, and a device or a
// pipe keeps nothing to read later.
int openTraceFile() {
    const int fd = ::open(QFile::encodeName(tracePathSetting()).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Opens the trace for appending, writes the line break and then the text, and closes it.
// Each entry opens the file afresh, so one that failed leaves the next free to try again.
void appendEntry(const std::string& text) {
    const int fd = openTraceFile();
    if (fd < 0)
        return;
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Append, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return;
    }
    file.write("\r\n", 2);
    file.flush();
    file.write(text.data(), static_cast<qint64>(text.size()));
}

const char* const kFaceLabels[6] = {" One    ", " Two    ", " Three  ",
                                    " Four   ", " Five   ", " Six    "};

void traceFaces(const DieRollCounts& counts) {
    for (std::size_t face = 0; face < counts.faces.size(); ++face)
        TraceCount(kFaceLabels[face], counts.faces[face]);
}

} // namespace

QString tracePath() {
    return tracePathSetting();
}

void setTracePath(const QString& path) {
    tracePathSetting() = path;
}

QString traceFileRefusal() {
    const QFileInfo info(tracePathSetting());
    if (!info.exists() || info.isFile())
        return {};
    return QStringLiteral("%1 is not a regular file")
        .arg(QDir::toNativeSeparators(info.filePath()));
}

std::string formatSignificant(float value, int precision) {
    char buffer[64];
    const int length =
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, static_cast<double>(value));
    if (length < 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(length) < sizeof buffer
                                   ? static_cast<std::size_t>(length)
                                   : sizeof buffer - 1);
}

void TraceText(const std::string& text) {
    appendEntry(text);
}

void TraceCount(const std::string& text, std::int32_t n) {
    appendEntry(text + " : " + std::to_string(n));
}

void TraceNumber(const std::string& text, float value, int precision) {
    appendEntry(text + " : " + formatSignificant(value, precision));
}

float DieRollCounts::average() const {
    std::int32_t sum = 0;
    for (std::size_t face = 0; face < faces.size(); ++face)
        sum += static_cast<std::int32_t>(face + 1) * faces[face];
    return static_cast<float>(sum) / static_cast<float>(rolls);
}

void rollForTrace(DieRandom& generator, DieRollCounts& counts, int count) {
    for (int n = 0; n < count; ++n) {
        const int face = rollDie(generator, 6, 0, counts.rolls % 6);
        ++counts.faces[static_cast<std::size_t>(face - 1)];
        ++counts.rolls;
    }
}

void TraceDieRolls(DieRandom& generator) {
    DieRollCounts counts;
    rollForTrace(generator, counts, 60);
    TraceText("********--------------************");
    TraceText("******** 60 die rolls ************");
    traceFaces(counts);
    TraceNumber("Average ...... ", counts.average(), 3);
    TraceText(" ");

    TraceText("******** 60000 die rolls ************");
    rollForTrace(generator, counts, 60000 - 60);
    traceFaces(counts);
    TraceNumber("Average ...... ", counts.average(), 6);
    TraceText("********-----------------************");
    TraceText(" ");
}
