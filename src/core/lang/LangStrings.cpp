#include "core/lang/LangStrings.h"

#include "core/lang/BuiltinTexts.h"

#include <stdexcept>

namespace cfg {

Lang_Strings::Lang_Strings() : texts_(Lang_Count, " ") {}

const std::string& Lang_Strings::operator[](int index) const {
    if (index < 0 || index >= Lang_Count)
        throw std::out_of_range("text index " + std::to_string(index) + " is outside the catalogue");
    return texts_[static_cast<std::size_t>(index)];
}

void Lang_Strings::set(int index, std::string text) {
    if (index < 0 || index >= Lang_Count)
        throw std::out_of_range("text index " + std::to_string(index) + " is outside the catalogue");
    texts_[static_cast<std::size_t>(index)] = std::move(text);
}

void Load_Default_Texts(Lang_Strings& texts) {
    texts = Lang_Strings();
    for (const BuiltinText& builtin : builtin_texts())
        texts.set(builtin.index, std::string(builtin.text));
}

Lang_Strings default_texts() {
    Lang_Strings texts;
    Load_Default_Texts(texts);
    return texts;
}

} // namespace cfg
