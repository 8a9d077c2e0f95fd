#pragma once
// Opening a web page in the user's browser.

#include <string>

namespace framework {

// Opens the URL in the user's default web browser; returns at once and
// tells nothing of whether a page opened.
void ShowURL(const std::string& url);

} // namespace framework
