#include "shell/ui/background_run.h"

#include <QCoreApplication>
#include <QTimer>

namespace ds::ui {

BackgroundRun::BackgroundRun(QObject* owner, std::function<void()> poll, std::function<void()> done)
    : timer_(new QTimer(owner)), poll_(std::move(poll)), done_(std::move(done)) {
  timer_->setInterval(200);
  QObject::connect(timer_, &QTimer::timeout, owner, [this] { tick(); });
  // Leaving the program stops the work and waits for its thread, whether or not
  // the window is ever deleted.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, owner, [this] { end(); });
}

BackgroundRun::~BackgroundRun() { end(); }

void BackgroundRun::start(std::function<void(std::stop_token)> work) {
  end();
  finished_.store(false, std::memory_order_relaxed);
  running_ = true;
  worker_ = std::jthread([this, work = std::move(work)](std::stop_token stop) {
    work(stop);
    finished_.store(true, std::memory_order_release);
  });
  timer_->start();
}

void BackgroundRun::request_stop() {
  if (running_) worker_.request_stop();
}

void BackgroundRun::end() {
  timer_->stop();
  running_ = false;
  if (!worker_.joinable()) return;
  worker_.request_stop();
  worker_.join();
}

void BackgroundRun::tick() {
  if (!running_) return;
  poll_();
  if (!finished_.load(std::memory_order_acquire)) return;
  end();
  done_();
}

}  // namespace ds::ui
