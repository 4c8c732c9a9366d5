#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cfg {

struct Application;

// What one screen would show on opening and on OK: the rows of its file that its table leaves out,
// and the message of the error box its check would show.
struct Screen_Check {
    explicit Screen_Check(std::filesystem::path screen_file) : file(std::move(screen_file)) {}

    std::filesystem::path file;
    int rows_left_out = 0;
    std::optional<std::string> failure;
};

// Each screen of the active configuration loads its file as it does when it opens and runs the check
// of its OK button, in the order of the steps; the topics of the sibling models only where their
// file exists. ConfigError when a file cannot be read.
std::vector<Screen_Check> Check_Configuration(const Application& app);

} // namespace cfg
