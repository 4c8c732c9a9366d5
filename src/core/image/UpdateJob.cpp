#include "core/image/UpdateJob.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"
#include "core/image/BankFiles.h"

#include <pugixml.hpp>

#include <vector>

namespace cfg::image {
namespace {

// What tells the firmware operation and the three bank operations apart.
struct Operation {
    std::filesystem::path file;
    const char* start_address;
    const char* bank_type;
    const char* write_css;
};

void append_operation(pugi::xml_node operations, const Operation& operation, bool read_back, bool last) {
    pugi::xml_node node = operations.append_child("Operation");
    const auto add = [&](const char* name, std::string_view text) {
        xml::append_text_element(node, name, text);
    };
    add("Ope_Protection_Enabled", "");
    add("Ope_GoToBoot_Before", "0");
    add("Ope_GoToApp_Before", "0");
    add("Ope_IP_Address", "");
    add("Ope_Port", "2008");
    add("Ope_Port_Sec", "2007");
    add("Ope_Erase_Memory", "0");
    add("Ope_FileName", utf8_path(operation.file));
    add("Ope_Start_Address", operation.start_address);
    add("Ope_Memory_Type", "0");
    add("Ope_Bank_Type", operation.bank_type);
    add("Ope_Read_Back", read_back ? "1" : "0");
    add("Ope_Write_CSS", operation.write_css);
    add("Ope_Address_CSS", "0x07A00");
    add("Ope_Command_CSS", "0x02");
    add("Ope_Write_Internal_Data", "0");
    add("Ope_WID_Address", "0x07810");
    add("Ope_WID_Command", "0x02");
    add("Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    // The device restarts into its application after the job's last operation only.
    add("Ope_GoToApp_After", last ? "1" : "0");
}

std::vector<Operation> operations_of(const Update_Job_Folders& folders, int option) {
    if (option < Update_Firmware_And_Configuration || option > Update_Configuration)
        throw ConfigError("The update option " + std::to_string(option) +
                          " is none of the three the update offers.");
    std::vector<Operation> operations;
    if (option != Update_Configuration)
        operations.push_back({folders.Path_Master / Firmware_File_Name, "0x8000", "1", "1"});
    if (option != Update_Firmware) {
        const std::array<std::filesystem::path, 3> banks = Bank_File_Paths(folders.Path_Project);
        operations.push_back({banks[0], "0x07000", "2", "0"});
        operations.push_back({banks[1], "0x80000", "2", "0"});
        operations.push_back({banks[2], "0xA0000", "2", "0"});
    }
    return operations;
}

} // namespace

std::vector<std::filesystem::path> Missing_Job_Files(const Update_Job_Folders& folders, int option) {
    std::vector<std::filesystem::path> missing;
    std::error_code error;
    for (const Operation& operation : operations_of(folders, option))
        if (!std::filesystem::is_regular_file(operation.file, error))
            missing.push_back(operation.file);
    return missing;
}

std::string Update_Job_Bytes(const Update_Job_Folders& folders, std::string_view address, int option,
                             bool read_back) {
    const std::vector<Operation> operations = operations_of(folders, option);
    pugi::xml_document doc;
    // The updater reads the root alone: no declaration and no version comment.
    pugi::xml_node root = xml::start_document(doc, "Ethernet_Update", "");
    xml::append_text_element(root, "Version", "1000");
    xml::append_text_element(root, "Title", "Brimlow - SW52C40 Ethernet Update");
    xml::append_text_element(root, "IP_Address_Dev", address);
    xml::append_text_element(root, "Application_Port", "10000");
    xml::append_text_element(root, "Boot_Port", "2008");
    xml::append_text_element(root, "Boot_Port_Sec", "2007");
    xml::append_text_element(root, "Address_Protection", "0x07800");
    xml::append_text_element(root.append_child("Protections"), "Protection", "0x2F7");
    pugi::xml_node operations_node = root.append_child("Operations");
    for (std::size_t i = 0; i < operations.size(); ++i)
        append_operation(operations_node, operations[i], read_back, i + 1 == operations.size());
    return xml::to_bytes(doc);
}

void Compile_XML_Parameter_New_Boot(const Update_Job_Folders& folders, std::string_view address, int option,
                                    bool read_back) {
    write_file_safely(folders.Path_Data / Update_Job_File_Name,
                      Update_Job_Bytes(folders, address, option, read_back));
}

} // namespace cfg::image
