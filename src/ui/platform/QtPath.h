#pragma once

#include <QString>

#include <filesystem>

namespace ui {

// Paths and Qt's texts meet here only. Both hold UTF-16 on Windows and the path's bytes are UTF-8
// elsewhere, so going through UTF-16 keeps every name whole on every platform; a path's narrow
// string() would pass through the system's code page on Windows.
inline QString qt_path(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path std_path(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

} // namespace ui
