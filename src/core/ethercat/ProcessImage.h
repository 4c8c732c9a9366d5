#pragma once

#include "core/common/Table.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cfg::ethercat {

// Where the variable of one used row lies in its direction's process-data image.
struct Variable_Place {
    int row = 0;
    bool enabled = true; // a disabled row takes no place: position and bit stay 0
    std::string Type;
    std::string Name;
    std::int64_t position = 0; // the first byte
    int bit = 0;               // a "Bool": its bit in the byte at position
    std::int64_t size = 0;     // bytes; 0 for a "Bool", which takes one bit
    bool is_bit = false;       // an enabled "Bool"

    bool operator==(const Variable_Place&) const = default;
};

struct Process_Image {
    std::vector<Variable_Place> places; // every used row, in row order
    std::int64_t size = 0;              // bytes, an open "Bool" byte counted whole

    bool operator==(const Process_Image&) const = default;
};

// The packing of the used rows of a variable table (either column order: Enable, Type and Length
// stand at the same place in both). A string's Length that is not decimal adds nothing; a negative
// one is added as it stands, as the screen does until its check refuses it.
Process_Image Process_Image_Layout(const Table& table);

// The Slave To Master image of an EtherCAT_Slave.xml as the variable screen would lay it out; an
// empty image when there is no file. Raises ConfigError when the file cannot be read.
Process_Image Process_Image_Of_File(const std::filesystem::path& file);

} // namespace cfg::ethercat
