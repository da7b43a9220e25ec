#pragma once
// Controls the analysis windows share: the period box and the running-net chart.
#include <QString>

class QGroupBox;
class QLineEdit;
class QLineSeries;
class QChartView;
class QPushButton;
class QWidget;

namespace ds::ui {

// fraPeriod: From (txtFrom), To (txtTo) and Go (cmdGo), the labels named as given.
struct PeriodBox {
  QGroupBox* box;
  QLineEdit* from;
  QLineEdit* to;
  QPushButton* go;
};
PeriodBox period_box(QWidget* parent, const char* from_label, const char* to_label);

// chtNet: the running net as a line over dates, its axes without labels until there
// is something to show (no 1970 dates, no rounded 0-to-1 scale); it follows the palette.
struct NetChart {
  QLineSeries* series;
  QChartView* view;
};
NetChart net_chart(QWidget* parent, const QString& date_format, int date_ticks);

}  // namespace ds::ui
