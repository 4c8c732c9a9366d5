#pragma once

#include <filesystem>

namespace cfg::bytemap {

enum class Picture_Kind { Svg, Png };

struct Picture_File {
    std::filesystem::path path;
    Picture_Kind kind;
};

// The file a chosen name stands for: a name ending in ".png" (in any letter case) is a PNG
// picture, one ending in ".svg" an SVG; any other name gets ".svg" added.
Picture_File Map_Picture_File(const std::filesystem::path& chosen);

} // namespace cfg::bytemap
