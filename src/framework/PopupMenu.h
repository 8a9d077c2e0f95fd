#pragma once
// A pop-up menu of text items, one of them selected.

#include "framework/Control.h"

namespace framework {

class PopupMenu final : public Control {
  public:
    PopupMenu(ControlOwner& owner, std::string name);

    void AddRow(const std::string& text);
    // The text of item k; "" out of range.
    std::string List(int k) const;
    int ListCount() const;
    // -1 for none.
    int ListIndex() const;
    void setListIndex(int index);
    // The selected item's text; "" for none.
    std::string Text() const;

    // Raised whenever the selection changes, by the user or by code.
    std::function<void()> Change;
};

} // namespace framework
