#include "core/lang/BuiltinTexts.h"
#include "core/lang/LangFile.h"
#include "core/lang/LangFileLine.h"
#include "core/lang/LangStrings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <string_view>

namespace {

// What a translation must keep of the English text: its placeholders, and its blanks at either
// end, which join it to the texts and values it is shown with.
struct Text_Frame {
    std::multiset<std::string> placeholders;
    std::size_t leading_blanks = 0;
    std::size_t trailing_blanks = 0;

    bool operator==(const Text_Frame&) const = default;
};

void PrintTo(const Text_Frame& frame, std::ostream* out) {
    for (const std::string& placeholder : frame.placeholders)
        *out << placeholder << ' ';
    *out << frame.leading_blanks << " blanks before, " << frame.trailing_blanks << " after";
}

Text_Frame frame_of(std::string_view text) {
    using Placeholders = std::regex_iterator<std::string_view::const_iterator>;
    static const std::regex placeholder("%[0-9]");
    Text_Frame frame;
    for (Placeholders it(text.begin(), text.end(), placeholder), end; it != end; ++it)
        frame.placeholders.insert(it->str());
    frame.leading_blanks = text.find_first_not_of(' ');
    frame.trailing_blanks = text.size() - 1 - text.find_last_not_of(' ');
    return frame;
}

void expect_every_used_text_translated(const std::filesystem::path& file) {
    EXPECT_TRUE(cfg::test::read_bytes(file).starts_with("\xEF\xBB\xBF"))
        << "a UTF-8 file with its byte-order mark";
    // A text the file leaves out would keep the mark.
    cfg::Lang_Strings texts;
    for (const cfg::BuiltinText& builtin : cfg::builtin_texts())
        texts.set(builtin.index, "\x01");
    cfg::Load_Lang_File(texts, file);
    for (const cfg::BuiltinText& builtin : cfg::builtin_texts()) {
        const std::string& translation = texts[builtin.index];
        EXPECT_NE(translation, "\x01") << "STR" << builtin.index << " is missing";
        EXPECT_EQ(frame_of(translation), frame_of(builtin.text))
            << "STR" << builtin.index << " \"" << translation << "\" for \"" << builtin.text << "\"";
    }
}

// Every text the screens use is translated in every language file the program ships, and no
// translation loses what joins it to the rest.
TEST(ShippedLanguages, TranslateEveryUsedTextKeepingPlaceholdersAndBlanks) {
    std::set<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SHIPPED_LANGUAGES_DIR))
        if (entry.path().extension() == ".lng")
            files.insert(entry.path());
    EXPECT_FALSE(files.empty());
    for (const std::filesystem::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        expect_every_used_text_translated(file);
    }
}

// English.lng is the built-in catalogue as a file, so it never drifts from the program's texts:
// after a change of a text, `configurator-cli texts --english-file > packaging/lang/English.lng`.
TEST(ShippedLanguages, EnglishIsTheBuiltInCatalogue) {
    EXPECT_EQ(cfg::test::read_bytes(std::filesystem::path(SHIPPED_LANGUAGES_DIR) / "English.lng"),
              cfg::Builtin_Language_File());
    // Loaded over another language, it gives every built-in text back.
    cfg::Lang_Strings texts;
    for (const cfg::BuiltinText& builtin : cfg::builtin_texts())
        texts.set(builtin.index, "\x01");
    cfg::Load_Lang_Bytes(texts, cfg::Builtin_Language_File());
    for (const cfg::BuiltinText& builtin : cfg::builtin_texts())
        EXPECT_EQ(texts[builtin.index], builtin.text) << "STR" << builtin.index;
}

} // namespace
