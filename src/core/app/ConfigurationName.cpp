#include "core/app/ConfigurationName.h"
#include "core/common/PathText.h"
#include "core/common/Text.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace cfg {
namespace {

bool is_control(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Windows keeps these names for devices, whatever the case and whatever follows a dot.
bool is_windows_device(std::string_view name) {
    const std::string stem = upper_ascii(name.substr(0, name.find('.')));
    static constexpr std::array<std::string_view, 4> devices = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(devices.begin(), devices.end(), stem) != devices.end())
        return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

} // namespace

bool Is_Plain_Folder_Name(std::string_view name) {
    if (name.empty() || name.front() == '.')
        return false;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
    return !path_from_utf8(name).has_root_path();
}

Name_Fault New_Name_Fault(std::string_view name) {
    if (std::any_of(name.begin(), name.end(), is_control))
        return Name_Fault::Control_Character;
    if (valid_utf8(name) != name)
        return Name_Fault::Not_Utf8;
    if (name.starts_with(' ') || name.starts_with('.'))
        return Name_Fault::Leading_Blank_Or_Dot;
    if (name.ends_with(' ') || name.ends_with('.'))
        return Name_Fault::Trailing_Dot_Or_Blank;
    if (name.find_first_of("<>:\"/\\|?*") != std::string_view::npos)
        return Name_Fault::Windows_Character;
    if (is_windows_device(name))
        return Name_Fault::Windows_Device;
    if (name.size() > Max_Name_Bytes)
        return Name_Fault::Too_Long;
    return Name_Fault::None;
}

} // namespace cfg
