#include "EsiValidation.h"

#include "core/ethercat/EsiFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace cfg::test {
namespace {

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

} // namespace

void validate_esi(const std::filesystem::path& file) {
    const std::filesystem::path schema =
        std::filesystem::path(CONFIGURATOR_ESI_SCHEMA_DIR) / "EtherCATInfo.xsd";
    if (!std::filesystem::is_regular_file(schema))
        GTEST_SKIP() << "ESI schema not found: expected EtherCATInfo.xsd in " << CONFIGURATOR_ESI_SCHEMA_DIR
                     << " (the folder esi-schema beside the checkout, or CONFIGURATOR_ESI_SCHEMA_DIR)";
    if (std::system("command -v xmllint >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint not found (scripts/deps installs it); the ESI schema is expected in "
                     << CONFIGURATOR_ESI_SCHEMA_DIR;
    const std::filesystem::path report = file.string() + ".xmllint";
    const std::string command =
        "xmllint --noout --schema " + quoted(schema) + " " + quoted(file) + " >" + quoted(report) + " 2>&1";
    const int status = std::system(command.c_str());
    const std::string output = read_bytes(report);
    std::filesystem::remove(report);
    EXPECT_EQ(status, 0) << file << " does not validate:\n" << output;
}

std::string create_valid_esi(const std::filesystem::path& file_pargen,
                             const std::filesystem::path& file_ethercat_slave,
                             const std::filesystem::path& file) {
    ethercat::Create_ESI_File(file_pargen, file_ethercat_slave, file);
    validate_esi(file);
    return read_bytes(file);
}

} // namespace cfg::test
