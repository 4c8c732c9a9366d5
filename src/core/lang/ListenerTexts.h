#pragma once

// The texts of the listener screen and of the NMEA data array, from their block of the catalogue,
// by index. The captions and hints of the table's columns are in the table's column descriptions.
namespace cfg::listener_text {

enum : int {
    Title = 1000,
    Number_Header = 1014,
    Sentence_Header = 1017,
    Data_Field_Header = 1018,
};

enum : int {
    Error_Row = 1033,
    Serial_Channel_Missing,
    Sentence_Missing,
    Data_Field_Missing,
    Post_Operation_Missing,
    Position_Out_Of_Range,
    Delete_Row_Question,
    Index_Out_Of_1_To_10 = 1042,
    Index_Out_Of_1_To_50,
    Index_Out_Of_1_To_36,
    Index_Out_Of_1_To_9,
};

enum : int {
    Rows_Would_Be_Dropped_Question = 1046,
    Bytes_Header,
    Bytes_Hint,
    Overlaps_Row,
    Overlaps_Rows,
    List_Separator, // ", "
    Before_Array,
    Past_Byte,
    Mark_Separator, // "; "
    Bytes_Used,
    None,
    Of,
    Overlap,
    Overlaps,
    Outside,
    Array_Caption,
    Row,
    Label_Separator, // ": "
    Map_Texts,       // the first of the byte map's texts, in the order of ui::Map_Screen_Text
    Preview_Caption = 1070,
    Preview_Hint,
};

} // namespace cfg::listener_text
