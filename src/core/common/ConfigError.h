#pragma once

#include <stdexcept>

namespace cfg {

// A failure the core does not handle itself: a file that cannot be read or written,
// a document that is not well-formed. The front ends catch it in one place and show its message.
class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace cfg
