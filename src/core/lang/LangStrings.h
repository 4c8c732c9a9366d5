#pragma once

#include <string>
#include <vector>

namespace cfg {

constexpr int Lang_Count = 1600;

// Every text the user sees, by index: built-in English overlaid by a language file.
// Its length never changes; an index no screen uses holds a single blank.
class Lang_Strings {
public:
    Lang_Strings();

    const std::string& operator[](int index) const;
    void set(int index, std::string text);
    static constexpr int size() { return Lang_Count; }

private:
    std::vector<std::string> texts_;
};

// Replaces every entry with the built-in English texts.
void Load_Default_Texts(Lang_Strings& texts);

// A catalogue holding the built-in English texts.
Lang_Strings default_texts();

} // namespace cfg
