#pragma once

#include "core/image/ListenerEntry.h"

#include <string>

namespace cfg::preview {

// The texts of a compiled listener row that say what it takes: the sentence code, the Index (empty
// where the field takes none), the data field and the post operation.
struct Entry_Texts {
    std::string sentence;
    std::string index;
    std::string data_field;
    std::string post_operation;
};

Entry_Texts Texts_Of_Entry(const image::Listener_Entry& entry);

} // namespace cfg::preview
