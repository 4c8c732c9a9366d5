// Every reader of a configuration file takes the document's root element, whatever an XML editor
// put in front of it: a file reads the same with or without such a prefix.
#include "core/app/SettingsFile.h"
#include "core/ethercat/EsiSources.h"
#include "core/ethercat/EtherCATSlaveFile.h"
#include "core/ethercat/VariableColumns.h"
#include "core/image/EtherCATImage.h"
#include "core/image/ListenerImage.h"
#include "core/image/ParGenImage.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/nmea/LegacyFile.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ObjectsMap.h"
#include "core/params/ParGenFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;
using Path = std::filesystem::path;

struct Prefix {
    const char* name;
    const char* bytes;
};

const Prefix prefixes[] = {
    {"Nothing", ""},
    {"Declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"},
    {"DeclarationOnItsOwnLine", "<?xml version=\"1.0\"?>\r\n"},
    {"Comment", "<!-- edited by hand -->"},
    {"ProcessingInstruction", "<?xml-stylesheet type=\"text/xsl\" href=\"view.xsl\"?>"},
    {"Doctype", "<!DOCTYPE configuration>"},
    {"ByteOrderMark", "\xEF\xBB\xBF"},
    {"Blanks", "\n \t\r\n"},
    {"AllTogether", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- edited -->\n<?editor x?><!DOCTYPE x>\n"},
};

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

// One reader of a file: what it makes of the content, as a text to compare.
struct Reader {
    const char* name;
    const std::string* content; // the file without prefix
    std::string (*read)(const Path& file);
    const char* expected;
};

// A file that is never there, for readers that take two files.
const Path missing = "/nonexistent/file.xml";

const Reader readers[] = {
    {"Settings", &settings, [](const Path& file) { return cfg::Read_Settings(file).settings.Language_Name; },
     "Deutsch"},
    {"ParGenScreen", &par_gen, [](const Path& file) { return cfg::Load_ParGen(file).EtherCAT_Slave_Name; },
     "Dev"},
    {"ParGenImage", &par_gen,
     [](const Path& file) {
         cfg::image::Parameter_Block block{};
         cfg::image::EtherCAT_Header header;
         cfg::image::Read_ParGen_Image(file, block, header);
         const std::size_t at = cfg::image::Offset_RS232_Baud_Rate;
         return std::to_string(block[at] | block[at + 1] << 8);
     },
     "9600"},
    {"EsiIdentity", &par_gen,
     [](const Path& file) { return cfg::ethercat::Load_ESI_Sources(file, missing).ESI_Device_Name; }, "Dev"},
    {"ListenerScreen", &listener,
     [](const Path& file) {
         cfg::nmea::Listener_Table table;
         cfg::nmea::Load_Listener_Table(table, file);
         return table.text(1, cfg::nmea::Listener_Column::Sentence);
     },
     "GGA"},
    {"LegacyScreen", &listener,
     [](const Path& file) {
         cfg::nmea::legacy::Legacy_Table table;
         cfg::nmea::legacy::Load_Legacy_Table(table, file);
         return table.text(1, cfg::nmea::legacy::Legacy_Column::Sentence);
     },
     "GGA"},
    {"ListenerImage", &listener,
     [](const Path& file) {
         std::string positions;
         for (const cfg::image::Listener_Entry& entry :
              cfg::image::Read_Listener_Image(file, cfg::image::Serial_RS232_Bit))
             positions += std::to_string(entry.Position) + ";";
         return positions;
     },
     "2;"},
    {"ObjectsMap", &listener,
     [](const Path& file) { return std::to_string(cfg::nmea::Objects_Map_Lines(file).size()); }, "20"},
    {"EtherCATScreen", &ethercat_slave,
     [](const Path& file) {
         const cfg::ethercat::EtherCAT_Tables tables = cfg::ethercat::Load_EtherCAT_Slave(file);
         return tables.slave_to_master.text(1, cfg::ethercat::VariableColumn::Name) + ";" +
                tables.master_to_slave.text(1, cfg::ethercat::VariableColumn::Name);
     },
     "Speed;Set"},
    {"EsiVariables", &ethercat_slave,
     [](const Path& file) {
         std::string names;
         const cfg::ethercat::ESI_Sources sources = cfg::ethercat::Load_ESI_Sources(missing, file);
         for (const auto* entries : {&sources.ESI_Inputs, &sources.ESI_Outputs}) {
             for (const cfg::ethercat::TEtherCAT_Rule& rule : *entries)
                 names += rule.Name + ";";
         }
         return names;
     },
     "Speed;Set;"},
    {"EtherCATImage", &ethercat_slave,
     [](const Path& file) {
         cfg::image::EtherCAT_Header header;
         std::string names;
         for (const cfg::image::TEtherCAT_pd& record :
              cfg::image::Read_EtherCAT_Image(file, cfg::image::Bank3_Address, header))
             names += record.name + ";";
         return names;
     },
     "Speed;"},
    {"MqttTopics", &topics,
     [](const Path& file) {
         cfg::mqtt::MqttTopicTables tables;
         cfg::mqtt::load_mqtt_set_topic(file, tables);
         return tables.publish.text(1, cfg::mqtt::publish::Topic);
     },
     "plant/speed"},
};

class EveryReader : public testing::TestWithParam<std::tuple<Reader, Prefix>> {};

TEST_P(EveryReader, ReadsTheRootElementBehindThePrefix) {
    const auto& [reader, prefix] = GetParam();
    TempDir dir;
    write_bytes(dir / "file.xml", prefix.bytes + *reader.content + "<!--SW_VERSION = 1.000-->");
    EXPECT_EQ(reader.read(dir / "file.xml"), reader.expected);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, EveryReader,
                         testing::Combine(testing::ValuesIn(readers), testing::ValuesIn(prefixes)),
                         [](const testing::TestParamInfo<EveryReader::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

} // namespace
