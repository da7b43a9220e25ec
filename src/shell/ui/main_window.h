#pragma once
#include <QMainWindow>

#include "shell/ui/state_hub.h"
#include "shell/ui/window_registry.h"

namespace ds::ui {

// The hub: two columns of buttons that open the working windows.
class MainWindow : public QMainWindow, public OpensOnShow {
  Q_OBJECT
 public:
  explicit MainWindow(StateHub& hub);
  // Installs the samples and takes the data folder's lock (telling the user when
  // another copy holds it); main() gives the lock back at a clean exit.
  void opened() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  StateHub& hub_;
};

}  // namespace ds::ui
