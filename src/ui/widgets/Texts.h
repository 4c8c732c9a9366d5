#pragma once

#include "core/lang/LangStrings.h"

#include <QString>

#include <string_view>

namespace ui {

// A text of the catalogue, for a control.
inline QString text_of(const cfg::Lang_Strings& texts, int index) {
    return QString::fromStdString(texts[index]);
}

inline QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ui
