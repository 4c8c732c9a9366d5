#include "EveryReader.h"

#include "core/app/SettingsFile.h"
#include "core/ethercat/EsiSources.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableColumns.h"
#include "core/image/ImageCompiler.h"
#include "core/image/ImageLayout.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/nmea/LegacyFile.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ObjectsMap.h"
#include "core/params/ParGenFile.h"
#include "support/TempDir.h"

namespace cfg::test {
namespace {

using Path = std::filesystem::path;

const std::string settings =
    "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>";
const std::string par_gen = "<Par_Gen><EtherCAT_Slave_Name>Dev</EtherCAT_Slave_Name>"
                            "<RS232_BAUDRATE>9600</RS232_BAUDRATE></Par_Gen>";
const std::string listener =
    "<NMEA_0183><NMEA_Listener><row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"GGA\" "
    "DataField=\"Latitude, Minutes [floating point]\" PortOperation=\"None\" Position=\"2\"/>"
    "</NMEA_Listener></NMEA_0183>";
const std::string ethercat_slave =
    "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Enable=\"Y\" Type=\"Int16\" "
    "Length=\"2\" Name=\"Speed\"/></EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave><row Enable=\"Y\" "
    "Type=\"Int8\" Length=\"1\" Name=\"Set\"/></EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables>"
    "</EtherCAT_Slave>";
const std::string topics = "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"plant/speed\"/></MQTT_Publish>"
                           "<MQTT_Subscribe/></MQTT_Set_Topic>";

// A file that is never there, for readers that take several files.
const Path missing = "/nonexistent/file.xml";

const Reader readers[] = {
    {"Settings", &settings, [](const Path& file) { return Read_Settings(file).settings.Language_Name; },
     "Deutsch", false},
    {"ParGenScreen", &par_gen, [](const Path& file) { return Load_ParGen(file).EtherCAT_Slave_Name; }, "Dev",
     true},
    {"ParGenImage", &par_gen,
     [](const Path& file) {
         const image::Configuration_Image image = image::Read_Configuration_Image({file, missing, missing});
         const std::size_t at = image::Offset_RS232_Baud_Rate;
         return std::to_string(image.parameter_block[at] | image.parameter_block[at + 1] << 8);
     },
     "9600", true},
    {"EsiIdentity", &par_gen,
     [](const Path& file) { return ethercat::Load_ESI_Sources(file, missing).ESI_Device_Name; }, "Dev", true},
    {"ListenerScreen", &listener,
     [](const Path& file) {
         nmea::Listener_Table table;
         nmea::Load_Listener_Table(table, file);
         return table.text(1, nmea::Listener_Column::Sentence);
     },
     "GGA", true},
    {"LegacyScreen", &listener,
     [](const Path& file) {
         nmea::legacy::Legacy_Table table;
         nmea::legacy::Load_Legacy_Table(table, file);
         return table.text(1, nmea::legacy::Legacy_Column::Sentence);
     },
     "GGA", true},
    {"ListenerImage", &listener,
     [](const Path& file) {
         // Listener rows are compiled only for a serial port, which a ParGen.xml gives.
         const Path par_gen_file = file.parent_path() / "ParGen.xml";
         write_bytes(par_gen_file, "<Par_Gen/>");
         std::string positions;
         for (const image::Listener_Entry& entry :
              image::Read_Configuration_Image({par_gen_file, file, missing}).listener_entries)
             positions += std::to_string(entry.Position) + ";";
         return positions;
     },
     "2;", true},
    {"ObjectsMap", &listener,
     [](const Path& file) { return std::to_string(nmea::Objects_Map_Lines(file).size()); }, "20", true},
    {"EtherCATScreen", &ethercat_slave,
     [](const Path& file) {
         const ethercat::EtherCAT_Tables tables = ethercat::Load_EtherCAT_Slave(file);
         return tables.slave_to_master.text(1, ethercat::VariableColumn::Name) + ";" +
                tables.master_to_slave.text(1, ethercat::VariableColumn::Name);
     },
     "Speed;Set", true},
    {"EsiVariables", &ethercat_slave,
     [](const Path& file) {
         std::string names;
         const ethercat::ESI_Sources sources = ethercat::Load_ESI_Sources(missing, file);
         for (const auto* entries : {&sources.ESI_Inputs, &sources.ESI_Outputs}) {
             for (const ethercat::TEtherCAT_Rule& rule : *entries)
                 names += rule.Name + ";";
         }
         return names;
     },
     "Speed;Set;", true},
    {"EtherCATImage", &ethercat_slave,
     [](const Path& file) {
         std::string names;
         for (const image::TEtherCAT_pd& record :
              image::Read_Configuration_Image({missing, missing, file}).records)
             names += record.name + ";";
         return names;
     },
     "Speed;", true},
    {"MqttTopics", &topics,
     [](const Path& file) {
         mqtt::MqttTopicTables tables;
         mqtt::load_mqtt_set_topic(file, tables);
         return tables.publish.text(1, mqtt::publish::Topic);
     },
     "plant/speed", true},
};

} // namespace

void PrintTo(const Reader& reader, std::ostream* out) {
    *out << reader.name;
}

std::span<const Reader> every_reader() {
    return readers;
}

} // namespace cfg::test
