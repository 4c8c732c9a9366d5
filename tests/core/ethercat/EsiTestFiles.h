#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cfg::test {

// One stored row; an empty optional leaves the attribute out.
struct Stored_Row {
    std::optional<std::string> type;
    std::optional<std::string> length;
    std::optional<std::string> name;
    std::optional<std::string> enable = "Y";
};

// An EtherCAT_Slave.xml as the screen writes it, with these Slave To Master and Master To Slave rows.
std::string ethercat_slave_xml(const std::vector<Stored_Row>& slave_to_master,
                               const std::vector<Stored_Row>& master_to_slave = {});

// A ParGen.xml holding only the three identity elements; a null pointer leaves the element out.
std::string pargen_xml(const char* revision, const char* name, const char* node_address);

// The lines of a file that ends every line with CR LF; fails the test when one does not.
std::vector<std::string> crlf_lines(const std::string& bytes);

} // namespace cfg::test
