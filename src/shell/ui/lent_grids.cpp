#include "shell/ui/lent_grids.h"

#include "shell/ui/window_registry.h"

namespace ds::ui {

WindowId owner_of(LentGrid grid) {
  switch (grid) {
    case LentGrid::draws:
      return WindowId::lotto;
    case LentGrid::sets:
      return WindowId::tsets;
    case LentGrid::frequencies:
      return WindowId::tset_generator;
    case LentGrid::forecasting:
      return WindowId::forecasting;
  }
  return WindowId::none;
}

const TextGrid* borrow_grid(LentGrid grid) {
  auto* source = dynamic_cast<GridSource*>(registry().get_opened(owner_of(grid)));
  return source ? source->lent_grid(grid) : nullptr;
}

ChosenGrids lent_chosen_grids(const AppState& state) {
  ChosenGrids g;
  if (!state.lotto_name.empty()) g.draws = borrow_grid(LentGrid::draws);
  if (!state.tset_name.empty()) g.sets = borrow_grid(LentGrid::sets);
  return g;
}

}  // namespace ds::ui
