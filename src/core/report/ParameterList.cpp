#include "core/report/ParameterList.h"

#include "core/lang/ParameterTexts.h"
#include "core/report/ReportTexts.h"

namespace cfg::report {
namespace {

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
        {caption(1, parameter_text::Ethernet_Connection),
         {{"Eth_Conn_Device_Name", texts[parameter_text::Device_Name], set.Eth_Conn_Device_Name},
          {"Eth_Conn_DHCP_Cable", texts[parameter_text::DHCP_Cable], flag(set.Eth_Conn_DHCP_Cable)},
          {"Eth_Conn_DHCP_WiFi", texts[parameter_text::DHCP_WiFi], flag(set.Eth_Conn_DHCP_WiFi)},
          {"Eth_Conn_Enable_DNS", texts[parameter_text::Enable_DNS], flag(set.Eth_Conn_Enable_DNS)},
          {"Eth_Conn_Primary_DNS", texts[parameter_text::Primary_DNS],
           dotted(set.Eth_Conn_Primary_DNS1, set.Eth_Conn_Primary_DNS2, set.Eth_Conn_Primary_DNS3,
                  set.Eth_Conn_Primary_DNS4)},
          {"Eth_Conn_Secondary_DNS", texts[parameter_text::Secondary_DNS],
           dotted(set.Eth_Conn_Secondary_DNS1, set.Eth_Conn_Secondary_DNS2, set.Eth_Conn_Secondary_DNS3,
                  set.Eth_Conn_Secondary_DNS4)}}},
        {caption(2, parameter_text::EtherCAT_Slave),
         {{"EtherCAT_Slave_Revision_Number", texts[parameter_text::Revision_Number],
           set.EtherCAT_Slave_Revision_Number},
          {"EtherCAT_Slave_Name", texts[parameter_text::Slave_Name], set.EtherCAT_Slave_Name},
          {"EtherCAT_Slave_Node_Address", texts[parameter_text::Node_Address],
           set.EtherCAT_Slave_Node_Address}}},
        {caption(3, parameter_text::Ethernet),
         {{"Ethernet_IP", texts[parameter_text::IP_Address],
           dotted(set.Ethernet_IP1, set.Ethernet_IP2, set.Ethernet_IP3, set.Ethernet_IP4)},
          {"Ethernet_SM", texts[parameter_text::Subnet_Mask],
           dotted(set.Ethernet_SM1, set.Ethernet_SM2, set.Ethernet_SM3, set.Ethernet_SM4)},
          {"Ethernet_EN_GAT", texts[text::Use_Gateway], flag(set.Ethernet_EN_GAT)},
          {"Ethernet_GAT", texts[parameter_text::Gateway],
           dotted(set.Ethernet_GAT1, set.Ethernet_GAT2, set.Ethernet_GAT3, set.Ethernet_GAT4)}}},
        {caption(4, parameter_text::Serial),
         {{"RS232_BAUDRATE", texts[parameter_text::Baudrate], set.RS232_BAUDRATE},
          {"RS232_PARITY", texts[parameter_text::Parity], set.RS232_PARITY},
          {"RS232_STOP_BITS", texts[parameter_text::Stop_Bits], set.RS232_STOP_BITS}}},
        {"",
         {unseen("RS232_ENABLE", flag(set.RS232_ENABLE)), unseen("RS485_1_ENABLE", flag(set.RS485_1_ENABLE)),
          unseen("RS485_1_BAUDRATE", set.RS485_1_BAUDRATE), unseen("RS485_1_PARITY", set.RS485_1_PARITY),
          unseen("RS485_1_STOP_BITS", set.RS485_1_STOP_BITS)}},
    };
}

} // namespace cfg::report
