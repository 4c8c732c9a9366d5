#include "core/bytemap/ByteMapBuilder.h"

#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace cfg::bytemap;
using cfg::ethercat::Variable_Place;
using cfg::nmea::Array_Field;

const cfg::Lang_Strings texts = cfg::default_texts();

Array_Field field(int row, std::int64_t first_byte, int size, std::vector<int> overlapping = {},
                  const std::string& mnemonic = "") {
    Array_Field placed{row, "GGA", "a field", first_byte, size, std::move(overlapping), false, mnemonic};
    placed.outside_array = first_byte < 0 || placed.last_byte() > 1999;
    return placed;
}

Variable_Place bit(int row, std::int64_t position, int bit) {
    return {row, true, "Bool", "B" + std::to_string(row), position, bit, 0, true};
}

Variable_Place bytes(int row, std::int64_t position, std::int64_t size, bool enabled = true) {
    return {row, enabled, "String", "S" + std::to_string(row), position, 0, size, false};
}

Byte_Map map_of(std::vector<Array_Field> fields, std::vector<Variable_Place> places = {},
                std::int64_t image_size = 0) {
    return Build_Byte_Map({std::move(fields), {std::move(places), image_size}}, texts);
}

const Map_Block* block_of(const Byte_Map& map, Map_Lane lane, int row) {
    const auto found = std::find_if(map.blocks.begin(), map.blocks.end(), [&](const Map_Block& block) {
        return block.lane == lane && block.row == row;
    });
    return found == map.blocks.end() ? nullptr : &*found;
}

bool has_box(const Byte_Map& map, const Map_Rect& rect, std::optional<Rgb> hatch, std::optional<Rgb> stroke) {
    return std::any_of(map.boxes.begin(), map.boxes.end(), [&](const Map_Box& box) {
        return box.rect == rect && box.hatch == hatch && box.stroke == stroke;
    });
}

TEST(ByteMap, AFieldCrossingALineIsOneBlockInTwoPieces) {
    const Byte_Map map = map_of({field(1, 30, 4)});
    const Map_Block* block = block_of(map, Map_Lane::Listener, 1);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->pieces, (std::vector<Map_Rect>{Lane_Rect(Map_Lane::Listener, 30, 31),
                                                    Lane_Rect(Map_Lane::Listener, 32, 33)}));
}

// The image lane lies under the array lane, byte for byte.
TEST(ByteMap, TheImageLaneIsAlignedWithTheArrayByByte) {
    const Map_Rect array = Lane_Rect(Map_Lane::Listener, 40, 43);
    const Map_Rect image = Lane_Rect(Map_Lane::Variables, 40, 43);
    EXPECT_EQ(image.x, array.x);
    EXPECT_EQ(image.width, array.width);
    EXPECT_GE(image.y, array.y + array.height);
}

struct Point_Case {
    const char* label;
    int x;
    int y;
    std::optional<std::pair<Map_Lane, int>> expected;
};

int middle(int start, int length) {
    return start + length / 2;
}

TEST(ByteMap, HitTestingFindsTheBlockUnderThePoint) {
    // Rows 1 and 2 share byte 3; bits 0 and 1 of image byte 0 belong to rows 1 and 2, bytes 1-2 to
    // row 3; row 4 is disabled.
    const Byte_Map map = map_of({field(1, 0, 4, {2}), field(2, 3, 1, {1})},
                                {bit(1, 0, 0), bit(2, 0, 1), bytes(3, 1, 2), bytes(4, 0, 0, false)}, 3);
    const Map_Rect array_byte_1 = Lane_Rect(Map_Lane::Listener, 1, 1);
    const Map_Rect array_byte_3 = Lane_Rect(Map_Lane::Listener, 3, 3);
    const Map_Rect image_byte_0 = Lane_Rect(Map_Lane::Variables, 0, 0);
    const Map_Rect image_byte_2 = Lane_Rect(Map_Lane::Variables, 2, 2);
    const int bit_width = image_byte_0.width / 8;
    const int image_y = middle(image_byte_0.y, image_byte_0.height);
    const std::vector<Point_Case> cases = {
        {"a field", middle(array_byte_1.x, array_byte_1.width), middle(array_byte_1.y, 20),
         std::pair{Map_Lane::Listener, 1}},
        {"a shared byte answers with the lower row", middle(array_byte_3.x, array_byte_3.width),
         middle(array_byte_3.y, 20), std::pair{Map_Lane::Listener, 2}},
        {"an empty byte", middle(Lane_Rect(Map_Lane::Listener, 10, 10).x, 32), middle(array_byte_1.y, 20),
         std::nullopt},
        {"bit 0", image_byte_0.x + bit_width / 2, image_y, std::pair{Map_Lane::Variables, 1}},
        {"bit 1", image_byte_0.x + bit_width + bit_width / 2, image_y, std::pair{Map_Lane::Variables, 2}},
        {"a free bit", image_byte_0.x + 5 * bit_width + bit_width / 2, image_y, std::nullopt},
        {"a word", middle(image_byte_2.x, image_byte_2.width), image_y, std::pair{Map_Lane::Variables, 3}},
        {"between the lanes", middle(array_byte_1.x, 32), array_byte_1.y + array_byte_1.height, std::nullopt},
        {"the margin", 2, image_y, std::nullopt},
    };
    for (const Point_Case& c : cases) {
        const Map_Block* block = map.block_at(c.x, c.y);
        ASSERT_EQ(block != nullptr, c.expected.has_value()) << c.label;
        if (block) {
            EXPECT_EQ(block->lane, c.expected->first) << c.label;
            EXPECT_EQ(block->row, c.expected->second) << c.label;
        }
    }
    EXPECT_FALSE(block_of(map, Map_Lane::Variables, 4)) << "a disabled variable takes no place";
}

TEST(ByteMap, AStringOfNoBytesIsATickThatCanBePointedAt) {
    const Byte_Map map = map_of({}, {bytes(1, 5, 0)}, 5);
    const Map_Block* block = block_of(map, Map_Lane::Variables, 1);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->pieces.size(), 1u);
    const Map_Rect tick = block->pieces.front();
    EXPECT_LT(tick.width, Lane_Rect(Map_Lane::Variables, 5, 5).width / 8);
    EXPECT_EQ(map.block_at(tick.x, tick.y + 1), block);
}

TEST(ByteMap, AStringOf255BytesCrossesEightLines) {
    const Byte_Map map = map_of({}, {bytes(1, 1, 255)}, 256);
    const Map_Block* block = block_of(map, Map_Lane::Variables, 1);
    ASSERT_TRUE(block);
    ASSERT_EQ(block->pieces.size(), 8u);
    EXPECT_EQ(block->pieces.front(), Lane_Rect(Map_Lane::Variables, 1, 31));
    EXPECT_EQ(block->pieces.back(), Lane_Rect(Map_Lane::Variables, 224, 255));
}

TEST(ByteMap, OverlapsAreHatchedAndCollidingFieldsOutlinedInTheWarningColour) {
    const Byte_Map map = map_of({field(1, 0, 4, {2}), field(2, 2, 2, {1}), field(3, 8, 1)});
    EXPECT_TRUE(has_box(map, Lane_Rect(Map_Lane::Listener, 2, 3), palette::Warning, palette::Warning));
    EXPECT_TRUE(block_of(map, Map_Lane::Listener, 1)->marked);
    EXPECT_TRUE(has_box(map, Lane_Rect(Map_Lane::Listener, 0, 3), std::nullopt, palette::Warning));
    EXPECT_FALSE(block_of(map, Map_Lane::Listener, 3)->marked);
    EXPECT_TRUE(has_box(map, Lane_Rect(Map_Lane::Listener, 8, 8), std::nullopt, palette::Block_Border));
}

TEST(ByteMap, BytesPastTheArrayAreHatchedAndAFieldRunningIntoThemIsDrawnThere) {
    const Byte_Map map = map_of({field(1, 1999, 4)});
    EXPECT_TRUE(
        has_box(map, Lane_Rect(Map_Lane::Listener, 2000, 2015), palette::Outside_Hatch, std::nullopt));
    const Map_Block* block = block_of(map, Map_Lane::Listener, 1);
    ASSERT_TRUE(block);
    EXPECT_TRUE(block->marked);
    EXPECT_EQ(block->pieces, std::vector<Map_Rect>{Lane_Rect(Map_Lane::Listener, 1999, 2002)});
}

TEST(ByteMap, TheMapReachesAsFarAsTheImageButNotPastItsLimit) {
    const int array_height = map_of({}).height;
    const Map_Rect last_image_byte = Lane_Rect(Map_Lane::Variables, 2999, 2999);
    const Byte_Map long_image = map_of({}, {bytes(1, 0, 3000)}, 3000);
    EXPECT_GT(long_image.height, array_height);
    EXPECT_GE(long_image.height, last_image_byte.y + last_image_byte.height);

    const Byte_Map typo = map_of({field(1, 10'000'000, 4)});
    EXPECT_EQ(typo.height, map_of({}, {bytes(1, 0, Map_Byte_Limit)}, Map_Byte_Limit).height);
    EXPECT_TRUE(block_of(typo, Map_Lane::Listener, 1)->pieces.empty());
}

TEST(ByteMap, BytesBeforeTheArrayAreLeftOut) {
    const Byte_Map map = map_of({field(1, -2, 4)});
    EXPECT_EQ(block_of(map, Map_Lane::Listener, 1)->pieces,
              std::vector<Map_Rect>{Lane_Rect(Map_Lane::Listener, 0, 1)});
}

TEST(ByteMap, BlocksAreLabelledInsideEachPiece) {
    const Byte_Map map = map_of({field(1, 30, 4, {}, "GPS")});
    for (const Map_Rect& piece : block_of(map, Map_Lane::Listener, 1)->pieces)
        EXPECT_TRUE(std::any_of(map.texts.begin(), map.texts.end(), [&](const Map_Text& text) {
            return text.text == "1 GPS" && text.clip == piece;
        })) << piece.x;
}

// Rows sharing bytes each keep a label of their own room, none written over another's.
TEST(ByteMap, LabelsOfRowsSharingBytesAreNotDrawnOverEachOther) {
    const auto label_clips = [](const Byte_Map& map, const std::string& text) {
        std::vector<Map_Rect> clips;
        for (const Map_Text& shown : map.texts)
            if (shown.text == text)
                clips.push_back(shown.clip);
        return clips;
    };
    const Byte_Map same = map_of({field(1, 0, 4, {2}, "A"), field(2, 0, 4, {1}, "B")});
    EXPECT_EQ(label_clips(same, "1 A / 2 B"), std::vector{Lane_Rect(Map_Lane::Listener, 0, 3)});
    EXPECT_TRUE(label_clips(same, "2 B").empty());

    const Byte_Map shifted = map_of({field(1, 0, 4, {2}, "A"), field(2, 2, 4, {1}, "B")});
    EXPECT_EQ(label_clips(shifted, "1 A"), std::vector{Lane_Rect(Map_Lane::Listener, 0, 3)});
    EXPECT_EQ(label_clips(shifted, "2 B"), std::vector{Lane_Rect(Map_Lane::Listener, 4, 5)});

    const Byte_Map inside = map_of({field(1, 2, 2, {2}, "A"), field(2, 0, 8, {1}, "B")});
    EXPECT_EQ(label_clips(inside, "1 A"), std::vector{Lane_Rect(Map_Lane::Listener, 2, 3)});
    EXPECT_EQ(label_clips(inside, "2 B"), std::vector{Lane_Rect(Map_Lane::Listener, 0, 1)});
}

} // namespace
