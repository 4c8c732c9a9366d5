// Every reader of a configuration file takes the document's root element, whatever an XML editor
// put in front of it: a file reads the same with or without such a prefix.
#include "EveryReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

namespace {

using cfg::test::Reader;
using cfg::test::TempDir;
using cfg::test::write_bytes;

struct Prefix {
    const char* name;
    const char* bytes;
};

const Prefix prefixes[] = {
    {"Nothing", ""},
    {"Declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"},
    {"DeclarationOnItsOwnLine", "<?xml version=\"1.0\"?>\r\n"},
    {"Comment", "<!-- edited by hand -->"},
    {"ProcessingInstruction", "<?xml-stylesheet type=\"text/xsl\" href=\"view.xsl\"?>"},
    {"Doctype", "<!DOCTYPE configuration>"},
    {"ByteOrderMark", "\xEF\xBB\xBF"},
    {"Blanks", "\n \t\r\n"},
    {"AllTogether", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- edited -->\n<?editor x?><!DOCTYPE x>\n"},
};

class EveryReader : public testing::TestWithParam<std::tuple<Reader, Prefix>> {};

TEST_P(EveryReader, ReadsTheRootElementBehindThePrefix) {
    const auto& [reader, prefix] = GetParam();
    TempDir dir;
    write_bytes(dir / "file.xml", prefix.bytes + *reader.content + "<!--SW_VERSION = 1.000-->");
    EXPECT_EQ(reader.read(dir / "file.xml"), reader.expected);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, EveryReader,
                         testing::Combine(testing::ValuesIn(cfg::test::every_reader()),
                                          testing::ValuesIn(prefixes)),
                         [](const testing::TestParamInfo<EveryReader::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
