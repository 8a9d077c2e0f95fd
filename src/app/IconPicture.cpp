// The status item's icon and its cache.

#include "app/IconPicture.h"

#include "framework/ResourceFork.h"

namespace keyhop {

namespace {

constexpr int iconPictureNumber = 168;

std::shared_ptr<framework::Picture> cache;

} // namespace

std::shared_ptr<framework::Picture> IconPicture() {
    if (!cache) {
        cache = framework::appResourceFork().GetPicture(iconPictureNumber);
    }
    return cache;
}

void releaseIconPicture() {
    cache.reset();
}

} // namespace keyhop
