#pragma once
#include <QMainWindow>

namespace ds::ui {

// The hub: two columns of buttons that open the six working windows.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace ds::ui
