// Native strings, converted with QString.

#include "plugin/CFStringMBS.h"

#include <QString>

namespace plugin {

CFStringMBS::CFStringMBS(const std::string& text)
    : text_(QString::fromStdString(text).toStdU16String()) {}

CFStringMBS::operator std::string() const {
    return QString::fromStdU16String(text_).toStdString();
}

CFStringMBS NewCFStringMBS(const std::string& text) {
    return CFStringMBS(text);
}

} // namespace plugin
