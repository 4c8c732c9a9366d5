#pragma once

#include <array>

namespace cfg::ethercat {

// Rows 1 to 256 of each table hold variables; row 0 is the header.
constexpr int Variable_Rows = 256;

// Slave To Master: the data the slave sends, the master's inputs.
struct SlaveToMaster {
    enum Column : int { Number, Enable, Type, Length, Name, InitValue, Position, BitStart, Mnemonic, Count };
};

// Master To Slave: the same without the initial value.
struct MasterToSlave {
    enum Column : int { Number, Enable, Type, Length, Name, Position, BitStart, Mnemonic, Count };
};

// The columns both orders share at the same place; code serving both tables uses these.
struct VariableColumn {
    enum Column : int { Number, Enable, Type, Length, Name };
};
static_assert(int{SlaveToMaster::Name} == VariableColumn::Name &&
              int{MasterToSlave::Name} == VariableColumn::Name);

// The columns whose place differs between the two orders; code shared by both tables takes the
// order from the SlaveMaster flag (true: Slave To Master).
struct Variable_Columns {
    int count;
    int init_value; // -1: the table has no initial value
    int position;
    int bit_start;
    int mnemonic;
};

constexpr Variable_Columns variable_columns(bool SlaveMaster) {
    if (SlaveMaster)
        return {SlaveToMaster::Count, SlaveToMaster::InitValue, SlaveToMaster::Position,
                SlaveToMaster::BitStart, SlaveToMaster::Mnemonic};
    return {MasterToSlave::Count, -1, MasterToSlave::Position, MasterToSlave::BitStart,
            MasterToSlave::Mnemonic};
}

// Texts of the column headers (columns 0 onward) and of the header hints (columns 1 onward).
constexpr std::array<int, SlaveToMaster::Count> Slave_To_Master_Headers{1514, 1515, 1516, 1517, 1519,
                                                                        1520, 1521, 1522, 1523};
constexpr std::array<int, MasterToSlave::Count> Master_To_Slave_Headers{1536, 1537, 1538, 1539,
                                                                        1540, 1541, 1542, 1543};
constexpr std::array<int, SlaveToMaster::Count - 1> Hint_StM{1524, 1525, 1526, 1528, 1529, 1530, 1531, 1532};
constexpr std::array<int, MasterToSlave::Count - 1> Hint_MtS{1544, 1545, 1546, 1547, 1548, 1549, 1550};

} // namespace cfg::ethercat
