#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Text_Name {
    std::string name; // the header and the name, for the messages
    int number;
};

std::string without_comments(std::istream& in) {
    std::string text;
    std::string line;
    while (std::getline(in, line))
        text += line.substr(0, line.find("//")) + "\n";
    return text;
}

// The names a texts header gives catalogue numbers: the enumerators of each enumeration whose first
// enumerator has a number (an enumeration of offsets starts without one), and int constants.
std::vector<Text_Name> names_in(const fs::path& header) {
    std::ifstream in(header);
    const std::string text = without_comments(in);
    const std::string file = header.filename().string() + ": ";
    std::vector<Text_Name> names;
    static const std::regex enumeration(R"(enum[^{;]*\{([^}]*)\})");
    static const std::regex enumerator(R"(^\s*(\w+)\s*(?:=\s*(\d+))?\s*$)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), enumeration); it != std::sregex_iterator();
         ++it) {
        std::stringstream body((*it)[1].str());
        std::string entry;
        int next = -1;
        while (std::getline(body, entry, ',')) {
            std::smatch parts;
            if (entry.find_first_not_of(" \t\n") == std::string::npos ||
                !std::regex_match(entry, parts, enumerator))
                continue;
            if (parts[2].matched)
                next = std::stoi(parts[2].str());
            if (next < 0)
                break;
            names.push_back({file + parts[1].str(), next++});
        }
    }
    static const std::regex constant(R"(constexpr\s+int\s+(\w+)\s*=\s*(\d+)\s*;)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), constant); it != std::sregex_iterator();
         ++it)
        names.push_back({file + (*it)[1].str(), std::stoi((*it)[2].str())});
    return names;
}

std::vector<Text_Name> every_text_name() {
    std::vector<Text_Name> names;
    for (const auto& entry : fs::recursive_directory_iterator(CONFIGURATOR_SOURCE_DIR)) {
        const std::string file = entry.path().filename().string();
        if (entry.is_regular_file() && file.ends_with("Texts.h")) {
            const std::vector<Text_Name> found = names_in(entry.path());
            names.insert(names.end(), found.begin(), found.end());
        }
    }
    return names;
}

TEST(TextNames, TheTextsHeadersNameCatalogueNumbers) {
    EXPECT_GT(every_text_name().size(), 1U) << CONFIGURATOR_SOURCE_DIR;
}

TEST(TextNames, EveryNumberHasOneName) {
    std::map<int, std::vector<std::string>> names_of;
    for (const Text_Name& name : every_text_name())
        names_of[name.number].push_back(name.name);
    for (const auto& [number, names] : names_of) {
        std::string listed;
        for (const std::string& name : names)
            listed += " " + name;
        EXPECT_EQ(names.size(), 1U) << number << " is named" << listed;
    }
}

TEST(TextNames, EveryNamedNumberHoldsABuiltInText) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    for (const Text_Name& name : every_text_name()) {
        ASSERT_LT(name.number, cfg::Lang_Strings::size()) << name.name;
        EXPECT_NE(texts[name.number], " ") << name.name << " = " << name.number;
    }
}

} // namespace
