#include "shell/ui/chart_palette.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>

namespace ds::ui {

namespace {

void apply_palette(QChartView* view) {
  QChart* chart = view->chart();
  if (!chart) return;
  const QPalette p = view->palette();
  const QColor back = p.color(QPalette::Base);
  const QColor text = p.color(QPalette::WindowText);
  const QColor lines = p.color(QPalette::Mid);
  const bool dark = back.lightness() < 128;
  const QChart::ChartTheme theme = dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
  if (chart->theme() != theme) chart->setTheme(theme);  // series colours that read on this background
  chart->setBackgroundBrush(back);
  chart->setBackgroundPen(QPen(lines));
  chart->setTitleBrush(text);
  chart->legend()->setLabelColor(text);
  for (QAbstractAxis* axis : chart->axes()) {
    axis->setLabelsColor(text);
    axis->setTitleBrush(text);
    axis->setLinePenColor(lines);
    axis->setGridLineColor(lines);
  }
  view->setBackgroundBrush(p.color(QPalette::Window));
}

class PaletteFollower : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
      apply_palette(static_cast<QChartView*>(watched));
    return false;
  }
};

}  // namespace

void follow_palette(QChartView* view) {
  apply_palette(view);
  view->installEventFilter(new PaletteFollower(view));
}

}  // namespace ds::ui
