// Morvel.xml: any bytes read as settings (the defaults when they are no settings file), and the
// settings written and read back are the same.
#include "FuzzInput.h"
#include "core/app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const cfg::Saved_Settings loaded =
        cfg::Read_Settings(cfg::File_Bytes{"Morvel.xml", cfg::fuzz::as_text(data, size)});
    const std::string saved = cfg::Settings_Bytes(loaded);
    cfg::fuzz::require(cfg::Read_Settings(cfg::File_Bytes{"Morvel.xml", saved}) == loaded,
                       "settings read back as they were saved");
    return 0;
}
