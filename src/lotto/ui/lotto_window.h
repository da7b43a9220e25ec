#pragma once
// The Lotto window: chooses, creates and edits lottos and enters their draws.
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "lotto/lotto_handlers.h"
#include "shell/grid.h"
#include "shell/ui/app.h"
#include "shell/ui/state_hub.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ds::ui {

class FileWatch;
class GridView;
class GameShapeBox;

class LottoWindow : public QMainWindow, public KeepsUnsavedWork, public OpensOnShow {
  Q_OBJECT
 public:
  explicit LottoWindow(StateHub& hub);
  ~LottoWindow() override;
  // Reads the lottos and shows the one last chosen.
  void opened() override;

  // msfDraws: the draw table that the generator and the analyses read.
  int current_row() const { return model_.current_row; }
  // Draws added since the last read or save are asked about: Save, Discard or Cancel.
  bool may_close() override;
  // Looks whether the lotto's files changed on disk: offers to read them again,
  // or says in the status line that unsaved work will be merged. The file watch
  // and the window's activation call it; so can a test.
  void check_disk();

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  StateHub& hub_;
  // What publish_draws last handed the state: the grid's lotto and revision.
  std::pair<std::string, std::uint64_t> published_{};
  void publish_draws();
  void build_controls();
  void choose_lotto(const QString& name);
  void create_lotto();
  void edit_lotto();
  void save_lotto();
  void new_draw();
  void add_draw();
  void save_draws();
  // Saves the draws into `lotto` (the name box's lotto, or the grid's owner when
  // the unsaved-draws question is answered Save).
  void save_draws_into(const std::string& lotto);
  void import_draws();  // cmdImport: a CSV file, previewed, merged into the draws
  void select_row(int grid_row);

  LottoForm read_form() const;
  void show_form(const LottoForm& form);
  DrawForm read_draw() const;
  void show_draw(const DrawForm& draw);
  // The prize table or the ten prize boxes, as the boxes' shape needs.
  void show_shape();
  // The draw boxes of the numbers the state's game draws.
  void show_draw_boxes();
  void fill_names(const std::vector<std::string>& names, const QString& text);
  // Shows the model and a handler's outcome: the lists and boxes it fills, the
  // buttons, the grid, then the message, window, status line and focus.
  void apply(const LottoOutcome& outcome);

  LottoModel model_;
  std::vector<std::filesystem::path> watched_;
  bool checking_ = false;  // check_disk is asking
  FileWatch* watch_ = nullptr;
  QString last_activated_;  // de-duplicates the combo's two activation signals

  QComboBox* name_ = nullptr;
  QComboBox* play_n_ = nullptr;
  QComboBox* pick_n_ = nullptr;
  std::array<QLineEdit*, 5> prize_{};
  std::array<QLineEdit*, 5> prize_b_{};
  QLineEdit* cost_ = nullptr;
  QLineEdit* currency_ = nullptr;
  QPushButton* create_ = nullptr;
  QPushButton* edit_ = nullptr;
  QPushButton* save_ = nullptr;
  GridView* grid_ = nullptr;
  QLineEdit* date_ = nullptr;
  // txtN1 .. txtN6, txtNB, then txtN7, txtS1, txtS2, and their labels.
  std::array<QLineEdit*, 10> numbers_{};
  std::array<QLabel*, 10> number_labels_{};
  GameShapeBox* shape_ = nullptr;
  QWidget* prizes_frame_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* save_draws_ = nullptr;
  QPushButton* import_ = nullptr;
};

}  // namespace ds::ui
