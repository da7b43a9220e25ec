#pragma once
// "Update results": fetches the published history of a lotto (and, when given, a second
// copy to cross-check it) from the addresses remembered in its sources.txt, with a
// progress bar and Cancel, then shows the Import's own review; on Import the new draws
// go into draws.txt and the addresses are remembered. Opened by any window that offers
// the update (My tickets, the Lotto window); it keeps no state beyond itself.
//
// After draws were stored it emits drawsUpdated(lotto): the window that owns the draws
// announces Changed::draws on the hub (the dialog reads and writes files only).
#include <QDialog>
#include <QPointer>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "lotto/history_update.h"
#include "lotto/ui/history_fetch.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace ds::ui {

class HistoryUpdateDialog : public QDialog {
  Q_OBJECT
 public:
  HistoryUpdateDialog(const std::filesystem::path& games, const std::string& lotto, const DateFormat& format,
                      QWidget* parent = nullptr);
  // How long the fetch waits without a byte (default_fetch_timeout).
  void set_timeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
  bool fetching() const { return fetch_ != nullptr; }

  void fetch();  // cmdFetch

 signals:
  void drawsUpdated(QString lotto);
  // A fetch ended, whatever its end (stored, refused, cancelled): for whoever waits on it.
  void fetchEnded();

 private:
  void start_page(const std::string& url);
  void page_done();
  void review();
  void end_fetch(const QString& status);
  void reject() override;  // Cancel during a fetch stops it; otherwise the dialog closes

  std::filesystem::path games_;
  std::string lotto_;
  DateFormat format_;
  std::chrono::milliseconds timeout_ = default_fetch_timeout;
  HistorySources sources_;
  FetchedPage history_;
  std::optional<FetchedPage> review_check_;
  bool have_history_ = false;
  QPointer<PageFetch> fetch_;
  QLineEdit* txt_history_ = nullptr;
  QLineEdit* txt_check_ = nullptr;
  QProgressBar* prg_fetch_ = nullptr;
  QLabel* lbl_status_ = nullptr;
  QPushButton* cmd_fetch_ = nullptr;
  QPushButton* cmd_close_ = nullptr;
};

}  // namespace ds::ui
