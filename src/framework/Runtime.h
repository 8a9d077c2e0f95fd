#pragma once
// The framework's life: set up before anything else runs, shut down last.

#include <memory>

class QApplication;

namespace framework {

class RuntimeException;

class Runtime final {
  public:
    // argc must outlive the runtime.
    Runtime(int& argc, char** argv);
    // Destroys the application object, then the GUI.
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // The last-chance handling of an error nothing else handled.
    static void unhandledException(const RuntimeException& error);

  private:
    std::unique_ptr<QApplication> gui_;
};

} // namespace framework
