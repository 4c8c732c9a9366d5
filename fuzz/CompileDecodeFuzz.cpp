// The image compiler: the input is ParGen.xml, NMEA_0183_Set_Access.xml and EtherCAT_Slave.xml
// separated by NUL bytes. A configuration is compiled or refused with ConfigError, and what the
// compiler lays out always decodes without a fault: a device is never given a bank it must not get.
#include "FuzzInput.h"
#include "core/common/ConfigError.h"
#include "core/image/BankDecoder.h"
#include "core/image/ImageCompiler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cfg::image;
    const auto files = cfg::fuzz::split_files(
        cfg::fuzz::as_text(data, size), {"ParGen.xml", "NMEA_0183_Set_Access.xml", "EtherCAT_Slave.xml"});
    Bank_Images banks;
    try {
        banks = Compile_Image(Configuration_Bytes{files[0], files[1], files[2]});
    } catch (const cfg::ConfigError&) {
        return 0;
    }
    cfg::fuzz::require(Decode_Bank1(banks.bank1).faults.empty(), "a compiled bank1 decodes without a fault");
    cfg::fuzz::require(Decode_Bank2(banks.bank2).faults.empty(), "a compiled bank2 decodes without a fault");
    cfg::fuzz::require(Decode_Bank3(banks.bank3).faults.empty(), "a compiled bank3 decodes without a fault");
    return 0;
}
