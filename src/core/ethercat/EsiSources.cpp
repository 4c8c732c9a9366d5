#include "core/ethercat/EsiSources.h"

#include "core/common/ParGenRoot.h"
#include "core/common/TextToInt.h"
#include "core/common/Xml.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/IdentityNumber.h"
#include "core/ethercat/ProcessImagePacker.h"

#include <pugixml.hpp>

namespace cfg::ethercat {
namespace {

void load_identity(const File_Bytes& file, ESI_Sources& sources) {
    pugi::xml_document doc;
    xml::load(doc, file);
    const pugi::xml_node root = xml::required_root(doc, ParGen_Root, file.name);
    sources.ESI_Revision_Number = read_identity_u32(
        xml::child_text(root, "EtherCAT_Slave_Revision_Number", ""), sources.ESI_Revision_Number);
    sources.ESI_Device_Name = xml::child_text(root, "EtherCAT_Slave_Name", sources.ESI_Device_Name);
    sources.ESI_Node_Address = static_cast<std::uint16_t>(
        Text_To_Int(xml::child_text(root, "EtherCAT_Slave_Node_Address", ""), 1) & 0xFFFF);
}

// The enabled rows of the table, in document order; the packer gets the bytes they take in the image.
std::vector<TEtherCAT_Rule> load_entries(const pugi::xml_node& rows, ProcessImagePacker& packer) {
    std::vector<TEtherCAT_Rule> entries;
    For_Each_Variable_Row(rows, [&](int, const pugi::xml_node& row) {
        if (xml::attribute_text(row, "Enable", "") != "Y")
            return;
        const std::int32_t length = Text_To_Int(xml::attribute_text(row, "Length", ""), 0);
        ESI_Type type = ESI_Data_Type(xml::attribute_text(row, "Type", ""), length);
        if (type.DataType == "BIT")
            packer.add_bit();
        else
            packer.add_bytes(length);
        entries.push_back({std::move(type.DataType), type.bits, xml::attribute_text(row, "Name", "")});
    });
    return entries;
}

void load_variables(const File_Bytes& file, ESI_Sources& sources) {
    pugi::xml_document doc;
    xml::load(doc, file);
    const pugi::xml_node variables = xml::required_child(
        xml::required_root(doc, EtherCAT_Slave_Root, file.name), "EtherCAT_Slave_Variables", file.name);
    ProcessImagePacker inputs;
    sources.ESI_Inputs =
        load_entries(xml::required_child(variables, "EtherCAT_Slave_To_Master", file.name), inputs);
    sources.ESI_Inputs_Size = inputs.size();
    ProcessImagePacker outputs; // the outputs' size places nothing
    sources.ESI_Outputs =
        load_entries(xml::required_child(variables, "EtherCAT_Master_To_Slave", file.name), outputs);
}

} // namespace

ESI_Sources Load_ESI_Sources(const std::filesystem::path& file_pargen,
                             const std::filesystem::path& file_ethercat_slave) {
    const std::optional<std::string> pargen = xml::read_file(file_pargen);
    const std::optional<std::string> ethercat_slave = xml::read_file(file_ethercat_slave);
    return Load_ESI_Sources(file_bytes_of(file_pargen, pargen),
                            file_bytes_of(file_ethercat_slave, ethercat_slave));
}

ESI_Sources Load_ESI_Sources(const std::optional<File_Bytes>& file_pargen,
                             const std::optional<File_Bytes>& file_ethercat_slave) {
    ESI_Sources sources;
    if (file_pargen)
        load_identity(*file_pargen, sources);
    if (file_ethercat_slave)
        load_variables(*file_ethercat_slave, sources);
    return sources;
}

} // namespace cfg::ethercat
