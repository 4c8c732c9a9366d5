#include "core/bytemap/MapPictureFile.h"

#include "core/common/PathText.h"
#include "core/common/Text.h"

namespace cfg::bytemap {

Picture_File Map_Picture_File(const std::filesystem::path& chosen) {
    const std::string extension = upper_ascii(utf8_path(chosen.extension()));
    if (extension == ".PNG")
        return {chosen, Picture_Kind::Png};
    if (extension == ".SVG")
        return {chosen, Picture_Kind::Svg};
    std::filesystem::path named = chosen;
    named += ".svg";
    return {named, Picture_Kind::Svg};
}

} // namespace cfg::bytemap
