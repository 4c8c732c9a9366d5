#include "updater/OperationCheck.h"

#include "core/common/ConfigError.h"
#include "core/common/FileBytes.h"
#include "core/common/PathText.h"
#include "core/common/TextToInt.h"
#include "core/image/BankDecoder.h"
#include "core/image/ImageLayout.h"

#include <functional>
#include <span>

namespace updater {
namespace {

using Decoder = std::function<cfg::image::Bank_Decoding(std::span<const std::uint8_t>)>;

constexpr std::int64_t Bank1_Address = 0x07000;

// The bank each start address of the job takes.
Decoder decoder_at(std::int64_t start_address) {
    if (start_address == Bank1_Address)
        return cfg::image::Decode_Bank1;
    if (start_address == cfg::image::Bank2_Address)
        return cfg::image::Decode_Bank2;
    if (start_address == cfg::image::Bank3_Address)
        return cfg::image::Decode_Bank3;
    return nullptr;
}

std::vector<std::string> bank_faults(const Job_Operation& operation, const std::string& bytes) {
    const Decoder decode = decoder_at(cfg::Text_To_Int64(operation.start_address, -1));
    if (!decode)
        return {"No bank is written at " + operation.start_address + "."};
    const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
    try {
        return decode(data).faults;
    } catch (const cfg::ConfigError& error) {
        return {error.what()};
    }
}

} // namespace

Operation_Check Check_Operation(const Job_Operation& operation) {
    Operation_Check check;
    std::error_code error;
    if (!std::filesystem::is_regular_file(operation.file, error))
        return {0, {"The file \"" + cfg::utf8_path(operation.file) + "\" is not there."}};
    std::string bytes;
    if (operation.firmware) {
        // Only its size counts, so the image is not read.
        check.size = std::filesystem::file_size(operation.file, error);
        if (error)
            return {0, {"Cannot read \"" + cfg::utf8_path(operation.file) + "\": " + error.message()}};
    } else {
        try {
            // No bank is larger; a larger file is refused unread.
            bytes = cfg::read_file_bytes(operation.file, cfg::image::Bank3_Limit);
        } catch (const cfg::ConfigError& failure) {
            return {0, {failure.what()}};
        }
        check.size = bytes.size();
    }
    if (check.size == 0)
        check.faults.push_back("The file \"" + cfg::utf8_path(operation.file) + "\" is empty.");
    else if (!operation.firmware)
        check.faults = bank_faults(operation, bytes);
    return check;
}

} // namespace updater
