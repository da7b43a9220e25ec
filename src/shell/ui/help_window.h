#pragma once
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace ds::ui {

// The one help window: a local HTML view with Back and Forward.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  HelpWindow();
  void navigate(const QString& file);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  QPushButton* back_;
  QPushButton* forward_;
};

}  // namespace ds::ui
