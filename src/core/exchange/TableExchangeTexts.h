#pragma once

// Texts of the spreadsheet exchange of the table screens.
namespace cfg {

constexpr int Text_Exchange_Not_A_Choice = 1560;
constexpr int Text_Exchange_Not_A_Check_State = 1561;
constexpr int Text_Exchange_Too_Many_Rows = 1562;
constexpr int Text_Exchange_Unknown_Column = 1563;
constexpr int Text_Exchange_Column_Twice = 1564;
constexpr int Text_Exchange_No_Header = 1565;
constexpr int Text_Exchange_Values_Beyond_Header = 1566;
constexpr int Text_Exchange_Quote_Not_Closed = 1567;
constexpr int Text_Exchange_Nothing_Imported = 1568;

} // namespace cfg
