// Pictures of Keyhop's resources, each read once.

#include "app/PictureCache.h"

#include "framework/ResourceFork.h"

namespace keyhop {

std::shared_ptr<framework::Picture> PictureCache::operator()() {
    if (!picture_) {
        picture_ = framework::appResourceFork().GetPicture(number_);
    }
    return picture_;
}

} // namespace keyhop
