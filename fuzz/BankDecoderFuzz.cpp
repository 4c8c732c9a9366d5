// Bank files: any bytes are decoded or refused with ConfigError. Besides the input as it is, which
// the decoder tells apart by its size, the input is decoded as each bank, cut or padded with 0 bytes
// to that bank's size, so every decoder sees every input.
#include "FuzzInput.h"
#include "core/common/ConfigError.h"
#include "core/image/BankDecoder.h"
#include "core/image/ImageLayout.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::uint8_t> sized(const std::uint8_t* data, std::size_t size, std::size_t bank_size) {
    std::vector<std::uint8_t> bytes(data, data + std::min(size, bank_size));
    bytes.resize(bank_size, 0);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cfg::image;
    try {
        Decode_Bank_File(cfg::File_Bytes{"bank.bin", cfg::fuzz::as_text(data, size)});
    } catch (const cfg::ConfigError&) {
    }
    Decode_Bank1(sized(data, size, Bank1_Size));
    Decode_Bank2(sized(data, size, Bank2_Size));
    Decode_Bank3(sized(data, size, std::clamp(size, First_Name_Offset, Bank3_Limit)));
    return 0;
}
