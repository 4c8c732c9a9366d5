#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace cfg {

// The communication parameters of one configuration, as they go into ParGen.xml. Every value is
// the text the user typed (no trimming, no normalisation of numbers) except the flags. The member
// initialisers are the converter's defaults, used for every value a file does not hold.
struct ParGen_Set {
    std::string Eth_Conn_Device_Name;
    bool Eth_Conn_DHCP_Cable = false;
    // This model has no Wi-Fi: always loaded off and always saved "0".
    bool Eth_Conn_DHCP_WiFi = false;
    bool Eth_Conn_Enable_DNS = false;
    std::string Eth_Conn_Primary_DNS1 = "8";
    std::string Eth_Conn_Primary_DNS2 = "8";
    std::string Eth_Conn_Primary_DNS3 = "8";
    std::string Eth_Conn_Primary_DNS4 = "8";
    std::string Eth_Conn_Secondary_DNS1 = "8";
    std::string Eth_Conn_Secondary_DNS2 = "8";
    std::string Eth_Conn_Secondary_DNS3 = "4";
    std::string Eth_Conn_Secondary_DNS4 = "4";
    // The screen of this model cannot change the RS232 enable nor the RS485 1 port; they pass
    // from the file to the saved file unchanged.
    bool RS232_ENABLE = true;
    std::string RS232_BAUDRATE = "4800";
    std::string RS232_PARITY = "NONE";
    std::string RS232_STOP_BITS = "1 bit";
    bool RS485_1_ENABLE = true;
    std::string RS485_1_BAUDRATE = "4800";
    std::string RS485_1_PARITY = "NONE";
    std::string RS485_1_STOP_BITS = "1 bit";
    std::string EtherCAT_Slave_Revision_Number = "0";
    std::string EtherCAT_Slave_Name = "devicename1";
    std::string EtherCAT_Slave_Node_Address = "1";
    std::string Ethernet_IP1 = "192";
    std::string Ethernet_IP2 = "168";
    std::string Ethernet_IP3 = "0";
    std::string Ethernet_IP4 = "10";
    std::string Ethernet_SM1 = "255";
    std::string Ethernet_SM2 = "255";
    std::string Ethernet_SM3 = "255";
    std::string Ethernet_SM4 = "0";
    std::string Ethernet_GAT1 = "192";
    std::string Ethernet_GAT2 = "168";
    std::string Ethernet_GAT3 = "0";
    std::string Ethernet_GAT4 = "1";
    bool Ethernet_EN_GAT = false;

    friend bool operator==(const ParGen_Set&, const ParGen_Set&) = default;
};

// How a stored text becomes a value: taken as it is, a flag ("1" is on), or one of the serial-port
// choices, normalised to its listed text.
enum class ParGen_Kind { Text, Flag, Baud, Parity, StopBits };

// One key of ParGen.xml: its element name and the member of ParGen_Set that holds it. Exactly one
// of text and flag is set, as the kind says.
struct ParGen_Key {
    const char* name;
    ParGen_Kind kind;
    std::string ParGen_Set::*text;
    bool ParGen_Set::*flag;
};

constexpr std::size_t ParGen_Key_Count = 36;

// The keys in file order. The image compiler and the ESI generator read the file by these names.
const std::array<ParGen_Key, ParGen_Key_Count>& ParGen_Keys();

// The value of a key as it is written to the file: flags as "1" or "0", everything else as held.
std::string ParGen_Value_Text(const ParGen_Set& set, const ParGen_Key& key);

// The value a key takes when the file does not hold it, as file text.
std::string ParGen_Default_Text(const ParGen_Key& key);

} // namespace cfg
