#include "shell/ui/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/program_info.h"
#include "shell/ui/app.h"

namespace ds::ui {

namespace {
// Pages may name the folder where the user's data lives with @DATA_FOLDER@, and
// the program's version with @VERSION@.
class HelpBrowser : public QTextBrowser {
 public:
  HelpBrowser(const StateHub& hub, QWidget* parent) : QTextBrowser(parent), hub_(hub) {}
  QVariant loadResource(int type, const QUrl& name) override {
    QVariant v = QTextBrowser::loadResource(type, name);
    if (type == QTextDocument::HtmlResource && v.isValid()) {
      QString html = v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
      if (html.contains(QStringLiteral("@DATA_FOLDER@")) || html.contains(QStringLiteral("@VERSION@"))) {
        html.replace(QStringLiteral("@DATA_FOLDER@"),
                     QString::fromStdString(hub_.state().app_folder.string()).toHtmlEscaped());
        html.replace(QStringLiteral("@VERSION@"), QString::fromLatin1(program_version()));
        return html;
      }
    }
    return v;
  }

 private:
  const StateHub& hub_;
};
}  // namespace

HelpWindow::HelpWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(tr("Help"));
  browser_ = new HelpBrowser(hub_, this);
  browser_->setObjectName(QStringLiteral("WebBrowser1"));
  browser_->setOpenExternalLinks(true);
  back_ = new QPushButton(tr("Back"), this);
  back_->setObjectName(QStringLiteral("cmdBack"));
  forward_ = new QPushButton(tr("Forward"), this);
  forward_->setObjectName(QStringLiteral("cmdForward"));
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
  back_->setShortcut(QKeySequence::Back);
  forward_->setShortcut(QKeySequence::Forward);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  resize(760, 640);
}

void HelpWindow::open_page(const QString& page) {
  navigate(QDir(QString::fromStdString(hub_.state().program_folder.string())).filePath(page));
}

void HelpWindow::navigate(const QString& file) {
  // A missing page shows an empty view; nothing is reported.
  browser_->setSource(QUrl::fromLocalFile(file));
}

}  // namespace ds::ui
