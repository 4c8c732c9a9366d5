#pragma once

#include "core/lang/LangStrings.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

enum class Row_Kind {
    Edit,        // label and edit field
    Check,       // check box carrying its own caption
    Choice,      // label and drop-down list
    Octets,      // label and the four octet fields of an address
    Check_Octets // a check box as the label of four octet fields (the gateway rows)
};

// One row of a parameter group, with the catalogue indices of its texts. For an address row `name`
// is the prefix of the four fields (name + "1" .. "4") and `hint` the first of their four
// consecutive hints; a gateway row names its check box in `name` and its fields in `octets`.
struct Row_Design {
    Row_Kind kind;
    const char* name;
    int label;
    int hint;
    std::span<const std::string_view> items = {};
    const char* octets = nullptr;
    int octet_hint = 0;
};

// The controls built for one row.
struct Group_Row {
    const Row_Design* design = nullptr;
    QLabel* label = nullptr;    // none where a check box carries the caption
    QWidget* control = nullptr; // the edit field, check box or list; none in an address row
    std::array<QLineEdit*, 4> octets{};
    std::array<QLabel*, 3> dots{}; // the "." between the octet fields
    std::vector<QWidget*> widgets; // every widget of the row
    bool shown = true;
};

Group_Row build_row(const Row_Design& design, QWidget* body);

void set_row_texts(const Group_Row& row, const cfg::Lang_Strings& texts);

void show_row(Group_Row& row, bool shown);

// The widths of the label column and of a check box: 170 and 436 px, more where a caption of the
// language needs it. Every group takes the same, so the controls stand in one column.
struct Row_Widths {
    int label = 170;
    int check = 436;

    // Makes room for the captions of the rows that show.
    void widen_for(const std::vector<Group_Row>& rows);
    // Where the widest row ends in the body.
    int right() const;
};

// Puts the shown rows one under the other from the top of the body, hidden rows leaving no gap, and
// returns the bottom edge of the last shown control (0 when none shows).
int place_rows(std::vector<Group_Row>& rows, const Row_Widths& widths);

// The controls of a row that take the keyboard focus, left to right.
std::vector<QWidget*> focus_chain(const Group_Row& row);

} // namespace ui
