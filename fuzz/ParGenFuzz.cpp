// ParGen.xml: a file is read or refused with ConfigError; what is read passes through the checks,
// and saved and read back gives the same parameter set.
#include "FuzzInput.h"
#include "core/common/ConfigError.h"
#include "core/params/ParGenChecks.h"
#include "core/params/ParGenFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cfg::ParGen_Set loaded;
    try {
        loaded = cfg::Load_ParGen(cfg::File_Bytes{"ParGen.xml", cfg::fuzz::as_text(data, size)});
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    cfg::Controllo_Dati(loaded);
    const std::string saved = cfg::ParGen_Bytes(loaded);
    cfg::fuzz::require(cfg::Load_ParGen(cfg::File_Bytes{"ParGen.xml", saved}) == loaded,
                       "a saved parameter set reads back the same");
    return 0;
}
