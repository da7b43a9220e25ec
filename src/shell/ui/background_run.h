#pragma once
// Core work on a thread of its own, for a window: the window starts it with the
// work (a plain core function that takes a stop token and writes a progress
// snapshot), a timer lets the window show that snapshot every 200 ms, and once
// the work has returned the thread is joined and the window told. Stop asks the
// work to end; ending the program ends it and waits for it.
#include <atomic>
#include <functional>
#include <stop_token>
#include <thread>

class QObject;
class QTimer;

namespace ds::ui {

class BackgroundRun {
 public:
  // `poll` runs on every tick while the work runs, `done` once it has returned
  // (after the last poll), both on the window's thread.
  BackgroundRun(QObject* owner, std::function<void()> poll, std::function<void()> done);
  ~BackgroundRun();
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;

  void start(std::function<void(std::stop_token)> work);
  // Asks the work to end; `done` follows once it has.
  void request_stop();
  // Ends the work and waits for it, without `done` (the window closes).
  void end();
  bool running() const { return running_; }

 private:
  void tick();
  QTimer* timer_;
  std::function<void()> poll_, done_;
  std::atomic<bool> finished_{false};
  bool running_ = false;
  std::jthread worker_;
};

}  // namespace ds::ui
