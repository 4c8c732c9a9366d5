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

// Another kind of file, well-formed, in the place of the reader's own: its rows are not the reader's.
class EveryReaderRefusesAnotherFile : public testing::TestWithParam<Reader> {};

TEST_P(EveryReaderRefusesAnotherFile, NamingTheElementExpectedAndTheOneFound) {
    const Reader& reader = GetParam();
    TempDir dir;
    const fs::path file = dir / "file.xml";
    cfg::test::write_bytes(file, "<Another_File>" + *reader.content + "</Another_File>");
    if (!reader.reports_failures) {
        EXPECT_EQ(reader.read(file), reader.read(dir / "missing.xml"));
        return;
    }
    const std::string& content = *reader.content;
    const std::string expected_root = content.substr(1, content.find_first_of(" />") - 1);
    try {
        reader.read(file);
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_THAT(error.what(), testing::HasSubstr("\"" + file.string() +
                                                     "\" holds the element Another_File "
                                                     "where the element " +
                                                     expected_root + " was expected."));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, EveryReaderRefusesAnotherFile, testing::ValuesIn(cfg::test::every_reader()),
                         [](const testing::TestParamInfo<Reader>& info) {
                             return std::string(info.param.name);
                         });

INSTANTIATE_TEST_SUITE_P(Files, EveryReaderRefuses,
                         testing::Combine(testing::ValuesIn(cfg::test::every_reader()),
                                          testing::ValuesIn(unreadable)),
                         [](const testing::TestParamInfo<EveryReaderRefuses::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
