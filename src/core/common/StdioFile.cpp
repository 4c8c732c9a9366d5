#include "core/common/StdioFile.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include <array>
#include <cerrno>

namespace cfg {

#ifdef _WIN32

Stdio_File open_for_reading(const std::filesystem::path& path) {
    return Stdio_File(_wfopen(path.c_str(), L"rbN"));
}

// The C runtime's fopen knows no "x" on every Windows version; _O_EXCL is the same promise.
Stdio_File create_new_file(const std::filesystem::path& path) {
    const int fd =
        _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    Stdio_File file(_fdopen(fd, "wb"));
    if (!file)
        _close(fd);
    return file;
}

Stdio_File open_for_writing(const std::filesystem::path& path) {
    return Stdio_File(_wfopen(path.c_str(), L"wbN"));
}

Stdio_File open_or_create(const std::filesystem::path& path) {
    return Stdio_File(_wfopen(path.c_str(), L"abN"));
}

bool flush_to_disk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

bool user_may_write(const std::filesystem::path& path) {
    constexpr int Write_Access = 2;
    return _waccess(path.c_str(), Write_Access) == 0 || errno != EACCES;
}

#else

Stdio_File open_for_reading(const std::filesystem::path& path) {
    return Stdio_File(std::fopen(path.c_str(), "rbe"));
}

Stdio_File create_new_file(const std::filesystem::path& path) {
    return Stdio_File(std::fopen(path.c_str(), "wbxe"));
}

Stdio_File open_for_writing(const std::filesystem::path& path) {
    return Stdio_File(std::fopen(path.c_str(), "wbe"));
}

Stdio_File open_or_create(const std::filesystem::path& path) {
    return Stdio_File(std::fopen(path.c_str(), "abe"));
}

bool flush_to_disk(std::FILE* file) {
    return std::fflush(file) == 0 && (::fsync(::fileno(file)) == 0 || errno == EINVAL);
}

bool user_may_write(const std::filesystem::path& path) {
    return ::access(path.c_str(), W_OK) == 0 || errno != EACCES;
}

#endif

bool copy_content(std::FILE* from, std::FILE* to) {
    std::array<char, 65536> piece{};
    for (;;) {
        const std::size_t got = std::fread(piece.data(), 1, piece.size(), from);
        if (got > 0 && std::fwrite(piece.data(), 1, got, to) != got)
            return false;
        if (got < piece.size())
            return !std::ferror(from);
    }
}

} // namespace cfg
