#pragma once
// A list of rows of text cells under column headings. The list never sorts
// by itself: only PressHeader and a click on a heading sort it, asking
// CompareRows for each comparison.

#include "framework/Control.h"

#include <memory>

namespace framework {

class Listbox final : public Control {
  public:
    static constexpr int AlignDefault = 0;
    static constexpr int AlignLeft = 1;
    static constexpr int AlignCenter = 2;
    static constexpr int AlignRight = 3;

    Listbox(ControlOwner& owner, std::string name);
    ~Listbox() override;

    int ColumnCount() const;
    void setColumnCount(int count);
    // Widths in pixels separated by commas, as "40,40,,0": an empty width
    // shares the rest of the list's width, 0 hides the column. The user may
    // drag the borders.
    void setColumnWidths(const std::string& widths);
    void setHasHeading(bool hasHeading);
    void setHeading(int column, const std::string& heading);
    void setColumnAlignment(int column, int alignment);

    // Appends a row whose column 0 holds the text.
    void AddRow(const std::string& text);
    // The last row added; -1 before any.
    int LastIndex() const;
    int ListCount() const;
    // "" out of range.
    std::string Cell(int row, int column) const;
    void setCell(int row, int column, const std::string& text);
    void RemoveRow(int row);

    // The selected row, -1 for none; writing -1 clears the selection.
    int ListIndex() const;
    void setListIndex(int row);
    bool Selected(int row) const;
    void setSelected(int row, bool selected);

    // 1 ascending, -1 descending: the direction of the next sort on it.
    void setColumnSortDirection(int column, int direction);
    // Sorts on the column, as a click on its heading does.
    void PressHeader(int column);

    // Raised whenever the selection changes, by the user or by code.
    std::function<void()> Change;
    // Raised by a double click anywhere in the list, rows or not.
    std::function<void()> DoubleClick;
    // Compares two rows on a column: true with result -1, 0 or 1 set, or
    // false to let the list compare the two cells as text.
    std::function<bool(int row1, int row2, int column, int& result)> CompareRows;

  private:
    void sortOn(int column, int direction);
    int compareRows(int row1, int row2, int column) const;
    void applyColumnWidths();

    struct Private;
    std::unique_ptr<Private> d_;
};

} // namespace framework
