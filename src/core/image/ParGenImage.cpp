#include "core/image/ParGenImage.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/common/Xml.h"
#include "core/ethercat/IdentityNumber.h"
#include "core/image/EepromConfig.h"
#include "core/image/LittleEndian.h"
#include "core/params/ParGenFile.h"
#include "core/params/SerialChoices.h"

#include <algorithm>
#include <array>
#include <string>

namespace cfg::image {
namespace {

// The keys of ParGen.xml as the compiler reads them: each on its own, with its own default.
class Keys {
public:
    explicit Keys(const pugi::xml_node& root) : root_(root) {}

    // The key's text; a missing key reads as the fallback, by default an empty text, which no
    // number and no flag accepts.
    std::string text(const std::string& name, std::string_view fallback = "") const {
        return xml::child_text(root_, name.c_str(), fallback);
    }
    bool flag(const std::string& name) const { return text(name) == "1"; }
    std::int32_t number(const std::string& name, std::int32_t fallback) const {
        return Text_To_Int(text(name), fallback);
    }
    std::uint8_t byte(const std::string& name, std::int32_t fallback) const {
        return static_cast<std::uint8_t>(number(name, fallback));
    }

    // The four keys prefix1 .. prefix4, each a byte.
    std::array<std::uint8_t, 4> octets(const std::string& prefix, const std::array<int, 4>& fallbacks) const {
        std::array<std::uint8_t, 4> octets{};
        for (std::size_t i = 0; i < 4; ++i)
            octets[i] = byte(prefix + std::to_string(i + 1), fallbacks[i]);
        return octets;
    }

    // Read with 64-bit limits so every revision number the parameter check accepts arrives whole.
    std::uint32_t identity(const std::string& name) const {
        return ethercat::read_identity_u32(text(name), 0);
    }

private:
    pugi::xml_node root_;
};

void put_octets(Parameter_Block& block, std::size_t offset, const std::array<std::uint8_t, 4>& octets) {
    std::copy(octets.begin(), octets.end(), block.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::uint8_t read_serial_port(const Keys& keys, Parameter_Block& block) {
    // The RS232 port is on whatever RS232_ENABLE says, and this model has no RS485 port at all,
    // so neither enable key changes the mask.
    const std::uint8_t mask = Serial_RS232_Bit;
    put_u32(block, Offset_RS232_Baud_Rate, static_cast<std::uint32_t>(keys.number("RS232_BAUDRATE", 4800)));
    block[Offset_RS232_Parity] = static_cast<std::uint8_t>(Parity_to_Index(keys.text("RS232_PARITY")));
    block[Offset_RS232_Stop_Bits] =
        static_cast<std::uint8_t>(StopBits_to_Index(keys.text("RS232_STOP_BITS")) + 1);
    block[Offset_Serial_Port_Mask] = mask;
    return mask;
}

void read_network(const Keys& keys, Parameter_Block& block) {
    // The device keeps one byte per UTF-16 code unit: the low 8 bits of the first 31.
    const std::string name = utf16_low_bytes(keys.text("Eth_Conn_Device_Name"));
    std::copy_n(name.begin(), std::min(name.size(), Device_Name_Size - 1),
                block.begin() + static_cast<std::ptrdiff_t>(Offset_Device_Name));

    std::uint16_t dhcp = 0;
    if (keys.flag("Eth_Conn_DHCP_Cable"))
        dhcp |= DHCP_Cable_Bit;
    if (keys.flag("Eth_Conn_DHCP_WiFi"))
        dhcp |= DHCP_WiFi_Bit;
    put_u16(block, Offset_DHCP_Flags, dhcp);

    if (keys.flag("Eth_Conn_Enable_DNS")) {
        put_octets(block, Offset_Primary_DNS, keys.octets("Eth_Conn_Primary_DNS", {8, 8, 8, 8}));
        put_octets(block, Offset_Secondary_DNS, keys.octets("Eth_Conn_Secondary_DNS", {8, 8, 4, 4}));
    }

    put_octets(block, Offset_IP_Address, keys.octets("Ethernet_IP", {192, 168, 0, 10}));
    put_octets(block, Offset_Subnet_Mask, keys.octets("Ethernet_SM", {255, 255, 255, 0}));
    std::array<std::uint8_t, 4> gateway = keys.octets("Ethernet_GAT", {192, 168, 0, 1});
    if (!keys.flag("Ethernet_EN_GAT"))
        gateway.fill(255);
    put_octets(block, Offset_Gateway, gateway);
}

void read_identity(const Keys& keys, EtherCAT_Header& header) {
    // Only a missing key takes the default text; an empty one gives fourteen zero bytes.
    header.eeprom_config =
        Eeprom_Config_Bytes(keys.text("EtherCAT_Slave_Eeprom_Config", Default_Eeprom_Config));
    header.vendor_id = keys.identity("EtherCAT_Slave_Vendor_ID");
    header.product_code = keys.identity("EtherCAT_Slave_Product_Code");
    header.revision_number = keys.identity("EtherCAT_Slave_Revision_Number");
    header.serial_number = keys.identity("EtherCAT_Slave_Serial_Number");
    header.node_address = static_cast<std::uint16_t>(keys.number("EtherCAT_Slave_Node_Address", 1));
}

} // namespace

std::uint8_t Read_ParGen_Image(const File_Bytes& File_ParGen, Parameter_Block& block,
                               EtherCAT_Header& header) {
    pugi::xml_document doc;
    xml::load(doc, File_ParGen);
    const Keys keys(xml::required_root(doc, ParGen_Root, File_ParGen.name));
    const std::uint8_t mask = read_serial_port(keys, block);
    read_network(keys, block);
    read_identity(keys, header);
    return mask;
}

} // namespace cfg::image
