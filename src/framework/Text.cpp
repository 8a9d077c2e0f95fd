// Text functions shared by every part of the system.

#include "framework/Text.h"

#include <charconv>
#include <cmath>

namespace framework {

namespace {

constexpr const char* whiteSpace = " \t\n\r\v\f";

} // namespace

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

int InStr(const std::string& source, const std::string& find) {
    const auto at = source.find(find);
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string Left(const std::string& text, int count) {
    return count <= 0 ? std::string() : text.substr(0, static_cast<std::size_t>(count));
}

std::string Mid(const std::string& text, int start) {
    const auto from = static_cast<std::size_t>(start <= 1 ? 0 : start - 1);
    return from >= text.size() ? std::string() : text.substr(from);
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(whiteSpace);
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(whiteSpace);
    return text.substr(first, last - first + 1);
}

double CDbl(const std::string& text) {
    const auto first = text.find_first_not_of(whiteSpace);
    if (first == std::string::npos) {
        return 0.0;
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + text.size();
    // from_chars takes no "+" of its own.
    if (*begin == '+' && begin + 1 != end && *(begin + 1) != '-') {
        ++begin;
    }
    double value = 0.0;
    if (std::from_chars(begin, end, value).ec != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

} // namespace framework
