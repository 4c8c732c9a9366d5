#include "core/image/EtherCATImage.h"

#include "core/common/ConfigError.h"
#include "core/common/TextToInt.h"
#include "core/common/Xml.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/InitValue.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTypeCode.h"
#include "core/image/ImageLayout.h"

#include <string>

namespace cfg::image {
namespace {

static_assert(ethercat::Variable_Rows <= EtherCAT_Record_Count,
              "bank3 holds every row of the variable table");

[[noreturn]] void fail(const File_Bytes& file, const std::string& reason) {
    throw ConfigError("The file \"" + file.name + "\" " + reason);
}

TEtherCAT_pd record_of(const pugi::xml_node& row, std::uint32_t subindex, std::uint32_t ethercat_offset) {
    const ethercat::Variable_Type_Code type = ethercat::Type_Code_Of(xml::attribute_text(row, "Type", ""));
    TEtherCAT_pd record;
    record.Data_Type = type.code;
    record.length = type.size > 0
                        ? type.size
                        : static_cast<std::uint8_t>(Text_To_Int(xml::attribute_text(row, "Length", ""), 1));
    record.access = 1;
    record.subindex = subindex;
    record.ethercat_offset = ethercat_offset;
    record.init_value = ethercat::Init_Value_Bytes(type.code, xml::attribute_text(row, "InitValue", ""));
    record.name = xml::attribute_text(row, "Name", "");
    record.name_length = static_cast<std::uint32_t>(record.name.size());
    return record;
}

} // namespace

std::vector<TEtherCAT_pd> Read_EtherCAT_Image(const File_Bytes& File_EtherCAT_Slave, std::uint32_t base) {
    std::vector<TEtherCAT_pd> records;
    pugi::xml_document doc;
    xml::load(doc, File_EtherCAT_Slave);
    const pugi::xml_node variables =
        xml::required_child(xml::required_root(doc, ethercat::EtherCAT_Slave_Root, File_EtherCAT_Slave.name),
                            "EtherCAT_Slave_Variables", File_EtherCAT_Slave.name);
    const pugi::xml_node rows =
        xml::required_child(variables, "EtherCAT_Slave_To_Master", File_EtherCAT_Slave.name);

    std::uint32_t ethercat_offset = 0;
    std::size_t next_name = First_Name_Offset; // from the start of bank3
    ethercat::For_Each_Variable_Row(rows, [&](int, const pugi::xml_node& row) {
        if (xml::attribute_text(row, "Enable", "") != "Y")
            return;
        TEtherCAT_pd record = record_of(row, static_cast<std::uint32_t>(records.size()), ethercat_offset);
        ethercat_offset += record.length;
        if (record.name_length == 0) {
            record.name_add = base + static_cast<std::uint32_t>(Empty_Name_Offset);
        } else {
            // The buffer bounds the whole bank, names and their closing 0 bytes included.
            if (next_name + record.name_length + 1 > Bank3_Limit)
                fail(File_EtherCAT_Slave, "has variable names that take bank3 beyond its limit of " +
                                              std::to_string(Bank3_Limit) + " bytes.");
            record.name_add = base + static_cast<std::uint32_t>(next_name);
            next_name += record.name_length + 1;
        }
        records.push_back(std::move(record));
    });
    return records;
}

} // namespace cfg::image
