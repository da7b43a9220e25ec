#include "lotto/ui/history_fetch.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace ds::ui {

PageFetch::PageFetch(const QString& url, std::chrono::milliseconds timeout, QObject* parent)
    : QObject(parent) {
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  reply_ = manager_.get(request);
  quiet_.setSingleShot(true);
  connect(&quiet_, &QTimer::timeout, this, [this] {
    timed_out_ = true;
    reply_->abort();
  });
  connect(reply_, &QNetworkReply::downloadProgress, this, [this, timeout](qint64 received, qint64 total) {
    quiet_.start(timeout);
    emit progress(received, total);
  });
  connect(reply_, &QNetworkReply::finished, this, &PageFetch::finish);
  quiet_.start(timeout);
}

PageFetch::~PageFetch() {
  if (reply_) {
    reply_->disconnect(this);
    if (!reply_->isFinished()) reply_->abort();
    delete reply_;
  }
}

void PageFetch::cancel() {
  if (finished_) return;
  cancelled_ = true;
  reply_->abort();
}

void PageFetch::finish() {
  if (finished_) return;
  finished_ = true;
  quiet_.stop();
  QNetworkReply* reply = reply_;
  const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
  page_.bytes.assign(body.constData(), static_cast<std::size_t>(body.size()));
  page_.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  page_.content_type = reply->header(QNetworkRequest::ContentTypeHeader).toString().toStdString();
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  if (length.isValid()) page_.declared_length = length.toLongLong();
  const auto error = reply->error();
  if (cancelled_) {
    page_.outcome = FetchedPage::Outcome::failed;
    page_.detail = "cancelled";
  } else if (timed_out_) {
    page_.outcome = FetchedPage::Outcome::timed_out;
  } else if (page_.status >= 400) {
    page_.outcome = FetchedPage::Outcome::http_error;
  } else if (error == QNetworkReply::NoError ||
             (page_.status > 0 && page_.declared_length > static_cast<long long>(page_.bytes.size()))) {
    // A body that stopped short of its announced length is judged as received: cut short.
    page_.outcome = FetchedPage::Outcome::received;
  } else {
    page_.outcome = FetchedPage::Outcome::failed;
    page_.detail = reply->errorString().toStdString();
  }
  emit done();
}

FetchedPage fetch_page(const QString& url, std::chrono::milliseconds timeout) {
  PageFetch fetch(url, timeout);
  QEventLoop loop;
  QObject::connect(&fetch, &PageFetch::done, &loop, &QEventLoop::quit);
  if (!fetch.finished()) loop.exec();
  return fetch.page();
}

}  // namespace ds::ui
