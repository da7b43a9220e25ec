// The guaranteed results of the catalogue systems: averages from the ticket count, worst
// and best cases from the rows worked out at build time.
#include <algorithm>

#include "shell/game.h"
#include "systems/catalogue.h"
#include "systems/held_results.h"
#include "systems/published_rows.h"

namespace ds {

void load_results(std::string_view system_id, ResultsAvg& results_avg, ResultsCount& results_min,
                  ResultsCount& results_max) {
  results_avg = {};
  results_min = {};
  results_max = {};
  const SystemInfo* s = find_system(system_id);
  if (s == nullptr) return;
  for (int w = 2; w <= s->m; ++w)
    for (int k = 2; k <= w; ++k)
      results_avg[w][k] = static_cast<float>(s->T * ways_to_choose(s->m, k) *
                                             ways_to_choose(s->v - s->m, w - k) / ways_to_choose(s->v, w));
  const auto held = held_results();
  const auto it =
      std::find_if(held.begin(), held.end(), [&](const HeldResults& r) { return r.id == system_id; });
  if (it == held.end()) return;
  results_min = it->worst;
  results_max = it->best;
}

int cells_differing_from_published(std::string_view system_id) {
  const SystemInfo* s = find_system(system_id);
  const PublishedRows* published = find_published_rows(system_id);
  if (s == nullptr || published == nullptr) return -1;
  ResultsAvg avg;
  ResultsCount worst, best;
  load_results(system_id, avg, worst, best);
  int differing = 0;
  std::size_t cell = 0;
  for (int w = 2; w <= s->m; ++w) {
    for (int k = 2; k <= w; ++k, ++cell) {
      if (published->worst[cell] >= 0 && published->worst[cell] != worst[w][k]) ++differing;
      if (published->best[cell] >= 0 && published->best[cell] != best[w][k]) ++differing;
    }
  }
  return differing;
}

}  // namespace ds
