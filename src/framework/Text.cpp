// Text functions shared by every part of the system.

#include "framework/Text.h"

namespace framework {

std::string Replace(const std::string& source, const std::string& find,
                    const std::string& replacement) {
    if (find.empty()) {
        return source;
    }
    const auto at = source.find(find);
    if (at == std::string::npos) {
        return source;
    }
    std::string result = source;
    result.replace(at, find.size(), replacement);
    return result;
}

std::string EndOfLine() {
    return "\n";
}

std::string Str(int number) {
    return std::to_string(number);
}

} // namespace framework
