#include "analyses/ui/analysis_controls.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>

#include "shell/ui/chart_palette.h"
#include "shell/ui/controls.h"

namespace ds::ui {

namespace {
// The texts these controls share between windows, in the context "ds::ui".
QString tr(const char* text) { return QCoreApplication::translate("ds::ui", text); }
}  // namespace

PeriodBox period_box(QWidget* parent, const char* from_label, const char* to_label) {
  PeriodBox p{};
  p.box = new QGroupBox(tr("Period"), parent);
  p.box->setObjectName(QStringLiteral("fraPeriod"));
  p.from = new QLineEdit(p.box);
  p.from->setObjectName(QStringLiteral("txtFrom"));
  p.to = new QLineEdit(p.box);
  p.to->setObjectName(QStringLiteral("txtTo"));
  auto* from = named_label(from_label, tr("&From"), p.box);
  auto* to = named_label(to_label, tr("&To"), p.box);
  from->setBuddy(p.from);
  to->setBuddy(p.to);
  // A short caption ("To") came out a few pixels narrower than its text beside the box.
  for (QLabel* l : {from, to}) {
    QString shown = l->text();
    shown.remove(QLatin1Char('&'));
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(shown) + 4);
  }
  for (QLineEdit* e : {p.from, p.to}) e->setMaximumWidth(130);
  p.go = named_button("cmdGo", tr("&Go"), p.box);
  auto* layout = new QHBoxLayout(p.box);
  layout->addWidget(from);
  layout->addWidget(p.from);
  layout->addSpacing(12);
  layout->addWidget(to);
  layout->addWidget(p.to);
  layout->addSpacing(12);
  layout->addWidget(p.go);
  layout->addStretch(1);
  return p;
}

NetChart net_chart(QWidget* parent, const QString& date_format, int date_ticks) {
  NetChart c{};
  c.series = new QLineSeries;
  c.series->setName(tr("Running net"));
  auto* chart = new QChart;
  chart->addSeries(c.series);
  chart->legend()->hide();
  chart->setTitle(tr("Running net (won minus spent)"));
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto* time_axis = new QDateTimeAxis;
  time_axis->setFormat(date_format);
  time_axis->setTickCount(date_ticks);
  auto* net_axis = new QValueAxis;
  net_axis->setLabelFormat(QStringLiteral("%.0f"));
  time_axis->setLabelsVisible(false);
  net_axis->setLabelsVisible(false);
  chart->addAxis(time_axis, Qt::AlignBottom);
  chart->addAxis(net_axis, Qt::AlignLeft);
  c.series->attachAxis(time_axis);
  c.series->attachAxis(net_axis);
  c.view = new QChartView(chart, parent);
  c.view->setObjectName(QStringLiteral("chtNet"));
  c.view->setRenderHint(QPainter::Antialiasing);
  follow_palette(c.view);  // a dark desktop gives a dark chart
  return c;
}

}  // namespace ds::ui
