#pragma once
// A folder of its own for one test, removed with everything in it.

#include <string>

namespace keyhop::test {

class TemporaryFolder final {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace keyhop::test
