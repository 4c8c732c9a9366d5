#include "core/report/ConfigurationContent.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/image/BankFiles.h"
#include "core/mqtt/MqttSetTopicFile.h"
#include "core/nmea/ListenerFile.h"
#include "core/params/ParGenFile.h"

namespace cfg::report {

int Listener_Rows_Shown(const nmea::Listener_Table& table) {
    for (int row = nmea::Listener_Row_Count; row >= 1; --row)
        if (table.is_used(row))
            return row;
    return 0;
}

Configuration_Content Read_Configuration_Content(const std::filesystem::path& Path_Project) {
    Application configuration;
    Open_Project_Folder(configuration, Path_Project);
    nmea::Listener_Table listeners;
    nmea::Load_Listener_Table(listeners, configuration.File_NMEA_0183_Set_Access);
    mqtt::MqttTopicTables topics;
    mqtt::load_mqtt_set_topic(configuration.File_MQTT_Set_Topic, topics);
    return {Load_ParGen(configuration.File_ParGen),
            std::move(listeners),
            ethercat::Load_EtherCAT_Slave(configuration.File_EtherCAT_Slave),
            std::move(topics),
            ethercat::Read_ESI_Record(configuration.Path_Project),
            Read_Bank_Files(image::Bank_File_Paths(configuration.Path_Project)[0].parent_path())};
}

} // namespace cfg::report
