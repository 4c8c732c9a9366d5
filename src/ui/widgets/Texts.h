#pragma once

#include "core/lang/LangStrings.h"

#include <QString>

#include <filesystem>
#include <string_view>

namespace ui {

// A text of the catalogue, for a control.
inline QString text_of(const cfg::Lang_Strings& texts, int index) {
    return QString::fromStdString(texts[index]);
}

inline QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Paths go through UTF-16 both ways, so a name with any character survives on every platform.
inline QString qt_path(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path std_path(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

} // namespace ui
