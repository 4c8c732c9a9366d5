#include "NmeaLog.h"

#include "core/app/Application.h"
#include "core/app/ConfigurationFolders.h"
#include "core/common/ConfigError.h"
#include "core/common/SafeFile.h"
#include "core/params/ParGenFile.h"

#include <cstdarg>
#include <cstdio>
#include <iterator>

namespace cfg::bench {
namespace {

// The sentence of the body between "$" and "*", with its checksum and CR LF.
__attribute__((format(printf, 2, 3))) void append_sentence(std::string& log, const char* format, ...) {
    char body[160];
    va_list values;
    va_start(values, format);
    const int length = std::vsnprintf(body, sizeof body, format, values);
    va_end(values);
    unsigned char checksum = 0;
    for (int i = 0; i < length; ++i)
        checksum ^= static_cast<unsigned char>(body[i]);
    char end[8];
    std::snprintf(end, sizeof end, "*%02X\r\n", checksum);
    log += '$';
    log.append(body, static_cast<std::size_t>(length));
    log += end;
}

// A value that sways between low and high over period seconds, in tenths.
double swaying(long second, long period, double low, double high) {
    const long step = second % period;
    const long half = period / 2;
    const double share = static_cast<double>(step < half ? step : period - step) / static_cast<double>(half);
    return low + (high - low) * share;
}

struct Listener_Row {
    const char* sentence;
    const char* index;
    const char* data_field;
    const char* post_operation = "None";
};

constexpr Listener_Row Rows[] = {
    {"GGA", "", "UTC of position, Hours [decimal]"},
    {"GGA", "", "Latitude, Degrees [decimal]"},
    {"GGA", "", "Latitude, Minutes [floating point]"},
    {"GGA", "", "Longitude, Direction [character]"},
    {"GGA", "", "Number of satellites in use [decimal]"},
    {"GGA", "", "Altitude re: mean-sea-level (geoid), Number [floating point]"},
    {"RMC", "", "UTC of position, Seconds [decimal]"},
    {"RMC", "", "Status [character]"},
    {"RMC", "", "Speed over ground, knots [floating point]"},
    {"RMC", "", "Course Over Ground, degrees True [floating point]"},
    {"VTG", "", "Speed over ground, km/hr, Number [floating point]"},
    {"VTG", "", "Mode Indicator [character]"},
    {"HDT", "", "Heading, degrees True, Number [floating point]"},
    {"MWV", "", "wind angle [floating point]"},
    {"MWV", "", "wind speed [floating point]"},
    {"DBT", "", "Water depth, meters, Number [floating point]", "x 10"},
    {"MTW", "", "Water temperature, Number [floating point]"},
    {"GSV", "5", "Satellite ID number [decimal]"},
    {"GSV", "10", "Azimuth, degrees True, 000 to 359 [decimal]"},
    {"XDR", "1", "Transducer ID [character string] (20 characters)"},
    {"XDR", "2", "Measurement data [floating point]"},
};

// Room enough for the longest field of a row (the transducer ID's 20 characters).
constexpr int Bytes_Per_Row = 24;

} // namespace

const int Log_Rows = static_cast<int>(std::size(Rows));

std::string Nmea_Second(long second) {
    const long day = second % 86400;
    const int hours = static_cast<int>(day / 3600);
    const int minutes = static_cast<int>(day / 60 % 60);
    const int seconds = static_cast<int>(day % 60);
    const double latitude = 30.1234 + static_cast<double>(second % 20000) * 0.0015;
    const double longitude = 15.5678 + static_cast<double>(second % 30000) * 0.0014;
    const double speed = swaying(second, 600, 4.0, 12.5);
    const double course = swaying(second, 3600, 10.0, 350.0);
    const double heading = course + swaying(second, 90, -3.0, 3.0);
    const int satellites = 8 + static_cast<int>(second / 7 % 5);

    std::string log;
    log.reserve(900);
    append_sentence(log, "GPGGA,%02d%02d%02d.00,53%07.4f,N,009%07.4f,E,2,%02d,0.9,%.1f,M,46.9,M,,", hours,
                    minutes, seconds, latitude, longitude, satellites, swaying(second, 300, 11.0, 14.0));
    append_sentence(log, "GPRMC,%02d%02d%02d.00,A,53%07.4f,N,009%07.4f,E,%.1f,%05.1f,101226,2.1,W,D", hours,
                    minutes, seconds, latitude, longitude, speed, course);
    append_sentence(log, "GPVTG,%05.1f,T,%05.1f,M,%.1f,N,%.1f,K,D", course, course - 2.1, speed,
                    speed * 1.852);
    append_sentence(log, "HEHDT,%05.1f,T", heading);
    append_sentence(log, "WIMWV,%05.1f,R,%.1f,N,A", swaying(second, 240, 20.0, 70.0),
                    swaying(second, 180, 8.0, 19.0));
    const double depth = swaying(second, 1200, 8.0, 60.0);
    append_sentence(log, "SDDBT,%06.1f,f,%06.1f,M,%06.1f,F", depth * 3.2808, depth, depth * 0.5468);
    append_sentence(log, "YXMTW,%.1f,C", swaying(second, 3000, 11.0, 14.5));
    const int elevation = 20 + static_cast<int>(second / 60 % 50);
    const int azimuth = static_cast<int>(second / 30 % 360);
    append_sentence(log, "GPGSV,3,1,11,04,%02d,%03d,42,05,35,272,39,09,22,310,,12,60,135,45", elevation,
                    azimuth);
    append_sentence(log, "GPGSV,3,2,11,14,10,190,30,17,48,%03d,41,20,05,330,,22,33,065,38",
                    (azimuth + 90) % 360);
    append_sentence(log, "GPGSV,3,3,11,29,05,020,30,31,15,100,33,32,%02d,%03d,28", 90 - elevation,
                    (azimuth + 180) % 360);
    append_sentence(log, "YXXDR,C,%.1f,C,AIRTEMP,P,%.4f,B,BARO", swaying(second, 7200, 14.0, 22.0),
                    swaying(second, 5000, 1.0050, 1.0250));
    return log;
}

void Write_Nmea_Log(const std::filesystem::path& file, std::size_t bytes) {
    std::string log;
    log.reserve(bytes + 1024);
    for (long second = 0; log.size() < bytes; ++second)
        log += Nmea_Second(second);
    write_file_safely(file, log);
}

std::string Log_Listener_File() {
    std::string text = "<NMEA_0183><NMEA_Listener>";
    int position = 0;
    for (const Listener_Row& row : Rows) {
        text += std::string("<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"") + row.sentence +
                "\" Index=\"" + row.index + "\" DataField=\"" + row.data_field + "\" PortOperation=\"" +
                row.post_operation + "\" SwapAll=\"N\" Swap16=\"N\" Position=\"" + std::to_string(position) +
                "\" Mnemonic=\"\"/>";
        position += Bytes_Per_Row;
    }
    return text + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->";
}

void Make_Log_Configuration(Application& app) {
    if (Create_New_Project(app, Log_Name))
        throw ConfigError(std::string("Cannot create the configuration ") + Log_Name + " in " +
                          app.Path_Projects.string());
    // The device takes the rows of a port that is on; RS232 is by default.
    Save_ParGen(ParGen_Set{}, app.File_ParGen);
    write_file_safely(app.File_NMEA_0183_Set_Access, Log_Listener_File());
}

} // namespace cfg::bench
