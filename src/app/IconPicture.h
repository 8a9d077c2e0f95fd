#pragma once
// The status item's icon: picture 168 of Keyhop's resources, loaded once.

#include <memory>

namespace framework {
class Picture;
}

namespace keyhop {

// The picture; nil while none could be loaded, so the next call tries again.
std::shared_ptr<framework::Picture> IconPicture();

// Lets go of the cached picture; done at exit.
void releaseIconPicture();

} // namespace keyhop
