#include "core/params/ParGenChecks.h"
#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cfg::ParGen_Set;

struct CheckCase {
    const char* label;
    void (*change)(ParGen_Set&);  // applied to the defaults
    const char* expected_message; // nullptr: every rule passes
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) {
    return out << c.label;
}

class ControlloDati : public testing::TestWithParam<CheckCase> {};

TEST_P(ControlloDati, ReportsTheFirstFailingRule) {
    ParGen_Set set;
    GetParam().change(set);
    const std::optional<int> failed = cfg::Controllo_Dati(set);
    if (GetParam().expected_message == nullptr) {
        EXPECT_FALSE(failed.has_value()) << "message " << failed.value_or(-1);
        return;
    }
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(cfg::default_texts()[*failed], GetParam().expected_message) << "message " << *failed;
}

constexpr const char* ip4_error = "Error Ethernet!! IP Address 4 must be between 0 and 255";
constexpr const char* revision_error =
    "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF";
constexpr const char* name_error = "Error EtherCAT Slave!! Slave Name cannot be empty";
constexpr const char* node_error = "Error EtherCAT Slave!! Node Address must be between 1 and 192";

INSTANTIATE_TEST_SUITE_P(Defaults, ControlloDati,
                         testing::Values(CheckCase{"defaults", [](ParGen_Set&) {}, nullptr},
                                         CheckCase{"any host name, DHCP and serial choices",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Device_Name = "   ";
                                                       s.Eth_Conn_DHCP_WiFi = true;
                                                       s.RS232_BAUDRATE = "?";
                                                       s.RS485_1_PARITY = "";
                                                   },
                                                   nullptr}));

INSTANTIATE_TEST_SUITE_P(Dns, ControlloDati,
                         testing::Values(CheckCase{"DNS off: letters pass",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Primary_DNS1 = "abc";
                                                       s.Eth_Conn_Secondary_DNS4 = "";
                                                   },
                                                   nullptr},
                                         CheckCase{"DNS on: first bad octet in order",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Enable_DNS = true;
                                                       s.Eth_Conn_Primary_DNS3 = "abc";
                                                       s.Eth_Conn_Secondary_DNS1 = "256";
                                                   },
                                                   "Error Primary DNS!! DNS 3 must be between 0 and 255"},
                                         CheckCase{"DNS on: primary before secondary",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Enable_DNS = true;
                                                       s.Eth_Conn_Primary_DNS4 = "-1";
                                                       s.Eth_Conn_Secondary_DNS1 = "x";
                                                   },
                                                   "Error Primary DNS!! DNS 4 must be between 0 and 255"},
                                         CheckCase{"DNS on: secondary",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Enable_DNS = true;
                                                       s.Eth_Conn_Secondary_DNS4 = "";
                                                   },
                                                   "Error Secondary DNS!! DNS 4 must be between 0 and 255"},
                                         CheckCase{"DNS on: bounds",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Enable_DNS = true;
                                                       s.Eth_Conn_Primary_DNS1 = "0";
                                                       s.Eth_Conn_Secondary_DNS2 = "255";
                                                   },
                                                   nullptr}));

INSTANTIATE_TEST_SUITE_P(
    Revision, ControlloDati,
    testing::Values(
        CheckCase{"0xFFFFFFFF", [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = "0xFFFFFFFF"; },
                  nullptr},
        CheckCase{"4294967295", [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = "4294967295"; },
                  nullptr},
        CheckCase{"4294967296", [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = "4294967296"; },
                  revision_error},
        CheckCase{"$100000000", [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = "$100000000"; },
                  revision_error},
        CheckCase{"empty", [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = ""; }, revision_error},
        CheckCase{"-1", [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = "-1"; }, revision_error},
        // sixteen hexadecimal digits are a 64-bit pattern: this one is -1
        CheckCase{"$FFFFFFFFFFFFFFFF",
                  [](ParGen_Set& s) { s.EtherCAT_Slave_Revision_Number = "$FFFFFFFFFFFFFFFF"; },
                  revision_error}));

INSTANTIATE_TEST_SUITE_P(
    SlaveName, ControlloDati,
    testing::Values(
        CheckCase{"blanks only", [](ParGen_Set& s) { s.EtherCAT_Slave_Name = "   "; }, name_error},
        CheckCase{"empty", [](ParGen_Set& s) { s.EtherCAT_Slave_Name = ""; }, name_error},
        CheckCase{"control characters", [](ParGen_Set& s) { s.EtherCAT_Slave_Name = "\t\r\n\x01 "; },
                  name_error},
        CheckCase{"blanks around a letter", [](ParGen_Set& s) { s.EtherCAT_Slave_Name = " a "; }, nullptr}));

INSTANTIATE_TEST_SUITE_P(
    NodeAddress, ControlloDati,
    testing::Values(
        CheckCase{"0", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = "0"; }, node_error},
        CheckCase{"193", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = "193"; }, node_error},
        CheckCase{"1", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = "1"; }, nullptr},
        CheckCase{"192", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = "192"; }, nullptr},
        CheckCase{"leading blank", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = " 192"; }, nullptr},
        CheckCase{"trailing blank", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = "192 "; },
                  node_error},
        CheckCase{"$C0", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = "$C0"; }, nullptr},
        CheckCase{"empty", [](ParGen_Set& s) { s.EtherCAT_Slave_Node_Address = ""; }, node_error}));

INSTANTIATE_TEST_SUITE_P(
    Ethernet, ControlloDati,
    testing::Values(CheckCase{"checked while DHCP is on",
                              [](ParGen_Set& s) {
                                  s.Eth_Conn_DHCP_Cable = true;
                                  s.Ethernet_IP4 = "300";
                              },
                              ip4_error},
                    CheckCase{"$FF and -0 and +1",
                              [](ParGen_Set& s) {
                                  s.Ethernet_IP1 = "$FF";
                                  s.Ethernet_IP2 = "-0";
                                  s.Ethernet_SM4 = "+1";
                              },
                              nullptr},
                    CheckCase{"256", [](ParGen_Set& s) { s.Ethernet_IP1 = "256"; },
                              "Error Ethernet!! IP Address 1 must be between 0 and 255"},
                    CheckCase{"$FFFFFFFF is -1", [](ParGen_Set& s) { s.Ethernet_IP3 = "$FFFFFFFF"; },
                              "Error Ethernet!! IP Address 3 must be between 0 and 255"},
                    CheckCase{"address before mask",
                              [](ParGen_Set& s) {
                                  s.Ethernet_SM1 = "x";
                                  s.Ethernet_IP4 = "";
                              },
                              ip4_error},
                    CheckCase{"mask", [](ParGen_Set& s) { s.Ethernet_SM2 = "abc"; },
                              "Error Ethernet!! SubNet Mask 2 must be between 0 and 255"},
                    CheckCase{"a mask need not be contiguous", [](ParGen_Set& s) { s.Ethernet_SM1 = "0"; },
                              nullptr},
                    CheckCase{"gateway off: anything passes",
                              [](ParGen_Set& s) {
                                  s.Ethernet_GAT1 = "abc";
                                  s.Ethernet_GAT4 = "999";
                              },
                              nullptr},
                    CheckCase{"gateway on",
                              [](ParGen_Set& s) {
                                  s.Ethernet_EN_GAT = true;
                                  s.Ethernet_GAT4 = "256";
                              },
                              "Error Ethernet!! Gateway IP 4 must be between 0 and 255"},
                    CheckCase{"gateway outside the subnet",
                              [](ParGen_Set& s) {
                                  s.Ethernet_EN_GAT = true;
                                  s.Ethernet_GAT1 = "10";
                              },
                              nullptr}));

INSTANTIATE_TEST_SUITE_P(Order, ControlloDati,
                         testing::Values(CheckCase{"DNS before node address",
                                                   [](ParGen_Set& s) {
                                                       s.Eth_Conn_Enable_DNS = true;
                                                       s.Eth_Conn_Primary_DNS1 = "300";
                                                       s.EtherCAT_Slave_Node_Address = "0";
                                                   },
                                                   "Error Primary DNS!! DNS 1 must be between 0 and 255"},
                                         CheckCase{"revision before name",
                                                   [](ParGen_Set& s) {
                                                       s.EtherCAT_Slave_Revision_Number = "";
                                                       s.EtherCAT_Slave_Name = "";
                                                   },
                                                   revision_error},
                                         CheckCase{"name before node address",
                                                   [](ParGen_Set& s) {
                                                       s.EtherCAT_Slave_Name = " ";
                                                       s.EtherCAT_Slave_Node_Address = "0";
                                                   },
                                                   name_error},
                                         CheckCase{"node address before Ethernet",
                                                   [](ParGen_Set& s) {
                                                       s.EtherCAT_Slave_Node_Address = "193";
                                                       s.Ethernet_IP1 = "256";
                                                   },
                                                   node_error},
                                         CheckCase{
                                             "mask before gateway",
                                             [](ParGen_Set& s) {
                                                 s.Ethernet_EN_GAT = true;
                                                 s.Ethernet_GAT1 = "x";
                                                 s.Ethernet_SM4 = "x";
                                             },
                                             "Error Ethernet!! SubNet Mask 4 must be between 0 and 255"}));

} // namespace
