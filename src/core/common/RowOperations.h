#pragma once

#include "core/common/Table.h"

#include <functional>
#include <string>
#include <vector>

namespace cfg {

// The one row clipboard shared by every table of every screen; each copy replaces its content.
struct Row_Clipboard {
    std::vector<std::string> texts;
    // Row_Clipboard_Mask (check-box family): whether each copied cell was a check box.
    std::vector<bool> mask;
};

// What a paste did; the screen shows the matching message.
enum class PasteResult {
    Pasted,
    NothingCopied,  // text 902: the screen has copied nothing
    ColumnMismatch, // text 901: the clipboard does not fit this table's columns
    Declined,       // the user answered No to text 900
};

// Asked before a row in use is overwritten (text 900); true means overwrite.
using ConfirmOverwrite = std::function<bool()>;

// Plain family: rows of texts, check-box columns store "Y".
void Delete_Row(int row, Table& table);
void Insert_Row(int row, Table& table, bool mark_first);
void Copy_Row(const Table& table, int row, Row_Clipboard& clipboard);
PasteResult Paste_Row(Table& table, int row, bool copied, const Row_Clipboard& clipboard,
                      const ConfirmOverwrite& confirm_overwrite);

// Check-box family: cells may carry check boxes, every data column moves, hidden ones included.
void Delete_Row_CB(int row, Table& table, bool mark_first);
void Insert_Row_CB(int row, Table& table, bool mark_first);
void Copy_Row_CB(const Table& table, int row, Row_Clipboard& clipboard);
PasteResult Paste_Row_CB(Table& table, int row, bool copied, const Row_Clipboard& clipboard,
                         const ConfirmOverwrite& confirm_overwrite);

} // namespace cfg
