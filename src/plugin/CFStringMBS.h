#pragma once
// A native string: UTF-16 text, made from and turned back into UTF-8.

#include <string>

namespace plugin {

class CFStringMBS final {
  public:
    explicit CFStringMBS(const std::string& text);

    // The text back as UTF-8; malformed UTF-8 given in comes back with
    // replacement characters.
    explicit operator std::string() const;

  private:
    std::u16string text_;
};

CFStringMBS NewCFStringMBS(const std::string& text);

} // namespace plugin
