#pragma once

#include <filesystem>
#include <string>

namespace cfg::test {

// Validates a written ESI file against the EtherCATInfo schema with xmllint. An invalid file is a
// test failure; when the schema folder or xmllint is missing the test is marked skipped, saying
// where the schema is expected, and goes on with its other checks.
void validate_esi(const std::filesystem::path& file);

// Generates the ESI file from the two sources, validates it and returns its bytes.
std::string create_valid_esi(const std::filesystem::path& file_pargen,
                             const std::filesystem::path& file_ethercat_slave,
                             const std::filesystem::path& file);

} // namespace cfg::test
