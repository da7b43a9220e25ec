#pragma once
// The grids one window lends to others, read-only, by a typed key.
#include "shell/app_state.h"
#include "shell/grid.h"
#include "shell/window_id.h"

namespace ds::ui {

// The grids one window lends to others. Each stays owned, and written, by one
// window: the draws by Lotto, the sets by Targeted Sets, the frequencies by the
// generator and the forecasting table by Forecasting Abilities. Readers get a
// read-only view and never reorder or change it. The one writer from outside is
// the generator, which writes its proposal into the current set row, and it has
// one path for it: `generate` over the Targeted Sets window's model, which that
// window hands out as a GeneratorHost (tsets/ui/generator_host.h).
enum class LentGrid { draws, sets, frequencies, forecasting };

// The window that owns a lent grid.
WindowId owner_of(LentGrid grid);

// Windows that lend a grid implement this.
class GridSource {
 public:
  virtual ~GridSource() = default;
  // The grid, or nullptr when this window does not own it.
  virtual const TextGrid* lent_grid(LentGrid grid) const = 0;
};

// A read-only view of a lent grid, its owner window created hidden (its load
// step run) when it does not exist yet; nullptr when no such window can be made.
const TextGrid* borrow_grid(LentGrid grid);

// The draws when a lotto is chosen and the set rows when a set is chosen, as
// the core functions of the analyses read them.
ChosenGrids lent_chosen_grids(const AppState& state);

}  // namespace ds::ui
