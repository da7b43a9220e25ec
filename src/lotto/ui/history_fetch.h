#pragma once
// Fetching a published draw history over HTTP or HTTPS (QtNetwork). It only brings the
// bytes and what the server said; what they are, and what is stored, is decided in
// lotto/history_update.h.
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

#include "lotto/history_update.h"

class QNetworkReply;

namespace ds::ui {

inline constexpr std::chrono::milliseconds default_fetch_timeout{20000};

// One fetch under way, driven by the caller's event loop: `progress` as bytes arrive,
// `done` once, when the page is whole, the server gave up, `timeout` passed without a
// byte arriving (timed_out) or cancel() was called (failed, "cancelled").
// Redirects are followed unless they lead from https to http.
class PageFetch : public QObject {
  Q_OBJECT
 public:
  PageFetch(const QString& url, std::chrono::milliseconds timeout, QObject* parent = nullptr);
  ~PageFetch() override;
  void cancel();
  bool finished() const { return finished_; }
  const FetchedPage& page() const { return page_; }

 signals:
  void progress(qint64 received, qint64 total);  // total -1 when the server did not say
  void done();

 private:
  void finish();
  QNetworkAccessManager manager_;
  QNetworkReply* reply_ = nullptr;
  QTimer quiet_;  // restarted by every byte that arrives
  bool timed_out_ = false, cancelled_ = false, finished_ = false;
  FetchedPage page_;
};

// Fetches `url` and waits for it in an event loop of its own (a QCoreApplication must
// exist), at most `timeout` without a byte arriving.
FetchedPage fetch_page(const QString& url, std::chrono::milliseconds timeout = default_fetch_timeout);

}  // namespace ds::ui
