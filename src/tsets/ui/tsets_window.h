#pragma once
// The Targeted Sets window: choose a size, create or open a set, type its dated
// rows number by number and save it.
#include <QMainWindow>

#include "shell/ui/app.h"
#include "shell/ui/state_hub.h"
#include "tsets/generator.h"
#include "tsets/tsets_handlers.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ds::ui {

class FileWatch;
class GridView;

class TsetsWindow : public QMainWindow, public KeepsUnsavedWork, public OpensOnShow {
  Q_OBJECT
 public:
  explicit TsetsWindow(StateHub& hub);
  // Makes the Tsets folder when missing and shows the grid in its design state, then
  // the set chosen in the last run, or the set whose rows the generator wrote while
  // the window was closed, with those rows.
  void opened() override;
  // The views read grids owned by this window: they go first.
  ~TsetsWindow() override;
  // Rows changed since the set was read, made or saved are asked about: Save,
  // Discard or Cancel.
  bool may_close() override;
  // Looks whether the open set's file changed on disk: offers to read it again,
  // or says in the status line that unsaved rows will be merged. The file watch
  // and the window's activation call it; so can a test.
  void check_disk();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;

 private:
  StateHub& hub_;
  bool publishing_ = false;
  // Hands the state the rows, the unsaved mark and Save as the window holds them.
  void publish();
  // Rows the generator wrote into the state are taken into the grid.
  void follow_state();
  void apply(const TsetsOutcome& outcome);
  void update_enabled();
  void show_current_row();

  void size_chosen(const QString& text);
  void new_set();
  void set_chosen(const QString& name);
  void accept_date();
  void add_row();
  void accept_number();
  void save();
  void row_chosen(int row);

  TsetsModel model_;
  FileWatch* watch_ = nullptr;
  std::filesystem::path watched_;
  bool checking_ = false;
  QComboBox* size_;
  QComboBox* sets_;
  QPushButton* new_;
  QLineEdit* date_;
  QPushButton* accept_date_;
  QComboBox* index_;
  QComboBox* number_;
  QPushButton* accept_number_;
  QPushButton* add_;
  QPushButton* save_;
  QPushButton* generator_;
  GridView* grid_view_;
};

}  // namespace ds::ui
