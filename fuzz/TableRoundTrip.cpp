#include "TableRoundTrip.h"

namespace cfg::fuzz {

bool same_rows(const Table& a, const Table& b, int first, int last) {
    if (a.column_count() != b.column_count())
        return false;
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < a.column_count(); ++column) {
            if (a.text(row, column) != b.text(row, column) ||
                a.has_check_box(row, column) != b.has_check_box(row, column) ||
                a.is_checked(row, column) != b.is_checked(row, column))
                return false;
        }
    }
    return true;
}

bool round_trip_holds(const Table& loaded, const Table& reloaded, const Table& empty, int kept) {
    const int last = reloaded.row_count() - 1;
    return same_rows(loaded, reloaded, 1, kept) && same_rows(empty, reloaded, kept + 1, last);
}

} // namespace cfg::fuzz
