// The fetch of a published history against a server of the test's own on 127.0.0.1;
// no test reaches any other address.
#include "lotto/ui/history_fetch.h"

#include <QLineEdit>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "lotto/ui/history_update_dialog.h"
#include "shell/files.h"
#include "support/window_test.h"

namespace ds::ui {

namespace {

// Answers GET /path with the reply of that path, raw bytes as written; a path it does not
// know gets no answer at all (the connection stays open).
class LocalServer : public QObject {
 public:
  std::map<QByteArray, QByteArray> replies;
  LocalServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        connect(s, &QTcpSocket::readyRead, s, [this, s] {
          const QByteArray request = s->peek(4096);
          if (!request.contains("\r\n\r\n")) return;
          s->readAll();
          const auto it = replies.find(request.split(' ').value(1));
          if (it == replies.end()) return;
          s->write(it->second);
          s->disconnectFromHost();
        });
      }
    });
    server_.listen(QHostAddress::LocalHost);
  }
  QString url(const char* path) const {
    return "http://127.0.0.1:" + QString::number(server_.serverPort()) + path;
  }

 private:
  QTcpServer server_;
};

QByteArray http(const char* status, const char* type, const QByteArray& body, qsizetype length = -1) {
  return QByteArray("HTTP/1.1 ") + status + "\r\nContent-Type: " + type +
         "\r\nContent-Length: " + QByteArray::number(length < 0 ? body.size() : length) +
         "\r\nConnection: close\r\n\r\n" + body;
}

const QByteArray history =
    "Date,N1,N2,N3,N4,N5,N6,Bonus\r\n2025-11-15,1,5,8,25,42,47,44\r\n2025-11-19,14,17,28,31,42,48,5\r\n";

}  // namespace

class HistoryFetchTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  std::filesystem::path games() const { return std::filesystem::path(dir_.path().toStdString()) / "Games"; }
  std::string draws() const { return read_file(games() / "L" / "draws.txt").value_or("<missing>"); }
  CommandRun update(const QString& url) {
    const UpdateRequest request =
        parse_update_arguments({"--update", "--lotto", "L", "--url", url.toStdString()});
    std::string error;
    const auto sources = update_sources(request, games(), error);
    return update_draws(request, *sources, fetch_page(url, std::chrono::milliseconds(400)), nullptr, games(),
                        DateFormat::iso());
  }

 private slots:
  void initTestCase() {
    // Straight to the local server, whatever proxy the environment names.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    std::filesystem::create_directories(games() / "L");
    const auto record = read_file(std::filesystem::path(DRAWSMITH_DATA_DIR) / "samples" / "d1a");
    QVERIFY(record && write_file_atomic(games() / "L" / "param.tix", *record).empty());
  }

  void a_history_and_its_next_draw_are_stored_and_bad_pages_store_nothing() {
    LocalServer server;
    server.replies["/h.csv"] = http("200 OK", "text/csv", history);
    CommandRun run = update(server.url("/h.csv"));
    QCOMPARE(run.exit_code, 0);
    const std::string two = "2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-19 14 17 28 31 42 48 5 \r\n";
    QCOMPARE(draws(), two);
    server.replies["/h.csv"] = http("200 OK", "text/csv", history + "2025-11-22,3,9,20,33,40,41,7\r\n");
    run = update(server.url("/h.csv"));
    QCOMPARE(run.exit_code, 0);
    const std::string three = two + "2025-11-22 3 9 20 33 40 41 7 \r\n";
    QCOMPARE(draws(), three);

    const QByteArray grown = history + "2025-11-26,2,4,6,8,10,12,14\r\n";
    server.replies["/gone"] = http("404 Not Found", "text/html", "<html>Not found</html>");
    server.replies["/page"] = http("200 OK", "text/html", "<!DOCTYPE html><html><body>Results</body></html>");
    server.replies["/cut"] = http("200 OK", "text/csv", grown.left(grown.size() - 6), grown.size());
    const std::pair<const char*, const char*> refused[] = {
        {"/gone", "The server answered 404, no such page"},
        {"/page", "is a web page, not a draw history"},
        {"/cut", "came with 115 of its 121 bytes: it was cut short"},
        {"/silent", "The server did not answer in time"},
    };
    for (const auto& [path, why] : refused) {
      run = update(server.url(path));
      QCOMPARE(run.exit_code, 1);
      QVERIFY2(run.err.find(why) != std::string::npos, run.err.c_str());
      QCOMPARE(draws(), three);
    }
  }
};

DS_UI_TEST(HistoryFetchTest);

// The Update results dialog over the same server: a history reviewed and stored, then
// pages refused with nothing stored.
class HistoryUpdateDialogTest : public test::WindowTest {
  Q_OBJECT
  std::filesystem::path games() const { return std::filesystem::path(folder().toStdString()) / "Games"; }
  QByteArray draws() const { return test::read_all(path("Games/L/draws.txt")); }

 private slots:
  void initTestCase() {
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
  }

  void a_history_is_reviewed_then_stored_and_bad_pages_store_nothing() {
    std::filesystem::create_directories(games() / "L");
    test::write_all(path("Games/L/param.tix"), test::read_all(path("d1a")));
    LocalServer server;
    server.replies["/h.csv"] = http("200 OK", "text/csv", history);
    server.replies["/gone"] = http("404 Not Found", "text/html", "<html>Not found</html>");
    HistoryUpdateDialog d(games(), "L", DateFormat::iso());
    d.set_timeout(std::chrono::milliseconds(400));
    d.show();
    QSignalSpy updated(&d, &HistoryUpdateDialog::drawsUpdated);
    const auto fetch = [&](const QString& url) {
      d.findChild<QLineEdit*>("txtHistory")->setText(url);
      QSignalSpy ended(&d, &HistoryUpdateDialog::fetchEnded);
      d.fetch();
      QVERIFY(ended.wait(5000));
    };
    dialogs.answers = {"1"};  // the review's Import
    fetch(server.url("/h.csv"));
    QCOMPARE(dialogs.reviewed.rows(), 3);
    QCOMPARE(updated.count(), 1);
    const QByteArray two = "2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-19 14 17 28 31 42 48 5 \r\n";
    QCOMPARE(draws(), two);
    QCOMPARE(test::read_all(path("Games/L/sources.txt")),
             "Drawsmith sources 1\r\nhistory " + server.url("/h.csv").toUtf8() + "\r\n");
    HistoryUpdateDialog again(games(), "L", DateFormat::iso());
    QCOMPARE(again.findChild<QLineEdit*>("txtHistory")->text(), server.url("/h.csv"));

    const std::pair<const char*, const char*> refused[] = {
        {"/gone", "The server answered 404, no such page"},
        {"/silent", "The server did not answer in time"},
    };
    for (const auto& [where, why] : refused) {
      fetch(server.url(where));
      const QString message = shown().value(0);
      QVERIFY2(message.contains(QLatin1String(why)), qPrintable(message));
      QCOMPARE(draws(), two);
    }
    QCOMPARE(updated.count(), 1);
  }
};

DS_UI_TEST(HistoryUpdateDialogTest);

}  // namespace ds::ui

#include "history_fetch_test.moc"
