#include "shell/ticket_filters.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "shell/numbers.h"

namespace ds {

namespace {

constexpr std::string_view kKinds =
    "the filters are sum:A-B, odd:A-B, low:A-B, run:A-B, decade:A-B, new, include:n,m and exclude:n,m";

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool whole(std::string_view s, int& x) {
  const auto v = parse_whole(s);
  if (!v || *v < 0 || *v > std::numeric_limits<int>::max()) return false;
  x = static_cast<int>(*v);
  return true;
}

void keep_both(FilterRange& range, int lo, int hi) {
  if (range.on) {
    range.lo = std::max(range.lo, lo);
    range.hi = std::min(range.hi, hi);
  } else {
    range = {true, lo, hi};
  }
}

std::string no_filter(std::string_view expression, const std::string& why) {
  return "'" + std::string(expression) + "' is no filter: " + why + ".";
}

}  // namespace

bool TicketFilters::empty() const {
  return !sum.on && !odd.on && !low.on && !run.on && !decade.on && !new_only && include.empty() &&
         exclude.empty();
}

std::string add_filter(std::string_view expression, const FilterGame& game, TicketFilters& into) {
  const std::string_view text = trimmed(expression);
  std::string kind(text.substr(0, text.find(':')));
  for (char& c : kind) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  kind = std::string(trimmed(kind));
  const bool has_value = text.find(':') != std::string_view::npos;
  const std::string_view value = has_value ? text.substr(text.find(':') + 1) : std::string_view{};
  if (kind == "new") {
    if (has_value) return no_filter(text, "'new' takes no value");
    into.new_only = true;
    return "";
  }
  FilterRange* range = kind == "sum"      ? &into.sum
                       : kind == "odd"    ? &into.odd
                       : kind == "low"    ? &into.low
                       : kind == "run"    ? &into.run
                       : kind == "decade" ? &into.decade
                                          : nullptr;
  if (range) {
    const std::size_t dash = value.find('-');
    int lo = 0, hi = 0;
    const bool read = dash == std::string_view::npos
                          ? whole(value, lo) && whole(value, hi)
                          : whole(value.substr(0, dash), lo) && whole(value.substr(dash + 1), hi);
    if (!has_value || !read)
      return no_filter(text, "give a range of whole numbers after '" + kind + ":', such as " + kind +
                                 (kind == "sum" ? ":100-200" : ":2-4"));
    if (lo > hi)
      return no_filter(text, "the range runs from the smaller number to the larger, " + kind + ":" +
                                 std::to_string(hi) + "-" + std::to_string(lo));
    keep_both(*range, lo, hi);
    return "";
  }
  if (kind == "include" || kind == "exclude") {
    const std::optional<std::vector<int>> listed = parse_number_list(value);
    const std::vector<int> numbers = listed.value_or(std::vector<int>{});
    const std::string pool = std::to_string(game.pool);
    if (!has_value || !listed)
      return no_filter(text,
                       "give numbers from 1 to " + pool + " separated by commas, such as " + kind + ":7,21");
    for (int n : numbers)
      if (n < 1 || n > game.pool)
        return no_filter(text,
                         std::to_string(n) + " is not a number of the game, which runs from 1 to " + pool);
    TicketFilters after = into;  // `into` stays as it was when the expression is refused
    std::vector<int>& list = kind == "include" ? after.include : after.exclude;
    const std::vector<int>& other = kind == "include" ? after.exclude : after.include;
    list.insert(list.end(), numbers.begin(), numbers.end());
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
    for (int n : list)
      if (std::binary_search(other.begin(), other.end(), n))
        return no_filter(text, std::to_string(n) + " is both included and excluded");
    if (static_cast<int>(after.include.size()) > game.drawn)
      return no_filter(text, std::to_string(after.include.size()) +
                                 " numbers are included, and a ticket holds " + std::to_string(game.drawn));
    into = std::move(after);
    return "";
  }
  return no_filter(text, std::string(kKinds));
}

int numbers_sum(std::span<const int> ticket) {
  int s = 0;
  for (int n : ticket) s += n;
  return s;
}

int odd_count(std::span<const int> ticket) {
  return static_cast<int>(std::count_if(ticket.begin(), ticket.end(), [](int n) { return n % 2 == 1; }));
}

int low_count(std::span<const int> ticket, int pool) {
  return static_cast<int>(
      std::count_if(ticket.begin(), ticket.end(), [pool](int n) { return n <= pool / 2; }));
}

int longest_run(std::span<const int> ticket) {
  int best = 0, run = 0;
  for (std::size_t i = 0; i < ticket.size(); ++i) {
    run = i > 0 && ticket[i] == ticket[i - 1] + 1 ? run + 1 : 1;
    best = std::max(best, run);
  }
  return best;
}

int most_in_decade(std::span<const int> ticket) {
  int best = 0, here = 0;
  for (std::size_t i = 0; i < ticket.size(); ++i) {
    here = i > 0 && ticket[i] / 10 == ticket[i - 1] / 10 ? here + 1 : 1;
    best = std::max(best, here);
  }
  return best;
}

PastDraws distinct_draws(std::vector<std::vector<int>> draws) {
  for (auto& d : draws) std::sort(d.begin(), d.end());
  std::sort(draws.begin(), draws.end());
  draws.erase(std::unique(draws.begin(), draws.end()), draws.end());
  return draws;
}

namespace {

// Every filter but `new`.
bool passes_measures(const TicketFilters& f, std::span<const int> ticket, int pool) {
  if (!f.sum.holds(numbers_sum(ticket)) || !f.odd.holds(odd_count(ticket)) ||
      !f.low.holds(low_count(ticket, pool)) || !f.run.holds(longest_run(ticket)) ||
      !f.decade.holds(most_in_decade(ticket)))
    return false;
  for (int n : f.include)
    if (!std::binary_search(ticket.begin(), ticket.end(), n)) return false;
  for (int n : f.exclude)
    if (std::binary_search(ticket.begin(), ticket.end(), n)) return false;
  return true;
}

}  // namespace

bool ticket_passes(const TicketFilters& filters, std::span<const int> ticket, int pool,
                   const PastDraws& past) {
  if (!passes_measures(filters, ticket, pool)) return false;
  if (!filters.new_only) return true;
  const std::vector<int> mine(ticket.begin(), ticket.end());
  return !std::binary_search(past.begin(), past.end(), mine);
}

namespace {

// The count of combinations passing every filter but `new`. The state after the
// numbers 1..n: how many were chosen (k), their sum (s), how many are odd (o), the
// run ending at n (r) and whether a run reached run.lo (rf), how many lie in n's
// group of ten (c) and whether a group reached decade.lo (df). A dimension a filter
// does not ask for has size 1; a value above a filter's upper bound is dropped at
// once. The low count is how many were chosen once n = pool / 2, checked there.
std::uint64_t count_measures(const TicketFilters& filters, const FilterGame& g, std::uint64_t dense_states) {
  const int drawn = g.drawn, pool = g.pool;
  if (drawn < 0 || drawn > pool) return 0;
  TicketFilters f = filters;
  const int min_sum = drawn * (drawn + 1) / 2, max_sum = drawn * (2 * pool - drawn + 1) / 2;
  const int least = drawn > 0 ? 1 : 0;
  // A range that every ticket meets asks for nothing.
  const std::pair<FilterRange*, std::pair<int, int>> spans[] = {{&f.sum, {min_sum, max_sum}},
                                                                {&f.odd, {0, drawn}},
                                                                {&f.low, {0, drawn}},
                                                                {&f.run, {least, drawn}},
                                                                {&f.decade, {least, drawn}}};
  for (const auto& [range, span] : spans) {
    if (range->on && range->lo > range->hi) return 0;
    if (range->on && range->lo <= span.first && range->hi >= span.second) range->on = false;
  }
  // Each value kept from 0 to its top. Without an upper bound that bites, a value only
  // has to reach the lower one and stops there (saturates).
  struct Dim {
    int top = 0;
    bool saturates = false;
  };
  const auto dim = [](const FilterRange& r, int max, int floor) {
    if (!r.on) return Dim{};
    if (r.hi >= max) return Dim{std::max(r.lo, floor), true};
    return Dim{r.hi, false};
  };
  const Dim ds_ = dim(f.sum, max_sum, 0), do_ = dim(f.odd, drawn, 0), dr = dim(f.run, drawn, 1),
            dc = dim(f.decade, drawn, 1);
  const auto step = [](const Dim& d, int v, int by) {
    return d.saturates ? std::min(v + by, d.top) : v + by;
  };
  const int K = drawn + 1;
  const int S = f.sum.on ? ds_.top + 1 : 1;
  const int O = f.odd.on ? do_.top + 1 : 1;
  const int R = f.run.on ? dr.top + 1 : 1;
  const int C = f.decade.on ? dc.top + 1 : 1;
  // A flag only for a lower bound above 1: any ticket has a run and a group of one.
  const int RF = f.run.on && f.run.lo > 1 ? 2 : 1;
  const int DF = f.decade.on && f.decade.lo > 1 ? 2 : 1;
  if (f.low.on && pool / 2 == 0 && f.low.lo > 0) return 0;  // no number is low
  // Strides, innermost last: k, s, o, r, rf, c, df.
  const std::uint64_t sdf = 1, sc = sdf * DF, srf = sc * C, sr = srf * RF, so = sr * R, ss = so * O,
                      sk = ss * S;
  const std::uint64_t size = sk * K;
  const int low_at = pool / 2;
  // One number's step from the state (k, s, o, r, rf, c, df) holding `ways` partial
  // choices: `add(index, ways)` for each state it leads to.
  const auto step_from = [&](int n, int k, int s, int o, int r, int rf, int c, int df, std::uint64_t ways,
                             bool can_skip, bool can_take, auto&& add) {
    const int c_here = n % 10 == 0 ? 0 : c;  // n starts a new group of ten
    if (can_skip) add(k * sk + s * ss + o * so + rf * srf + c_here * sc + df * sdf, ways);
    if (!can_take) return;
    const int s2 = f.sum.on ? step(ds_, s, n) : 0;
    const int o2 = f.odd.on ? step(do_, o, n % 2) : 0;
    const int r2 = f.run.on ? step(dr, r, 1) : 0;
    const int c2 = f.decade.on ? step(dc, c_here, 1) : 0;
    if (s2 >= S || o2 >= O || r2 >= R || c2 >= C) return;
    const int rf2 = RF > 1 ? rf | (r2 >= f.run.lo ? 1 : 0) : 0;
    const int df2 = DF > 1 ? df | (c2 >= f.decade.lo ? 1 : 0) : 0;
    add((k + 1) * sk + s2 * ss + o2 * so + r2 * sr + rf2 * srf + c2 * sc + df2 * sdf, ways);
  };
  const auto may = [&](int n, int k, bool& can_skip, bool& can_take) {
    const int left = pool - n;  // numbers after n
    can_skip = !std::binary_search(f.include.begin(), f.include.end(), n) && k + left >= drawn;
    can_take =
        !std::binary_search(f.exclude.begin(), f.exclude.end(), n) && k + 1 < K && k + 1 + left >= drawn;
  };
  const auto low_fails = [&](int n, std::uint64_t index) {
    const int k = static_cast<int>(index / sk);
    return f.low.on && n == low_at && (k < f.low.lo || k > f.low.hi);
  };
  struct State {
    int k, s, o, r, rf, c, df;
  };
  const auto decode = [&](std::uint64_t at) {
    State x{};
    x.k = static_cast<int>(at / sk), at %= sk;
    x.s = static_cast<int>(at / ss), at %= ss;
    x.o = static_cast<int>(at / so), at %= so;
    x.r = static_cast<int>(at / sr), at %= sr;
    x.rf = static_cast<int>(at / srf), at %= srf;
    x.c = static_cast<int>(at / sc), at %= sc;
    x.df = static_cast<int>(at / sdf);
    return x;
  };
  const auto final_counts = [&](std::uint64_t at) {
    const State x = decode(at);
    return x.k == drawn && (!f.sum.on || x.s >= f.sum.lo) && (!f.odd.on || x.o >= f.odd.lo) &&
           x.rf == RF - 1 && x.df == DF - 1;
  };
  std::uint64_t total = 0;
  if (size <= dense_states) {
    // Dense: every state in an array, walked in order.
    std::vector<std::uint64_t> now(size, 0), next(size, 0);
    now[0] = 1;
    for (int n = 1; n <= pool; ++n) {
      std::fill(next.begin(), next.end(), 0);
      const auto add = [&](std::uint64_t at, std::uint64_t ways) {
        if (!low_fails(n, at)) next[at] += ways;
      };
      for (int k = 0; k < K && k < n; ++k) {
        bool can_skip = false, can_take = false;
        may(n, k, can_skip, can_take);
        if (!can_skip && !can_take) continue;
        for (int s = 0; s < S; ++s)
          for (int o = 0; o < O; ++o)
            for (int r = 0; r < R; ++r)
              for (int rf = 0; rf < RF; ++rf)
                for (int c = 0; c < C; ++c)
                  for (int df = 0; df < DF; ++df)
                    if (const std::uint64_t ways =
                            now[k * sk + s * ss + o * so + r * sr + rf * srf + c * sc + df * sdf])
                      step_from(n, k, s, o, r, rf, c, df, ways, can_skip, can_take, add);
      }
      now.swap(next);
    }
    for (std::uint64_t at = drawn * sk; at < size; ++at)
      if (now[at] && final_counts(at)) total += now[at];
    return total;
  }
  // Sparse, for wide ranges on a large game: only the states reached are kept.
  std::unordered_map<std::uint64_t, std::uint64_t> now{{0, 1}}, next;
  for (int n = 1; n <= pool; ++n) {
    next.clear();
    const auto add = [&](std::uint64_t at, std::uint64_t ways) {
      if (!low_fails(n, at)) next[at] += ways;
    };
    for (const auto& [at, ways] : now) {
      const State x = decode(at);
      bool can_skip = false, can_take = false;
      may(n, x.k, can_skip, can_take);
      step_from(n, x.k, x.s, x.o, x.r, x.rf, x.c, x.df, ways, can_skip, can_take, add);
    }
    now.swap(next);
  }
  for (const auto& [at, ways] : now)
    if (final_counts(at)) total += ways;
  return total;
}

}  // namespace

std::uint64_t count_passing(const TicketFilters& filters, const FilterGame& game, const PastDraws& past,
                            std::uint64_t dense_states) {
  std::uint64_t total = count_measures(filters, game, dense_states);
  if (!filters.new_only) return total;
  for (const auto& draw : past) {
    const bool in_game = static_cast<int>(draw.size()) == game.drawn && !draw.empty() && draw.front() >= 1 &&
                         draw.back() <= game.pool &&
                         std::adjacent_find(draw.begin(), draw.end()) == draw.end();
    if (in_game && passes_measures(filters, draw, game.pool) && total > 0) --total;
  }
  return total;
}

}  // namespace ds
