#pragma once
// The Lotto window's controls for a game beyond the classic shape: chkBonus,
// cmbSecondPool, cmbSecondN, and the prize table msfPrizes with its row buttons.
// It only shows a GameShapeForm and reads it back; lotto/game_form decides.
#include <QFrame>

#include "lotto/game_form.h"

class QCheckBox;
class QComboBox;
class QPushButton;
class QTableWidget;

namespace ds::ui {

class GameShapeBox : public QFrame {
  Q_OBJECT
 public:
  explicit GameShapeBox(QWidget* parent = nullptr);
  void show_form(const GameShapeForm& form);
  GameShapeForm form() const;
  // Shows the prize table (a game that needs one) or hides it; a table shown
  // empty gets the first rows of its shape.
  void show_table(bool shown, int pick_n);
  bool table_shown() const;
  // Puts the focus on a control read_game_shape names (col -1, -2) or a prize cell.
  void focus(int row, int col);
  QList<QWidget*> tab_order() const;

 signals:
  // The bonus box or the second-pool count changed: the window shows the table or the boxes.
  void shape_changed();

 private:
  static QString shown_cell(int column, const std::string& cell);
  static std::string typed_cell(int column, const QString& text);

  QCheckBox* bonus_ = nullptr;
  QComboBox* second_pool_ = nullptr;
  QComboBox* second_n_ = nullptr;
  QWidget* table_part_ = nullptr;
  QTableWidget* prizes_ = nullptr;
  QPushButton* add_row_ = nullptr;
  QPushButton* remove_row_ = nullptr;
};

}  // namespace ds::ui
