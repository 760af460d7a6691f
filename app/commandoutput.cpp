#include "app/commandoutput.h"

#include "base/untrustedtext.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace commandoutput {

QString translated(const char* text) {
    return QCoreApplication::translate("korva", text);
}

QByteArray terminalLine(const QString& text) {
    return (untrustedtext::forTerminal(text) + QLatin1Char('\n')).toLocal8Bit();
}

void tell(const QString& text) {
    std::fputs(terminalLine(QStringLiteral("korva: ") + text).constData(), stderr);
}

void tell(const QString& what, const QString& text) {
    tell(QStringLiteral("%1: %2").arg(what, text));
}

int refuse(const QString& what, const QString& reason) {
    tell(what, reason);
    return kRefused;
}

int refuseArguments(const QString& reason) {
    tell(QCoreApplication::translate("korva", "%1 (korva --help lists the uses)").arg(reason));
    return kRefused;
}

int writeOut(const QByteArray& bytes) {
    errno = 0;
    const std::size_t n =
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    if (n != static_cast<std::size_t>(bytes.size()) || std::fflush(stdout) != 0 ||
        std::ferror(stdout)) {
        const int code = errno;
        std::fprintf(stderr, "korva: standard output: %s\n",
                     code ? std::strerror(code) : "the output could not be written");
        return kWriteFailed;
    }
    return 0;
}

} // namespace commandoutput
