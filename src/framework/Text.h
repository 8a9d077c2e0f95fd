#pragma once
// The text functions the system's code uses; strings are UTF-8.
//
// Positions and lengths count the bytes of the UTF-8 text. InStr, Left and
// Mid agree with one another, so cutting a text at a position InStr found
// never splits a character.

#include <string>

namespace framework {

// The source with the first occurrence of find replaced; the inserted text is
// not searched again. An empty find leaves the source as it is.
std::string Replace(const std::string& source, const std::string& find,
                    const std::string& replacement);

// The platform's line end.
std::string EndOfLine();

// The number in decimal.
std::string Str(int number);

// The 1-based position of the first occurrence of find in source; 0 when
// there is none.
int InStr(const std::string& source, const std::string& find);

// The first count bytes of the text ("" when count is 0 or less).
std::string Left(const std::string& text, int count);

// The text from the 1-based position start to its end (the whole text when
// start is 1 or less, "" past its end).
std::string Mid(const std::string& text, int start);

// The text without leading and trailing ASCII white space (blank, tab, line
// feed, carriage return, vertical tab, form feed).
std::string Trim(const std::string& text);

// The decimal number at the start of the text, after white space ("-1",
// "+2.5", "3e2"); 0 when the text does not begin with a finite number in range.
double CDbl(const std::string& text);

} // namespace framework
