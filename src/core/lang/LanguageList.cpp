#include "core/lang/LanguageList.h"

#include "core/common/FolderListing.h"
#include "core/common/PathText.h"
#include "core/lang/Language.h"

#include <algorithm>

namespace cfg {
namespace {

bool is_writable_by_anyone(std::filesystem::perms permissions) {
    using std::filesystem::perms;
    return (permissions & (perms::owner_write | perms::group_write | perms::others_write)) != perms::none;
}

// Decided by the permission bits, not by trying to open the file, so that a read-only file is
// left out for every user alike.
bool is_listed(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    const std::filesystem::file_status status = entry.status(error);
    if (error || !std::filesystem::is_regular_file(status))
        return false;
    return utf8_path(entry.path().filename()).ends_with(Language_File_Extension) &&
           is_writable_by_anyone(status.permissions());
}

} // namespace

std::vector<std::string> Create_Lang_List(const Language_Folders& folders) {
    std::vector<std::string> names = Sorted_Entry_Names(folders.user, is_listed);
    if (!folders.shipped.empty()) {
        for (std::string& name : Sorted_Entry_Names(folders.shipped, is_listed))
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
        Sort_Entry_Names(names);
    }
    // The way back to the built-in texts stays in one place, whatever the other names are.
    std::stable_partition(names.begin(), names.end(),
                          [](const std::string& name) { return name == English_File_Name; });
    return names;
}

std::string Language_Name_Of(std::string_view file_name) {
    return std::string(
        file_name.substr(0, file_name.size() - std::min(file_name.size(), Language_File_Extension.size())));
}

} // namespace cfg
