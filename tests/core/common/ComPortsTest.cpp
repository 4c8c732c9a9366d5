#include "core/common/ComPorts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

#ifndef _WIN32
TEST(ListComPorts, ListsThePresentPortsAscendingByNumber) {
    cfg::test::TempDir devices;
    for (const char* name : {"ttyS10", "ttyS0", "ttyS2", "ttyS255", "ttyS256", "ttyUSB0"})
        cfg::test::write_bytes(devices / name, "");
    EXPECT_EQ(cfg::List_COM_Ports(devices.path()), (std::vector<std::string>{"1", "3", "11", "256"}));
}

TEST(ListComPorts, NoDevicesGiveAnEmptyList) {
    cfg::test::TempDir devices;
    EXPECT_TRUE(cfg::List_COM_Ports(devices.path()).empty());
}
#endif

} // namespace
