#include "core/bytemap/MapPictureFile.h"

#include <gtest/gtest.h>

namespace {

using cfg::bytemap::Picture_Kind;

struct NameCase {
    const char* chosen;
    const char* file;
    Picture_Kind kind;
};

TEST(MapPictureFile, TheNameTellsTheKindAndAnUnknownOneBecomesSvg) {
    for (const NameCase& c :
         {NameCase{"map.png", "map.png", Picture_Kind::Png},
          NameCase{"map.PNG", "map.PNG", Picture_Kind::Png},
          NameCase{"map.svg", "map.svg", Picture_Kind::Svg}, NameCase{"map", "map.svg", Picture_Kind::Svg},
          NameCase{"map.v2.txt", "map.v2.txt.svg", Picture_Kind::Svg}}) {
        const cfg::bytemap::Picture_File file = cfg::bytemap::Map_Picture_File(c.chosen);
        EXPECT_EQ(file.path, std::filesystem::path(c.file)) << c.chosen;
        EXPECT_EQ(file.kind, c.kind) << c.chosen;
    }
}

} // namespace
