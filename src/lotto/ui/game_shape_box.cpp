#include "lotto/ui/game_shape_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/ui/combo_box.h"
#include "shell/ui/controls.h"
#include "shell/ui/text.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

QComboBox* count_box(QWidget* parent, const char* name, const std::vector<std::string>& items) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  for (const auto& i : items) c->addItem(qs(i));
  c->setMaximumWidth(90);
  choose_only_from_list(c);
  return c;
}

}  // namespace

GameShapeBox::GameShapeBox(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("fraGame"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* counts = new QFormLayout;
  bonus_ = new QCheckBox(tr("Bonus number drawn"), this);
  bonus_->setObjectName(QStringLiteral("chkBonus"));
  second_pool_ = count_box(this, "cmbSecondPool", second_pool_items());
  second_n_ = count_box(this, "cmbSecondN", second_n_items());
  counts->addRow(QString(), bonus_);
  counts->addRow(named_label("lblSecondPool", tr("Second pool: playing numbers"), this), second_pool_);
  counts->addRow(named_label("lblSecondN", tr("Second pool: picking numbers"), this), second_n_);
  layout->addLayout(counts);

  table_part_ = new QWidget(this);
  auto* table = new QVBoxLayout(table_part_);
  table->setContentsMargins(0, 0, 0, 0);
  auto* heading = named_label("lblPrizeTable", tr("Prize table"), table_part_);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  table->addWidget(heading);
  prizes_ = new QTableWidget(0, prize_columns, table_part_);
  prizes_->setTabKeyNavigation(false);  // the arrows move between cells; Tab leaves the table
  prizes_->setObjectName(QStringLiteral("msfPrizes"));
  QStringList headers;
  headers << tr("Main") << tr("Bonus") << tr("Second") << tr("Payout") << tr("Kind");
  prizes_->setHorizontalHeaderLabels(headers);
  prizes_->setToolTip(
      tr("One row per prize tier: main numbers matched, bonus yes or no, second-pool "
         "numbers matched, payout of one play, fixed or average"));
  prizes_->verticalHeader()->setDefaultSectionSize(22);
  prizes_->horizontalHeader()->setDefaultSectionSize(60);
  prizes_->horizontalHeader()->setStretchLastSection(true);
  // Wide enough for the numbers and for the heading in the user's language.
  const int widths[] = {44, 48, 54, 84};
  const QFontMetrics metrics(prizes_->horizontalHeader()->font());
  for (int c = 0; c < prize_kind; ++c)
    prizes_->setColumnWidth(c, std::max(widths[c], metrics.horizontalAdvance(headers[c]) + 16));
  prizes_->setMinimumHeight(180);
  table->addWidget(prizes_, 1);
  auto* rows = new QHBoxLayout;
  add_row_ = new QPushButton(tr("Add row"), table_part_);
  add_row_->setObjectName(QStringLiteral("cmdTierAdd"));
  add_row_->setAutoDefault(false);
  remove_row_ = new QPushButton(tr("Remove row"), table_part_);
  remove_row_->setObjectName(QStringLiteral("cmdTierRemove"));
  remove_row_->setAutoDefault(false);
  rows->addWidget(add_row_);
  rows->addWidget(remove_row_);
  rows->addStretch();
  table->addLayout(rows);
  layout->addWidget(table_part_, 1);

  connect(bonus_, &QCheckBox::toggled, this, &GameShapeBox::shape_changed);
  connect(second_n_, &QComboBox::currentTextChanged, this, &GameShapeBox::shape_changed);
  connect(add_row_, &QPushButton::clicked, this, [this] {
    prizes_->insertRow(prizes_->rowCount());
    prizes_->setCurrentCell(prizes_->rowCount() - 1, prize_main);
    prizes_->setFocus();
  });
  connect(remove_row_, &QPushButton::clicked, this, [this] {
    if (prizes_->currentRow() >= 0) prizes_->removeRow(prizes_->currentRow());
  });
}

namespace {

// The words of the bonus and kind columns, as the file keeps them (the core reads
// "yes", "no", "average" and "fixed").
constexpr const char* column_words[] = {
    QT_TRANSLATE_NOOP("ds::ui::GameShapeBox", "yes"), QT_TRANSLATE_NOOP("ds::ui::GameShapeBox", "no"),
    QT_TRANSLATE_NOOP("ds::ui::GameShapeBox", "average"), QT_TRANSLATE_NOOP("ds::ui::GameShapeBox", "fixed")};

bool has_words(int column) { return column == prize_bonus || column == prize_kind; }

}  // namespace

// A cell as the user reads it: the bonus and kind words in the user's language.
QString GameShapeBox::shown_cell(int column, const std::string& cell) {
  if (has_words(column))
    for (const char* word : column_words)
      if (cell == word) return tr(word);
  return qs(cell);
}

// A cell as the core reads it: a word typed in the user's language (in any case) back to
// the file's; English is read too.
std::string GameShapeBox::typed_cell(int column, const QString& text) {
  if (has_words(column))
    for (const char* word : column_words)
      if (text.trimmed().compare(tr(word), Qt::CaseInsensitive) == 0) return word;
  return text.toStdString();
}

void GameShapeBox::show_form(const GameShapeForm& form) {
  const QSignalBlocker b1(bonus_), b2(second_n_);
  bonus_->setChecked(form.bonus);
  second_pool_->setEditText(qs(form.second_pool));
  second_n_->setEditText(qs(form.second_n));
  const TextGrid& g = form.prizes;
  prizes_->setRowCount(std::max(g.rows() - 1, 0));
  for (int r = 1; r < g.rows(); ++r)
    for (int c = 0; c < prize_columns; ++c)
      prizes_->setItem(r - 1, c,
                       new QTableWidgetItem(c < g.cols() ? shown_cell(c, g.cell(r, c)) : QString()));
}

GameShapeForm GameShapeBox::form() const {
  GameShapeForm f;
  f.bonus = bonus_->isChecked();
  f.second_pool = second_pool_->currentText().toStdString();
  f.second_n = second_n_->currentText().toStdString();
  f.prizes = prize_grid({}, NumberFormat{});
  for (int r = 0; r < prizes_->rowCount(); ++r) {
    const int row = f.prizes.append_row();
    for (int c = 0; c < prize_columns; ++c)
      if (const QTableWidgetItem* item = prizes_->item(r, c))
        f.prizes.set_cell(row, c, typed_cell(c, item->text()));
  }
  return f;
}

void GameShapeBox::show_table(bool shown, int pick_n) {
  if (shown && prizes_->rowCount() == 0) {
    GameShapeForm f = form();
    const auto second_n = second_n_->currentText().toInt();
    f.prizes = prize_grid(starting_tiers(pick_n, bonus_->isChecked(), second_n), NumberFormat{});
    show_form(f);
  }
  table_part_->setVisible(shown);
}

bool GameShapeBox::table_shown() const { return !table_part_->isHidden(); }

void GameShapeBox::focus(int row, int col) {
  if (col == -1) return second_pool_->setFocus();
  if (col == -2) return second_n_->setFocus();
  if (row < 1) return;
  prizes_->setCurrentCell(row - 1, col);
  prizes_->setFocus();
}

QList<QWidget*> GameShapeBox::tab_order() const {
  return {bonus_, second_pool_, second_n_, prizes_, add_row_, remove_row_};
}

}  // namespace ds::ui
