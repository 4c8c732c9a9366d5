#pragma once

#include "core/image/ImageCompiler.h"
#include "support/TempDir.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace cfg::image::test {

// One listener row as NMEA_0183_Set_Access.xml holds it; every attribute written as given.
struct Listener_Row {
    std::string Enable = "Y";
    std::string Serial_Channel = "RS232";
    std::string Sentence;
    std::string Index;
    std::string DataField;
    std::string PortOperation = "None";
    std::string SwapAll = "N";
    std::string Swap16 = "N";
    std::string Position = "1";

    std::string xml() const;
};

// One Slave To Master row of EtherCAT_Slave.xml.
struct Variable_Row {
    std::string Enable = "Y";
    std::string Type;
    std::string Length;
    std::string Name;
    std::string InitValue;

    std::string xml() const;
};

// A configuration folder holding whichever of the three files a test writes.
class Configuration {
public:
    // ParGen.xml with the given key elements under Par_Gen.
    void par_gen(const std::string& children) const;
    void listener(const std::vector<Listener_Row>& rows) const;
    void variables(const std::vector<Variable_Row>& rows) const;
    // Writes a file of the configuration exactly as given.
    void write(const char* name, const std::string& content) const;

    const std::filesystem::path& folder() const { return dir_.path(); }
    Configuration_Files files() const;
    Bank_Images compile() const { return Compile_Image(files()); }

private:
    cfg::test::TempDir dir_;
};

// An element of ParGen.xml.
std::string key(const std::string& name, const std::string& text);

// A bank of `size` zero bytes with the given bytes written at their offsets: the worked values of
// a bank written out byte by byte.
std::vector<std::uint8_t>
bank_with(std::size_t size, std::initializer_list<std::pair<std::size_t, std::vector<std::uint8_t>>> patches);

// `size` bytes of the bank from offset.
std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bank, std::size_t offset, std::size_t size);

} // namespace cfg::image::test
