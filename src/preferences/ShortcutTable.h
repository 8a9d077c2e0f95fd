#pragma once
// The shortcut table: one row per shortcut, seven columns of text.

#include <array>
#include <string>
#include <vector>

namespace keyhop {

class ShortcutTable final {
  public:
    static constexpr int columnCount = 7;
    using Row = std::array<std::string, columnCount>;

    // The index of the last row; -1 when there is none.
    int lastRow() const { return static_cast<int>(rows_.size()) - 1; }

    const std::string& cell(int row, int column) const { return rows_.at(row).at(column); }
    std::string& cell(int row, int column) { return rows_.at(row).at(column); }
    const Row& row(int row) const { return rows_.at(row); }

    // Keeps the rows up to lastRow, adds rows of empty cells up to it;
    // -1 empties the table.
    void resize(int lastRow) { rows_.resize(static_cast<std::size_t>(lastRow + 1)); }

    bool operator==(const ShortcutTable&) const = default;

  private:
    std::vector<Row> rows_;
};

} // namespace keyhop
