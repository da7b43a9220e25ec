#pragma once
// The windows of the program, as the core names them: a handler's outcome names
// the window to bring forward, and the window registry makes and shows them.
namespace ds {

enum class WindowId {
  none,  // no window
  main,
  lotto,
  tsets,
  system,
  performance,
  forecasting,
  profitability,
  tset_generator,
  help,
  backtest,
  make_wheel,
  check_wheel,
  statistics,
  tickets,
  wheel_filter,
};

}  // namespace ds
