// Text functions shared by every part of the system.

#include "framework/Text.h"

#include <QString>

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

std::string ReplaceAll(const std::string& source, const std::string& find,
                       const std::string& replacement) {
    if (find.empty()) {
        return source;
    }
    std::string result;
    std::size_t from = 0;
    for (auto at = source.find(find); at != std::string::npos; at = source.find(find, from)) {
        result.append(source, from, at - from).append(replacement);
        from = at + find.size();
    }
    return result.append(source, from);
}

std::string Lowercase(const std::string& text) {
    return QString::fromStdString(text).toLower().toStdString();
}

int InStr(const std::string& source, const std::string& find) {
    const auto at = source.find(find);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string EndOfLine() {
    return "\n";
}

std::string Str(int number) {
    return std::to_string(number);
}

} // namespace framework
