#pragma once
// A single-line text field.

#include "framework/Control.h"

namespace framework {

class EditField final : public Control {
  public:
    EditField(ControlOwner& owner, std::string name);

    // What setText gave, byte for byte, until the user edits it.
    std::string Text() const;
    void setText(const std::string& text);
    // The most characters the field holds; 0 for no limit.
    void setLimitText(int limit);

  private:
    std::string text_;
};

} // namespace framework
