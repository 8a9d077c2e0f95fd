#pragma once
// Writing a text file line by line, UTF-8 with "\n" line ends.
//
// The new content goes into a file of its own beside the target, which
// replaces the target only when Close has written all of it and synced it to
// disk: a crash, a kill or a full disk never leaves a cut-short file where a
// good one was. A stream destroyed without Close leaves the target untouched,
// and the next stream for the same file removes what saves of processes that
// are gone left behind.

#include <memory>
#include <string>

namespace framework {

class TextOutputStream final {
  public:
    // A stream for a new, empty file at path that will replace whatever is
    // there (a symbolic link is followed, and its target replaced or
    // created); nil when no file can be made in the folder.
    static std::unique_ptr<TextOutputStream> create(const std::string& path);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    // The text and a line end.
    void WriteLine(const std::string& text);
    // Writes out what is buffered and syncs it to disk.
    void Flush();
    // Flushes, then puts the new file in place of the old one. False when
    // any write, the flush or the replacement failed: the old file is then
    // left as it was.
    bool Close();

  private:
    TextOutputStream(int fd, std::string temporaryPath, std::string targetPath);
    void writeBuffer();
    void abandon();

    int fd_;
    std::string temporaryPath_;
    std::string targetPath_;
    std::string buffer_;
    bool failed_ = false;
    bool synced_ = false;
};

} // namespace framework
