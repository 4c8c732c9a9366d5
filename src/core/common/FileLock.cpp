#include "core/common/FileLock.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <sys/file.h>
#include <sys/stat.h>
#endif

namespace cfg {

#ifdef _WIN32

// Windows locks byte ranges and keeps others from reading locked bytes: the lock takes a byte far
// beyond any content, which the file need not reach.
namespace {

bool lock_far_byte(std::FILE* file, DWORD flags) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    OVERLAPPED place{};
    place.OffsetHigh = 0x7FFFFFFF;
    return LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | flags, 0, 1, 0, &place) != 0;
}

} // namespace

bool try_lock_file(std::FILE* file) {
    return lock_far_byte(file, LOCKFILE_FAIL_IMMEDIATELY);
}

bool lock_file(std::FILE* file) {
    return lock_far_byte(file, 0);
}

// A file the C runtime opened cannot be removed or renamed there while it is open.
bool path_names_file(const std::filesystem::path&, std::FILE*) {
    return true;
}

#else

bool try_lock_file(std::FILE* file) {
    return ::flock(::fileno(file), LOCK_EX | LOCK_NB) == 0;
}

bool lock_file(std::FILE* file) {
    int result = 0;
    do
        result = ::flock(::fileno(file), LOCK_EX);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

bool path_names_file(const std::filesystem::path& path, std::FILE* file) {
    struct stat named {};
    struct stat open {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(::fileno(file), &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

#endif

} // namespace cfg
