// The preview of an NMEA 0183 log: the input is NMEA_0183_Set_Access.xml, EtherCAT_Slave.xml and
// the log, separated by NUL bytes. Every line of any log is read or counted as malformed, every
// sentence goes through the converter's model of the compiled rows, and the master's variables are
// read from the resulting data array; files are read or refused with ConfigError.
#include "FuzzInput.h"
#include "core/common/ConfigError.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/image/ListenerImage.h"
#include "core/image/ParameterBlock.h"
#include "core/nmea/NmeaSentence.h"
#include "core/preview/ConverterModel.h"
#include "core/preview/ProcessData.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cfg;
    const auto files = fuzz::split_files(fuzz::as_text(data, size),
                                         {"NMEA_0183_Set_Access.xml", "EtherCAT_Slave.xml", "log"});
    std::vector<image::Listener_Image_Row> rows;
    std::optional<ethercat::EtherCAT_Tables> variables;
    try {
        if (files[0])
            rows = image::Read_Listener_Image_Rows(*files[0], image::Serial_RS232_Bit);
        if (files[1])
            variables = ethercat::Load_EtherCAT_Slave(*files[1]);
    } catch (const ConfigError&) {
        return 0;
    }
    preview::Converter_Model model(std::move(rows));
    std::istringstream log(std::string(files[2] ? files[2]->bytes : std::string_view()));
    const nmea::Log_Summary summary =
        nmea::Read_Nmea_Log(log, [&](const nmea::Received_Sentence& sentence) { model.Feed(sentence); });
    preview::Rows_Whose_Sentence_Never_Appeared(model.rows(), summary);
    if (variables)
        preview::Read_Master_Variables(variables->slave_to_master, model.array());
    return 0;
}
