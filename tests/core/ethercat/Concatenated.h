#pragma once

#include <vector>

namespace cfg::test {

// The lists one after the other, for building test cases from runs of rows or lines.
template <typename T, typename... More>
std::vector<T> concatenated(std::vector<T> first, const More&... more) {
    (first.insert(first.end(), more.begin(), more.end()), ...);
    return first;
}

} // namespace cfg::test
