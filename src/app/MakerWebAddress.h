#pragma once
// The maker's web site: the Help pages, the About window's address and the
// update check's server all live under it.

#include <string>

namespace keyhop {

// A full address without a trailing slash ("http://www.example.com"); it
// comes from the build, so that a packager points Keyhop at their own site.
extern std::string makerWebAddress;

} // namespace keyhop
