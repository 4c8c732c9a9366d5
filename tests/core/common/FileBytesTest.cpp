#include "core/common/FileBytes.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace {

namespace fs = std::filesystem;
using cfg::test::TempDir;
using cfg::test::write_bytes;
using testing::HasSubstr;

constexpr std::uintmax_t limit = 100;

struct ReadCase {
    const char* name;
    void (*prepare)(const fs::path& file);
    std::optional<std::size_t> size; // read whole; nothing: refused
    const char* reason;              // of the refusal, after the quoted name
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

const ReadCase read_cases[] = {
    {"Empty", [](const fs::path& file) { write_bytes(file, ""); }, 0, ""},
    {"AtTheLimit", [](const fs::path& file) { write_bytes(file, std::string(limit, 'x')); }, limit, ""},
    {"LargerThanTheLimit", [](const fs::path& file) { write_bytes(file, std::string(limit + 1, 'x')); },
     std::nullopt, ": it is larger than 100 bytes"},
    // Far larger than memory could hold: refused by its size, before a byte is read.
    {"Huge",
     [](const fs::path& file) {
         write_bytes(file, "");
         fs::resize_file(file, std::uintmax_t{1} << 40);
     },
     std::nullopt, ": it is larger than 100 bytes"},
    {"Missing", [](const fs::path&) {}, std::nullopt, ": No such file or directory"},
    {"Folder", [](const fs::path& file) { fs::create_directory(file); }, std::nullopt, ": Is a directory"},
#ifndef _WIN32
    // A device tells no size and never ends: it is read up to the limit and no further.
    {"EndlessDevice", [](const fs::path& file) { fs::create_symlink("/dev/zero", file); }, std::nullopt,
     ": it is larger than 100 bytes"},
#endif
};

class ReadFileBytes : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFileBytes, ReadsAFileWithinTheLimitAndRefusesEverythingElseNamingIt) {
    TempDir dir;
    const fs::path file = dir / "bank1.bin";
    GetParam().prepare(file);
    if (GetParam().size) {
        EXPECT_EQ(cfg::read_file_bytes(file, limit).size(), *GetParam().size);
        return;
    }
    try {
        cfg::read_file_bytes(file, limit);
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_THAT(error.what(), HasSubstr("Cannot read \"" + file.string() + "\"" + GetParam().reason));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ReadFileBytes, testing::ValuesIn(read_cases),
                         [](const testing::TestParamInfo<ReadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ReadFileIfPresent, NothingStandsForAMissingFileOrALinkThatLeadsNowhere) {
    TempDir dir;
    EXPECT_EQ(cfg::read_file_if_present(dir / "missing.xml", limit), std::nullopt);
    EXPECT_EQ(cfg::read_file_if_present(dir / "no folder" / "missing.xml", limit), std::nullopt);
#ifndef _WIN32
    fs::create_symlink(dir / "gone.xml", dir / "link.xml");
    EXPECT_EQ(cfg::read_file_if_present(dir / "link.xml", limit), std::nullopt);
#endif
    write_bytes(dir / "there.xml", "<a/>");
    EXPECT_EQ(cfg::read_file_if_present(dir / "there.xml", limit), "<a/>");
    fs::create_directory(dir / "folder.xml");
    EXPECT_THROW(cfg::read_file_if_present(dir / "folder.xml", limit), cfg::ConfigError);
}

} // namespace
