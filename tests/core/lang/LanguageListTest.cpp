#include "core/lang/LanguageList.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;
using testing::ElementsAre;
using testing::IsEmpty;

TEST(LanguageList, NoLanguageFilesGiveAnEmptyList) {
    TempDir dir;
    EXPECT_THAT(cfg::Create_Lang_List(dir.path()), IsEmpty());
    EXPECT_THAT(cfg::Create_Lang_List(dir / "LANGUAGE"), IsEmpty());
}

// English, the built-in texts as a file, leads: the way back is always on the first page.
TEST(LanguageList, ListsWritableLanguageFilesEnglishFirstThenSortedRegardlessOfCase) {
    TempDir dir;
    for (const char* name : {"deutsch.lng", "Italiano.lng", "English.lng", "espanol.lng", "Zulu.lng"})
        write_bytes(dir / name, "STR0 =x\r\n");
    write_bytes(dir / "Notes.txt", "");
    write_bytes(dir / "Old.lng.bak", "");
    write_bytes(dir / "Upper.LNG", ""); // the file would not be found again under "Upper.lng"
    write_bytes(dir / "Italiano.bmp", "");
    std::filesystem::create_directory(dir / "Folder.lng");
    write_bytes(dir / "Locked.lng", "STR0 =x\r\n");
    std::filesystem::permissions(dir / "Locked.lng", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);

    EXPECT_THAT(cfg::Create_Lang_List(dir.path()),
                ElementsAre("English.lng", "deutsch.lng", "espanol.lng", "Italiano.lng", "Zulu.lng"));
}

TEST(LanguageList, AFileWritableByTheGroupOnlyIsListed) {
    TempDir dir;
    write_bytes(dir / "Team.lng", "");
    std::filesystem::permissions(dir / "Team.lng",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::group_write);
    EXPECT_THAT(cfg::Create_Lang_List(dir.path()), ElementsAre("Team.lng"));
}

TEST(LanguageList, TheNameIsTheFileNameWithoutItsExtension) {
    EXPECT_EQ(cfg::Language_Name_Of("Italiano.lng"), "Italiano");
    EXPECT_EQ(cfg::Language_Name_Of(".lng"), "");
}

} // namespace
