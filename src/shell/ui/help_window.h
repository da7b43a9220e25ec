#pragma once
#include <QWidget>

#include "shell/ui/state_hub.h"

class QTextBrowser;
class QPushButton;

namespace ds::ui {

// The one help window: a local HTML view with Back and Forward.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(StateHub& hub);
  void navigate(const QString& file);
  // A page of the help folder (beside the program).
  void open_page(const QString& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  StateHub& hub_;
  QTextBrowser* browser_;
  QPushButton* back_;
  QPushButton* forward_;
};

}  // namespace ds::ui
