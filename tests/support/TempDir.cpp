#include "support/TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace cfg::test {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::string name = "configurator-test-";
#ifndef _WIN32
    name += std::to_string(::getpid()) + "-";
#endif
    name += std::to_string(stamp) + "-" + std::to_string(counter++);
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Tests may leave read-only folders behind; make them writable so they can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

void write_bytes(const std::filesystem::path& file, std::string_view bytes) {
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw std::runtime_error("cannot prepare " + file.string());
}

std::string read_bytes(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::filesystem::path fixture(std::string_view relative) {
    return std::filesystem::path(CONFIGURATOR_FIXTURES_DIR) / relative;
}

std::filesystem::path copy_fixture(std::string_view relative, const TempDir& dir) {
    const std::filesystem::path source = fixture(relative);
    const std::filesystem::path target = dir / source.filename().string();
    std::filesystem::copy(source, target, std::filesystem::copy_options::recursive);
    return target;
}

} // namespace cfg::test
