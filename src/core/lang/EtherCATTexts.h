#pragma once

// The texts of the EtherCAT variable screen, its ESI file and its process image, from their block
// of the catalogue, by index. The captions and hints of the table's columns are in the table's
// column descriptions; the texts of the spreadsheet exchange are in core/exchange/TableExchangeTexts.h.
namespace cfg::ethercat_text {

enum : int {
    Title = 1500,
    Type_Header = 1516,
    Name_Header = 1519,
    Start_Bit_Header = 1522,
    Delete_Row_Question = 1533,
    Slave_To_Master,
    Master_To_Slave,
    Error_Row = 1551,
    String_Length_Invalid,
    Rows_Would_Be_Dropped_Question,
    Float32_Init_Value_Invalid,
    ESI_Written,
    ESI_Variables,
    ESI_Other_Process_Image, // %1: when, %2: where
    ESI_Never_Written,
    ESI_Not_Comparable, // %1: the reason
};

enum : int {
    Image_Caption = 1570,
    Process_Image, // "process image: "
    Byte_Unit,
    Bytes_Unit,
    Size_Separator, // ", "
    Bits_Unit,
    Map_Texts, // the first of the byte map's texts, in the order of ui::Map_Screen_Text
    Row = 1582,
    Label_Separator, // ": "
    Bytes_Header,
    No_Bytes,
};

} // namespace cfg::ethercat_text
