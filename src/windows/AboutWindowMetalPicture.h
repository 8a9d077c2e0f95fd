#pragma once
// The About window's backdrop: picture 169 of Keyhop's resources, loaded once.

#include "app/PictureCache.h"

namespace keyhop {

inline PictureCache AboutWindowMetalPicture(169);

} // namespace keyhop
