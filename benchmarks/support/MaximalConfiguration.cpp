#include "MaximalConfiguration.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/ConfigError.h"
#include "core/common/SafeFile.h"
#include "core/ethercat/VariableColumns.h"
#include "core/mqtt/TopicTables.h"
#include "core/nmea/ListenerTable.h"

#include <functional>

namespace cfg::bench {
namespace {

// rows row elements, each made by row_of(n) for n from 1.
std::string rows(int count, const std::function<std::string(int n)>& row_of) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += row_of(n);
    return text;
}

std::string variable_rows() {
    return rows(ethercat::Variable_Rows, [](int n) {
        return "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Variable " + std::to_string(n) +
               "\" InitValue=\"" + std::to_string(n) + "\" Position=\"\" BitStart=\"\" Mnemonic=\"\"/>";
    });
}

} // namespace

std::string Maximal_Listener_File() {
    // Four bytes a row: the rows fill the first 400 bytes of the data array without overlapping.
    return "<NMEA_0183><NMEA_Listener>" +
           rows(
               nmea::Listener_Row_Count,
               [](int n) {
                   return "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"GGA\" Index=\"\" "
                          "DataField=\"Latitude, Minutes [floating point]\" PortOperation=\"None\" SwapAll=\"N\" "
                          "Swap16=\"Y\" Position=\"" +
                          std::to_string((n - 1) * 4) + "\" Mnemonic=\"Latitude " + std::to_string(n) +
                          "\"/>";
               }) +
           "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->";
}

std::string Maximal_EtherCAT_File() {
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + variable_rows() +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + variable_rows() +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->";
}

std::string Maximal_Topics_File() {
    return "<MQTT_Set_Topic><MQTT_Publish>" +
           rows(mqtt::Topic_Rows,
                [](int n) {
                    return "<row Topic=\"plant/bridge/value" + std::to_string(n) +
                           "\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" Position=\"" +
                           std::to_string((n - 1) % 1000 * 2) +
                           "\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"N\"/>";
                }) +
           "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic><!--SW_VERSION = 1.000-->";
}

void Make_Maximal_Configuration(Application& app) {
    if (Create_New_Project(app, Maximal_Name))
        throw ConfigError(std::string("Cannot create the configuration ") + Maximal_Name + " in " +
                          app.Path_Projects.string());
    write_file_safely(app.File_NMEA_0183_Set_Access, Maximal_Listener_File());
    write_file_safely(app.File_EtherCAT_Slave, Maximal_EtherCAT_File());
    write_file_safely(app.File_MQTT_Set_Topic, Maximal_Topics_File());
    Save_Setting(app);
}

} // namespace cfg::bench
