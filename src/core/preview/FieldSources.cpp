#include "core/preview/FieldSources.h"

#include "core/nmea/SentenceCatalogue.h"

#include <array>

namespace cfg::preview {
namespace {

using P = Field_Part;
using O = Occurrence;

// Fields taken whole, each catalogue field from the sentence field in its own place.
template <std::size_t N>
constexpr std::array<Field_Source, N> In_Place = [] {
    std::array<Field_Source, N> sources{};
    for (std::size_t i = 0; i < N; ++i)
        sources[i] = {static_cast<int>(i)};
    return sources;
}();

// The sentences whose catalogue fields split or repeat their fields, in catalogue field order.

constexpr Field_Source ZDA[] = {
    {0, P::Hours},    // hours of hhmmss.ss
    {0, P::Minutes},  // minutes
    {0, P::Seconds},  // seconds
    {0, P::Fraction}, // fraction of seconds
    {1},              // day
    {2},              // month
    {3},              // year
    {4},              // local zone hours
    {5},              // local zone minutes
};

constexpr Field_Source GGA[] = {
    {0, P::Hours},         // hours of hhmmss.ss
    {0, P::Minutes},       // minutes
    {0, P::Seconds},       // seconds
    {0, P::Fraction},      // fraction of seconds
    {1, P::Degrees},       // degrees of the latitude llll.ll
    {2},                   // N/S
    {1, P::Angle_Minutes}, // minutes
    {3, P::Degrees},       // degrees of the longitude yyyyy.yy
    {4},                   // E/W
    {3, P::Angle_Minutes}, // minutes
    {5},                   // quality
    {6},                   // satellites in use
    {7},                   // HDOP
    {8},                   // altitude
    {9},                   // M
    {10},                  // geoidal separation
    {11},                  // M
    {12},                  // age of differential data
    {13},                  // station ID
};

constexpr Field_Source GLL[] = {
    {0, P::Angle_Minutes}, // minutes of the latitude llll.ll
    {0, P::Degrees},       // degrees
    {1},                   // N/S
    {2, P::Angle_Minutes}, // minutes of the longitude yyyyy.yy
    {2, P::Degrees},       // degrees
    {3},                   // E/W
    {4, P::Hours},         // hours of hhmmss.ss
    {4, P::Minutes},       // minutes
    {4, P::Seconds},       // seconds
    {4, P::Fraction},      // fraction of seconds
    {5},                   // status
    {6},                   // mode
};

// Up to four satellite blocks a sentence, the signal ID after the last.
constexpr Field_Source GSV[] = {
    {0},                                      // sentences in the series
    {1, P::Whole, O::Sentence_Number},        // this sentence's number
    {2},                                      // satellites in view
    {3, P::Whole, O::Satellite, 4, 3},        // satellite ID
    {4, P::Whole, O::Satellite, 4, 3},        // elevation
    {5, P::Whole, O::Satellite, 4, 3},        // azimuth
    {6, P::Whole, O::Satellite, 4, 3},        // SNR
    {0, P::Whole, O::After_Satellites, 4, 3}, // signal ID
};

constexpr Field_Source RMC[] = {
    {0, P::Hours},         // hours of hhmmss.ss
    {0, P::Minutes},       // minutes
    {0, P::Seconds},       // seconds
    {0, P::Fraction},      // fraction of seconds
    {1},                   // status
    {2, P::Degrees},       // degrees of the latitude llll.ll
    {3},                   // N/S
    {2, P::Angle_Minutes}, // minutes
    {4, P::Degrees},       // degrees of the longitude yyyyy.yy
    {5},                   // E/W
    {4, P::Angle_Minutes}, // minutes
    {6},                   // speed
    {7},                   // course
    {8, P::Day},           // day of ddmmyy
    {8, P::Month},         // month
    {8, P::Year},          // year
    {9},                   // magnetic variation
    {10},                  // E/W
    {11},                  // mode
    {12},                  // navigational status
};

// Groups of type, data, units and transducer ID.
constexpr Field_Source XDR[] = {
    {0, P::Whole, O::Group, 4, 0},
    {1, P::Whole, O::Group, 4, 0},
    {2, P::Whole, O::Group, 4, 0},
    {3, P::Whole, O::Group, 4, 0},
};

// One alarm a field.
constexpr Field_Source PJELA[] = {{0, P::Whole, O::Group, 1, 0}};

constexpr std::array<std::span<const Field_Source>, nmea::Sentence_Count + 1> Sources_By_Sentence = [] {
    std::array<std::span<const Field_Source>, nmea::Sentence_Count + 1> sources{};
    sources[1] = ZDA;
    sources[4] = In_Place<6>; // DBT: feet,f,metres,M,fathoms,F
    sources[5] = In_Place<3>; // DPT: depth,offset,maximum range
    sources[7] = GGA;
    sources[8] = GLL;
    sources[9] = In_Place<18>; // GSA: mode,fix,twelve satellite IDs,PDOP,HDOP,VDOP,system ID
    sources[10] = GSV;
    sources[11] = In_Place<5>;  // HDG: heading,deviation,E/W,variation,E/W
    sources[13] = In_Place<2>;  // HDT: heading,T
    sources[15] = In_Place<20>; // MDA: pressures, temperatures, humidities, dew point, wind
    sources[16] = In_Place<2>;  // MTW: temperature,C
    sources[17] = In_Place<8>;  // MWD: true,T,magnetic,M,knots,N,m/s,M
    sources[18] = In_Place<5>;  // MWV: angle,reference,speed,units,status
    sources[20] = RMC;
    sources[21] = In_Place<2>;  // ROT: rate,status
    sources[23] = In_Place<4>;  // RSA: starboard,status,port,status
    sources[24] = In_Place<10>; // VBW: water speeds,status,ground speeds,status,stern pairs
    sources[28] = In_Place<8>;  // VHW: true,T,magnetic,M,knots,N,km/h,K
    sources[30] = In_Place<9>;  // VTG: true,T,magnetic,M,knots,N,km/h,K,mode
    sources[31] = In_Place<8>;  // VWR: angle,L/R,knots,N,m/s,M,km/h,K
    sources[32] = In_Place<6>;  // XTE: status,status,magnitude,L/R,units,mode
    sources[33] = In_Place<2>;  // THS: heading,mode
    sources[34] = XDR;
    sources[35] = PJELA;
    sources[36] = In_Place<6>; // DBK: feet,f,metres,M,fathoms,F
    sources[37] = In_Place<6>; // DBS: feet,f,metres,M,fathoms,F
    sources[38] = In_Place<8>; // DTM: datum,subdivision,lat offset,N/S,lon offset,E/W,altitude,datum
    sources[39] = In_Place<8>; // VWT: angle,L/R,knots,N,m/s,M,km/h,K
    sources[40] = In_Place<6>; // $PJELC: feedback,command,current,three solenoid states
    return sources;
}();

} // namespace

std::span<const Field_Source> Field_Sources(int Ind_Sent) {
    if (Ind_Sent < 1 || Ind_Sent > nmea::Sentence_Count)
        return {};
    return Sources_By_Sentence[static_cast<std::size_t>(Ind_Sent)];
}

} // namespace cfg::preview
