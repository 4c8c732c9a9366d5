// The ESI file: the input is ParGen.xml and EtherCAT_Slave.xml separated by a NUL byte. The sources
// are read or refused with ConfigError, and the ESI file made of them is always well-formed XML,
// whatever names and texts the configuration holds.
#include "FuzzInput.h"
#include "core/common/ConfigError.h"
#include "core/ethercat/EsiFile.h"

#include <pugixml.hpp>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cfg::ethercat;
    const auto files =
        cfg::fuzz::split_files(cfg::fuzz::as_text(data, size), {"ParGen.xml", "EtherCAT_Slave.xml"});
    ESI_Sources sources;
    try {
        sources = Load_ESI_Sources(files[0], files[1]);
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    const std::string esi = ESI_File_Text(sources);
    pugi::xml_document doc;
    cfg::fuzz::require(static_cast<bool>(doc.load_buffer(esi.data(), esi.size())),
                       "the ESI file is well-formed XML");
    return 0;
}
