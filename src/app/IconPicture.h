#pragma once
// The status item's icon: picture 168 of Keyhop's resources, loaded once.

#include "app/PictureCache.h"

namespace keyhop {

inline PictureCache IconPicture(168);

} // namespace keyhop
