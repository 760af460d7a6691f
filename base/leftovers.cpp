#include "base/leftovers.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

int leftovers::lockDescriptor(int fd, int operation) {
    int result = 0;
    do {
        result = ::flock(fd, operation);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

bool leftovers::sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool leftovers::isLeftOver(int parent, const char* name, int fd, const struct stat& opened,
                           std::time_t unlockedAge) {
    if (opened.st_uid != ::geteuid())
        return false;
    const int code = lockDescriptor(fd, LOCK_EX | LOCK_NB);
    const bool unheld =
        code == 0 || (code != EWOULDBLOCK && std::time(nullptr) - opened.st_mtime > unlockedAge);
    struct stat named {};
    return unheld && ::fstatat(parent, name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           sameFile(named, opened);
}
