#include "ImageTestFiles.h"

namespace cfg::image::test {
namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + escaped(value) + "\"";
}

} // namespace

std::string Listener_Row::xml() const {
    return "<row" + attribute("Enable", Enable) + attribute("Serial_Channel", Serial_Channel) +
           attribute("Sentence", Sentence) + attribute("Index", Index) + attribute("DataField", DataField) +
           attribute("PortOperation", PortOperation) + attribute("SwapAll", SwapAll) +
           attribute("Swap16", Swap16) + attribute("Position", Position) + attribute("Mnemonic", "") + "/>";
}

std::string Variable_Row::xml() const {
    return "<row" + attribute("Enable", Enable) + attribute("Type", Type) + attribute("Length", Length) +
           attribute("Name", Name) + attribute("InitValue", InitValue) + attribute("Position", "0") +
           attribute("BitStart", "0") + attribute("Mnemonic", "") + "/>";
}

void Configuration::par_gen(const std::string& children) const {
    write("ParGen.xml", "<Par_Gen>" + children + "</Par_Gen><!--SW_VERSION = 1.000-->");
}

void Configuration::listener(const std::vector<Listener_Row>& rows) const {
    std::string content = "<NMEA_0183><NMEA_Listener>";
    for (const Listener_Row& row : rows)
        content += row.xml();
    write("NMEA_0183_Set_Access.xml", content + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->");
}

void Configuration::variables(const std::vector<Variable_Row>& rows) const {
    std::string content = "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>";
    for (const Variable_Row& row : rows)
        content += row.xml();
    write("EtherCAT_Slave.xml", content +
                                    "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/>"
                                    "</EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->");
}

void Configuration::write(const char* name, const std::string& content) const {
    cfg::test::write_bytes(dir_ / name, content);
}

Configuration_Files Configuration::files() const {
    return {dir_ / "ParGen.xml", dir_ / "NMEA_0183_Set_Access.xml", dir_ / "EtherCAT_Slave.xml"};
}

std::string key(const std::string& name, const std::string& text) {
    return "<" + name + ">" + escaped(text) + "</" + name + ">";
}

std::vector<std::uint8_t>
bank_with(std::size_t size,
          std::initializer_list<std::pair<std::size_t, std::vector<std::uint8_t>>> patches) {
    std::vector<std::uint8_t> bank(size, 0);
    for (const auto& [offset, bytes] : patches) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bank.at(offset + i) = bytes[i];
    }
    return bank;
}

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bank, std::size_t offset, std::size_t size) {
    return {bank.begin() + static_cast<std::ptrdiff_t>(offset),
            bank.begin() + static_cast<std::ptrdiff_t>(offset + size)};
}

} // namespace cfg::image::test
