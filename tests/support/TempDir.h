#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cfg::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Writes bytes to a file, creating its folders; for preparing inputs, not for the code under test.
void write_bytes(const std::filesystem::path& file, std::string_view bytes);
std::string read_bytes(const std::filesystem::path& file);

// A file below tests/fixtures.
std::filesystem::path fixture(std::string_view relative);

// Temporary copy of a fixture folder (or file) inside dir, so tests never write to the tree.
std::filesystem::path copy_fixture(std::string_view relative, const TempDir& dir);

} // namespace cfg::test
