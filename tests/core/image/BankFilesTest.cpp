#include "core/image/BankFiles.h"
#include "ImageTestFiles.h"
#include "core/common/ConfigError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::image::Bank_Images;
using cfg::image::test::Configuration;
using cfg::image::test::key;
using cfg::image::test::Listener_Row;
using cfg::image::test::Variable_Row;
using cfg::test::read_bytes;
using cfg::test::write_bytes;

std::string text(const cfg::image::Bank_Bytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

Bank_Images sample_banks() {
    return {cfg::image::Bank_Bytes(2048, 1), cfg::image::Bank_Bytes(1536, 2),
            cfg::image::Bank_Bytes(18480, 3)};
}

TEST(WriteBankFiles, CreatesTheBinFolderAndWritesEachBankAsItIs) {
    Configuration configuration;
    const Bank_Images banks = sample_banks();
    cfg::image::Write_Bank_Files(banks, configuration.folder());
    EXPECT_EQ(read_bytes(configuration.folder() / "bin" / "bank1.bin"), text(banks.bank1));
    EXPECT_EQ(read_bytes(configuration.folder() / "bin" / "bank2.bin"), text(banks.bank2));
    EXPECT_EQ(read_bytes(configuration.folder() / "bin" / "bank3.bin"), text(banks.bank3));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(configuration.folder() / "bin"),
                            std::filesystem::directory_iterator()),
              3);
}

TEST(WriteBankFiles, ABinThatIsAFileIsReported) {
    Configuration configuration;
    write_bytes(configuration.folder() / "bin", "not a folder");
    EXPECT_THROW(cfg::image::Write_Bank_Files(sample_banks(), configuration.folder()), cfg::ConfigError);
    EXPECT_EQ(read_bytes(configuration.folder() / "bin"), "not a folder");
}

TEST(WriteBankFiles, ABankThatCannotBeWrittenLeavesEveryOldBankInPlace) {
    Configuration configuration;
    const std::filesystem::path bin = configuration.folder() / "bin";
    write_bytes(bin / "bank1.bin", "old 1");
    write_bytes(bin / "bank2.bin", "old 2");
    std::filesystem::create_directories(bin / "bank3.bin"); // in the way of the third bank
    EXPECT_THROW(cfg::image::Write_Bank_Files(sample_banks(), configuration.folder()), cfg::ConfigError);
    EXPECT_EQ(read_bytes(bin / "bank1.bin"), "old 1");
    EXPECT_EQ(read_bytes(bin / "bank2.bin"), "old 2");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(bin), std::filesystem::directory_iterator()),
              3);
}

TEST(CompileImage, AnEarlierCompileLeavesNothingBehind) {
    Configuration full;
    full.par_gen(key("RS232_BAUDRATE", "9600") + key("EtherCAT_Slave_Revision_Number", "7"));
    Listener_Row row;
    row.Sentence = "GGA";
    row.DataField = "GPS Quality indicator [decimal]";
    full.listener({row});
    Variable_Row variable;
    variable.Type = "Int16";
    variable.Name = "speed";
    full.variables({variable, variable});
    Configuration empty;

    const Bank_Images empty_first = empty.compile();
    const Bank_Images full_first = full.compile();
    EXPECT_NE(full_first, empty_first);
    EXPECT_EQ(empty.compile(), empty_first);
    EXPECT_EQ(full.compile(), full_first);
}

} // namespace
