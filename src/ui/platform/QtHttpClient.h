#pragma once

#include "core/lang/VersionCheck.h"

namespace ui {

// The version check's HTTP client: a plain HTTP/1.0 GET on port 80 that gives up after ten seconds.
class QtHttpClient : public cfg::HttpClient {
public:
    static constexpr int Time_Out_Ms = 10000;

    std::optional<std::string> get(const std::string& host, const std::string& path_and_query) override;
};

} // namespace ui
