#pragma once
// A label.

#include "framework/Control.h"

#include <cstdint>

namespace framework {

class StaticText final : public Control {
  public:
    static constexpr int AlignLeft = 0;
    static constexpr int AlignCenter = 1;
    static constexpr int AlignRight = 2;

    StaticText(ControlOwner& owner, std::string name);

    std::string Text() const;
    void setText(const std::string& text);
    void setTextAlign(int alignment);
    // In pixels, as the places and sizes are; 0 for the system size.
    void setTextSize(int size);
    void setBold(bool bold);
    void setUnderline(bool underline);
    // 0xRRGGBB.
    void setTextColor(std::uint32_t rgb);

    std::function<void()> MouseEnter;
    std::function<void()> MouseExit;
    // x and y in the label's coordinates; true when the click was handled.
    std::function<bool(int x, int y)> MouseDown;
};

} // namespace framework
