#include "core/lang/VersionCheck.h"

#include "core/common/ModelIdentity.h"
#include "core/common/Text.h"

#include <exception>

namespace cfg {
namespace {

// What the server answers when it knows no version for the software code asked.
constexpr std::string_view No_Version_Reply = "VER. 0.000";

std::string version_reply(HttpClient& http, std::string_view host) {
    try {
        return http.get(std::string(host), Version_Request_Path()).value_or("");
    } catch (const std::exception&) {
        return "";
    }
}

} // namespace

std::string Version_Request_Path() {
    return "/home/download/GetversionSW.asp?nomesw=" + std::string(SW_Code);
}

int Conv_Version(std::string_view Ver_str) {
    const std::size_t blank = Ver_str.find(' ');
    const std::string_view after_blank =
        blank == std::string_view::npos ? Ver_str : Ver_str.substr(blank + 1);
    const std::u16string version = utf8_to_utf16(trimmed(after_blank));
    if (version.size() < 5)
        return -1;
    // One digit, the dot, three digits: the dot is skipped.
    int number = 0;
    for (std::size_t position : {0u, 2u, 3u, 4u}) {
        const char16_t digit = version[position];
        if (digit < u'0' || digit > u'9')
            return -1;
        number = number * 10 + (digit - u'0');
    }
    return number;
}

bool Check_Version(HttpClient& http, std::string_view host) {
    const std::string reply = version_reply(http, host);
    const std::string answer = trimmed(upper_ascii(reply));
    if (answer.empty() || answer == No_Version_Reply)
        return false;
    const int own = Conv_Version(Program_Version);
    const int server = Conv_Version(trimmed(reply));
    return own != -1 && server != -1 && server > own;
}

} // namespace cfg
