// The maker's web site, as the build sets it.

#include "app/MakerWebAddress.h"

namespace keyhop {

std::string makerWebAddress = KEYHOP_WEB_ADDRESS;

} // namespace keyhop
