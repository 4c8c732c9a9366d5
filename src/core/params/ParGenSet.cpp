#include "core/params/ParGenSet.h"

namespace cfg {
namespace {

constexpr ParGen_Key text_key(const char* name, std::string ParGen_Set::*member,
                              ParGen_Kind kind = ParGen_Kind::Text) {
    return {name, kind, member, nullptr};
}

constexpr ParGen_Key flag_key(const char* name, bool ParGen_Set::*member) {
    return {name, ParGen_Kind::Flag, nullptr, member};
}

// Element names equal the member names; the macros keep the two from drifting apart.
#define PARGEN_TEXT(member) text_key(#member, &ParGen_Set::member)
#define PARGEN_CHOICE(member, kind) text_key(#member, &ParGen_Set::member, ParGen_Kind::kind)
#define PARGEN_FLAG(member) flag_key(#member, &ParGen_Set::member)

constexpr std::array<ParGen_Key, ParGen_Key_Count> keys{{
    PARGEN_TEXT(Eth_Conn_Device_Name),
    PARGEN_FLAG(Eth_Conn_DHCP_Cable),
    PARGEN_FLAG(Eth_Conn_DHCP_WiFi),
    PARGEN_FLAG(Eth_Conn_Enable_DNS),
    PARGEN_TEXT(Eth_Conn_Primary_DNS1),
    PARGEN_TEXT(Eth_Conn_Primary_DNS2),
    PARGEN_TEXT(Eth_Conn_Primary_DNS3),
    PARGEN_TEXT(Eth_Conn_Primary_DNS4),
    PARGEN_TEXT(Eth_Conn_Secondary_DNS1),
    PARGEN_TEXT(Eth_Conn_Secondary_DNS2),
    PARGEN_TEXT(Eth_Conn_Secondary_DNS3),
    PARGEN_TEXT(Eth_Conn_Secondary_DNS4),
    PARGEN_FLAG(RS232_ENABLE),
    PARGEN_CHOICE(RS232_BAUDRATE, Baud),
    PARGEN_CHOICE(RS232_PARITY, Parity),
    PARGEN_CHOICE(RS232_STOP_BITS, StopBits),
    PARGEN_FLAG(RS485_1_ENABLE),
    PARGEN_CHOICE(RS485_1_BAUDRATE, Baud),
    PARGEN_CHOICE(RS485_1_PARITY, Parity),
    PARGEN_CHOICE(RS485_1_STOP_BITS, StopBits),
    PARGEN_TEXT(EtherCAT_Slave_Revision_Number),
    PARGEN_TEXT(EtherCAT_Slave_Name),
    PARGEN_TEXT(EtherCAT_Slave_Node_Address),
    PARGEN_TEXT(Ethernet_IP1),
    PARGEN_TEXT(Ethernet_IP2),
    PARGEN_TEXT(Ethernet_IP3),
    PARGEN_TEXT(Ethernet_IP4),
    PARGEN_TEXT(Ethernet_SM1),
    PARGEN_TEXT(Ethernet_SM2),
    PARGEN_TEXT(Ethernet_SM3),
    PARGEN_TEXT(Ethernet_SM4),
    PARGEN_TEXT(Ethernet_GAT1),
    PARGEN_TEXT(Ethernet_GAT2),
    PARGEN_TEXT(Ethernet_GAT3),
    PARGEN_TEXT(Ethernet_GAT4),
    PARGEN_FLAG(Ethernet_EN_GAT),
}};

#undef PARGEN_TEXT
#undef PARGEN_CHOICE
#undef PARGEN_FLAG

} // namespace

const std::array<ParGen_Key, ParGen_Key_Count>& ParGen_Keys() {
    return keys;
}

std::string ParGen_Value_Text(const ParGen_Set& set, const ParGen_Key& key) {
    if (key.kind == ParGen_Kind::Flag)
        return set.*key.flag ? "1" : "0";
    return set.*key.text;
}

std::string ParGen_Default_Text(const ParGen_Key& key) {
    return ParGen_Value_Text(ParGen_Set{}, key);
}

} // namespace cfg
