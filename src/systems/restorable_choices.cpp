#include "systems/restorable_choices.h"

#include <algorithm>

#include "lotto/lotto_files.h"
#include "lotto/lotto_handlers.h"
#include "shell/files.h"
#include "shell/game.h"
#include "systems/catalogue.h"
#include "systems/system_handlers.h"
#include "tsets/set_files.h"
#include "tsets/tsets_handlers.h"

namespace ds {

RememberedChoices restorable_choices(const RememberedChoices& r, const std::filesystem::path& app_folder) {
  RememberedChoices c;
  c.periods = r.periods;
  LottoDefinition lotto;
  if (r.lotto.empty() || !plain_name(r.lotto) ||
      !read_definition(lotto_folder(app_folder), r.lotto, lotto).empty())
    return c;
  c.lotto = r.lotto;
  if (r.tset_size < 10 || r.tset_size > 20 || r.tset_size > lotto.play_n || !plain_name(r.tset) ||
      !file_exists(size_folder_of(tsets_folder_of(app_folder), r.tset_size) / r.tset))
    return c;
  c.tset_size = r.tset_size;
  c.tset = r.tset;
  if (lotto.second_n > 0) {
    // Without numbers to play with, the system's tickets could not be shown.
    const SecondPicks picks = parse_second_picks(r.second, lotto);
    if (!picks.ok) return c;
    c.second = numbers_text(picks.numbers);
  }
  const auto systems = system_list();
  int v = 0, t = 0, m = 0;
  if (std::find(systems.begin(), systems.end(), r.system) != systems.end() &&
      parse_system_id(r.system, v, t, m) && v == c.tset_size && m == lotto.pick_n)
    c.system = r.system;
  return c;
}

void apply_choices(const RememberedChoices& c, AppState& state) {
  if (c.lotto.empty()) return;
  LottoModel lotto;
  lotto_load(lotto, state.app_folder);
  choose_lotto(lotto, c.lotto, state);
  if (state.lotto_name != c.lotto) return;
  state.draws = lotto.draws;
  state.draws_read = true;
  if (c.tset.empty()) return;
  TsetsModel sets;
  tsets_load(sets, state);
  tsets_choose_size(sets, std::to_string(c.tset_size), state);
  tsets_choose_set(sets, c.tset, state);
  if (state.tset_name != c.tset) return;
  state.tset_rows = sets.work.grid;
  state.tset_unsaved = sets.unsaved;
  state.tset_save_on = sets.enabled.save;
  if (!c.second.empty()) state.second_picks = parse_second_picks(c.second, state.lotto).numbers;
  if (c.system.empty()) return;
  SystemModel system;
  choose_system(system, c.system, state);
}

}  // namespace ds
