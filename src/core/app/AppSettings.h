#pragma once

#include <string>

namespace cfg {

// The choices that survive a restart, beside the name of the last configuration.
struct App_Settings {
    std::string Last_IP_Address = "192.168.2.205";
    std::string Language_Name = "English";
    bool enable_internet = false;
    bool enable_update = false;
    bool enable_jump_field_tables = false;
    bool Double_Click_Auto_Size = false;

    bool operator==(const App_Settings&) const = default;
};

// The periodic version check runs only while the program may use the Internet and the user asked for it.
bool Timer_Update_Enabled(const App_Settings& settings);

// Timer_Update: the first check one minute after it is switched on, then every two hours.
inline constexpr int First_Version_Check_Delay_Ms = 60000;
inline constexpr int Version_Check_Interval_Ms = 7200000;

} // namespace cfg
