#include "core/mqtt/TopicColumns.h"

#include <array>

namespace cfg::mqtt {
namespace {

using enum TopicEditor;

// Functions rather than namespace-level lists, so the tables never see them unconstructed.
std::vector<std::string> qos_choices() {
    return {"0", "1", "2"};
}
std::vector<std::string> data_type_choices() {
    return {"Int", "Float", "String", "Base64"};
}
std::vector<std::string> template_choices() {
    return {"$VALUE$"};
}

std::vector<std::string> channel_choices() {
    std::vector<std::string> choices;
    for (int channel = 0; channel <= 63; ++channel)
        choices.push_back(std::to_string(channel));
    choices.emplace_back("All");
    return choices;
}

} // namespace

std::span<const TopicColumn> publish_columns() {
    static const std::array<TopicColumn, publish::Column_Count> columns = {{
        {1314, 0, nullptr, RowNumber, true, {}, ""},
        {1315, 1319, "Topic", Text, true, {}, ""},
        {1316, 1320, "Retained", CheckBox, true, {}, ""},
        {1317, 1321, "QoS", List, true, qos_choices(), ""},
        {1337, 1340, "DataType", List, true, data_type_choices(), ""},
        {1338, 1341, "Dimension", Text, true, {}, ""},
        {1339, 1342, "Position", Text, true, {}, ""},
        {1362, 1364, "IPAddress", Text, false, {}, ""},
        {1363, 1365, "InputTemplate", Text, false, {}, ""},
        {1335, 1336, "Template", TextOrList, true, template_choices(), ""},
        {1381, 1382, "OnChange", CheckBox, true, {}, "N"},
        {1383, 1386, nullptr, CheckBox, false, {}, ""},
        {1384, 1387, "OnTimer", CheckBox, true, {}, "N"},
        {1385, 1388, "Time", Text, true, {}, ""},
        {1390, 1391, nullptr, List, false, channel_choices(), ""},
        {1393, 1395, nullptr, CheckBox, false, {}, "N"},
        {1394, 1396, nullptr, CheckBox, false, {}, "N"},
        {1318, 1322, "Mnemonic", Text, true, {}, ""},
    }};
    return columns;
}

std::span<const TopicColumn> subscribe_columns() {
    static const std::array<TopicColumn, subscribe::Column_Count> columns = {{
        {1324, 0, nullptr, RowNumber, true, {}, ""},
        {1325, 1329, "Topic", Text, true, {}, ""},
        {1326, 1330, "Retained", CheckBox, false, {}, ""},
        {1327, 1331, "QoS", List, true, qos_choices(), ""},
        {1343, 1347, "DataType", List, true, data_type_choices(), ""},
        {1344, 1348, "Dimension", Text, true, {}, ""},
        {1345, 1349, "Position", Text, true, {}, ""},
        {1366, 1370, "IPAddress", Text, false, {}, ""},
        {1367, 1371, "Port", Text, false, {}, ""},
        {1368, 1372, "EthType", List, false, {"TCP", "UDP"}, ""},
        {1369, 1373, "InputTemplate", Text, false, {}, ""},
        {1346, 1350, "Template", TextOrList, true, template_choices(), ""},
        {1393, 1397, nullptr, CheckBox, false, {}, "N"},
        {1394, 1398, nullptr, CheckBox, false, {}, "N"},
        {1328, 1332, "Mnemonic", Text, true, {}, ""},
    }};
    return columns;
}

} // namespace cfg::mqtt
