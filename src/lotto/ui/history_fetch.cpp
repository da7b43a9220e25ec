#include "lotto/ui/history_fetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace ds::ui {

FetchedPage fetch_page(const QString& url, std::chrono::milliseconds timeout) {
  FetchedPage page;
  QNetworkAccessManager manager;
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  QNetworkReply* reply = manager.get(request);
  QEventLoop loop;
  QTimer quiet;  // restarted by every byte that arrives
  quiet.setSingleShot(true);
  bool timed_out = false;
  QObject::connect(&quiet, &QTimer::timeout, &loop, [&] {
    timed_out = true;
    reply->abort();
  });
  QObject::connect(reply, &QNetworkReply::downloadProgress, &quiet, [&] { quiet.start(timeout); });
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  quiet.start(timeout);
  if (!reply->isFinished()) loop.exec();
  quiet.stop();
  const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
  page.bytes.assign(body.constData(), static_cast<std::size_t>(body.size()));
  page.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  page.content_type = reply->header(QNetworkRequest::ContentTypeHeader).toString().toStdString();
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  if (length.isValid()) page.declared_length = length.toLongLong();
  const auto error = reply->error();
  if (timed_out) {
    page.outcome = FetchedPage::Outcome::timed_out;
  } else if (page.status >= 400) {
    page.outcome = FetchedPage::Outcome::http_error;
  } else if (error == QNetworkReply::NoError ||
             (page.status > 0 && page.declared_length > static_cast<long long>(page.bytes.size()))) {
    // A body that stopped short of its announced length is judged as received: cut short.
    page.outcome = FetchedPage::Outcome::received;
  } else {
    page.outcome = FetchedPage::Outcome::failed;
    page.detail = reply->errorString().toStdString();
  }
  reply->deleteLater();
  return page;
}

}  // namespace ds::ui
