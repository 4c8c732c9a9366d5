#pragma once

#include "core/lang/MakerSite.h"

#include <optional>
#include <string>
#include <string_view>

namespace cfg {

// An HTTP GET, so that the version check can be run against a fake.
class HttpClient {
public:
    virtual ~HttpClient() = default;

    // The body of the answer, or nothing on any failure (no connection, no answer, an error status,
    // a time-out). The version check expects an HTTP/1.0 request with the Accept header below and
    // the client's own User-Agent, no cookies kept, no redirection followed, and a time-out so that
    // the program never hangs for good.
    virtual std::optional<std::string> get(const std::string& host, const std::string& path_and_query) = 0;
};

inline constexpr std::string_view Version_Request_Accept =
    "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";

// "/home/download/GetversionSW.asp?nomesw=" followed by the software code.
std::string Version_Request_Path();

// A version text such as "VER. 1.002" (or "1.002") as a number (1002), or -1 when it cannot be read.
int Conv_Version(std::string_view Ver_str);

// Whether the update server names a newer version than this program's. Every failure, a reply that
// cannot be read included, counts as no newer version and is not reported.
bool Check_Version(HttpClient& http, std::string_view host = Update_Server_Host);

} // namespace cfg
