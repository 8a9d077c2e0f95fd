#pragma once
// A captioned box drawn behind the controls placed inside it.

#include "framework/Control.h"

namespace framework {

class GroupBox final : public Control {
  public:
    GroupBox(ControlOwner& owner, std::string name);

    std::string Caption() const;
    void setCaption(const std::string& caption);
};

} // namespace framework
