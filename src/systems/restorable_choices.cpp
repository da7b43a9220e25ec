#include "systems/restorable_choices.h"

#include <algorithm>

#include "lotto/lotto_files.h"
#include "shell/files.h"
#include "shell/game.h"
#include "systems/catalogue.h"
#include "systems/system_handlers.h"
#include "tsets/set_files.h"

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

}  // namespace ds
