#include "core/lang/LanguagePages.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;
using testing::ElementsAre;
using testing::IsEmpty;

std::vector<std::string> language_files(int count) {
    std::vector<std::string> files;
    for (int i = 1; i <= count; ++i)
        files.push_back("L" + std::to_string(i) + ".lng");
    return files;
}

struct PageCase {
    int count;
    int page;
    std::size_t slots_shown;
    bool previous;
    bool next;
    const char* page_text;
    const char* first_name; // the name in slot 1, when a slot shows
};

void PrintTo(const PageCase& c, std::ostream* out) {
    *out << c.count << " languages, page " << c.page;
}

class LanguagePages : public testing::TestWithParam<PageCase> {};

TEST_P(LanguagePages, ShowSixLanguagesToAPage) {
    const PageCase& c = GetParam();
    const cfg::Language_Page shown =
        cfg::Update_Lang_Page(language_files(c.count), c.page, cfg::default_texts());
    EXPECT_EQ(shown.names.size(), c.slots_shown);
    EXPECT_EQ(shown.show_previous, c.previous);
    EXPECT_EQ(shown.show_next, c.next);
    EXPECT_EQ(shown.page_text, c.page_text);
    if (!shown.names.empty()) {
        EXPECT_EQ(shown.names.front(), c.first_name);
    }
}

INSTANTIATE_TEST_SUITE_P(Paging, LanguagePages,
                         testing::Values(PageCase{7, 1, 6, false, true, "Page 1 / 2", "L1"},
                                         PageCase{7, 2, 1, true, false, "Page 2 / 2", "L7"},
                                         PageCase{6, 1, 6, false, false, "Page 1 / 1", "L1"},
                                         PageCase{13, 3, 1, true, false, "Page 3 / 3", "L13"},
                                         PageCase{12, 2, 6, true, false, "Page 2 / 2", "L7"},
                                         PageCase{1, 1, 1, false, false, "Page 1 / 1", "L1"},
                                         // No language file: no slot, and no Next that could go nowhere.
                                         PageCase{0, 1, 0, false, false, "Page 1 / 0", ""}));

TEST(LanguagePages, TheSlotsOfAPageNameTheirLanguages) {
    EXPECT_THAT(cfg::Update_Lang_Page(language_files(7), 1, cfg::default_texts()).names,
                ElementsAre("L1", "L2", "L3", "L4", "L5", "L6"));
    EXPECT_EQ(cfg::Language_In_Slot(language_files(7), 2, 1), "L7");
    EXPECT_EQ(cfg::Language_In_Slot(language_files(7), 2, 2), std::nullopt);
    EXPECT_EQ(cfg::Language_In_Slot(language_files(7), 1, 7), std::nullopt);
}

TEST(LanguagePages, NextAndPreviousStayWithinThePages) {
    struct Turn {
        int page;
        int count;
        bool forward;
        int expected;
    };
    for (const Turn& turn :
         {Turn{1, 7, true, 2}, Turn{2, 7, true, 2}, Turn{2, 7, false, 1}, Turn{1, 7, false, 1},
          Turn{1, 0, true, 1}, Turn{1, 6, true, 1}, Turn{2, 13, true, 3}}) {
        EXPECT_EQ(cfg::Turn_Lang_Page(turn.page, static_cast<std::size_t>(turn.count), turn.forward),
                  turn.expected)
            << "page " << turn.page << " of " << turn.count << (turn.forward ? " next" : " previous");
    }
}

TEST(LanguagePages, TextsComeFromTheCatalogue) {
    cfg::Lang_Strings texts = cfg::default_texts();
    EXPECT_EQ(cfg::Initial_Page_Text(texts), "Page 1 / 1");
    EXPECT_EQ(cfg::Selected_Language_Text(texts, "Italiano"), "Selected Language : Italiano");
    EXPECT_EQ(cfg::Change_Language_Question(texts, "English", "Italiano"),
              "Do you want to change the Language from English to Italiano?");
    texts.set(305, "Pagina ");
    texts.set(306, " di ");
    EXPECT_EQ(cfg::Update_Lang_Page(language_files(7), 2, texts).page_text, "Pagina 2 di 2");
}

TEST(FlagPicture, TheLanguagesOwnPictureThenTheDefaultThenNone) {
    TempDir dir;
    EXPECT_EQ(cfg::Flag_Picture(dir.path(), "Italiano"), std::nullopt);
    write_bytes(dir / "DefaultFlag.bmp", "BM");
    EXPECT_EQ(cfg::Flag_Picture(dir.path(), "Italiano"), dir / "DefaultFlag.bmp");
    write_bytes(dir / "Italiano.bmp", "BM");
    EXPECT_EQ(cfg::Flag_Picture(dir.path(), "Italiano"), dir / "Italiano.bmp");
    EXPECT_EQ(cfg::Flag_Picture(dir.path(), "Deutsch"), dir / "DefaultFlag.bmp");
}

} // namespace
