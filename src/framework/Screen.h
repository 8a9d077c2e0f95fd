#pragma once
// A screen's whole size in pixels, from the platform services.

namespace framework {

class Screen final {
  public:
    // 0 is the main screen.
    explicit Screen(int index);
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    int width_ = 0;
    int height_ = 0;
};

} // namespace framework
