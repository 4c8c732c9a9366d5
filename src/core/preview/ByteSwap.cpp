#include "core/preview/ByteSwap.h"

#include "core/image/ListenerEntry.h"

#include <algorithm>

namespace cfg::preview {

void Apply_Swaps(std::span<std::uint8_t> bytes, std::uint8_t swap_flags) {
    if (swap_flags & image::Swap_All_Bit)
        std::reverse(bytes.begin(), bytes.end());
    if ((swap_flags & image::Swap_16_Bit) && bytes.size() % 2 == 0 && bytes.size() >= 4) {
        for (std::size_t low = 0, high = bytes.size() - 2; low < high; low += 2, high -= 2)
            std::swap_ranges(bytes.begin() + static_cast<std::ptrdiff_t>(low),
                             bytes.begin() + static_cast<std::ptrdiff_t>(low + 2),
                             bytes.begin() + static_cast<std::ptrdiff_t>(high));
    }
}

} // namespace cfg::preview
