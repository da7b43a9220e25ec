#include "app/register_windows.h"

#include "analyses/ui/backtest_window.h"
#include "analyses/ui/forecasting_window.h"
#include "analyses/ui/performance_window.h"
#include "analyses/ui/profitability_window.h"
#include "analyses/ui/statistics_window.h"
#include "analyses/ui/tickets_window.h"
#include "lotto/ui/lotto_window.h"
#include "shell/ui/app.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_window.h"
#include "shell/ui/session.h"
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
  remember_for(hub);
  WindowRegistry& r = registry();
  r.set_factory(WindowId::main, [&hub] { return new MainWindow(hub); });
  r.set_factory(WindowId::help, [&hub] { return new HelpWindow(hub); });
  r.set_factory(WindowId::performance, [&hub] { return new PerformanceWindow(hub); });
  r.set_factory(WindowId::forecasting, [&hub] { return new ForecastingWindow(hub); });
  r.set_factory(WindowId::profitability, [&hub] { return new ProfitabilityWindow(hub); });
  r.set_factory(WindowId::lotto, [&hub] { return new LottoWindow(hub); });
  r.set_factory(WindowId::tsets, [&hub] { return new TsetsWindow(hub); });
  r.set_factory(WindowId::tset_generator, [&hub] { return new TsetGeneratorWindow(hub); });
  r.set_factory(WindowId::system, [&hub] { return new SystemWindow(hub); });
  r.set_factory(WindowId::backtest, [&hub] { return new BacktestWindow(hub); });
  r.set_factory(WindowId::make_wheel, [&hub] { return new MakeWheelWindow(hub); });
  r.set_factory(WindowId::check_wheel, [&hub] { return new CheckWheelWindow(hub); });
  r.set_factory(WindowId::statistics, [&hub] { return new StatisticsWindow(hub); });
  r.set_factory(WindowId::tickets, [&hub] { return new TicketsWindow(hub); });
  r.set_factory(WindowId::wheel_filter, [&hub] { return new WheelFilterDialog(hub); });
}

void restore_last_choices(StateHub& hub) {
  const RememberedChoices c =
      restorable_choices(choices_from_settings(read_settings()), hub.state().app_folder);
  hub.change(Changed::lotto, [&](AppState& s) { apply_choices(c, s); });
  for (Changed what : {Changed::draws, Changed::tset, Changed::system}) hub.announce(what);
  hub.mark_restored({WindowId::lotto, WindowId::tsets, WindowId::system});
}

}  // namespace ds::ui
