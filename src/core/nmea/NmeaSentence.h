#pragma once

#include "core/nmea/CodeCounts.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::nmea {

// One sentence as received: its code as the catalogue names it ("GGA" whatever the talker,
// "$PJELA" for a proprietary one), the talker ("GP", "II", ...; empty for a proprietary sentence)
// and the data fields after the address, empty fields kept.
struct Received_Sentence {
    std::string code;
    std::string talker;
    std::vector<std::string> fields;
    bool operator==(const Received_Sentence&) const = default;
};

enum class Line_Kind {
    Sentence,     // a sentence, its checksum right or absent
    Bad_Checksum, // a sentence whose checksum does not match: never used
    Malformed,    // no sentence can be read from the line
    Empty,        // nothing but blanks
};

struct Read_Line {
    Line_Kind kind;
    Received_Sentence sentence; // filled for Line_Kind::Sentence
    bool checksum = false;      // the sentence carried a checksum, and it matched
};

// The longest line a log may hold; NMEA 0183 sentences are far shorter, so anything longer is noise.
inline constexpr std::size_t Longest_Log_Line = 1024;

// Reads one line of a log. Whatever stands before the sentence's "$" (a time stamp, a tag block
// "\...\" of the newer NMEA 0183 versions, serial noise, a byte-order mark) is passed over; a checksum
// "*hh" is verified when present. Bytes outside printable ASCII in the sentence make the line
// malformed.
Read_Line Read_Nmea_Line(std::string_view line);

// What a whole log held.
struct Log_Summary {
    std::size_t lines = 0;
    std::size_t sentences = 0;
    std::size_t bad_checksums = 0;
    std::size_t malformed = 0;
    std::size_t without_checksum = 0; // sentences taken without a checksum to prove them whole
    Code_Counts sentences_by_code;
};

// Cuts bytes into lines as they come, from a file read in blocks or from a serial port: a line ends
// at LF (the reader drops a CR before it). A line longer than Longest_Log_Line never grows past the
// limit and is handed on as cut when its end comes.
class Log_Lines {
public:
    // cut: the line is not whole, so no sentence may be read from it.
    using Visit = std::function<void(std::string_view line, bool cut)>;

    void Feed(std::string_view bytes, const Visit& visit);
    // Hands on the last line, which has no end, when there is one: as cut unless a checksum ends it,
    // since a log that stops in the middle of a sentence would otherwise give a shortened value.
    void Finish(const Visit& visit);

private:
    void keep(std::string_view part);

    std::string line_;
    bool too_long_ = false;
};

// Reads the lines of one log as Log_Lines hands them on and counts them into its summary. The
// sentence it hands on keeps its storage from line to line, so a log of any length is read without
// allocating for each line.
class Log_Reader {
public:
    // The sentence of the line when it holds one to use, valid until the next line; null otherwise.
    const Received_Sentence* Take(std::string_view line, bool cut);

    const Log_Summary& summary() const { return summary_; }

private:
    Log_Summary summary_;
    Received_Sentence sentence_;
};

// Streams a log line by line (CR LF or LF), never holding more than one line, and hands every
// good sentence to visit in order. Malformed lines are counted, never fatal.
Log_Summary Read_Nmea_Log(std::istream& log, const std::function<void(const Received_Sentence&)>& visit);

// The same for a log file (or anything that can be read as one, a pipe included); ConfigError naming
// the file when it cannot be opened or a read fails.
Log_Summary Read_Nmea_Log_File(const std::filesystem::path& file,
                               const std::function<void(const Received_Sentence&)>& visit);

} // namespace cfg::nmea
