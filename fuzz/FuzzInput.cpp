#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>

namespace cfg::fuzz {

std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::optional<File_Bytes>> split_files(std::string_view input,
                                                   std::initializer_list<const char*> names) {
    std::vector<std::optional<File_Bytes>> files;
    bool reached = true;
    for (const char* name : names) {
        if (!reached) {
            files.emplace_back();
            continue;
        }
        const bool last = files.size() + 1 == names.size();
        const std::size_t end = last ? std::string_view::npos : input.find('\0');
        files.push_back(File_Bytes{name, input.substr(0, end)});
        reached = end != std::string_view::npos;
        if (reached)
            input.remove_prefix(end + 1);
    }
    return files;
}

void require(bool holds, const char* promise) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

} // namespace cfg::fuzz
