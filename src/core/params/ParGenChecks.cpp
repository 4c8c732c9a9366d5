#include "core/params/ParGenChecks.h"

#include "core/common/Text.h"
#include "core/common/TextToInt.h"
#include "core/lang/ParameterTexts.h"

#include <array>
#include <cstdint>

namespace cfg {
namespace {

using Rule = std::optional<int> (*)(const ParGen_Set&);
using Octets = std::array<std::string ParGen_Set::*, 4>;

constexpr Octets primary_dns{&ParGen_Set::Eth_Conn_Primary_DNS1, &ParGen_Set::Eth_Conn_Primary_DNS2,
                             &ParGen_Set::Eth_Conn_Primary_DNS3, &ParGen_Set::Eth_Conn_Primary_DNS4};
constexpr Octets secondary_dns{&ParGen_Set::Eth_Conn_Secondary_DNS1, &ParGen_Set::Eth_Conn_Secondary_DNS2,
                               &ParGen_Set::Eth_Conn_Secondary_DNS3, &ParGen_Set::Eth_Conn_Secondary_DNS4};
constexpr Octets ip_address{&ParGen_Set::Ethernet_IP1, &ParGen_Set::Ethernet_IP2, &ParGen_Set::Ethernet_IP3,
                            &ParGen_Set::Ethernet_IP4};
constexpr Octets subnet_mask{&ParGen_Set::Ethernet_SM1, &ParGen_Set::Ethernet_SM2, &ParGen_Set::Ethernet_SM3,
                             &ParGen_Set::Ethernet_SM4};
constexpr Octets gateway{&ParGen_Set::Ethernet_GAT1, &ParGen_Set::Ethernet_GAT2, &ParGen_Set::Ethernet_GAT3,
                         &ParGen_Set::Ethernet_GAT4};

// -1 for a text that is no number, so empty and malformed texts fail every range.
bool in_range(const std::string& text, int low, int high) {
    const int value = Text_To_Int(text, -1);
    return value >= low && value <= high;
}

// The message of the first octet outside 0 to 255; the messages of one address are consecutive.
std::optional<int> first_bad_octet(const ParGen_Set& set, const Octets& octets, int first_message) {
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (!in_range(set.*octets[i], 0, 255))
            return first_message + static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> dns_servers(const ParGen_Set& set) {
    if (!set.Eth_Conn_Enable_DNS)
        return std::nullopt;
    if (auto failed = first_bad_octet(set, primary_dns, parameter_text::Primary_DNS_Octet_Invalid))
        return failed;
    return first_bad_octet(set, secondary_dns, parameter_text::Secondary_DNS_Octet_Invalid);
}

std::optional<int> revision_number(const ParGen_Set& set) {
    const std::int64_t value = Text_To_Int64(set.EtherCAT_Slave_Revision_Number, -1);
    if (value < 0 || value > 0xFFFFFFFFLL)
        return parameter_text::Revision_Number_Invalid;
    return std::nullopt;
}

// Blanks around the name do not count, but the stored name keeps them.
std::optional<int> slave_name(const ParGen_Set& set) {
    if (trimmed(set.EtherCAT_Slave_Name).empty())
        return parameter_text::Slave_Name_Empty;
    return std::nullopt;
}

std::optional<int> node_address(const ParGen_Set& set) {
    if (!in_range(set.EtherCAT_Slave_Node_Address, 1, 192))
        return parameter_text::Node_Address_Invalid;
    return std::nullopt;
}

// Checked even while DHCP is on: the fields keep their values for when it is switched off again.
std::optional<int> address(const ParGen_Set& set) {
    return first_bad_octet(set, ip_address, parameter_text::IP_Address_Octet_Invalid);
}

std::optional<int> mask(const ParGen_Set& set) {
    return first_bad_octet(set, subnet_mask, parameter_text::Subnet_Mask_Octet_Invalid);
}

std::optional<int> gateway_address(const ParGen_Set& set) {
    if (!set.Ethernet_EN_GAT)
        return std::nullopt;
    return first_bad_octet(set, gateway, parameter_text::Gateway_Octet_Invalid);
}

constexpr std::array<Rule, 7> rules{dns_servers, revision_number, slave_name, node_address, address,
                                    mask,        gateway_address};

} // namespace

std::optional<int> Controllo_Dati(const ParGen_Set& set) {
    for (Rule rule : rules) {
        if (auto failed = rule(set))
            return failed;
    }
    return std::nullopt;
}

} // namespace cfg
