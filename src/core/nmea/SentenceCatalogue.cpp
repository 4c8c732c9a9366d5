#include "core/nmea/SentenceCatalogue.h"

#include "core/common/Text.h"

#include <algorithm>

namespace cfg::nmea {

const std::array<TNMEA_Sentence, Sentence_Count + 1> NMEA_Sentences = {{
    {"", false},      // unused
    {"ZDA", true},    // 1
    {"BWC", false},   // 2
    {"BWR", false},   // 3
    {"DBT", true},    // 4
    {"DPT", true},    // 5
    {"DSC", false},   // 6
    {"GGA", true},    // 7
    {"GLL", true},    // 8
    {"GSA", true},    // 9
    {"GSV", true},    // 10
    {"HDG", true},    // 11
    {"HDM", false},   // 12
    {"HDT", true},    // 13
    {"HSC", false},   // 14
    {"MDA", true},    // 15
    {"MTW", true},    // 16
    {"MWD", true},    // 17
    {"MWV", true},    // 18
    {"RMB", false},   // 19
    {"RMC", true},    // 20
    {"ROT", true},    // 21
    {"RPM", false},   // 22
    {"RSA", true},    // 23
    {"VBW", true},    // 24
    {"VDM", false},   // 25
    {"VDO", false},   // 26
    {"VDR", false},   // 27
    {"VHW", true},    // 28
    {"VLW", false},   // 29
    {"VTG", true},    // 30
    {"VWR", true},    // 31
    {"XTE", true},    // 32
    {"THS", true},    // 33
    {"XDR", true},    // 34
    {"$PJELA", true}, // 35
    {"DBK", true},    // 36
    {"DBS", true},    // 37
    {"DTM", true},    // 38
    {"VWT", true},    // 39
    {"$PJELC", true}, // 40
}};

// Descriptions are kept exactly, blanks and letter case included: the configuration files store
// them and look them up again by exact text.
void Init_Sentence_Maps(Sentence_Map_Array& maps) {
    for (TMNEA0183_Map& map : maps)
        map.Fields.clear();
    // 1 ZDA
    maps[1].Fields = {
        {"hour [decimal]", 1},                        // 0
        {"minutes [decimal]", 1},                     // 1
        {"seconds [decimal]", 1},                     // 2
        {"decimal-fraction of seconds [decimal]", 2}, // 3
        {"day [decimal]", 1},                         // 4
        {"month [decimal]", 1},                       // 5
        {"year [decimal]", 2},                        // 6
        {"local zone hours [decimal +/-]", 1},        // 7
        {"local zone minutes [decimal]", 1},          // 8
    };
    // 4 DBT
    maps[4].Fields = {
        {"Water depth, feet, Number [floating point]", 4},    // 0
        {"Water depth, feet, Unit [character]", 1},           // 1
        {"Water depth, meters, Number [floating point]", 4},  // 2
        {"Water depth, meters, Unit [character]", 1},         // 3
        {"Water depth, Fathoms, Number [floating point]", 4}, // 4
        {"Water depth, Fathoms, Unit [character]", 1},        // 5
    };
    // 5 DPT
    maps[5].Fields = {
        {"Water depth relative to transducer, meters [floating point]", 4}, // 0
        {"Offset from transducer [floating point]", 4},                     // 1
        {"Maximum range scale in use [floating point]", 4},                 // 2
    };
    // 7 GGA
    maps[7].Fields = {
        {"UTC of position, Hours [decimal]", 1},                             // 0
        {"UTC of position, Minutes  [decimal]", 1},                          // 1
        {"UTC of position, Seconds  [decimal]", 1},                          // 2
        {"UTC of position, decimal-fraction of seconds [decimal]", 2},       // 3
        {"Latitude, Degrees [decimal]", 1},                                  // 4
        {"Latitude, Direction [character]", 1},                              // 5
        {"Latitude, Minutes [floating point]", 4},                           // 6
        {"Longitude, Degrees [decimal]", 1},                                 // 7
        {"Longitude, Direction [character]", 1},                             // 8
        {"Longitude, Minutes [floating point]", 4},                          // 9
        {"GPS Quality indicator [decimal]", 1},                              // 10
        {"Number of satellites in use [decimal]", 1},                        // 11
        {"Horizontal dilution of precision [floating point]", 4},            // 12
        {"Altitude re: mean-sea-level (geoid), Number [floating point]", 4}, // 13
        {"Altitude re: mean-sea-level (geoid), Unit [character]", 1},        // 14
        {"Geoidal separation, Number [floating point]", 4},                  // 15
        {"Geoidal separation, Unit [character]", 1},                         // 16
        {"Age of Differential GPS data [floating point]", 4},                // 17
        {"Differential reference station ID [decimal]", 2},                  // 18
    };
    // 8 GLL
    maps[8].Fields = {
        {"Latitude, Minutes [floating point]", 4},                     // 0
        {"Latitude, Degrees [decimal]", 1},                            // 1
        {"Latitude, Direction [character]", 1},                        // 2
        {"Longitude, Minutes [floating point]", 4},                    // 3
        {"Longitude, Degrees [decimal]", 1},                           // 4
        {"Longitude, Direction [character]", 1},                       // 5
        {"UTC of position, Hours [decimal]", 1},                       // 6
        {"UTC of position, Minutes [decimal]", 1},                     // 7
        {"UTC of position, Seconds [decimal]", 1},                     // 8
        {"UTC of position, Decimal-fraction of seconds [decimal]", 2}, // 9
        {"Status [character]", 1},                                     // 10
        {"Mode Indicator [character]", 1},                             // 11
    };
    // 9 GSA
    maps[9].Fields = {
        {"Mode [character]", 1},                                     // 0
        {"Mode_1 [character]", 1},                                   // 1
        {"ID number of satellite 1 used in solution [decimal]", 1},  // 2
        {"ID number of satellite 2 used in solution [decimal]", 1},  // 3
        {"ID number of satellite 3 used in solution [decimal]", 1},  // 4
        {"ID number of satellite 4 used in solution [decimal]", 1},  // 5
        {"ID number of satellite 5 used in solution [decimal]", 1},  // 6
        {"ID number of satellite 6 used in solution [decimal]", 1},  // 7
        {"ID number of satellite 7 used in solution [decimal]", 1},  // 8
        {"ID number of satellite 8 used in solution [decimal]", 1},  // 9
        {"ID number of satellite 9 used in solution [decimal]", 1},  // 10
        {"ID number of satellite 10 used in solution [decimal]", 1}, // 11
        {"ID number of satellite 11 used in solution [decimal]", 1}, // 12
        {"ID number of satellite 12 used in solution [decimal]", 1}, // 13
        {"PDOP [floating point]", 4},                                // 14
        {"HDOP [floating point]", 4},                                // 15
        {"VDOP  [floating point]", 4},                               // 16
        {"GNSS System ID [decimal]", 1},                             // 17
    };
    // 10 GSV
    maps[10].Fields = {
        {"Total number of sentences [decimal]", 1},                      // 0
        {"Sentence number [decimal]", 1},                                // 1
        {"Total number of satellites in view [decimal]", 1},             // 2
        {"Satellite ID number [decimal]", 1},                            // 3
        {"Elevation, degrees, 90o maximum [decimal]", 1},                // 4
        {"Azimuth, degrees True, 000 to 359 [decimal]", 2},              // 5
        {"SNR (C/No) 00-99 dB-Hz, null when not tracking [decimal]", 1}, // 6
        {"Signal ID [decimal]", 1},                                      // 7
    };
    // 11 HDG
    maps[11].Fields = {
        {"Magnetic sensor heading, degrees [floating point]", 4},    // 0
        {"Magnetic deviation, degrees,Number [floating point]", 4},  // 1
        {"Magnetic deviation, degrees, Unit [character]", 1},        // 2
        {"Magnetic variation, degrees, Number [floating point]", 4}, // 3
        {"Magnetic variation, degrees, Unit [character]", 1},        // 4
    };
    // 13 HDT
    maps[13].Fields = {
        {"Heading, degrees True, Number [floating point]", 4}, // 0
        {"Heading, degrees True [character]", 1},              // 1
    };
    // 15 MDA
    maps[15].Fields = {
        {"Barometric pressure, inches of mercury, Number [floating point]", 4}, // 0
        {"Barometric pressure, inches of mercury, Unit [character]", 1},        // 1
        {"Barometric pressure, bars, Number [floating point]", 4},              // 2
        {"Barometric pressure, bars, Unit [character]", 1},                     // 3
        {"Air temperature, degrees C, Number [floating point]", 4},             // 4
        {"Air temperature, degrees C, Unit [character]", 1},                    // 5
        {"Water temperature, degrees C, Number [floating point]", 4},           // 6
        {"Water temperature, degrees C, Unit [character]", 1},                  // 7
        {"Relative humidity, percent [floating point]", 4},                     // 8
        {"Absolute humidity, percent [floating point]", 4},                     // 9
        {"Dew point, degrees C, Number [floating point]", 4},                   // 10
        {"Dew point, degrees C, Unit [character]", 1},                          // 11
        {"Wind direction, degrees True, Number [floating point]", 4},           // 12
        {"Wind direction, degrees True, Unit [character]", 1},                  // 13
        {"Wind direction, degrees Magnetic, Number [floating point]", 4},       // 14
        {"Wind direction, degrees Magnetic, Unit [character]", 1},              // 15
        {"Wind speed, knots, Number [floating point]", 4},                      // 16
        {"Wind speed, knots, Unit [character]", 1},                             // 17
        {"Wind speed, meters/second, Number [floating point]", 4},              // 18
        {"Wind speed, meters/second, Unit [character]", 1},                     // 19
    };
    // 16 MTW
    maps[16].Fields = {
        {"Water temperature, Number [floating point]", 4}, // 0
        {"Water temperature, Unit [character]", 1},        // 1
    };
    // 17 MWD
    maps[17].Fields = {
        {"Wind direction, 0 to 359 degrees True, Number", 4},     // 0
        {"Wind direction True, Unit", 1},                         // 1
        {"Wind direction, 0 to 359 degrees Magnetic, Number", 4}, // 2
        {"Wind direction Magnetic, Unit", 1},                     // 3
        {"Wind speed, knots, Number", 4},                         // 4
        {"Wind speed, knots, Unit", 1},                           // 5
        {"Wind speed, meters/second, Number", 4},                 // 6
        {"Wind speed, meters/second, Unit", 1},                   // 7
    };
    // 18 MWV
    maps[18].Fields = {
        {"wind angle [floating point]", 4},  // 0
        {"reference [character]", 1},        // 1
        {"wind speed [floating point]", 4},  // 2
        {"wind speed units [character]", 1}, // 3
        {"status [character]", 1},           // 4
    };
    // 20 RMC
    maps[20].Fields = {
        {"UTC of position, Hours [decimal]", 1},                       // 0
        {"UTC of position, Minutes [decimal]", 1},                     // 1
        {"UTC of position, Seconds [decimal]", 1},                     // 2
        {"UTC of position, decimal-fraction of seconds [decimal]", 2}, // 3
        {"Status [character]", 1},                                     // 4
        {"Latitude, Degrees [decimal]", 1},                            // 5
        {"Latitude, Direction [character]", 1},                        // 6
        {"Latitude, Minutes [floating point]", 4},                     // 7
        {"Longitude, Degrees [decimal]", 1},                           // 8
        {"Longitude, Direction [character]", 1},                       // 9
        {"Longitude, Minutes [floating point]", 4},                    // 10
        {"Speed over ground, knots [floating point]", 4},              // 11
        {"Course Over Ground, degrees True [floating point]", 4},      // 12
        {"Date, Day [decimal]", 1},                                    // 13
        {"Date, Month [decimal]", 1},                                  // 14
        {"Date, Year [decimal]", 2},                                   // 15
        {"Magnetic variation, degrees, Number [floating point]", 4},   // 16
        {"Magnetic variation, degrees, Unit [character]", 1},          // 17
        {"Mode Indicator [character]", 1},                             // 18
        {"Navigational status [character]", 1},                        // 19
    };
    // 21 ROT
    maps[21].Fields = {
        {"Rate of turn, degrees/minute, Number [floating point]", 4}, // 0
        {"Status [character]", 1},                                    // 1
    };
    // 23 RSA
    maps[23].Fields = {
        {"Starboard (or single) rudder sensor, Number [floating point]", 4}, // 0
        {"Starboard (or single) rudder sensor, Status [character]", 1},      // 1
        {"Port rudder sensor, Number [floating point]", 4},                  // 2
        {"Port rudder sensor, Status [character]", 1},                       // 3
    };
    // 24 VBW
    maps[24].Fields = {
        {"Longitudinal water speed, knots, Number [floating point]", 4},  // 0
        {"Transverse water speed, knots, Number [floating point]", 4},    // 1
        {"Water speed, Status [character]", 1},                           // 2
        {"Longitudinal ground speed, knots, Number [floating point]", 4}, // 3
        {"Transverse ground speed, knots, Number [floating point]", 4},   // 4
        {"Ground speed, Status [character]", 1},                          // 5
        {"Stern transverse water speed, Number [floating point]", 4},     // 6
        {"Stern water speed, Status [character]", 1},                     // 7
        {"Stern transverse ground speed, Number [floating point]", 4},    // 8
        {"Stern ground speed, Status [character]", 1},                    // 9
    };
    // 28 VHW
    maps[28].Fields = {
        {"Degress True, Number [floating point]", 4},                                       // 0
        {"Degress True, Unit [character]", 1},                                              // 1
        {"Degrees, Number [floating point]", 4},                                            // 2
        {"Degrees, Unit [character]", 1},                                                   // 3
        {"Knots (speed of vessel relative to the water), Number [floating point]", 4},      // 4
        {"Knots (speed of vessel relative to the water), Unit [character]", 1},             // 5
        {"Kilometers (speed of vessel relative to the water), Number [floating point]", 4}, // 6
        {"Kilometers (speed of vessel relative to the water), Unit [character]", 1},        // 7
    };
    // 30 VTG
    maps[30].Fields = {
        {"Course over ground, degrees True, Number [floating point]", 4},     // 0
        {"Course over ground, degrees True, Unit [character]", 1},            // 1
        {"Course over ground, degrees Magnetic, Number [floating point]", 4}, // 2
        {"Course over ground, degrees Magnetic, Unit [character]", 1},        // 3
        {"Speed over ground, knots, Number [floating point]", 4},             // 4
        {"Speed over ground, knots, Unit [character]", 1},                    // 5
        {"Speed over ground, km/hr, Number [floating point]", 4},             // 6
        {"Speed over ground, km/hr, Unit [character]", 1},                    // 7
        {"Mode Indicator [character]", 1},                                    // 8
    };
    // 31 VWR
    maps[31].Fields = {
        {"Wind_Angle, Measured wind angle relative to the vessel, 0 to 180o, Number [floating point]",
         4},                                                                   // 0
        {"Wind_Angle, left/right L/R of vessel heading, Unit [character]", 1}, // 1
        {"Wind speed, knots, Number [floating point]", 4},                     // 2
        {"Wind speed, knots, Unit [character]", 1},                            // 3
        {"Wind speed, meters/second, Number [floating point]", 4},             // 4
        {"Wind speed, meters/second, Unit [character]", 1},                    // 5
        {"Wind speed, Km/h, Number [floating point]", 4},                      // 6
        {"Wind speed, Km/h, Unit [character]", 1},                             // 7
    };
    // 32 XTE
    maps[32].Fields = {
        {"status 1 [character]", 1},                            // 0
        {"status 2 [character]", 1},                            // 1
        {"Magnitude of Cross-Track-Error [floating point]", 4}, // 2
        {"direction to steer, L/R [character]", 1},             // 3
        {"units [character]", 1},                               // 4
        {"mode Indicator [character]", 1},                      // 5
    };
    // 33 THS
    maps[33].Fields = {
        {"Heading, degrees True, Number [floating point]", 4}, // 0
        {"Heading, degrees True [character]", 1},              // 1
    };
    // 34 XDR
    maps[34].Fields = {
        {"Transducer type [character]", 1},                       // 0
        {"Measurement data [floating point]", 4},                 // 1
        {"Units of measure [character]", 1},                      // 2
        {"Transducer ID [character string] (20 characters)", 20}, // 3
    };
    // 35 $PJELA
    maps[35].Fields = {
        {"Alarm [character]", 1}, // 0
    };
    // 36 DBK
    maps[36].Fields = {
        {"Depth, feet, Number [floating point]", 4},    // 0
        {"Depth, feet, Unit [character]", 1},           // 1
        {"Depth, meters, Number [floating point]", 4},  // 2
        {"Depth, meters, Unit [character]", 1},         // 3
        {"Depth, Fathoms, Number [floating point]", 4}, // 4
        {"Depth, Fathoms, Unit [character]", 1},        // 5
    };
    // 37 DBS
    maps[37].Fields = {
        {"Depth, feet, Number [floating point]", 4},    // 0
        {"Depth, feet, Unit [character]", 1},           // 1
        {"Depth, meters, Number [floating point]", 4},  // 2
        {"Depth, meters, Unit [character]", 1},         // 3
        {"Depth, Fathoms, Number [floating point]", 4}, // 4
        {"Depth, Fathoms, Unit [character]", 1},        // 5
    };
    // 38 DTM
    maps[38].Fields = {
        {"Local datum code [string of 3 characters]", 3},     // 0
        {"Local datum subdivision code [character]", 1},      // 1
        {"Latitude offset, Minutes [floating point]", 4},     // 2
        {"Latitude, Direction [character]", 1},               // 3
        {"Longitude offset, Minutes [floating point]", 4},    // 4
        {"Longitude, Direction [character]", 1},              // 5
        {"Altitude offset, Meters [floating point]", 4},      // 6
        {"Reference datum code [string of 3 characters]", 3}, // 7
    };
    // 39 VWT
    maps[39].Fields = {
        {"Calculated wind angle relative to the vessel, 0 to 180°, Number [floating point]", 4}, // 0
        {"Calculated left/right L/R of vessel heading, Unit [character]", 1},                    // 1
        {"Calculated wind speed, knots, Number [floating point]", 4},                            // 2
        {"Calculated wind speed, knots, Unit [character]", 1},                                   // 3
        {"Calculated wind speed, meters/second, Number [floating point]", 4},                    // 4
        {"Calculated wind speed, meters/second, Unit [character]", 1},                           // 5
        {"Calculated wind speed, Km/h, Number [floating point]", 4},                             // 6
        {"Calculated wind speed, Km/h, Unit [character]", 1},                                    // 7
    };
    // 40 $PJELC
    maps[40].Fields = {
        {"Feedback angle, Number [floating point]", 4},               // 0
        {"Command angle, Number [floating point]", 4},                // 1
        {"Directional solenoid current, Number [floating point]", 4}, // 2
        {"Speed solenoid status, Status [character]", 1},             // 3
        {"Helm bypass solenoid status, Status [character]", 1},       // 4
        {"Helm limit solenoid status, Status [character]", 1},        // 5
    };
}

const Sentence_Map_Array& Sentence_Maps() {
    static const Sentence_Map_Array maps = [] {
        Sentence_Map_Array built;
        Init_Sentence_Maps(built);
        return built;
    }();
    return maps;
}

int Find_Sentence(std::string_view Sentence) {
    // Every sentence of a log is looked up: the first letter rules out most names without a compare.
    for (int n = 1; n <= Sentence_Count; ++n) {
        const std::string_view name = NMEA_Sentences[n].Name;
        if (name.size() == Sentence.size() && name.front() == Sentence.front() && name == Sentence)
            return n;
    }
    return -1;
}

int GetIndexSentence(std::string_view Sentence) {
    return Find_Sentence(Sentence);
}

int GetIndexDataField(int Ind_Sent, std::string_view DataField) {
    if (Ind_Sent < 1 || Ind_Sent > Sentence_Count)
        return -1;
    const std::vector<TFieldSentence>& fields = Sentence_Maps()[Ind_Sent].Fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (upper_ascii(trimmed(fields[i].Field)) == DataField)
            return static_cast<int>(i);
    }
    return -1;
}

const TFieldSentence* Find_Field(int Ind_Sent, int field_index) {
    if (Ind_Sent < 1 || Ind_Sent > Sentence_Count || field_index < 0)
        return nullptr;
    const std::vector<TFieldSentence>& fields = Sentence_Maps()[Ind_Sent].Fields;
    if (field_index >= static_cast<int>(fields.size()))
        return nullptr;
    return &fields[static_cast<std::size_t>(field_index)];
}

std::vector<std::string> Offered_Sentence_Codes() {
    std::vector<std::string> codes;
    for (int n = 1; n <= Sentence_Count; ++n) {
        if (NMEA_Sentences[n].Enabled)
            codes.emplace_back(NMEA_Sentences[n].Name);
    }
    return codes;
}

std::vector<std::string> Sorted_Offered_Sentence_Codes() {
    std::vector<std::string> codes = Offered_Sentence_Codes();
    std::stable_sort(codes.begin(), codes.end(), [](const std::string& a, const std::string& b) {
        return upper_ascii(a) < upper_ascii(b);
    });
    return codes;
}

std::vector<std::string> Field_Descriptions(int Ind_Sent) {
    std::vector<std::string> descriptions;
    if (Ind_Sent < 1 || Ind_Sent > Sentence_Count)
        return descriptions;
    for (const TFieldSentence& field : Sentence_Maps()[Ind_Sent].Fields)
        descriptions.push_back(field.Field);
    return descriptions;
}

bool Is_Offered_Sentence(int Ind_Sent) {
    return Ind_Sent >= 1 && Ind_Sent <= Sentence_Count &&
           NMEA_Sentences[static_cast<std::size_t>(Ind_Sent)].Enabled;
}

std::optional<Index_Range> Index_Range_Of(int Ind_Sent, int field_index) {
    if (Ind_Sent == Sentence_XDR)
        return Index_Range{1, 10};
    if (Ind_Sent == Sentence_PJELA)
        return Index_Range{1, 50};
    if (Ind_Sent == Sentence_GSV) {
        if (field_index >= 3 && field_index <= 6) // satellite ID, elevation, azimuth, SNR
            return Index_Range{1, 36};
        if (field_index == 1) // sentence number
            return Index_Range{1, 9};
    }
    return std::nullopt;
}

bool Sentence_Takes_Index(int Ind_Sent) {
    return Ind_Sent == Sentence_GSV || Ind_Sent == Sentence_XDR || Ind_Sent == Sentence_PJELA;
}

} // namespace cfg::nmea
