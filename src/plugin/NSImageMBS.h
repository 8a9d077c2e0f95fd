#pragma once
// A native image made from a picture, for the status item.

#include <memory>

class QIcon;

namespace framework {
class Picture;
}

namespace plugin {

class NSImageMBS final {
  public:
    // The form with a mask picture is not offered: the picture's own alpha
    // channel is its mask here.
    explicit NSImageMBS(const framework::Picture& image);
    ~NSImageMBS();
    NSImageMBS(const NSImageMBS&) = delete;
    NSImageMBS& operator=(const NSImageMBS&) = delete;

    const QIcon& icon() const { return *icon_; }

  private:
    std::unique_ptr<QIcon> icon_;
};

} // namespace plugin
