#include "ui/params/ParGenGroups.h"

#include "core/params/SerialChoices.h"

#include <string_view>

namespace ui {
namespace {

using K = Row_Kind;

// Lists of the sibling models' groups.
constexpr std::array<std::string_view, 3> Modbus_Serial_Texts{"RS232", "RS485 / RS422", "RS485 2"};
constexpr std::array<std::string_view, 3> QoS_Texts{"0", "1", "2"};

constexpr Row_Design Ethernet_Connection_Rows[] = {
    {K::Edit, "E_EthConn_Device_Name", 1122, 1123},    {K::Check, "CB_EthConn_En_DHCP_Cable", 1124, 1125},
    {K::Check, "CB_EthConn_En_DHCP_WiFi", 1126, 1127}, {K::Check, "CB_EthConn_Enable_DNS", 1128, 1129},
    {K::Octets, "E_EthConn_Pri_DNS_IP", 1130, 1131},   {K::Octets, "E_EthConn_Sec_DNS_IP", 1135, 1136},
};

constexpr Row_Design EtherCAT_Slave_Rows[] = {
    {K::Edit, "E_EtherCAT_Slave_Revision_Number", 1141, 1142},
    {K::Edit, "E_EtherCAT_Slave_Name", 1143, 1144},
    {K::Edit, "E_EtherCAT_Slave_Node_Address", 1145, 1146},
};

constexpr Row_Design Ethernet_Rows[] = {
    {K::Octets, "E_Ethernet_IP", 518, 519},
    {K::Octets, "E_Ethernet_SM", 523, 524},
    {K::Check_Octets, "CB_Ethernet_En_GAT", 528, 529, {}, "E_Ethernet_GAT", 530},
    {K::Edit, "E_Ethernet_TCP_Port", 540, 541},
    {K::Edit, "E_Ethernet_UDP_Port", 542, 543},
};

constexpr Row_Design RS232_Rows[] = {
    {K::Check, "CB_RS232_Enable", 428, 432},
    {K::Choice, "CB_RS232_Baud", 429, 433, cfg::Baud_Texts},
    {K::Choice, "CB_RS232_Parity", 430, 434, cfg::Parity_Texts},
    {K::Choice, "CB_RS232_Stop_Bits", 431, 435, cfg::StopBits_Texts},
};

constexpr Row_Design PROFINET_Rows[] = {
    {K::Octets, "E_PROFINET_IP", 407, 412},
    {K::Octets, "E_PROFINET_SM", 408, 416},
    {K::Check_Octets, "CB_PROFINET_En_GAT", 409, 424, {}, "E_PROFINET_GAT", 420},
    {K::Edit, "E_PROFINET_Name_Station", 410, 425},
    {K::Edit, "E_PROFINET_Number_Bytes", 411, 426},
};

constexpr Row_Design RS485_1_Rows[] = {
    {K::Check, "CB_RS485_1_Enable", 437, 441},
    {K::Choice, "CB_RS485_1_Baud", 438, 442, cfg::Baud_Texts},
    {K::Choice, "CB_RS485_1_Parity", 439, 443, cfg::Parity_Texts},
    {K::Choice, "CB_RS485_1_Stop_Bits", 440, 444, cfg::StopBits_Texts},
};

constexpr Row_Design RS485_2_Rows[] = {
    {K::Check, "CB_RS485_2_Enable", 446, 450},
    {K::Choice, "CB_RS485_2_Baud", 447, 451, cfg::Baud_Texts},
    {K::Choice, "CB_RS485_2_Parity", 448, 452, cfg::Parity_Texts},
    {K::Choice, "CB_RS485_2_Stop_Bits", 449, 453, cfg::StopBits_Texts},
};

constexpr Row_Design Modbus_TCP_Slave_Rows[] = {
    {K::Octets, "E_ModbusTCP_IP", 471, 472},
    {K::Octets, "E_ModbusTCP_SM", 476, 477},
    {K::Check_Octets, "CB_ModbusTCP_En_GAT", 481, 482, {}, "E_ModbusTCP_GAT", 483},
    {K::Edit, "E_ModbusTCP_Port", 487, 488},
};

constexpr Row_Design Modbus_Slave_Rows[] = {
    {K::Choice, "CB_ModbusSlave_Serial", 503, 504, Modbus_Serial_Texts},
    {K::Choice, "CB_ModbusSlave_Baud", 505, 506, cfg::Baud_Texts},
    {K::Choice, "CB_ModbusSlave_Parity", 507, 508, cfg::Parity_Texts},
    {K::Choice, "CB_ModbusSlave_Stop_Bits", 509, 510, cfg::StopBits_Texts},
    {K::Edit, "E_ModbusSlave_ID_Device", 511, 512},
    {K::Check, "CB_ModbusSlave_Read_Input", 513, 514},
};

constexpr Row_Design MQTT_Rows[] = {
    {K::Edit, "E_MQTT_Server_URL", 563, 564},      {K::Edit, "E_MQTT_Server_Port", 565, 566},
    {K::Edit, "E_MQTT_Client_ID", 567, 568},       {K::Edit, "E_MQTT_Keep_Alive", 569, 570},
    {K::Check, "CB_MQTT_Clean_Session", 571, 572}, {K::Check, "CB_MQTT_WillFlag", 573, 574},
    {K::Edit, "E_MQTT_Will_Topic", 575, 576},      {K::Edit, "E_MQTT_Will_Message", 577, 578},
    {K::Check, "CB_MQTT_Will_Retained", 579, 580}, {K::Choice, "CB_MQTT_Will_QoS", 581, 582, QoS_Texts},
    {K::Edit, "E_MQTT_Username", 583, 584},        {K::Edit, "E_MQTT_Password", 585, 586},
    {K::Edit, "E_MQTT_Send_Time", 587, 588},
};

constexpr Row_Design TLS_Rows[] = {
    {K::Check, "CB_TLS_Enable", 1101, 1102},
    {K::Check, "CB_TLS_En_Server_Auth", 1103, 1104},
    {K::Edit, "E_TLS_Server_Certificate", 1105, 1106},
    {K::Check, "CB_TLS_En_Client_Auth", 1107, 1108},
    {K::Edit, "E_TLS_Client_Certificate", 1109, 1110},
    {K::Edit, "E_TLS_Client_Key", 1111, 1112},
    {K::Edit, "E_TLS_Client_Key_Password", 1113, 1114},
};

constexpr Row_Design NTP_Rows[] = {
    {K::Edit, "E_NTP_Server_URL", 1116, 1117},
    {K::Edit, "E_NTP_Poll_Time", 1118, 1119},
};

} // namespace

const std::array<Group_Design, Group_Count>& ParGen_Groups() {
    static const std::array<Group_Design, Group_Count> groups{{
        {Group_Id::Ethernet_Connection, "CP_Ethernet_Connection", 1121, Ethernet_Connection_Rows},
        {Group_Id::EtherCAT_Slave, "CP_EtherCAT_Slave", 1140, EtherCAT_Slave_Rows},
        {Group_Id::Ethernet, "CP_Ethernet", 517, Ethernet_Rows},
        {Group_Id::RS232, "CP_RS232", 589, RS232_Rows},
        {Group_Id::PROFINET, "CP_PROFINET", 406, PROFINET_Rows},
        {Group_Id::RS485_1, "CP_RS485_1", 436, RS485_1_Rows},
        {Group_Id::RS485_2, "CP_RS485_2", 445, RS485_2_Rows},
        {Group_Id::Modbus_TCP_Slave, "CP_Modbus_TCP_Slave", 470, Modbus_TCP_Slave_Rows},
        {Group_Id::Modbus_Slave, "CP_Modbus_Slave", 502, Modbus_Slave_Rows},
        {Group_Id::MQTT, "CP_MQTT", 562, MQTT_Rows},
        {Group_Id::TLS, "CP_TLS", 1100, TLS_Rows},
        {Group_Id::NTP, "CP_NTP", 1115, NTP_Rows},
    }};
    return groups;
}

} // namespace ui
