#include "core/common/SafeFile.h"
#include "core/common/ConfigError.h"
#include "core/common/FileLock.h"
#include "core/common/StdioFile.h"
#include "core/common/TextLinesFile.h"
#include "core/common/UnreadableFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <fcntl.h>

#include <cstring>
#include <future>
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
// Runs the action with the file-size limit at 16 bytes, as a full disk would stop a write.
template <typename Action> void with_disk_full_after_16_bytes(Action action) {
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous_limit{};
    getrlimit(RLIMIT_FSIZE, &previous_limit);
    rlimit small = previous_limit;
    small.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &small);
    action();
    setrlimit(RLIMIT_FSIZE, &previous_limit);
    std::signal(SIGXFSZ, previous_handler);
}

// A write that fails half-way (the file-size limit stops it, root or not) keeps the old file
// and leaves no temporary file behind.
TEST(SafeFile, AWriteThatFailsHalfWayKeepsTheOldFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    write_bytes(dir / "bank1.bin", "old content");

    with_disk_full_after_16_bytes([&dir] {
        EXPECT_THROW(cfg::write_file_safely(dir / "bank1.bin", std::string(4096, 'x')), cfg::ConfigError);
        EXPECT_THROW(cfg::write_files_safely(
                         {{dir / "bank1.bin", "short"}, {dir / "bank2.bin", std::string(4096, 'y')}}),
                     cfg::ConfigError);
    });

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

#ifndef _WIN32
constexpr fs::perms mode_600 = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms mode_640 = mode_600 | fs::perms::group_read;

// What stands under bin/bank1.bin before the write, and where the new content must land.
struct KeepCase {
    const char* name;
    void (*prepare)(const fs::path& dir);
    const char* lands_in;                 // relative to dir
    std::optional<fs::perms> permissions; // none: a new file's usual permissions
};

void old_file(const fs::path& file, fs::perms permissions) {
    write_bytes(file, "old");
    fs::permissions(file, permissions);
}

const KeepCase keep_cases[] = {
    {"Mode600", [](const fs::path& dir) { old_file(dir / "bin" / "bank1.bin", mode_600); }, "bin/bank1.bin",
     mode_600},
    {"Mode640", [](const fs::path& dir) { old_file(dir / "bin" / "bank1.bin", mode_640); }, "bin/bank1.bin",
     mode_640},
    {"SymlinkToAnotherFolder",
     [](const fs::path& dir) {
         old_file(dir / "store" / "bank1.bin", mode_600);
         fs::create_directories(dir / "bin");
         fs::create_symlink("../store/bank1.bin", dir / "bin" / "bank1.bin");
     },
     "store/bank1.bin", mode_600},
    {"ChainOfSymlinks",
     [](const fs::path& dir) {
         old_file(dir / "store" / "bank1.bin", mode_640);
         fs::create_directories(dir / "bin");
         fs::create_symlink(dir / "store" / "bank1.bin", dir / "bin" / "middle");
         fs::create_symlink("middle", dir / "bin" / "bank1.bin");
     },
     "store/bank1.bin", mode_640},
    {"DanglingSymlink",
     [](const fs::path& dir) {
         fs::create_directories(dir / "store");
         fs::create_directories(dir / "bin");
         fs::create_symlink(dir / "store" / "new.bin", dir / "bin" / "bank1.bin");
     },
     "store/new.bin", std::nullopt},
    {"NewFile", [](const fs::path& dir) { fs::create_directories(dir / "bin"); }, "bin/bank1.bin",
     std::nullopt},
};

struct Writer {
    const char* name;
    void (*write)(const fs::path& target, const std::string& bytes);
};

void PrintTo(const KeepCase& c, std::ostream* out) {
    *out << c.name;
}

void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}

const Writer writers[] = {
    {"OneFile",
     [](const fs::path& target, const std::string& bytes) { cfg::write_file_safely(target, bytes); }},
    {"Banks",
     [](const fs::path& target, const std::string& bytes) {
         cfg::write_files_safely({{target, bytes}});
     }},
};

// The links under the folder, each with the path it names.
std::map<fs::path, fs::path> links_in(const fs::path& folder) {
    std::map<fs::path, fs::path> links;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_symlink())
            links[entry.path()] = fs::read_symlink(entry.path());
    }
    return links;
}

std::size_t files_in(const fs::path& folder) {
    std::size_t count = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        count += entry.is_symlink() || entry.is_regular_file() ? 1 : 0;
    return count;
}

class KeepsWhatTheOldFileHad : public testing::TestWithParam<std::tuple<KeepCase, Writer>> {};

TEST_P(KeepsWhatTheOldFileHad, PermissionsAndLinks) {
    const auto& [c, writer] = GetParam();
    TempDir dir;
    c.prepare(dir.path());
    const std::map<fs::path, fs::path> links = links_in(dir.path());
    const std::size_t files = files_in(dir.path());
    // A file made the usual way shows the permissions a new file gets.
    write_bytes(dir / "usual", "");
    const fs::perms usual = fs::status(dir / "usual").permissions();
    fs::remove(dir / "usual");

    writer.write(dir / "bin" / "bank1.bin", "new");

    EXPECT_EQ(read_bytes(dir / c.lands_in), "new");
    EXPECT_EQ(fs::status(dir / c.lands_in).permissions(), c.permissions.value_or(usual));
    EXPECT_EQ(links_in(dir.path()), links);
    // Nothing beside: no temporary file, and a new file only where none stood.
    EXPECT_EQ(files_in(dir.path()), files + (c.permissions ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(Cases, KeepsWhatTheOldFileHad,
                         testing::Combine(testing::ValuesIn(keep_cases), testing::ValuesIn(writers)),
                         [](const testing::TestParamInfo<KeepsWhatTheOldFileHad::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// The hidden files in the folder: what saves leave behind when they are killed.
std::vector<std::string> hidden_files_in(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("."))
            names.push_back(entry.path().filename().string());
    }
    return names;
}

// Writes through the writer in a process that the file-size limit kills before the write is done.
void killed_half_way(const Writer& writer, const fs::path& target) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
    writer.write(target, std::string(4096, 'x'));
}

class SafeFileDeathTest : public testing::TestWithParam<Writer> {};

// A save that is killed leaves its temporary file: short, of one length whatever the target's name
// (which may have as many bytes as the system allows), and removed by the next save of the same
// target, while another target's stays.
TEST_P(SafeFileDeathTest, TheNextSaveRemovesWhatAKilledSaveLeft) {
    TempDir dir;
    const fs::path target = dir / (std::string(251, 'b') + ".bin");
    write_bytes(target, "old");
    EXPECT_EXIT(killed_half_way(GetParam(), target), testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EXIT(killed_half_way(GetParam(), dir / "other.bin"), testing::KilledBySignal(SIGXFSZ), "");
    const std::vector<std::string> left = hidden_files_in(dir.path());
    ASSERT_EQ(left.size(), 2u);
    for (const std::string& name : left)
        EXPECT_EQ(name.size(), 30u) << name;
    EXPECT_EQ(read_bytes(target), "old");

    GetParam().write(target, "new");
    EXPECT_EQ(read_bytes(target), "new");
    EXPECT_EQ(hidden_files_in(dir.path()).size(), 1u);
    EXPECT_FALSE(fs::exists(dir / "other.bin"));
}

INSTANTIATE_TEST_SUITE_P(Writers, SafeFileDeathTest, testing::ValuesIn(writers),
                         [](const testing::TestParamInfo<Writer>& info) {
                             return std::string(info.param.name);
                         });

// One save of several files clears what killed saves of each of them left, in each of their
// folders, and nothing else.
TEST(SafeFilesDeathTest, ASaveOfSeveralFilesRemovesWhatKilledSavesOfEachLeft) {
    TempDir dir;
    fs::create_directories(dir / "sub");
    for (const fs::path& target :
         {dir / "bank1.bin", dir / "bank2.bin", dir / "sub" / "bank3.bin", dir / "other.bin"})
        EXPECT_EXIT(killed_half_way(writers[0], target), testing::KilledBySignal(SIGXFSZ), "");
    ASSERT_EQ(hidden_files_in(dir.path()).size(), 3u);

    cfg::write_files_safely(
        {{dir / "bank1.bin", "1"}, {dir / "bank2.bin", "2"}, {dir / "sub" / "bank3.bin", "3"}});
    EXPECT_EQ(hidden_files_in(dir.path()).size(), 1u); // other.bin's
    EXPECT_TRUE(hidden_files_in(dir / "sub").empty());
}

// A failed bank write puts back what the links lead to and leaves the links alone.
TEST(SafeFile, ARollbackRestoresTheFilesBehindTheLinks) {
    TempDir dir;
    write_bytes(dir / "store" / "bank1.bin", "old 1");
    fs::create_directories(dir / "bin");
    fs::create_symlink("../store/bank1.bin", dir / "bin" / "bank1.bin");
    fs::create_symlink("../store/bank3.bin", dir / "bin" / "bank3.bin"); // names a file not there yet
    write_bytes(dir / "bin" / "bank2.bin" / "inside", "");               // the rename over it fails
    EXPECT_THROW(cfg::write_files_safely({{dir / "bin" / "bank1.bin", "new 1"},
                                          {dir / "bin" / "bank3.bin", "new 3"},
                                          {dir / "bin" / "bank2.bin", "new 2"}}),
                 cfg::ConfigError);
    EXPECT_EQ(read_bytes(dir / "store" / "bank1.bin"), "old 1");
    EXPECT_FALSE(fs::exists(dir / "store" / "bank3.bin"));
    EXPECT_TRUE(fs::is_symlink(dir / "bin" / "bank1.bin"));
    EXPECT_TRUE(fs::is_symlink(dir / "bin" / "bank3.bin"));
    EXPECT_EQ(entries_in(dir / "store"), 1);
}

TEST(SafeFile, ALoopOfSymlinksIsRefused) {
    TempDir dir;
    fs::create_symlink("b", dir / "a");
    fs::create_symlink("a", dir / "b");
    EXPECT_THROW(cfg::write_file_safely(dir / "a", "x"), cfg::ConfigError);
    EXPECT_TRUE(fs::is_symlink(dir / "a"));
    EXPECT_EQ(entries_in(dir.path()), 2);
}
#endif

#ifndef _WIN32
// What a write finds under the target's name: how it prepares it in the test's folder, and what the
// write must leave there.
struct Target_Case {
    const char* name;
    fs::path (*prepare)(const fs::path& dir); // returns the target
    const char* refusal;                      // what the message says is wrong; nullptr: the write succeeds
    fs::file_type stays;                      // what stands under the target's name afterwards
};

void PrintTo(const Target_Case& c, std::ostream* out) {
    *out << c.name;
}

// A null device of the test's own where the system lets this user make one (as root), so that a
// writer that replaces devices cannot harm the system's; else the system's, where this user cannot
// replace it; else none (an empty path).
fs::path null_device(const fs::path& dir) {
    const fs::path own = dir / "null";
    if (::mknod(own.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return own;
    return ::access("/dev", W_OK) != 0 ? fs::path("/dev/null") : fs::path();
}

fs::path bound_socket(const fs::path& dir) {
    const fs::path path = dir / "socket";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    ::close(socket);
    return path;
}

fs::path with_old_file(const fs::path& dir, const char* name, fs::perms permissions) {
    old_file(dir / name, permissions);
    return dir / name;
}

const Target_Case target_cases[] = {
    {"PlainFile", [](const fs::path& dir) { return with_old_file(dir, "a.xml", mode_600); }, nullptr,
     fs::file_type::regular},
    {"NewFile", [](const fs::path& dir) { return dir / "a.xml"; }, nullptr, fs::file_type::regular},
    {"Symlink",
     [](const fs::path& dir) {
         old_file(dir / "store" / "a.xml", mode_600);
         fs::create_symlink("store/a.xml", dir / "a.xml");
         return dir / "a.xml";
     },
     nullptr, fs::file_type::symlink},
    {"Fifo",
     [](const fs::path& dir) {
         ::mkfifo((dir / "fifo").c_str(), 0600);
         return dir / "fifo";
     },
     nullptr, fs::file_type::fifo},
    {"NullDevice", null_device, nullptr, fs::file_type::character},
    {"Socket", bound_socket, "No such device or address", fs::file_type::socket},
    {"Folder",
     [](const fs::path& dir) {
         fs::create_directory(dir / "a.xml");
         return dir / "a.xml";
     },
     "Is a directory", fs::file_type::directory},
    {"WriteProtectedFile",
     [](const fs::path& dir) {
         return with_old_file(dir, "a.xml",
                              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
     },
     "the file is write-protected", fs::file_type::regular},
    {"LinkToAWriteProtectedFile",
     [](const fs::path& dir) {
         old_file(dir / "store" / "a.xml", fs::perms::owner_read);
         fs::create_symlink("store/a.xml", dir / "a.xml");
         return dir / "a.xml";
     },
     "the file is write-protected", fs::file_type::symlink},
    {"MissingFolder", [](const fs::path& dir) { return dir / "missing" / "a.xml"; },
     "missing\" does not exist", fs::file_type::not_found},
    {"ParentIsAFile", [](const fs::path& dir) { return with_old_file(dir, "plain", mode_600) / "a.xml"; },
     "plain\" is not a folder", fs::file_type::not_found},
    {"ProcVersion", [](const fs::path&) { return fs::path("/proc/version"); }, "the file is write-protected",
     fs::file_type::regular},
};

// What the pipe holds now; closes it.
std::string bytes_from(int pipe_reader) {
    std::string bytes(64, '\0');
    const ssize_t got = ::read(pipe_reader, bytes.data(), bytes.size());
    ::close(pipe_reader);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return bytes;
}

class WhatTheTargetIs : public testing::TestWithParam<std::tuple<Target_Case, Writer>> {};

// A device or a pipe is written into and stays what it is; a folder and a write-protected file are
// refused, and the message names the target and the real cause.
TEST_P(WhatTheTargetIs, DecidesHowItIsWritten) {
    const auto& [c, writer] = GetParam();
    TempDir dir;
    const fs::path target = c.prepare(dir.path());
    if (target.empty())
        GTEST_SKIP() << "no device this test could write into without putting the system's at risk";
    const std::string before = fs::is_regular_file(target) ? read_bytes(target) : "";
    // The reading end of a pipe is open before the write, which would wait for a reader otherwise.
    const int pipe_reader = fs::is_fifo(target) ? ::open(target.c_str(), O_RDONLY | O_NONBLOCK) : -1;

    std::string message;
    try {
        writer.write(target, "new");
    } catch (const cfg::ConfigError& error) {
        message = error.what();
    }
    const std::string piped = pipe_reader >= 0 ? bytes_from(pipe_reader) : "";

    if (c.refusal) {
        EXPECT_NE(message.find("\"" + target.string() + "\""), std::string::npos) << message;
        EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
        if (!before.empty()) {
            EXPECT_EQ(read_bytes(target), before);
        }
    } else {
        EXPECT_EQ(message, "");
        EXPECT_EQ(pipe_reader >= 0 ? piped : fs::is_regular_file(target) ? read_bytes(target) : "new", "new");
    }
    EXPECT_EQ(fs::symlink_status(target).type(), c.stays);
    EXPECT_TRUE(hidden_files_in(dir.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Targets, WhatTheTargetIs,
                         testing::Combine(testing::ValuesIn(target_cases), testing::ValuesIn(writers)),
                         [](const testing::TestParamInfo<WhatTheTargetIs::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// The hidden file that a save killed half-way left beside the target.
fs::path leftover_of(const fs::path& target) {
    EXPECT_EXIT(killed_half_way(writers[0], target), testing::KilledBySignal(SIGXFSZ), "");
    const std::vector<std::string> left = hidden_files_in(target.parent_path());
    EXPECT_EQ(left.size(), 1u);
    return target.parent_path() / left.at(0);
}

// A temporary file whose writer still holds it (here the test, as a save in another program would)
// stays through other saves of the same target; once it is let go, the next save removes it.
TEST(SafeFileDeathTest, TheCleanUpLeavesTheTemporaryFilesOfSavesStillRunning) {
    TempDir dir;
    const fs::path target = dir / "bank1.bin";
    const fs::path temporary = leftover_of(target);
    {
        const cfg::Stdio_File held = cfg::open_for_reading(temporary);
        ASSERT_TRUE(cfg::try_lock_file(held.get()));
        cfg::write_file_safely(target, "new");
        cfg::write_files_safely({{target, "newer"}});
        EXPECT_TRUE(fs::exists(temporary));
    }
    cfg::write_file_safely(target, "newest");
    EXPECT_FALSE(fs::exists(temporary));
    EXPECT_EQ(read_bytes(target), "newest");
}

// Two writers of one file at the same moment, over and over: every save succeeds, and the file
// holds one whole version.
TEST(SafeFile, TwoWritersOfOneFileAtOnceBothSucceed) {
    TempDir dir;
    const fs::path target = dir / "bank1.bin";
    const auto saves = [&target](char content) {
        std::string failures;
        for (int save = 0; save < 100; ++save) {
            try {
                cfg::write_files_safely({{target, std::string(512, content)}});
            } catch (const cfg::ConfigError& error) {
                failures += std::string(error.what()) + "\n";
            }
        }
        return failures;
    };
    std::future<std::string> other = std::async(std::launch::async, saves, 'b');
    EXPECT_EQ(saves('a'), "");
    EXPECT_EQ(other.get(), "");
    const std::string kept = read_bytes(target);
    EXPECT_TRUE(kept == std::string(512, 'a') || kept == std::string(512, 'b'));
    EXPECT_TRUE(hidden_files_in(dir.path()).empty());
}

// A copy that cannot be finished says why, as the system does, and leaves nothing: neither a cut
// copy of an unreadable file nor the copy of an old bank.
TEST(SafeFile, ACopyStoppedByAFullDiskSaysWhyAndLeavesNothing) {
    TempDir dir;
    const std::string old_bank(4096, 'o');
    write_bytes(dir / "bank1.bin", old_bank);
    write_bytes(dir / "ParGen.xml", std::string(4096, '<'));
    std::string bank_message;
    std::string unreadable_message;
    with_disk_full_after_16_bytes([&] {
        try {
            cfg::write_files_safely({{dir / "bank1.bin", "1"}, {dir / "bank2.bin", "2"}});
        } catch (const cfg::ConfigError& error) {
            bank_message = error.what();
        }
        try {
            cfg::Keep_Unreadable_File(dir / "ParGen.xml");
        } catch (const cfg::ConfigError& error) {
            unreadable_message = error.what();
        }
    });
    const std::string too_large = std::strerror(EFBIG);
    EXPECT_NE(
        bank_message.find("Cannot keep a copy of \"" + (dir / "bank1.bin").string() + "\": " + too_large),
        std::string::npos)
        << bank_message;
    EXPECT_NE(unreadable_message.find("ParGen.xml.unreadable\": " + too_large), std::string::npos)
        << unreadable_message;
    EXPECT_EQ(read_bytes(dir / "bank1.bin"), old_bank);
    EXPECT_FALSE(fs::exists(dir / "ParGen.xml.unreadable"));
    EXPECT_EQ(entries_in(dir.path()), 2);
}
#endif

TEST(TextLinesFile, WritesWindows1252WithCrLfAfterEveryLine) {
    TempDir dir;
    cfg::write_windows1252_lines(dir / "map.csv", {"Caf\xC3\xA9;1", "\xE4\xB8\xAD", ""});
    EXPECT_EQ(read_bytes(dir / "map.csv"), "Caf\xE9;1\r\n?\r\n\r\n");
}

} // namespace
