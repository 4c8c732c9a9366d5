#include "core/ethercat/ProcessImage.h"

#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/LengthText.h"
#include "core/ethercat/ProcessImagePacker.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

namespace cfg::ethercat {

Process_Image Process_Image_Layout(const Table& table) {
    Process_Image image;
    ProcessImagePacker packer;
    const int used = used_row_count(table);
    for (int row = 1; row <= used; ++row) {
        Variable_Place place;
        place.row = row;
        place.enabled = table.is_checked(row, VariableColumn::Enable);
        place.Type = table.text(row, VariableColumn::Type);
        place.Name = table.text(row, VariableColumn::Name);
        if (place.enabled && place.Type == "Bool") {
            const ProcessImagePacker::Place bit = packer.add_bit();
            place.position = bit.position;
            place.bit = bit.bit;
            place.is_bit = true;
        } else if (place.enabled) {
            const int fixed = fixed_type_size(place.Type);
            place.size = fixed > 0 ? fixed : decimal_length(table.text(row, VariableColumn::Length));
            place.position = packer.add_bytes(place.size);
        }
        image.places.push_back(std::move(place));
    }
    image.size = packer.size();
    return image;
}

Process_Image Process_Image_Of_File(const std::filesystem::path& file) {
    return Process_Image_Layout(Load_EtherCAT_Slave(file).slave_to_master);
}

} // namespace cfg::ethercat
