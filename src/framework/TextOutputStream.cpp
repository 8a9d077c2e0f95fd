// Writing text files that replace the old file whole or not at all.

#include "framework/TextOutputStream.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace framework {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t bufferLimit = 65536;

// A link is written through, as writing the file in place would: an
// existing target is replaced, a missing one is created.
std::string resolvedTarget(const std::string& path) {
    fs::path target(path);
    std::error_code error;
    // The kernel follows no more than 40 links either.
    for (int links = 0; links < 40 && fs::is_symlink(target, error); ++links) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            break;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    if (target == fs::path(path)) {
        return path;
    }
    const fs::path resolved = fs::weakly_canonical(target, error);
    return error ? target.string() : resolved.string();
}

// The temporary file of one save: hidden, beside the target, named after
// the saving process.
std::string temporaryName(const fs::path& target, pid_t pid, unsigned serial) {
    return "." + target.filename().string() + "." + std::to_string(pid) + "." +
           std::to_string(serial) + ".tmp";
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A save that was killed or crashed leaves its temporary file behind; once
// its process is gone, nothing will ever finish or remove it.
void removeLeftovers(const fs::path& target) {
    const std::string prefix = "." + target.filename().string() + ".";
    const std::string suffix = ".tmp";
    std::error_code error;
    for (fs::directory_iterator entry(target.parent_path(), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(suffix)) {
            continue;
        }
        const std::string_view middle = std::string_view(name).substr(
            prefix.size(), name.size() - prefix.size() - suffix.size());
        const auto dot = middle.find('.');
        pid_t pid = 0;
        if (dot == std::string_view::npos || !allDigits(middle.substr(0, dot)) ||
            !allDigits(middle.substr(dot + 1)) ||
            std::from_chars(middle.data(), middle.data() + dot, pid).ec != std::errc() ||
            pid <= 0) {
            continue;
        }
        if (::kill(pid, 0) != 0 && errno == ESRCH) {
            ::unlink(entry->path().c_str());
        }
    }
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // Not every file system syncs folders; the rename has been made either way.
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::unique_ptr<TextOutputStream> TextOutputStream::create(const std::string& path) {
    const std::string target = resolvedTarget(path);
    const fs::path targetPath(target);
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        // In the same folder so that rename can replace the target; O_EXCL
        // below makes sure that it is ours alone.
        const std::string temporary =
            (targetPath.parent_path() / temporaryName(targetPath, ::getpid(), serial++)).string();
        // 0666 lets the umask decide, as for any new file.
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return nullptr;
        }
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
            // Rewriting keeps the permissions the user gave the file.
            ::fchmod(fd, old.st_mode & 07777);
        }
        removeLeftovers(targetPath);
        return std::unique_ptr<TextOutputStream>(new TextOutputStream(fd, temporary, target));
    }
    return nullptr;
}

TextOutputStream::TextOutputStream(int fd, std::string temporaryPath, std::string targetPath)
    : fd_(fd), temporaryPath_(std::move(temporaryPath)), targetPath_(std::move(targetPath)) {}

TextOutputStream::~TextOutputStream() {
    abandon();
}

void TextOutputStream::WriteLine(const std::string& text) {
    buffer_ += text;
    buffer_ += '\n';
    synced_ = false;
    if (buffer_.size() >= bufferLimit) {
        writeBuffer();
    }
}

void TextOutputStream::Flush() {
    writeBuffer();
    if (fd_ >= 0 && !failed_ && ::fsync(fd_) != 0) {
        failed_ = true;
    }
    synced_ = true;
}

bool TextOutputStream::Close() {
    if (fd_ < 0) {
        return false;
    }
    if (!synced_) {
        Flush();
    }
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (failed_ || !closed || ::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        failed_ = true;
        abandon();
        return false;
    }
    temporaryPath_.clear();
    syncFolder(fs::path(targetPath_).parent_path().string());
    return true;
}

void TextOutputStream::writeBuffer() {
    std::size_t written = 0;
    while (!failed_ && fd_ >= 0 && written < buffer_.size()) {
        const ssize_t count = ::write(fd_, buffer_.data() + written, buffer_.size() - written);
        if (count > 0) {
            written += static_cast<std::size_t>(count);
        } else if (count == 0 || errno != EINTR) {
            failed_ = true;
        }
    }
    buffer_.clear();
}

void TextOutputStream::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}

} // namespace framework
