#include "core/common/FolderListing.h"

#include "core/common/PathText.h"
#include "core/common/Text.h"

#include <algorithm>

namespace cfg {

std::vector<std::string>
Sorted_Entry_Names(const std::filesystem::path& folder,
                   const std::function<bool(const std::filesystem::directory_entry&)>& keep) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (keep(*it))
            names.push_back(utf8_path(it->path().filename()));
    }
    Sort_Entry_Names(names);
    return names;
}

void Sort_Entry_Names(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string upper_a = upper_ascii(a);
        const std::string upper_b = upper_ascii(b);
        return upper_a != upper_b ? upper_a < upper_b : a < b;
    });
}

} // namespace cfg
