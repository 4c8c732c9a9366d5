#pragma once

#include "core/common/FileBytes.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>
#include <vector>

namespace cfg::nmea {

// The file name of the listener table in a configuration folder.
inline constexpr const char* Listener_File_Name = "NMEA_0183_Set_Access.xml";

// Parses the content of NMEA_0183_Set_Access.xml and calls visit(row, element) for rows 1, 2, ...
// with the child elements of the root's NMEA_Listener element, in document order, at most capacity
// of them. Returns how many rows of the file were left out. A file that is not well-formed, or
// whose root lacks NMEA_Listener, raises ConfigError before any row is visited.
int For_Each_Listener_Row(const File_Bytes& file, int capacity,
                          const std::function<void(int row, const pugi::xml_node& element)>& visit);

// Starts a listener document: the root NMEA_0183 with the comment "SW_VERSION = <version>" after
// it, and the empty NMEA_Listener element, which is returned.
pugi::xml_node Start_Listener_Document(pugi::xml_document& doc, const char* version);

// The row numbers, in order, of the used rows that a save would leave out: saving stops at the
// first unused row, so every used row below it would be lost. is_used(row) tells a used row.
template <typename IsUsed> std::vector<int> Used_Rows_After_First_Unused(int row_count, IsUsed is_used) {
    std::vector<int> dropped;
    int row = 1;
    while (row <= row_count && is_used(row))
        ++row;
    for (; row <= row_count; ++row) {
        if (is_used(row))
            dropped.push_back(row);
    }
    return dropped;
}

} // namespace cfg::nmea
