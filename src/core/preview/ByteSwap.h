#pragma once

#include <cstdint>
#include <span>

namespace cfg::preview {

// The swap flags of a listener row on the bytes of its field, stored little-endian: SwapAll
// reverses the bytes, Swap16 reverses the order of the 16-bit words of a field of even size (a
// 4-byte field's two halves change places). Together they swap the bytes within each word. A field
// of odd size has no words to swap.
void Apply_Swaps(std::span<std::uint8_t> bytes, std::uint8_t swap_flags);

} // namespace cfg::preview
