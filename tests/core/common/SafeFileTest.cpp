#include "core/common/SafeFile.h"
#include "core/common/ConfigError.h"
#include "core/common/TextLinesFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

namespace fs = std::filesystem;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

int entries_in(const fs::path& folder) {
    return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SafeFile, ReplacesTheTargetAndLeavesNothingElse) {
    TempDir dir;
    write_bytes(dir / "a.xml", "old");
    cfg::write_file_safely(dir / "a.xml", std::string("new\0bytes", 9));
    EXPECT_EQ(read_bytes(dir / "a.xml"), std::string("new\0bytes", 9));
    EXPECT_EQ(entries_in(dir.path()), 1);
}

TEST(SafeFile, AWriteIntoAMissingFolderRaisesAndNamesTheFile) {
    TempDir dir;
    try {
        cfg::write_file_safely(dir / "missing" / "a.xml", "x");
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_NE(std::string(error.what()).find((dir / "missing" / "a.xml").string()), std::string::npos);
    }
}

TEST(SafeFile, AWriteIntoAReadOnlyFolderRaisesAndKeepsTheOldFile) {
    TempDir dir;
    write_bytes(dir / "a.xml", "old");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir / "probe")) {
        fs::remove(dir / "probe");
        GTEST_SKIP()
            << "this user may write into read-only folders (root); the size-limit test covers the failure";
    }
    EXPECT_THROW(cfg::write_file_safely(dir / "a.xml", "new"), cfg::ConfigError);
    EXPECT_EQ(read_bytes(dir / "a.xml"), "old");
    EXPECT_EQ(entries_in(dir.path()), 1);
}

#ifndef _WIN32
// A write that fails half-way (the file-size limit stops it, root or not) keeps the old file
// and leaves no temporary file behind.
TEST(SafeFile, AWriteThatFailsHalfWayKeepsTheOldFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    write_bytes(dir / "bank1.bin", "old content");

    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous_limit{};
    getrlimit(RLIMIT_FSIZE, &previous_limit);
    rlimit small = previous_limit;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);

    EXPECT_THROW(cfg::write_file_safely(dir / "bank1.bin", std::string(4096, 'x')), cfg::ConfigError);
    EXPECT_THROW(
        cfg::write_files_safely({{dir / "bank1.bin", "short"}, {dir / "bank2.bin", std::string(4096, 'y')}}),
        cfg::ConfigError);

    setrlimit(RLIMIT_FSIZE, &previous_limit);
    std::signal(SIGXFSZ, previous_handler);

    EXPECT_EQ(read_bytes(dir / "bank1.bin"), "old content"); // not even the staged short file was committed
    EXPECT_EQ(entries_in(dir.path()), 1);
}
#endif

TEST(SafeFile, ARenameThatFailsAfterOthersPutsTheOldFilesBack) {
    TempDir dir;
    write_bytes(dir / "bank1.bin", "old 1");
    // A folder that is not empty cannot be replaced by a file: the second rename fails.
    write_bytes(dir / "bank2.bin" / "inside", "");
    EXPECT_THROW(
        cfg::write_files_safely(
            {{dir / "bank1.bin", "new 1"}, {dir / "bank2.bin", "new 2"}, {dir / "bank3.bin", "new 3"}}),
        cfg::ConfigError);
    EXPECT_EQ(read_bytes(dir / "bank1.bin"), "old 1");
    EXPECT_FALSE(fs::exists(dir / "bank3.bin"));
    EXPECT_EQ(entries_in(dir.path()), 2);
}

TEST(SafeFile, WritesSeveralFilesTogether) {
    TempDir dir;
    cfg::write_files_safely({{dir / "one", "1"}, {dir / "two", "2"}});
    EXPECT_EQ(read_bytes(dir / "one"), "1");
    EXPECT_EQ(read_bytes(dir / "two"), "2");
}

TEST(SafeFile, AFolderUnderTheTargetNameIsRefused) {
    TempDir dir;
    fs::create_directory(dir / "a.xml");
    EXPECT_THROW(cfg::write_file_safely(dir / "a.xml", "x"), cfg::ConfigError);
    EXPECT_TRUE(fs::is_directory(dir / "a.xml"));
}

TEST(TextLinesFile, WritesWindows1252WithCrLfAfterEveryLine) {
    TempDir dir;
    cfg::write_windows1252_lines(dir / "map.csv", {"Caf\xC3\xA9;1", "\xE4\xB8\xAD", ""});
    EXPECT_EQ(read_bytes(dir / "map.csv"), "Caf\xE9;1\r\n?\r\n\r\n");
}

} // namespace
