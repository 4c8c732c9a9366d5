#include "core/common/UnreadableFile.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

TEST(UnreadableFile, KeepsTheBytesBesideTheFileAndLeavesTheFileInPlace) {
    const TempDir dir;
    write_bytes(dir / "ParGen.xml", "<Par_Gen><Eth");
    EXPECT_EQ(cfg::Keep_Unreadable_File(dir / "ParGen.xml"), dir / "ParGen.xml.unreadable");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml.unreadable"), "<Par_Gen><Eth");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml"), "<Par_Gen><Eth");
}

TEST(UnreadableFile, AnEarlierCopyIsNeverOverwritten) {
    const TempDir dir;
    write_bytes(dir / "ParGen.xml", "third");
    write_bytes(dir / "ParGen.xml.unreadable", "first");
    write_bytes(dir / "ParGen.xml.unreadable.2", "second");
    EXPECT_EQ(cfg::Keep_Unreadable_File(dir / "ParGen.xml"), dir / "ParGen.xml.unreadable.3");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml.unreadable"), "first");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml.unreadable.2"), "second");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml.unreadable.3"), "third");
}

TEST(UnreadableFile, AFileThatCannotBeCopiedRaisesNamingIt) {
    const TempDir dir;
    try {
        cfg::Keep_Unreadable_File(dir / "gone.xml");
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_NE(std::string(error.what()).find("gone.xml"), std::string::npos) << error.what();
    }
}

} // namespace
