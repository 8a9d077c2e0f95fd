// Reading text files line by line.

#include "framework/TextInputStream.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace framework {

std::unique_ptr<TextInputStream> TextInputStream::open(const std::string& path,
                                                       std::size_t sizeLimit) {
    // Without O_NONBLOCK, opening a pipe waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    std::string content;
    struct stat status {};
    // The size is checked again as the file is read, in case it grows.
    bool readable = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                    static_cast<std::uintmax_t>(status.st_size) <= sizeLimit;
    if (readable) {
        content.reserve(static_cast<std::size_t>(status.st_size));
    }
    char buffer[65536];
    while (readable) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            readable = static_cast<std::size_t>(count) <= sizeLimit - content.size();
            if (readable) {
                content.append(buffer, static_cast<std::size_t>(count));
            }
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            readable = false;
        }
    }
    ::close(fd);
    if (!readable) {
        return nullptr;
    }
    return std::unique_ptr<TextInputStream>(new TextInputStream(std::move(content)));
}

TextInputStream::TextInputStream(std::string content) : content_(std::move(content)) {
    if (content_.starts_with("\xEF\xBB\xBF")) {
        position_ = 3;
    }
}

std::string TextInputStream::ReadLine() {
    if (EndOfFile()) {
        return {};
    }
    auto end = position_;
    while (end < content_.size() && content_[end] != '\n' && content_[end] != '\r') {
        ++end;
    }
    if (end == content_.size()) {
        std::string line = content_.substr(position_);
        position_ = content_.size();
        return line;
    }
    std::string line = content_.substr(position_, end - position_);
    position_ = end + 1;
    if (content_[end] == '\r' && position_ < content_.size() && content_[position_] == '\n') {
        ++position_;
    }
    return line;
}

void TextInputStream::Close() {
    content_.clear();
    content_.shrink_to_fit();
    position_ = 0;
}

} // namespace framework
