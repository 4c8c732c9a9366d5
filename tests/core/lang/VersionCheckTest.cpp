#include "core/lang/VersionCheck.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

class FakeHttp : public cfg::HttpClient {
public:
    explicit FakeHttp(std::optional<std::string> reply) : reply_(std::move(reply)) {}

    std::optional<std::string> get(const std::string& host, const std::string& path_and_query) override {
        host_ = host;
        path_ = path_and_query;
        return reply_;
    }

    std::string host_;
    std::string path_;

private:
    std::optional<std::string> reply_;
};

class ThrowingHttp : public cfg::HttpClient {
public:
    std::optional<std::string> get(const std::string&, const std::string&) override {
        throw std::runtime_error("connection refused");
    }
};

TEST(ConvVersion, ReadsTheDigitsAroundTheDot) {
    struct Case {
        const char* text;
        int expected;
    };
    for (const Case& c :
         {Case{"1.000", 1000}, Case{"VER. 1.002", 1002}, Case{"VER.   2.345  ", 2345}, Case{"1.0005", 1000},
          Case{"VER. 1.00", -1}, Case{"VER. a.000", -1}, Case{"", -1}, Case{"VER. 1.0x0", -1},
          Case{"VER. -.001", -1}, Case{"VER. 1.0 0", -1}, Case{"VER. 9,999", 9999},
          Case{"VER. 1\xC3\xA9"
               "000",
               1000}}) {
        EXPECT_EQ(cfg::Conv_Version(c.text), c.expected) << '"' << c.text << '"';
    }
}

struct ReplyCase {
    const char* name;
    std::optional<std::string> reply;
    bool newer;
};

void PrintTo(const ReplyCase& c, std::ostream* out) {
    *out << c.name;
}

class CheckVersion : public testing::TestWithParam<ReplyCase> {};

TEST_P(CheckVersion, ComparesTheServersVersionWithThisProgram) {
    FakeHttp http(GetParam().reply);
    EXPECT_EQ(cfg::Check_Version(http), GetParam().newer);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, CheckVersion,
    testing::Values(ReplyCase{"SameVersion", "VER. 1.000", false},
                    ReplyCase{"NewerVersion", "VER. 1.001", true},
                    ReplyCase{"OlderVersion", "VER. 0.999", false},
                    ReplyCase{"NoVersionInLowerCase", "ver. 0.000", false},
                    ReplyCase{"NewerInLowerCaseWithLineEnd", "ver. 2.000\r\n", true},
                    ReplyCase{"EmptyReply", "", false}, ReplyCase{"BlankReply", " \r\n", false},
                    ReplyCase{"FailedRequest", std::nullopt, false},
                    ReplyCase{"TooShort", "VER. 1.01", false},
                    ReplyCase{"NotAVersion", "<html><body>Not Found</body></html>", false}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return std::string(info.param.name); });

TEST(CheckVersion, AsksTheUpdateServerForThisSoftwareCode) {
    FakeHttp http("VER. 1.000");
    cfg::Check_Version(http);
    EXPECT_EQ(http.host_, cfg::Update_Server_Host);
    EXPECT_EQ(http.path_, "/home/download/GetversionSW.asp?nomesw=SW52C40");

    cfg::Check_Version(http, "127.0.0.1");
    EXPECT_EQ(http.host_, "127.0.0.1");
}

TEST(CheckVersion, AClientThatFailsLoudlyCountsAsNoNewerVersion) {
    ThrowingHttp http;
    EXPECT_FALSE(cfg::Check_Version(http));
}

TEST(MakerSite, AddressesNameTheDeviceOnAReservedHost) {
    EXPECT_TRUE(std::string_view(cfg::Update_Server_Host).ends_with(".example"));
    EXPECT_EQ(cfg::Download_Page_Address("www.maker.example"),
              "http://www.maker.example/Home/download/download.asp#SW52C40");
    EXPECT_EQ(cfg::Home_Page_Address("www.maker.example"),
              "http://www.maker.example/HOME/default.asp?frompg=SW52C40");
}

} // namespace
