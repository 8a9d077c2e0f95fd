#pragma once
// Turns the ways the desktop asks a process to quit (SIGTERM, SIGINT, SIGHUP
// and the session manager) into one call on the main thread.

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace framework {

class QuitRequestWatcher final : public QObject {
  public:
    // Watches from construction to destruction; only one may exist at a time.
    explicit QuitRequestWatcher(std::function<void()> onQuitRequest);
    ~QuitRequestWatcher() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void readSignalBytes();

    std::function<void()> onQuitRequest_;
    int pipe_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace framework
