#pragma once
// Fetching a published draw history over HTTP or HTTPS (QtNetwork). It only brings the
// bytes and what the server said; what they are, and what is stored, is decided in
// lotto/history_update.h.
#include <QString>
#include <chrono>

#include "lotto/history_update.h"

namespace ds::ui {

inline constexpr std::chrono::milliseconds default_fetch_timeout{20000};

// Fetches `url` and waits for it in an event loop of its own (a QCoreApplication must
// exist), at most `timeout` without a byte arriving, then gives up (timed_out).
// Redirects are followed unless they lead from https to http.
FetchedPage fetch_page(const QString& url, std::chrono::milliseconds timeout = default_fetch_timeout);

}  // namespace ds::ui
