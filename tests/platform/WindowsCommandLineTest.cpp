#include "platform/WindowsCommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct QuotingCase {
    std::vector<std::wstring> words;
    std::wstring line;
};

class WindowsCommandLine : public testing::TestWithParam<QuotingCase> {};

// Each line is what the C runtime takes apart into the same words again.
TEST_P(WindowsCommandLine, QuotesWhatTheRuntimeWouldSplitOrUnquote) {
    EXPECT_EQ(platform::windows_command_line(GetParam().words), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Words, WindowsCommandLine,
    testing::Values(QuotingCase{{L"ping", L"-n", L"1"}, L"ping -n 1"},
                    QuotingCase{{L"C:\\Program Files\\Ethernet_Update.exe"},
                                L"\"C:\\Program Files\\Ethernet_Update.exe\""},
                    QuotingCase{{L"a", L""}, L"a \"\""}, QuotingCase{{L"say \"hi\""}, L"\"say \\\"hi\\\"\""},
                    // Backslashes stand as they are unless a quote follows, the closing one included.
                    QuotingCase{{L"C:\\data\\"}, L"C:\\data\\"},
                    QuotingCase{{L"C:\\my data\\"}, L"\"C:\\my data\\\\\""},
                    QuotingCase{{L"a\\\\\"b"}, L"\"a\\\\\\\\\\\"b\""},
                    QuotingCase{{L"Température"}, L"Température"}));

} // namespace
