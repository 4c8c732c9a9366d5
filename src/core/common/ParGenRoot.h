#pragma once

namespace cfg {

// The root element of ParGen.xml. It stands on this floor because readers of two sibling folders
// take that file: the parameters' own and the ESI generator's.
inline constexpr const char* ParGen_Root = "Par_Gen";

} // namespace cfg
