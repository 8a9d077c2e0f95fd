#pragma once
// A file type that file dialogs can be filtered by.

#include <string>
#include <vector>

namespace framework {

class FileType final {
  public:
    FileType() = default;
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    const std::string& Name() const { return name_; }
    void setName(const std::string& name) { name_ = name; }
    const std::string& Extensions() const { return extensions_; }
    void setExtensions(const std::string& extensions) { extensions_ = extensions; }
    // Linux files carry no type or creator codes: accepted and not stored.
    void setMacType(const std::string&) {}
    void setMacCreator(const std::string&) {}

    // Registers the type with the framework (once) and gives its name.
    std::string toText();

    bool isRegistered() const;
    // The registered types, in the order of registration.
    static const std::vector<const FileType*>& registeredTypes();

  private:
    std::string name_;
    std::string extensions_;
};

} // namespace framework
