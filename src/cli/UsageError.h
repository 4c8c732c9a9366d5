#pragma once

#include <stdexcept>

namespace cfg::cli {

// A command line the tool cannot run: reported with the usage text and Exit_Usage.
class Usage_Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace cfg::cli
