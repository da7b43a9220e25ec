#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QTextEdit>
#include <QValueAxis>

#include "shell/ui/app.h"
#include "support/window_test.h"

using namespace ds::ui;

namespace {

// What a screen reader user tabs into: text boxes, lists, spin boxes, grids and
// sliders, and buttons that show no text.
bool takes_input(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
        qobject_cast<const QAbstractScrollArea*>(p))
      return false;  // part of a combo box, spin box or grid (its scroll bars, headers), named with it
  if (auto* b = qobject_cast<const QAbstractButton*>(w))
    return b->text().isEmpty() && b->isVisibleTo(w->window());
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

QPalette dark_palette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
  p.setColor(QPalette::Mid, QColor(0x60, 0x60, 0x60));
  return p;
}

}  // namespace

class DesktopLooksTest : public test::WindowTest {
  Q_OBJECT

 private slots:
  void every_input_control_has_an_accessible_name() {
    choose_samples();
    QStringList unnamed;
    for (WindowId id :
         {WindowId::main, WindowId::lotto, WindowId::tsets, WindowId::system, WindowId::performance,
          WindowId::forecasting, WindowId::profitability, WindowId::tset_generator, WindowId::help,
          WindowId::backtest, WindowId::make_wheel, WindowId::check_wheel, WindowId::statistics}) {
      QWidget* window = registry().show(id);
      QVERIFY(window);
      for (QWidget* c : window->findChildren<QWidget*>())
        if (takes_input(c) &&
            (c->accessibleName().trimmed().isEmpty() ||
             // a combo box is read by its value: its caption comes from its label
             (qobject_cast<QComboBox*>(c) &&
              QAccessible::queryAccessibleInterface(c)->relations(QAccessible::Label).isEmpty())))
          unnamed << window->objectName() + "/" + c->objectName() + " (" + c->metaObject()->className() + ")";
    }
    shown();
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    // Names come from the labels, without the shortcut's "&"; boxes under one caption from the table.
    show(int(WindowId::backtest));
    QCOMPARE(find("txtFrom")->accessibleName(), QStringLiteral("From"));
    QCOMPARE(find("cmbSystem")->accessibleName(), QStringLiteral("System"));
    show(int(WindowId::lotto));
    QCOMPARE(find("txtNB")->accessibleName(), QStringLiteral("Bonus number"));
    QCOMPARE(find("txtDate")->accessibleName(), QStringLiteral("Date"));     // the label above
    QCOMPARE(find("cmbName")->accessibleName(), QStringLiteral("Name"));     // its form row
    QCOMPARE(find("txt3PRB")->accessibleName(), QStringLiteral("3+bonus"));  // the label to its left
    show(int(WindowId::tsets));
    QCOMPARE(find("cmbNumber")->accessibleName(), QStringLiteral("Number"));  // before it in its row
  }

  void the_chart_follows_the_palette() {
    const QPalette before = QApplication::palette();
    choose_samples();
    show(int(WindowId::backtest));
    shown();
    QChart* chart = find<QChartView>("chtNet")->chart();
    auto* axis = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    QVERIFY(axis);
    QVERIFY(chart->backgroundBrush().color().lightness() > 200);
    QVERIFY(axis->labelsColor().lightness() < 100);
    // The desktop turns dark while the window is open: the chart follows.
    QApplication::setPalette(dark_palette());
    QCoreApplication::processEvents();
    QCOMPARE(chart->backgroundBrush().color(), QColor(0x1e, 0x1e, 0x1e));
    QCOMPARE(axis->labelsColor(), QColor(0xee, 0xee, 0xee));
    QCOMPARE(chart->titleBrush().color(), QColor(0xee, 0xee, 0xee));
    QCOMPARE(chart->theme(), QChart::ChartThemeDark);
    // A window opened on a dark desktop starts dark.
    registry().close_all();
    show(int(WindowId::backtest));
    shown();
    QCOMPARE(find<QChartView>("chtNet")->chart()->backgroundBrush().color(), QColor(0x1e, 0x1e, 0x1e));
    QApplication::setPalette(before);
    QCoreApplication::processEvents();
    QVERIFY(find<QChartView>("chtNet")->chart()->backgroundBrush().color().lightness() > 200);
    // Before any run the axes show no 1970 dates and no made-up scale.
    for (QAbstractAxis* axis : find<QChartView>("chtNet")->chart()->axes()) QVERIFY(!axis->labelsVisible());
  }

  // A window left reaching past the bottom of the screen comes back inside when shown.
  void a_window_past_the_screen_edge_comes_back() {
    show(int(WindowId::lotto));
    const QRect free = w->screen()->availableGeometry();
    w->move(free.left(), free.bottom() - 100);
    show(int(WindowId::lotto));
    const QRect frame = w->frameGeometry();
    QVERIFY(frame.bottom() <= free.bottom() || frame.top() == free.top());
  }

  // Tab goes on from a table or list to the next control; the arrows move inside it.
  void tab_leaves_every_table() {
    choose_samples();
    for (auto [id, name] : {std::pair{WindowId::system, "msfResults"},
                            {WindowId::performance, "msfPerformance"},
                            {WindowId::backtest, "lstCompare"},
                            {WindowId::lotto, "msfDraws"}}) {
      show(int(id));
      shown();
      auto* table = find<QWidget>(name);
      table->setFocus();
      QTest::keyClick(table, Qt::Key_Tab);
      QVERIFY2(QApplication::focusWidget() != table, name);
    }
    QVERIFY(!find<QAbstractItemView>("msfPrizes")->tabKeyNavigation());
  }
};

DS_UI_TEST(DesktopLooksTest);
#include "desktop_looks_test.moc"
