#include "core/ethercat/EsiFileName.h"

#include <gtest/gtest.h>

namespace {

TEST(ESI_File_Name, AddsXmlOnlyToANameWithoutExtension) {
    struct Case {
        const char* chosen;
        const char* file;
    };
    const Case cases[] = {
        {"/p/Ship/device", "/p/Ship/device.xml"},
        {"/p/Ship/device.xml", "/p/Ship/device.xml"},
        {"/p/Ship/device.XML", "/p/Ship/device.XML"},
        {"/p/Ship/device.v2", "/p/Ship/device.v2"},
        // A dot in a folder name is not the file's extension.
        {"/p/Ship.1/device", "/p/Ship.1/device.xml"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cfg::ethercat::ESI_File_Name(c.chosen), std::filesystem::path(c.file)) << c.chosen;
}

} // namespace
