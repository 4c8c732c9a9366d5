#include "core/bytemap/ByteMap.h"

#include <algorithm>

namespace cfg::bytemap {

const Map_Block* Byte_Map::block_at(int x, int y) const {
    const auto hit = std::find_if(blocks.rbegin(), blocks.rend(), [x, y](const Map_Block& block) {
        return std::any_of(block.pieces.begin(), block.pieces.end(),
                           [x, y](const Map_Rect& piece) { return piece.contains(x, y); });
    });
    return hit == blocks.rend() ? nullptr : &*hit;
}

} // namespace cfg::bytemap
