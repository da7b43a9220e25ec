#pragma once
// The catalogue of systems, their base tickets and their guaranteed results.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/results.h"

namespace ds {

struct SystemInfo {
  std::string_view id;
  int v;  // size of the targeted set
  int t;  // guarantee
  int m;  // numbers per ticket
  int T;  // tickets
  int c;  // base tickets, T / v
};

// The 41 systems in the order the program lists them.
std::span<const SystemInfo> system_catalogue();

// The catalogue entry whose id equals `system_id` exactly, or nullptr.
const SystemInfo* find_system(std::string_view system_id);

// Takes a SystemId "v_t_m" apart; false unless it has three whole-number fields.
bool parse_system_id(std::string_view system_id, int& v, int& t, int& m);

// Puts the base tickets of `system_id` into `tickets` (rebuilt with rows 0..c) and c into
// `ticket_count`. An id without a table leaves both untouched and returns false.
bool load_tickets(std::string_view system_id, std::int16_t& ticket_count, TicketTable& tickets);

// The tickets of a system as lists of positions 1..v in walk order, numbered as the
// program numbers them: base ticket i from start j is element (i - 1) * v + (j - 1).
std::vector<std::vector<int>> expand_tickets(const TicketTable& tickets, int ticket_count, int v, int m);

// Sets all three tables to 0, then writes the averages and the worst-case and best-case
// rows of `system_id` if it is in the catalogue.
void load_results(std::string_view system_id, ResultsAvg& results_avg, ResultsCount& results_min,
                  ResultsCount& results_max);

// How many cells of the worst-case and best-case rows (w = 2..m, k = 2..w) that the tickets
// of `system_id` give differ from the published rows of the system (rows the published
// table leaves open are not counted): 0 when the tickets give the published rows, -1 for an
// id outside the catalogue.
int cells_differing_from_published(std::string_view system_id);

// The catalogue system with the same set size, guarantee and ticket size, if any.
struct CatalogueMatch {
  std::string id;  // "" when there is none
  int tickets = 0;
};
CatalogueMatch catalogue_match(int v, int k, int t);

}  // namespace ds
