#include "core/report/ParameterList.h"

#include "core/report/ReportTexts.h"

namespace cfg::report {
namespace {

// Captions of the parameter screen's groups and labels.
enum : int {
    Ethernet_Connection = 1121,
    Device_Name = 1122,
    DHCP_Cable = 1124,
    DHCP_WiFi = 1126,
    Enable_DNS = 1128,
    Primary_DNS = 1130,
    Secondary_DNS = 1135,
    EtherCAT_Slave = 1140,
    Revision_Number = 1141,
    Slave_Name = 1143,
    Node_Address = 1145,
    Ethernet = 517,
    IP_Address = 518,
    Subnet_Mask = 523,
    Gateway = 528,
    Serial = 589,
    Baudrate = 429,
    Parity = 430,
    Stop_Bits = 431,
};

std::string dotted(const std::string& a, const std::string& b, const std::string& c, const std::string& d) {
    return a + "." + b + "." + c + "." + d;
}

} // namespace

std::vector<Parameter_Group> Parameter_Groups(const ParGen_Set& set, const Lang_Strings& texts) {
    const auto flag = [&](bool on) { return texts[on ? text::Yes : text::No]; };
    const auto caption = [&](int number, int caption_text) {
        return std::to_string(number) + ". " + texts[caption_text];
    };
    const auto unseen = [](const char* key, std::string value) {
        return Parameter_Entry{key, key, std::move(value)};
    };
    return {
        {caption(1, Ethernet_Connection),
         {{"Eth_Conn_Device_Name", texts[Device_Name], set.Eth_Conn_Device_Name},
          {"Eth_Conn_DHCP_Cable", texts[DHCP_Cable], flag(set.Eth_Conn_DHCP_Cable)},
          {"Eth_Conn_DHCP_WiFi", texts[DHCP_WiFi], flag(set.Eth_Conn_DHCP_WiFi)},
          {"Eth_Conn_Enable_DNS", texts[Enable_DNS], flag(set.Eth_Conn_Enable_DNS)},
          {"Eth_Conn_Primary_DNS", texts[Primary_DNS],
           dotted(set.Eth_Conn_Primary_DNS1, set.Eth_Conn_Primary_DNS2, set.Eth_Conn_Primary_DNS3,
                  set.Eth_Conn_Primary_DNS4)},
          {"Eth_Conn_Secondary_DNS", texts[Secondary_DNS],
           dotted(set.Eth_Conn_Secondary_DNS1, set.Eth_Conn_Secondary_DNS2, set.Eth_Conn_Secondary_DNS3,
                  set.Eth_Conn_Secondary_DNS4)}}},
        {caption(2, EtherCAT_Slave),
         {{"EtherCAT_Slave_Revision_Number", texts[Revision_Number], set.EtherCAT_Slave_Revision_Number},
          {"EtherCAT_Slave_Name", texts[Slave_Name], set.EtherCAT_Slave_Name},
          {"EtherCAT_Slave_Node_Address", texts[Node_Address], set.EtherCAT_Slave_Node_Address}}},
        {caption(3, Ethernet),
         {{"Ethernet_IP", texts[IP_Address],
           dotted(set.Ethernet_IP1, set.Ethernet_IP2, set.Ethernet_IP3, set.Ethernet_IP4)},
          {"Ethernet_SM", texts[Subnet_Mask],
           dotted(set.Ethernet_SM1, set.Ethernet_SM2, set.Ethernet_SM3, set.Ethernet_SM4)},
          {"Ethernet_EN_GAT", texts[text::Use_Gateway], flag(set.Ethernet_EN_GAT)},
          {"Ethernet_GAT", texts[Gateway],
           dotted(set.Ethernet_GAT1, set.Ethernet_GAT2, set.Ethernet_GAT3, set.Ethernet_GAT4)}}},
        {caption(4, Serial),
         {{"RS232_BAUDRATE", texts[Baudrate], set.RS232_BAUDRATE},
          {"RS232_PARITY", texts[Parity], set.RS232_PARITY},
          {"RS232_STOP_BITS", texts[Stop_Bits], set.RS232_STOP_BITS}}},
        {"",
         {unseen("RS232_ENABLE", flag(set.RS232_ENABLE)), unseen("RS485_1_ENABLE", flag(set.RS485_1_ENABLE)),
          unseen("RS485_1_BAUDRATE", set.RS485_1_BAUDRATE), unseen("RS485_1_PARITY", set.RS485_1_PARITY),
          unseen("RS485_1_STOP_BITS", set.RS485_1_STOP_BITS)}},
    };
}

} // namespace cfg::report
