#include "platform/WindowsCommandLine.h"

namespace platform {
namespace {

std::wstring quoted_word(const std::wstring& word) {
    if (!word.empty() && word.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return word;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : word) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count as themselves unless a quote follows: then each must be doubled.
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    // The closing quote follows too.
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

} // namespace

std::wstring windows_command_line(const std::vector<std::wstring>& words) {
    std::wstring line;
    for (const std::wstring& word : words) {
        if (!line.empty())
            line += L' ';
        line += quoted_word(word);
    }
    return line;
}

} // namespace platform
