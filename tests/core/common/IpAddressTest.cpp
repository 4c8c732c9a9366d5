#include "core/common/IpAddress.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Case {
    const char* text;
    bool valid;
};

std::ostream& operator<<(std::ostream& out, const Case& c) {
    return out << '"' << c.text << '"';
}

class CheckIpAddress : public testing::TestWithParam<Case> {};

TEST_P(CheckIpAddress, AcceptsOnlyFourDecimalPartsUpTo255) {
    EXPECT_EQ(cfg::Check_IP_Address(GetParam().text).valid, GetParam().valid)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckIpAddress,
    testing::Values(Case{"0.0.0.0", true}, Case{"255.255.255.255", true}, Case{"192.168.2.205", true},
                    Case{" 10 . 0 .\t0. 1 ", true}, Case{"010.001.000.001", true}, Case{"192.168.2", false},
                    Case{"1.2.3.4.5", false}, Case{"1..3.4", false}, Case{"1.2.3.", false},
                    Case{".1.2.3", false}, Case{"256.1.1.1", false}, Case{"1.1.1.300", false},
                    Case{"a.b.c.d", false}, Case{"1.2.3.4a", false}, Case{"-1.2.3.4", false},
                    Case{"$FF.1.1.1", false}, Case{"", false}, Case{"1 2.3.4.5", false}));

TEST(CheckIpAddress, ReturnsTheTrimmedParts) {
    const cfg::IpAddressCheck check = cfg::Check_IP_Address("  192 .168.  2 .205\r\n");
    ASSERT_TRUE(check.valid);
    EXPECT_EQ(check.parts, (std::array<std::string, 4>{"192", "168", "2", "205"}));
}

// Leading zeros and blanks go, so that no system reads a part as octal.
TEST(DottedDecimal, GivesThePartsAsPlainNumbers) {
    EXPECT_EQ(cfg::Dotted_Decimal(cfg::Check_IP_Address(" 010.001 .000.255")), "10.1.0.255");
    EXPECT_EQ(cfg::Dotted_Decimal(cfg::Check_IP_Address("192.168.2.205")), "192.168.2.205");
}

} // namespace
