#pragma once

#include <ctime>

#include <sys/stat.h>

// What a save's temporary file and an export's folder of frames share: a writer holds its
// work locked (flock) until it is done, and a killed one holds no lock any more, so what is
// unlocked is left over. Where locks do not work, only work older than a given age is.
namespace leftovers {

// flock, again when a signal interrupted it; answers 0 or the error number.
int lockDescriptor(int fd, int operation);

// True when a and b are the same file.
bool sameFile(const struct stat& a, const struct stat& b);

// `fd`, opened from `name` in the folder `parent` and described by `opened` (the caller has
// checked its type), is ours and held by no writer; then `name` still names that very file
// (and not one that took its name meanwhile).
bool isLeftOver(int parent, const char* name, int fd, const struct stat& opened,
                std::time_t unlockedAge);

} // namespace leftovers
