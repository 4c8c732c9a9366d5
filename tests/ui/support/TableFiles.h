#pragma once

#include <string>

namespace ui::test {

// Files of the table screens holding the given number of equal rows.

inline std::string listener_rows(int rows) {
    std::string file = "<NMEA_0183><NMEA_Listener>";
    for (int row = 0; row < rows; ++row)
        file += R"(<row Enable="Y" Serial_Channel="RS232" Sentence="HDT" Index="" )"
                R"(DataField="Heading, degrees True, Number [floating point]" PortOperation="None" )"
                R"(SwapAll="N" Swap16="N" Position="1" Mnemonic="Gyro"/>)";
    return file + "</NMEA_Listener></NMEA_0183>";
}

inline std::string legacy_rows(int rows) {
    std::string file = "<NMEA_0183><NMEA_Listener>";
    for (int row = 0; row < rows; ++row)
        file += R"(<row Enable="Y" Sentence="GGA" Index="" Serial_Channel="RS232" Mnemonic="GPS"/>)";
    return file + "</NMEA_Listener></NMEA_0183>";
}

inline std::string variable_rows(int rows) {
    std::string file = "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>";
    for (int row = 0; row < rows; ++row)
        file +=
            R"(<row Enable="Y" Type="UInt8" Length="1" Name="Run" InitValue="0" Position="" BitStart="" Mnemonic=""/>)";
    return file +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>";
}

inline std::string topic_rows(int rows) {
    std::string file = "<MQTT_Set_Topic><MQTT_Publish>";
    for (int row = 0; row < rows; ++row)
        file +=
            R"(<row Topic="plant/level" Retained="N" QoS="0" DataType="Int" Dimension="2" Position="10" )"
            R"(IPAddress="" InputTemplate="" Template="$VALUE$" OnChange="Y" OnTimer="N" Time="" Mnemonic="Level"/>)";
    return file + "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>";
}

} // namespace ui::test
