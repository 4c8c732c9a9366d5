#pragma once

#include <string>
#include <vector>

namespace platform {

// The command line a Windows program takes apart into these words again (as the C runtime and
// CommandLineToArgvW do): each word in quotes where it holds a blank, a tab or a quote, with the
// backslashes before a quote doubled.
std::wstring windows_command_line(const std::vector<std::wstring>& words);

} // namespace platform
