#pragma once
// Reading a text file line by line. The file is UTF-8; its bytes are passed
// on as they are, but for a byte-order mark at its start: some editors write
// one, and it belongs to no line. "\n", "\r\n" and "\r" all end a line.

#include <limits>
#include <memory>
#include <string>

namespace framework {

class TextInputStream final {
  public:
    // The whole file is read at once; nil when it is no regular file (a
    // folder, a pipe, a device: none of them blocks), cannot be read (a
    // missing file, no permission, an I/O error) or holds more than sizeLimit
    // bytes.
    static std::unique_ptr<TextInputStream>
    open(const std::string& path, std::size_t sizeLimit = std::numeric_limits<std::size_t>::max());

    // No line left. (EOF itself is a macro of the C library.)
    bool EndOfFile() const { return position_ >= content_.size(); }
    // The next line without its line end; "" at the end of the file.
    std::string ReadLine();
    // Lets go of the content; the stream is then at its end.
    void Close();

  private:
    explicit TextInputStream(std::string content);

    std::string content_;
    std::size_t position_ = 0;
};

} // namespace framework
