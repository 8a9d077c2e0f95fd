#pragma once
// A picture of Keyhop's resources, loaded on first use and kept for the run.

#include <memory>

namespace framework {
class Picture;
}

namespace keyhop {

class PictureCache final {
  public:
    explicit constexpr PictureCache(int number) : number_(number) {}

    // The picture; nil while none could be loaded, so the next call tries again.
    std::shared_ptr<framework::Picture> operator()();
    // Lets go of the picture; done at exit.
    void release() { picture_.reset(); }

  private:
    int number_;
    std::shared_ptr<framework::Picture> picture_;
};

} // namespace keyhop
