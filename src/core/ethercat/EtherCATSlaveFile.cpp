#include "core/ethercat/EtherCATSlaveFile.h"

#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/common/Xml.h"
#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"

#include <pugixml.hpp>

#include <vector>

namespace cfg::ethercat {
namespace {

constexpr const char* File_Version = "1.000";

struct Attribute_Column {
    const char* attribute;
    int column;
};

// The attributes after Enable and Type, in file order, with the cells they come from.
std::vector<Attribute_Column> value_attributes(bool SlaveMaster) {
    const Variable_Columns columns = variable_columns(SlaveMaster);
    std::vector<Attribute_Column> attributes{{"Length", VariableColumn::Length},
                                             {"Name", VariableColumn::Name}};
    if (columns.init_value >= 0)
        attributes.push_back({"InitValue", columns.init_value});
    attributes.push_back({"Position", columns.position});
    attributes.push_back({"BitStart", columns.bit_start});
    attributes.push_back({"Mnemonic", columns.mnemonic});
    return attributes;
}

// Fills the table from the element's rows; returns how many rows it leaves out.
int load_rows(const pugi::xml_node& rows, Table& table, bool SlaveMaster) {
    const std::vector<Attribute_Column> attributes = value_attributes(SlaveMaster);
    // Enable and Type, then the value attributes: the order a saved row keeps.
    std::vector<const char*> names{"Enable", "Type"};
    for (const Attribute_Column& attribute : attributes)
        names.push_back(attribute.attribute);
    std::vector<const char*> values(names.size());
    return For_Each_Variable_Row(rows, [&](int row, const pugi::xml_node& element) {
        xml::find_attributes(element, names, values);
        table.set_check_box(row, VariableColumn::Enable, xml::attribute_or(values[0], "") != "N");
        const std::string type = xml::attribute_or(values[1], "");
        table.set_text(row, VariableColumn::Type, type);
        // The type's length first, so a stored Length wins and a missing one empties the cell.
        VarSetLength(table, type, row);
        for (std::size_t a = 0; a < attributes.size(); ++a)
            table.set_text(row, attributes[a].column, xml::attribute_or(values[a + 2], ""));
    });
}

void save_rows(pugi::xml_node rows, const Table& table, bool SlaveMaster) {
    const std::vector<Attribute_Column> attributes = value_attributes(SlaveMaster);
    const int used = used_row_count(table);
    for (int row = 1; row <= used; ++row) {
        pugi::xml_node element = rows.append_child("row");
        element.append_attribute("Enable").set_value(table.is_checked(row, VariableColumn::Enable) ? "Y"
                                                                                                   : "N");
        element.append_attribute("Type").set_value(table.text(row, VariableColumn::Type).c_str());
        for (const Attribute_Column& attribute : attributes)
            element.append_attribute(attribute.attribute)
                .set_value(table.text(row, attribute.column).c_str());
    }
}

// The tables filled from the document's rows (none for an empty document) and laid out.
EtherCAT_Tables tables_of(const pugi::xml_document& doc) {
    EtherCAT_Tables tables{make_variable_table(true), make_variable_table(false)};
    const pugi::xml_node variables = xml::root_element(doc).child("EtherCAT_Slave_Variables");
    tables.rows_left_out =
        load_rows(variables.child("EtherCAT_Slave_To_Master"), tables.slave_to_master, true) +
        load_rows(variables.child("EtherCAT_Master_To_Slave"), tables.master_to_slave, false);
    Calc_Position_Bit(tables.slave_to_master, true);
    Calc_Position_Bit(tables.master_to_slave, false);
    return tables;
}

} // namespace

int For_Each_Variable_Row(const pugi::xml_node& table,
                          const std::function<void(int row, const pugi::xml_node& element)>& visit) {
    return xml::for_each_row(table, "row", Variable_Rows, visit);
}

EtherCAT_Tables Load_EtherCAT_Slave(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = xml::read_file(file);
    return bytes ? Load_EtherCAT_Slave(File_Bytes{utf8_path(file), *bytes}) : tables_of(pugi::xml_document());
}

EtherCAT_Tables Load_EtherCAT_Slave(const File_Bytes& file) {
    pugi::xml_document doc;
    xml::load(doc, file);
    xml::required_root(doc, EtherCAT_Slave_Root, file.name);
    return tables_of(doc);
}

std::string EtherCAT_Slave_Bytes(const Table& slave_to_master) {
    pugi::xml_document doc;
    pugi::xml_node root = xml::start_document(doc, EtherCAT_Slave_Root, File_Version);
    pugi::xml_node variables = root.append_child("EtherCAT_Slave_Variables");
    save_rows(variables.append_child("EtherCAT_Slave_To_Master"), slave_to_master, true);
    variables.append_child("EtherCAT_Master_To_Slave");
    return xml::to_bytes(doc);
}

void Save_EtherCAT_Slave(const Table& slave_to_master, const std::filesystem::path& file) {
    write_file_safely(file, EtherCAT_Slave_Bytes(slave_to_master));
}

} // namespace cfg::ethercat
