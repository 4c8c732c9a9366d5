#pragma once

#include "ui/params/GroupRows.h"

#include <array>
#include <cstddef>
#include <span>

namespace ui {

// Every group the parameter screen carries for the whole product family; each model shows its own.
enum class Group_Id {
    Ethernet_Connection,
    EtherCAT_Slave,
    Ethernet,
    RS232,
    PROFINET,
    RS485_1,
    RS485_2,
    Modbus_TCP_Slave,
    Modbus_Slave,
    MQTT,
    TLS,
    NTP
};

inline constexpr std::size_t Group_Count = 12;

struct Group_Design {
    Group_Id id;
    const char* name;
    int caption; // catalogue index of the caption text, shown after the group's number
    std::span<const Row_Design> rows;
};

// The groups in the form's own order, which is the order of Group_Id.
const std::array<Group_Design, Group_Count>& ParGen_Groups();

// The groups of this converter model, top to bottom.
inline constexpr std::array<Group_Id, 4> Groups_52C40{Group_Id::Ethernet_Connection, Group_Id::EtherCAT_Slave,
                                                      Group_Id::Ethernet, Group_Id::RS232};

} // namespace ui
