#pragma once
// Charts drawn in the desktop's colours.
class QChartView;

namespace ds::ui {

// The chart of `view` takes the colours of the view's palette: background, texts,
// axes and grid lines; a dark palette gives the dark theme's series colours. It
// follows every later change of the palette (a desktop switched to dark).
void follow_palette(QChartView* view);

}  // namespace ds::ui
