#include "tsets/ui/tset_generator_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "shell/ui/apply_outcome.h"
#include "shell/ui/dialogs.h"
#include "shell/ui/grid_view.h"
#include "shell/ui/translation.h"

namespace ds::ui {

namespace {

// Paints each number's frequency as a bar proportional to the highest
// frequency of the table, with the count written over it.
class FrequencyBarDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    bool is_number = false;
    index.siblingAtColumn(0).data().toString().toInt(&is_number);
    bool has_value = false;
    const int value = index.data().toString().toInt(&has_value);
    if (!is_number || !has_value) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    int highest = 0;
    const QAbstractItemModel* model = index.model();
    for (int r = 0; r < model->rowCount(); ++r) {
      bool number = false;
      model->index(r, 0).data().toString().toInt(&number);
      if (number) highest = std::max(highest, model->index(r, 1).data().toString().toInt());
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);  // background and selection
    const QRect area = option.rect.adjusted(4, 3, -4, -3);
    const int text_width = option.fontMetrics.horizontalAdvance(QStringLiteral("0000")) + 6;
    const int bar_room = std::max(area.width() - text_width, 0);
    painter->save();
    if (highest > 0 && value > 0) {
      QRect bar = area;
      bar.setLeft(area.left() + text_width);
      bar.setWidth(std::max(1, bar_room * value / highest));
      QColor colour = option.palette.color(QPalette::Highlight);
      colour.setAlpha(150);
      painter->fillRect(bar, colour);
    }
    painter->setPen(option.palette.color((option.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                 : QPalette::Text));
    painter->drawText(QRect(area.left(), area.top(), text_width - 6, area.height()),
                      Qt::AlignRight | Qt::AlignVCenter, index.data().toString());
    painter->restore();
  }
};

}  // namespace

TsetGeneratorWindow::TsetGeneratorWindow(StateHub& hub) : hub_(hub) {
  setObjectName(QStringLiteral("frmTsetGenerator"));
  setWindowTitle(tr("Generator of Targeted Sets"));
  const AppState& s = hub_.state();

  auto* central = new QWidget(this);
  std::string from_text, to_text;
  generator_dates(today(), s.date_format, from_text, to_text);

  auto* draws = new QGroupBox(tr("Select Draws"), central);
  draws->setObjectName(QStringLiteral("fraSelectedDraws"));
  from_ = new QLineEdit(qs(from_text), draws);
  from_->setObjectName(QStringLiteral("txtFrom"));
  to_ = new QLineEdit(qs(to_text), draws);
  to_->setObjectName(QStringLiteral("txtTo"));
  step_ = new QLineEdit(QStringLiteral("1"), draws);
  step_->setObjectName(QStringLiteral("txtStep"));
  for (QLineEdit* e : {from_, to_, step_}) e->setMaxLength(40);
  auto* draws_layout = new QGridLayout(draws);
  const char* label_names[] = {"Label1", "Label2", "Label3"};
  const QString label_texts[] = {tr("From"), tr("To"), tr("Step")};
  QLineEdit* edits[] = {from_, to_, step_};
  for (int i = 0; i < 3; ++i) {
    auto* l = new QLabel(label_texts[i], draws);
    l->setObjectName(QString::fromLatin1(label_names[i]));
    l->setBuddy(edits[i]);
    draws_layout->addWidget(l, i, 0);
    draws_layout->addWidget(edits[i], i, 1);
  }

  auto* rules = new QGroupBox(tr("Type"), central);
  rules->setObjectName(QStringLiteral("fraRules"));
  lowest0_ = new QRadioButton(tr("With Lowest Frequencies"), rules);
  lowest0_->setObjectName(QStringLiteral("optLowestFr0"));
  lowest_ = new QRadioButton(tr("With Lowest Positive Frequencies"), rules);
  lowest_->setObjectName(QStringLiteral("optLowestFr"));
  highest_ = new QRadioButton(tr("With Highest Frequencies"), rules);
  highest_->setObjectName(QStringLiteral("optHighFr"));
  random_ = new QRadioButton(tr("Random"), rules);
  random_->setObjectName(QStringLiteral("optRandom"));
  random_->setChecked(true);
  auto* rules_layout = new QVBoxLayout(rules);
  for (QRadioButton* b : {lowest0_, lowest_, highest_, random_}) rules_layout->addWidget(b);

  go_ = new QPushButton(tr("Go"), central);
  go_->setObjectName(QStringLiteral("cmdGo"));
  go_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Return")));
  go_->setToolTip(tr("Propose a set for the current row of the Targeted Sets table (Enter or Ctrl+Return)"));
  go_->setMinimumHeight(32);

  table_ = new GridView(&model_.frequencies, true, central);
  table_->setObjectName(QStringLiteral("msfFrequencies"));
  table_->setItemDelegateForColumn(1, new FrequencyBarDelegate(table_));
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setMinimumWidth(260);

  auto* left = new QVBoxLayout;
  left->addWidget(draws);
  left->addWidget(rules);
  left->addWidget(go_);
  // How many draws the period holds; when none, where the history lies.
  period_ = new QLabel(central);
  period_->setObjectName(QStringLiteral("lblPeriod"));
  period_->setWordWrap(true);
  period_->setMaximumWidth(280);
  left->addWidget(period_);
  left->addStretch(1);
  auto* layout = new QHBoxLayout(central);
  layout->addLayout(left);
  layout->addWidget(table_, 1);
  setCentralWidget(central);
  add_help_menu(this, QStringLiteral("tset.htm"));

  for (QLineEdit* e : {from_, to_, step_})
    connect(e, &QLineEdit::returnPressed, this, &TsetGeneratorWindow::go);
  connect(go_, &QPushButton::clicked, this, &TsetGeneratorWindow::go);
  setTabOrder(from_, to_);
  setTabOrder(to_, step_);
  setTabOrder(step_, lowest0_);
  setTabOrder(lowest0_, go_);
  setTabOrder(go_, table_);

  table_->refresh();
  resize(600, 560);
}

TsetGeneratorWindow::~TsetGeneratorWindow() { delete takeCentralWidget(); }

void TsetGeneratorWindow::go() {
  GeneratorInput input;
  input.from_text = ss(from_->text());
  input.to_text = ss(to_->text());
  input.step_text = ss(step_->text());
  input.rule = lowest0_->isChecked()   ? GeneratorRule::lowest
               : lowest_->isChecked()  ? GeneratorRule::lowest_positive
               : highest_->isChecked() ? GeneratorRule::highest
                                       : GeneratorRule::random;

  // The proposal goes into the chosen set's rows as the state carries them, and
  // the state then tells the Targeted Sets window, which takes them in.
  const AppState& s = hub_.state();
  const TextGrid* draws = s.lotto.play_n != 0 ? chosen_grids(s).draws : nullptr;
  TsetsModel sets;
  sets.work.size = s.tset_size;
  sets.work.set_name = s.tset_name;
  sets.work.grid = s.tset_rows;
  sets.unsaved = s.tset_unsaved;
  sets.enabled.save = s.tset_save_on;
  const GeneratorTarget target{&sets,
                               s.tset_date.empty() ? format_date(today(), s.date_format) : s.tset_date};
  const GeneratorOutcome out = hub_.changing(Changed::tset_rows, [&](AppState& st) {
    GeneratorOutcome o = generate(model_, input, st, draws, target, uniform_, ask_through_dialogs(this));
    st.tset_rows = sets.work.grid;
    st.tset_unsaved = sets.unsaved;
    st.tset_save_on = sets.enabled.save;
    return o;
  });
  table_->refresh();
  period_->setText(tr_text(out.period));
  // Rows written while the Targeted Sets window is closed are shown there, unsaved.
  if (out.written_row > 0 && !registry().existing(WindowId::tsets)) registry().show(WindowId::tsets);
  using F = GeneratorFocus;
  static constexpr FocusName<GeneratorFocus> focus_controls[] = {
      {F::none, nullptr}, {F::from, "txtFrom"}, {F::to, "txtTo"}, {F::step, "txtStep"}};
  static_assert(names_every_focus(focus_controls));
  apply_outcome(this, out, focus_controls);
}

}  // namespace ds::ui
