// ESI_Record.xml, what a configuration keeps of the ESI file written last: a file is read or
// refused with ConfigError, and a record written and read back is the same.
#include "FuzzInput.h"
#include "core/common/ConfigError.h"
#include "core/ethercat/EsiRecord.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cfg::ethercat;
    std::optional<ESI_Record> loaded;
    try {
        loaded = Read_ESI_Record(cfg::File_Bytes{"ESI_Record.xml", cfg::fuzz::as_text(data, size)});
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    const ESI_Record reloaded = Read_ESI_Record(cfg::File_Bytes{"ESI_Record.xml", ESI_Record_Bytes(*loaded)});
    cfg::fuzz::require(reloaded.written_at == loaded->written_at && reloaded.file == loaded->file &&
                           reloaded.process_image == loaded->process_image,
                       "a written record reads back the same");
    return 0;
}
