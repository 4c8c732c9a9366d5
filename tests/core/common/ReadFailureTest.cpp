// Every reader of a configuration file refuses a file it cannot read, saying which and why, and
// never reads a file larger than any configuration file can be.
#include "EveryReader.h"
#include "core/common/ConfigError.h"
#include "core/common/FileBytes.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using cfg::test::Reader;
using cfg::test::TempDir;

struct Unreadable {
    const char* name;
    void (*prepare)(const fs::path& file);
    const char* reason;
};

void PrintTo(const Unreadable& c, std::ostream* out) {
    *out << c.name;
}

const Unreadable unreadable[] = {
    {"LargerThanTheLimit",
     [](const fs::path& file) {
         cfg::test::write_bytes(file, "");
         fs::resize_file(file, cfg::Text_File_Limit + 1);
     },
     "it is larger than 4194304 bytes"},
    {"Folder", [](const fs::path& file) { fs::create_directory(file); }, "Is a directory"},
};

class EveryReaderRefuses : public testing::TestWithParam<std::tuple<Reader, Unreadable>> {};

TEST_P(EveryReaderRefuses, AFileItCannotReadNamingItAndTheReason) {
    const auto& [reader, c] = GetParam();
    TempDir dir;
    const fs::path file = dir / "file.xml";
    c.prepare(file);
    if (!reader.reports_failures) {
        // The start goes on with what a missing file gives.
        EXPECT_EQ(reader.read(file), reader.read(dir / "missing.xml"));
        return;
    }
    try {
        reader.read(file);
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_THAT(error.what(), testing::HasSubstr("\"" + file.string() + "\": " + c.reason));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, EveryReaderRefuses,
                         testing::Combine(testing::ValuesIn(cfg::test::every_reader()),
                                          testing::ValuesIn(unreadable)),
                         [](const testing::TestParamInfo<EveryReaderRefuses::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
