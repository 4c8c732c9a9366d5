// EtherCAT_Slave.xml: a file is read or refused with ConfigError; the tables pass through the
// check, and a save read back keeps the used Slave To Master rows (Master To Slave is never saved).
#include "FuzzInput.h"
#include "TableRoundTrip.h"
#include "core/common/ConfigError.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableCheck.h"
#include "core/ethercat/VariableTable.h"
#include "core/lang/LangStrings.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const cfg::Lang_Strings texts = cfg::default_texts();
    static const cfg::ethercat::EtherCAT_Tables empty =
        cfg::ethercat::Load_EtherCAT_Slave(cfg::File_Bytes{"empty", "<EtherCAT_Slave/>"});
    std::optional<cfg::ethercat::EtherCAT_Tables> read;
    try {
        read = cfg::ethercat::Load_EtherCAT_Slave(
            cfg::File_Bytes{"EtherCAT_Slave.xml", cfg::fuzz::as_text(data, size)});
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    const cfg::ethercat::EtherCAT_Tables& loaded = *read;
    cfg::ethercat::Controllo_dati(loaded.slave_to_master, texts);
    cfg::ethercat::Controllo_dati(loaded.master_to_slave, texts);
    const std::string saved = cfg::ethercat::EtherCAT_Slave_Bytes(loaded.slave_to_master);
    const cfg::ethercat::EtherCAT_Tables reloaded =
        cfg::ethercat::Load_EtherCAT_Slave(cfg::File_Bytes{"EtherCAT_Slave.xml", saved});
    cfg::fuzz::require(cfg::fuzz::round_trip_holds(loaded.slave_to_master, reloaded.slave_to_master,
                                                   empty.slave_to_master,
                                                   cfg::ethercat::used_row_count(loaded.slave_to_master)),
                       "a saved Slave To Master table reads back with the rows the save keeps");
    cfg::fuzz::require(reloaded.master_to_slave == empty.master_to_slave && reloaded.rows_left_out == 0,
                       "a saved file holds no other rows");
    return 0;
}
