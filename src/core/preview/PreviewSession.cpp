#include "core/preview/PreviewSession.h"

namespace cfg::preview {

void Preview_Session::Take_Line(std::string_view line, bool cut) {
    if (const nmea::Received_Sentence* sentence = reader_.Take(line, cut)) {
        model_.Feed(*sentence);
        survey_.Feed(*sentence);
    }
}

} // namespace cfg::preview
