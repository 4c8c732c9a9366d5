#include "core/common/StdioFile.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

namespace cfg {

#ifdef _WIN32

Stdio_File open_for_reading(const std::filesystem::path& path) {
    return Stdio_File(_wfopen(path.c_str(), L"rb"));
}

// The C runtime's fopen knows no "x" on every Windows version; _O_EXCL is the same promise.
Stdio_File create_new_file(const std::filesystem::path& path) {
    const int fd = _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    Stdio_File file(_fdopen(fd, "wb"));
    if (!file)
        _close(fd);
    return file;
}

bool flush_to_disk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

#else

Stdio_File open_for_reading(const std::filesystem::path& path) {
    return Stdio_File(std::fopen(path.c_str(), "rb"));
}

Stdio_File create_new_file(const std::filesystem::path& path) {
    return Stdio_File(std::fopen(path.c_str(), "wbx"));
}

bool flush_to_disk(std::FILE* file) {
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

#endif

} // namespace cfg
