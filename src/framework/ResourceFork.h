#pragma once
// The application's own resources, compiled into the program.

#include <memory>

namespace framework {

class Picture;

class ResourceFork final {
  public:
    // The picture of that number; nil when the application has none.
    std::shared_ptr<Picture> GetPicture(int number) const;
};

// The running application's resources.
ResourceFork appResourceFork();

} // namespace framework
