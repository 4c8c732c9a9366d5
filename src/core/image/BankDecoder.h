#pragma once

#include "core/common/FileBytes.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Bank files as named fields for the command-line tool to print.
namespace cfg::image {

struct Decoded_Field {
    std::string name;
    std::size_t offset = 0; // in the bank file
    std::string value;

    bool operator==(const Decoded_Field&) const = default;
};

struct Bank_Decoding {
    std::vector<Decoded_Field> fields;
    // What a device must not be given: a wrong checksum, a fixed value that differs, reserved bytes
    // that are not 0, a code outside the catalogue, a name that cannot be found.
    std::vector<std::string> faults;
};

// bank1 field by field in offset order, with the checksum verified.
Bank_Decoding Decode_Bank1(std::span<const std::uint8_t> bytes);

// bank2 entry by entry (the entries that are not all zero), sentence and field named from the
// catalogue.
Bank_Decoding Decode_Bank2(std::span<const std::uint8_t> bytes);

// bank3's header, then each used record with its name resolved through name_add.
Bank_Decoding Decode_Bank3(std::span<const std::uint8_t> bytes);

// A bank file, told apart by its size: 2048 bytes bank1, 1536 bank2, 18473 to 131072 bank3.
// ConfigError when the file cannot be read or has none of these sizes; a file larger than any bank
// is refused before it is read.
Bank_Decoding Decode_Bank_File(const std::filesystem::path& file);
// The same for the content of a bank file held in memory.
Bank_Decoding Decode_Bank_File(const File_Bytes& file);

} // namespace cfg::image
