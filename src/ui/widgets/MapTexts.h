#pragma once

namespace ui {

// Offsets of a screen's texts for its byte map, from the first of them: the export button's
// caption and hint, the file filter, the message after writing, the note when the other screen's
// file could not be read, and the failure of encoding a picture.
enum Map_Screen_Text : int {
    Export_Caption,
    Export_Hint,
    Export_Filter,
    Export_Written,
    Reference_Unread,
    Picture_Failed
};

} // namespace ui
