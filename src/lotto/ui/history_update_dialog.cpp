#include "lotto/ui/history_update_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/controls.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/text.h"
#include "shell/ui/translation.h"

namespace ds::ui {

HistoryUpdateDialog::HistoryUpdateDialog(const std::filesystem::path& games, const std::string& lotto,
                                         const DateFormat& format, QWidget* parent)
    : QDialog(parent), games_(games), lotto_(lotto), format_(format) {
  setObjectName(QStringLiteral("dlgUpdateResults"));
  setWindowTitle(tr("Update results of '%1'").arg(qs(lotto)));
  txt_history_ = new QLineEdit(this);
  txt_history_->setObjectName(QStringLiteral("txtHistory"));
  txt_history_->setPlaceholderText(QStringLiteral("https://"));
  txt_history_->setMinimumWidth(420);
  txt_check_ = new QLineEdit(this);
  txt_check_->setObjectName(QStringLiteral("txtCheck"));
  txt_check_->setPlaceholderText(tr("optional: a second copy to cross-check it"));
  auto* history_label = named_label("lblHistory", tr("&History (CSV) address"), this);
  history_label->setBuddy(txt_history_);
  auto* check_label = named_label("lblCheck", tr("&Cross-check address"), this);
  check_label->setBuddy(txt_check_);
  txt_history_->setAccessibleName(tr("History (CSV) address"));
  txt_check_->setAccessibleName(tr("Cross-check address"));
  auto* form = new QFormLayout;
  form->addRow(history_label, txt_history_);
  form->addRow(check_label, txt_check_);

  prg_fetch_ = new QProgressBar(this);
  prg_fetch_->setObjectName(QStringLiteral("prgFetch"));
  prg_fetch_->setAccessibleName(tr("Download progress"));
  prg_fetch_->setRange(0, 1);
  prg_fetch_->setValue(0);
  lbl_status_ =
      named_label("lblStatus", tr("The draws fetched are shown for review before anything is stored."), this);
  lbl_status_->setWordWrap(true);
  cmd_fetch_ = named_button("cmdFetch", tr("&Fetch"), this);
  cmd_fetch_->setDefault(true);
  cmd_close_ = named_button("cmdClose", tr("Close"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmd_fetch_);
  buttons->addWidget(cmd_close_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(prg_fetch_);
  layout->addWidget(lbl_status_);
  layout->addLayout(buttons);

  std::string error;
  const HistorySources known = remembered_sources(games_, lotto_, error);
  txt_history_->setText(qs(known.history));
  txt_check_->setText(qs(known.check));
  if (!error.empty()) lbl_status_->setText(qs(error + " Type the addresses again; Fetch replaces it."));

  connect(cmd_fetch_, &QPushButton::clicked, this, &HistoryUpdateDialog::fetch);
  connect(txt_history_, &QLineEdit::returnPressed, this, &HistoryUpdateDialog::fetch);
  connect(txt_check_, &QLineEdit::returnPressed, this, &HistoryUpdateDialog::fetch);
  connect(cmd_close_, &QPushButton::clicked, this, &HistoryUpdateDialog::reject);
}

void HistoryUpdateDialog::fetch() {
  if (fetch_) return;
  const UpdateAddresses a = update_addresses(ss(txt_history_->text()), ss(txt_check_->text()));
  if (!a.message.empty()) {
    show_message(this, a.message);
    QLineEdit* box = a.focus == 1 ? txt_check_ : txt_history_;
    box->setFocus();
    box->selectAll();
    return;
  }
  sources_ = a.sources;
  have_history_ = false;
  for (QWidget* w : {static_cast<QWidget*>(txt_history_), static_cast<QWidget*>(txt_check_),
                     static_cast<QWidget*>(cmd_fetch_)})
    w->setEnabled(false);
  cmd_close_->setText(tr("Cancel"));
  cmd_close_->setFocus();
  start_page(sources_.history);
}

void HistoryUpdateDialog::start_page(const std::string& url) {
  lbl_status_->setText(tr("Fetching %1\u2026").arg(qs(url)));
  prg_fetch_->setRange(0, 0);  // busy until the size is known
  fetch_ = new PageFetch(qs(url), timeout_, this);
  connect(fetch_, &PageFetch::progress, this, [this](qint64 received, qint64 total) {
    if (total > 0) {
      prg_fetch_->setRange(0, 1000);
      prg_fetch_->setValue(static_cast<int>(std::min<qint64>(1000, received * 1000 / total)));
    }
  });
  connect(fetch_, &PageFetch::done, this, &HistoryUpdateDialog::page_done);
}

void HistoryUpdateDialog::page_done() {
  PageFetch* done = fetch_;
  const FetchedPage page = done->page();
  done->deleteLater();
  fetch_ = nullptr;
  if (page.outcome == FetchedPage::Outcome::failed && page.detail == "cancelled") {
    end_fetch(tr("Cancelled: nothing was stored."));
    return;
  }
  if (!have_history_) {
    history_ = page;
    have_history_ = true;
    // The second copy only when the first may be a history.
    if (!sources_.check.empty() && fetched_page_refusal(history_, sources_.history).empty()) {
      start_page(sources_.check);
      return;
    }
    review_check_ = std::nullopt;
  } else {
    review_check_ = page;
  }
  review();
}

void HistoryUpdateDialog::review() {
  prg_fetch_->setRange(0, 1);
  prg_fetch_->setValue(1);
  const FetchedPage* check = review_check_ ? &*review_check_ : nullptr;
  UpdateReview r = update_review(sources_, history_, check, games_, lotto_, format_);
  if (r.ask_order) {
    QStringList choices;
    for (const std::string& c : r.order_choices) choices << qs(c);
    const int answer = dialogs().choose(this, qs(r.order_question), choices);
    if (answer < 0) {
      end_fetch(tr("Cancelled: nothing was stored."));
      return;
    }
    r = update_review(sources_, history_, check, games_, lotto_, format_, answer);
  }
  if (!r.message.empty()) {
    show_message(this, r.message);
    end_fetch(tr("Nothing was stored."));
    return;
  }
  const QString title = tr("Update results of '%1'").arg(qs(lotto_));
  const bool accepted = dialogs().review(this, title, tr_text(r.summary), r.grid, qs(r.accept));
  if (!accepted && !r.accept.empty()) {
    end_fetch(tr("Cancelled: nothing was stored."));
    return;
  }
  const UpdateStored stored = update_store(r, sources_, games_, lotto_, format_);
  if (!stored.message.empty()) {
    show_message(this, stored.message);
    end_fetch(tr("Nothing was stored."));
    return;
  }
  end_fetch(qs(stored.status));
  if (stored.written) emit drawsUpdated(qs(lotto_));
}

void HistoryUpdateDialog::end_fetch(const QString& status) {
  lbl_status_->setText(status);
  if (prg_fetch_->maximum() == 0) prg_fetch_->setRange(0, 1);
  for (QWidget* w : {static_cast<QWidget*>(txt_history_), static_cast<QWidget*>(txt_check_),
                     static_cast<QWidget*>(cmd_fetch_)})
    w->setEnabled(true);
  cmd_close_->setText(tr("Close"));
  cmd_fetch_->setFocus();
  emit fetchEnded();
}

void HistoryUpdateDialog::reject() {
  if (fetch_) {
    fetch_->cancel();
    return;
  }
  QDialog::reject();
}

}  // namespace ds::ui
