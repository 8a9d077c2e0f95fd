#pragma once
// The text functions the system's code uses; strings are UTF-8.

#include <string>

namespace framework {

// The source with the first occurrence of find replaced; the inserted text is
// not searched again. An empty find leaves the source as it is.
std::string Replace(const std::string& source, const std::string& find,
                    const std::string& replacement);

// The source with every occurrence of find replaced, left to right.
std::string ReplaceAll(const std::string& source, const std::string& find,
                       const std::string& replacement);

// The text in lower case, letters beyond ASCII included.
std::string Lowercase(const std::string& text);

// The 1-based position of the first occurrence of find in source; 0 when
// there is none.
int InStr(const std::string& source, const std::string& find);

// The platform's line end.
std::string EndOfLine();

// The number in decimal.
std::string Str(int number);

} // namespace framework
