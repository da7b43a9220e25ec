#include "app/register_windows.h"

#include "analyses/ui/backtest_window.h"
#include "analyses/ui/forecasting_window.h"
#include "analyses/ui/performance_window.h"
#include "analyses/ui/profitability_window.h"
#include "lotto/ui/lotto_window.h"
#include "shell/ui/app.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/session.h"
#include "shell/ui/state.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/window_registry.h"
#include "systems/restorable_choices.h"
#include "systems/ui/check_wheel_window.h"
#include "systems/ui/make_wheel_window.h"
#include "systems/ui/system_window.h"
#include "systems/ui/wheel_filter_dialog.h"
#include "tsets/ui/tset_generator_window.h"
#include "tsets/ui/tsets_window.h"

// A new window adds its factory here, and its WindowId in shell/window_id.h.

namespace ds::ui {

void register_windows(StateHub& hub) {
  set_root_hub(&hub);
  WindowRegistry& r = registry();
  r.set_factory(WindowId::main, [] { return new MainWindow; });
  r.set_factory(WindowId::help, [] { return new HelpWindow; });
  r.set_factory(WindowId::performance, [] { return new PerformanceWindow; });
  r.set_factory(WindowId::forecasting, [] { return new ForecastingWindow; });
  r.set_factory(WindowId::profitability, [] { return new ProfitabilityWindow; });
  r.set_factory(WindowId::lotto, [] { return new LottoWindow; });
  r.set_factory(WindowId::tsets, [] { return new TsetsWindow; });
  r.set_factory(WindowId::tset_generator, [] { return new TsetGeneratorWindow; });
  r.set_factory(WindowId::system, [] { return new SystemWindow; });
  r.set_factory(WindowId::backtest, [] { return new BacktestWindow; });
  r.set_factory(WindowId::make_wheel, [] { return new MakeWheelWindow; });
  r.set_factory(WindowId::check_wheel, [] { return new CheckWheelWindow; });
  r.set_factory(WindowId::wheel_filter, [&hub] { return new WheelFilterDialog(hub); });
}

void restore_last_choices(StateHub& hub) {
  restore_choices(restorable_choices(choices_from_settings(read_settings()), hub.state().app_folder));
}

}  // namespace ds::ui
