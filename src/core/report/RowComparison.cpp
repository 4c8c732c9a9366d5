#include "core/report/RowComparison.h"

#include <algorithm>

namespace cfg::report {
namespace {

void add_differing(std::vector<Value_Change>& changes, const std::vector<Column_Name>& columns,
                   const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (a[i] != b[i])
            changes.push_back({columns[i].key, columns[i].name, a[i], b[i]});
}

// The values of a row that is on one side only, leaving out the empty ones.
std::vector<Value_Change> one_side(const Row_Shape& shape, const Row_Values& row, bool added) {
    std::vector<Value_Change> values;
    const auto add = [&](const std::vector<Column_Name>& columns, const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (!texts[i].empty())
                values.push_back(
                    {columns[i].key, columns[i].name, added ? "" : texts[i], added ? texts[i] : ""});
    };
    add(shape.entered, row.entered);
    add(shape.place, row.place);
    return values;
}

} // namespace

std::vector<Difference> Compare_Rows(Diff_Area area, const Row_Shape& shape, const std::vector<Row_Values>& a,
                                     const std::vector<Row_Values>& b) {
    std::vector<Difference> differences;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (i >= b.size()) {
            differences.push_back({area, Diff_Change::Removed, row, "", one_side(shape, a[i], false)});
        } else if (i >= a.size()) {
            differences.push_back({area, Diff_Change::Added, row, "", one_side(shape, b[i], true)});
        } else {
            std::vector<Value_Change> changes;
            add_differing(changes, shape.entered, a[i].entered, b[i].entered);
            const bool entered_changed = !changes.empty();
            add_differing(changes, shape.place, a[i].place, b[i].place);
            if (!changes.empty())
                differences.push_back({area, entered_changed ? Diff_Change::Changed : Diff_Change::Moved, row,
                                       "", std::move(changes)});
        }
    }
    return differences;
}

} // namespace cfg::report
