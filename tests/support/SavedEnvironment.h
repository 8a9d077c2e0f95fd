#pragma once
// Environment variables put back as they were when the object goes, so a
// test may point them anywhere.

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace keyhop::test {

class SavedEnvironment final {
  public:
    explicit SavedEnvironment(std::initializer_list<const char*> names);
    ~SavedEnvironment();
    SavedEnvironment(const SavedEnvironment&) = delete;
    SavedEnvironment& operator=(const SavedEnvironment&) = delete;

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

} // namespace keyhop::test
