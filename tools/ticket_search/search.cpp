#include "search.h"

#include <time.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <fstream>
#include <numeric>
#include <random>
#include <sstream>
#include <stdexcept>

#include "systems/placements.h"
#include "wheels/wheel_check.h"

namespace ds::search {

namespace {

// Time limits count the CPU time of the searching thread, so that a busy machine
// shortens no system's search.
struct Clock {
  using duration = std::chrono::nanoseconds;
  using time_point = std::chrono::time_point<Clock, duration>;
  static time_point now() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return time_point(duration(std::int64_t{ts.tv_sec} * 1000000000 + ts.tv_nsec));
  }
};

Mask next_same_popcount(Mask x) {
  const Mask c = x & (~x + 1);
  const Mask r = x + c;
  return (((r ^ x) >> 2) / c) | r;
}

template <typename F>
void for_each_subset(int v, int w, F&& f) {
  if (w == 0 || w > v) return;
  const Mask limit = Mask{1} << v;
  for (Mask x = (Mask{1} << w) - 1; x < limit; x = next_same_popcount(x)) f(x);
}

std::vector<int> parse_numbers(const std::string& text) {
  std::istringstream in(text);
  std::vector<int> out;
  int x;
  while (in >> x) out.push_back(x);
  return out;
}

void parse_rows(const std::string& text, int m, std::array<bool, 8>& fixed, RowTable& rows) {
  std::istringstream in(text);
  std::string group;
  int w = 2;
  while (std::getline(in, group, '/')) {
    if (w > m) throw std::runtime_error("too many row groups");
    if (group.find('-') == std::string::npos) {
      const auto numbers = parse_numbers(group);
      if (static_cast<int>(numbers.size()) != w - 1) throw std::runtime_error("bad row group: " + group);
      for (int k = 2; k <= w; ++k) rows[w][k] = numbers[k - 2];
      fixed[w] = true;
    }
    ++w;
  }
  if (w != m + 1) throw std::runtime_error("too few row groups");
}

// Luby sequence 1 1 2 1 1 2 4 ...
long long luby(int i) {
  for (int k = 1;; ++k) {
    if (i == (1 << k) - 1) return 1LL << (k - 1);
    if (i < (1 << k) - 1) return luby(i - (1 << (k - 1)) + 1);
  }
}

}  // namespace

Mask multiply(Mask x, int u, int v) {
  Mask y = 0;
  for (int p = 0; p < v; ++p)
    if (x >> p & 1) y |= Mask{1} << (p * u % v);
  return y;
}

Mask rotate(Mask x, int j, int v) {
  j %= v;
  if (j == 0) return x;
  const Mask full = (Mask{1} << v) - 1;
  return ((x << j) | (x >> (v - j))) & full;
}

std::vector<Target> read_targets(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<Target> out;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto bar1 = line.find('|');
    const auto bar2 = line.find('|', bar1 + 1);
    if (bar1 == std::string::npos || bar2 == std::string::npos) throw std::runtime_error("bad line: " + line);
    Target t;
    std::istringstream head(line.substr(0, bar1));
    head >> t.id >> t.c;
    if (std::sscanf(t.id.c_str(), "%d_%d_%d", &t.v, &t.t, &t.m) != 3)
      throw std::runtime_error("bad id " + t.id);
    parse_rows(line.substr(bar1 + 1, bar2 - bar1 - 1), t.m, t.fixed_min, t.min);
    parse_rows(line.substr(bar2 + 1), t.m, t.fixed_max, t.max);
    out.push_back(std::move(t));
  }
  return out;
}

std::vector<Mask> expand(const std::vector<Mask>& bases, int v) {
  std::vector<Mask> out;
  for (Mask b : bases)
    for (int j = 0; j < v && (j == 0 || rotate(b, j, v) != b); ++j) out.push_back(rotate(b, j, v));
  return out;
}

// Both by the program's own exhaustive evaluators (one copy for the program, the maker
// of wheels and this tool).
bool covers_all(const std::vector<Mask>& tickets, int v, int t) {
  const std::vector<WheelMask> wide(tickets.begin(), tickets.end());
  return meets_guarantee(wide, v, t, t);
}

Rows evaluate_rows(const std::vector<Mask>& tickets, int v, int m) {
  ResultsCount min{}, max{};
  placement_rows(tickets, v, m, min, max);
  Rows rows;
  for (int w = 2; w <= m; ++w)
    for (int k = 2; k <= w; ++k) {
      rows.min[w][k] = min[w][k];
      rows.max[w][k] = max[w][k];
    }
  return rows;
}

int row_difference(const Target& target, const Rows& rows) {
  int diff = 0;
  for (int w = 2; w <= target.m; ++w) {
    for (int k = 2; k <= w; ++k) {
      if (target.fixed_min[w] && target.min[w][k] != rows.min[w][k]) ++diff;
      if (target.fixed_max[w] && target.max[w][k] != rows.max[w][k]) ++diff;
    }
  }
  return diff;
}

std::array<int, 6> increments(Mask base, int v, int m) {
  std::vector<int> pos;
  for (int p = 0; p < v; ++p)
    if (base >> p & 1) pos.push_back(p);
  std::array<int, 6> best{};
  bool have = false;
  for (int s = 0; s < m; ++s) {
    std::array<int, 6> inc{};
    for (int k = 0; k < m; ++k) {
      const int a = pos[(s + k) % m];
      const int b = pos[(s + k + 1) % m];
      inc[k] = ((b - a) % v + v) % v;
      if (inc[k] == 0) inc[k] = v;  // m == 1 only
    }
    if (!have || inc < best) best = inc, have = true;
  }
  return best;
}

Mask from_increments(const std::array<int, 6>& inc, int m) {
  Mask out = 1;
  int p = 0;
  for (int k = 0; k < m - 1; ++k) {
    p += inc[k];
    out |= Mask{1} << p;
  }
  return out;
}

Mask rotation_class(Mask x, int v) {
  Mask best = x;
  for (int j = 1; j < v; ++j) best = std::min(best, rotate(x, j, v));
  return best;
}

std::vector<Mask> canonical_form(const std::vector<Mask>& bases, int v) {
  std::vector<Mask> best;
  for (int u = 1; u < v; ++u) {
    if (std::gcd(u, v) != 1) continue;
    std::vector<Mask> mapped;
    for (Mask b : bases) mapped.push_back(rotation_class(multiply(b, u, v), v));
    std::sort(mapped.begin(), mapped.end());
    if (best.empty() || mapped < best) best = mapped;
  }
  return best;
}

// ---------------------------------------------------------------------------------
namespace {

constexpr int kFree = 1 << 20;

enum class Phase { exact, anneal, lns, relaxed, cover };

class Searcher {
 public:
  Searcher(const Target& target, std::uint64_t seed, int multiplier = 0)
      : tg_(target), rng_(seed), mult_(multiplier) {
    v_ = tg_.v;
    m_ = tg_.m;
    c_ = tg_.c;
    build_orbits();
    build_candidates();
    build_units();
  }

  // How many units (multiplier orbits of candidates) there are of each size.
  std::vector<int> unit_sizes() const {
    std::vector<int> out;
    for (const auto& un : units_) {
      if (out.size() <= un.size()) out.resize(un.size() + 1, 0);
      ++out[un.size()];
    }
    return out;
  }

  // Adds the given base tickets one by one under the exact phase's rules; true when
  // no step is refused. A matching table must never be refused.
  bool accepts(const std::vector<Mask>& bases) {
    phase_ = Phase::exact;
    setup_constraints();
    reset_state();
    for (Mask b : bases) {
      int cnd = -1;
      for (int i = 0; i < ncand_; ++i)
        if (orbit_of_[cand_rot_[i][0]] == orbit_of_[b]) cnd = i;
      if (cnd < 0 || dead_[cnd]) return false;
      apply(cnd, +1);
      if (!feasible()) return false;
    }
    return true;
  }

  // The annealing and repair phases also price how far the given placement is from the
  // best-case (or worst-case) row of its level: the row has to sit on some placement, and
  // naming one (up to rotation and multipliers there are few to try) gives the search a
  // slope towards it where the plain cost only says that no placement sits on it.
  // --pin (once or twice) names placements for best-case rows, --pin-worst one for a
  // worst-case row.
  enum PinSlot { kBestPin, kWorstPin, kSecondBestPin, kPins };
  void pin(Mask placement, PinSlot slot) {
    const int w = std::popcount(placement);
    if (w < 2 || w > m_ || placement >= (Mask{1} << v_)) return;
    if (slot == kWorstPin ? tg_.fixed_min[w] : tg_.fixed_max[w]) pin_orbit_[slot] = orbit_of_[placement];
  }

  // The row the placement in slot p is to sit on.
  const std::array<int, 8>& pin_row(int p) const {
    const int w = rep_level_[pin_orbit_[p]];
    return p == kWorstPin ? tg_.min[w] : tg_.max[w];
  }

  // The annealing cost of the given table.
  int cost(const std::vector<Mask>& bases) {
    build_effects();
    tally_reset();
    for (Mask b : bases) tally_change(cand_index_[orbit_of_[b]], +1);
    return tally_cost();
  }

  void start_from(const std::vector<Mask>& bases) {
    const auto tickets = expand(bases, v_);
    best_.bases = bases;
    best_.covered = covers_all(tickets, v_, tg_.t);
    best_.difference = row_difference(tg_, evaluate_rows(tickets, v_, m_));
    best_.exact = best_.covered && best_.difference == 0;
    best_.phase = "start";
  }

  Outcome run(double seconds, bool verbose, const std::string& only_phase) {
    const auto start = Clock::now();
    verbose_ = verbose;
    deadline_ = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    // a phase marked `named` runs only when asked for by name
    const struct {
      Phase phase;
      double share;
      const char* name;
      bool named;
    } plan[] = {{Phase::exact, 0.15, "exact", false},   {Phase::exact, 0.30, "exact-restarts", false},
                {Phase::anneal, 0.90, "anneal", false}, {Phase::lns, 0.90, "lns", true},
                {Phase::anneal, 0.90, "graded", true},  {Phase::relaxed, 0.95, "relaxed", false},
                {Phase::cover, 1.0, "cover", false}};
    bool complete = true;  // the first exact pass is one complete depth-first search
    for (const auto& step : plan) {
      if (best_.exact || (exhausted_ && step.phase == Phase::exact)) continue;
      if (step.phase == Phase::cover && best_.covered) break;
      if (only_phase.empty() ? step.named : only_phase != step.name) continue;
      phase_ = step.phase;
      phase_name_ = step.name;
      graded_ = std::string(step.name) == "graded";
      phase_end_ = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                               seconds * (only_phase.empty() ? step.share : 1.0)));
      setup_constraints();
      complete = step.share == plan[0].share;
      if (phase_ == Phase::anneal || phase_ == Phase::lns) {
        if (effect_.empty()) build_effects();
        if (phase_ == Phase::anneal)
          anneal();
        else
          lns(verbose);
        continue;
      }
      for (int restart = 1; Clock::now() < phase_end_ && !best_.exact; ++restart) {
        reset_state();
        node_budget_ = complete ? (1LL << 62) : 400 * luby(restart);
        ++best_.restarts;
        const Result r = root(!complete);
        if (verbose && restart % 64 == 0)
          std::fprintf(stderr, "%s %s restart %d nodes %lld best %d\n", tg_.id.c_str(), step.name, restart,
                       best_.nodes, best_.difference);
        // a restart that ends within its node budget has searched the whole space too
        if (r == Result::exhausted) exhausted_ = true;  // no exact table exists
        if (r != Result::budget || complete) break;
      }
    }
    best_.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (exhausted_ && !best_.exact) best_.phase += " (exact search space exhausted)";
    return best_;
  }

 private:
  enum class Result { found, budget, exhausted, timeout };
  bool verbose_ = false;

  struct Contribution {
    int orbit;
    int count;
  };

  void build_orbits() {
    orbit_of_.assign(std::size_t{1} << v_, -1);
    for (int w = 2; w <= m_; ++w) {
      level_begin_[w] = static_cast<int>(rep_.size());
      for_each_subset(v_, w, [&](Mask x) {
        if (orbit_of_[x] >= 0) return;
        const int id = static_cast<int>(rep_.size());
        rep_.push_back(x);
        rep_level_.push_back(w);
        for (int j = 0; j < v_; ++j) orbit_of_[rotate(x, j, v_)] = id;
      });
      level_end_[w] = static_cast<int>(rep_.size());
    }
  }

  void build_candidates() {
    for (int id = level_begin_[m_]; id < level_end_[m_]; ++id) {
      const Mask b = rep_[id];
      std::vector<Mask> rots(v_);
      for (int j = 0; j < v_; ++j) rots[j] = rotate(b, j, v_);
      std::vector<Contribution> contrib;
      for (int w = 2; w <= m_; ++w) {
        std::vector<int> seen;
        // every w-subset of b names an orbit this candidate adds to
        for (Mask s = b; s; s = (s - 1) & b) {
          if (std::popcount(s) != w) continue;
          const int o = orbit_of_[s];
          if (std::find(seen.begin(), seen.end(), o) != seen.end()) continue;
          seen.push_back(o);
          int count = 0;
          for (Mask r : rots) count += (r & rep_[o]) == rep_[o];
          contrib.push_back({o, count});
        }
      }
      cand_rot_.push_back(std::move(rots));
      cand_contrib_.push_back(std::move(contrib));
    }
    ncand_ = static_cast<int>(cand_rot_.size());
    cand_index_.assign(rep_.size(), -1);
    for (int cnd = 0; cnd < ncand_; ++cnd) cand_index_[orbit_of_[cand_rot_[cnd][0]]] = cnd;
    build_classes();
    orbit_cands_.assign(rep_.size(), {});
    for (int cnd = 0; cnd < ncand_; ++cnd)
      for (const auto& [o, count] : cand_contrib_[cnd]) orbit_cands_[o].push_back({cnd, count});
    // the same lists by count, highest first, so that apply() reads only the candidates
    // whose fate a change of count decides; orbit_cands_ keeps its order, in which the
    // depth-first search draws its random tie-breaks (a seed finds the same tables)
    cands_by_count_ = orbit_cands_;
    for (auto& list : cands_by_count_)
      std::stable_sort(list.begin(), list.end(),
                       [](const auto& a, const auto& b) { return a.second > b.second; });
    for (int w = 2; w <= m_; ++w) {
      gain_[w] = 0;
      for (int cnd = 0; cnd < ncand_; ++cnd) {
        int sum = 0;
        for (const auto& [o, count] : cand_contrib_[cnd])
          if (rep_level_[o] == w) sum += count;
        gain_[w] = std::max(gain_[w], sum);
      }
    }
  }

  void setup_constraints() {
    for (int w = 0; w < 8; ++w) cap_[w] = kFree, need_[w] = 0;
    const int t = tg_.t;
    need_[t] = 1;
    if (phase_ == Phase::cover) {
      cap_[m_] = 1;  // no ticket twice
      return;
    }
    for (int w = 2; w <= m_; ++w) {
      if (tg_.fixed_max[w]) cap_[w] = tg_.max[w][w];
      if (tg_.fixed_min[w]) need_[w] = std::max(need_[w], tg_.min[w][w]);
    }
    if (cap_[m_] == kFree) cap_[m_] = 1;
  }

  // Count vectors are packed 11 bits per k (k = 2 at the bottom, k = 6 at the top), so
  // comparing two packed vectors of one level compares them on n_w first, then down to n_2.
  static constexpr int kLane = 11;
  static constexpr std::uint64_t kLaneMask = (1u << 10) - 1;
  static std::uint64_t lane(int k) { return std::uint64_t{1} << (kLane * (k - 2)); }
  static int top(std::uint64_t x, int w) { return static_cast<int>(x >> (kLane * (w - 2)) & kLaneMask); }
  static std::uint64_t pack(const std::array<int, 8>& row, int w) {
    std::uint64_t x = 0;
    for (int k = 2; k <= w; ++k) x += static_cast<std::uint64_t>(row[k]) * lane(k);
    return x;
  }
  // every lane of a <= the same lane of b
  bool below(std::uint64_t a, std::uint64_t b) const { return (((b | guard_) - a) & guard_) == guard_; }

  void build_effects() {
    guard_ = 0;
    for (int k = 2; k <= 6; ++k) guard_ |= lane(k) << 10;
    effect_.assign(ncand_, {});
    for (int cnd = 0; cnd < ncand_; ++cnd) {
      for (std::size_t o = 0; o < rep_.size(); ++o) {
        std::uint64_t d = 0;
        for (Mask r : cand_rot_[cnd]) {
          const int k = std::popcount(rep_[o] & r);
          if (k >= 2) d += lane(k);
        }
        if (d) effect_[cnd].push_back({static_cast<int>(o), d});
      }
    }
    build_pin_gains();
  }

  void reset_state() {
    if (effect_.empty()) build_effects();
    vec_.assign(rep_.size(), 0);
    maxkey_.assign(rep_.size(), ~std::uint64_t{0});
    for (int w = 2; w <= m_; ++w) {
      const bool lex = phase_ == Phase::exact;
      minkey_[w] = lex && tg_.fixed_min[w] ? pack(tg_.min[w], w) : ~guard_;
      // outside the exact phase only the cap on n_w is kept
      std::uint64_t key = ~std::uint64_t{0};
      if (lex && tg_.fixed_max[w])
        key = pack(tg_.max[w], w);
      else if (cap_[w] != kFree)
        key = static_cast<std::uint64_t>(cap_[w]) * lane(w) + (lane(w) - 1);
      for (int o = level_begin_[w]; o < level_end_[w]; ++o) maxkey_[o] = key;
      below_count_[w] = level_end_[w] - level_begin_[w];
      reach_count_[w] = below_count_[w];
      // some placement has to end exactly on the best-case row
      reachkey_[w] = lex && tg_.fixed_max[w] ? pack(tg_.max[w], w) : ~guard_;
      deficit_[w] = static_cast<long long>(need_[w]) * (level_end_[w] - level_begin_[w]);
    }
    pin_hard_ = phase_ == Phase::exact &&
                std::any_of(pin_orbit_.begin(), pin_orbit_.end(), [](int o) { return o >= 0; });
    violations_ = 0;
    dead_.assign(ncand_, 0);
    valid_.assign(rep_.size(), 0);
    for (std::size_t o = 0; o < rep_.size(); ++o) valid_[o] = static_cast<int>(orbit_cands_[o].size());
    chosen_.clear();
    // candidates that break a cap on their own
    for (int cnd = 0; cnd < ncand_; ++cnd)
      for (const auto& [o, count] : cand_contrib_[cnd])
        if (count > cap_[rep_level_[o]]) {
          kill(cnd);
          break;
        }
    nodes_in_restart_ = 0;
  }

  void kill(int cnd) {
    if (dead_[cnd]++ == 0)
      for (const auto& [o, count] : cand_contrib_[cnd]) --valid_[o];
  }
  void revive(int cnd) {
    if (--dead_[cnd] == 0)
      for (const auto& [o, count] : cand_contrib_[cnd]) ++valid_[o];
  }

  // Adds (sign +1) or removes (-1) all rotations of candidate cnd.
  void apply(int cnd, int sign) {
    for (const auto& [o, d] : effect_[cnd]) {
      const std::uint64_t before = vec_[o];
      const std::uint64_t now = sign > 0 ? before + d : before - d;
      vec_[o] = now;
      const int w = rep_level_[o];
      violations_ += static_cast<int>(now > maxkey_[o]) - static_cast<int>(before > maxkey_[o]);
      below_count_[w] +=
          static_cast<int>(below(now, minkey_[w])) - static_cast<int>(below(before, minkey_[w]));
      reach_count_[w] +=
          static_cast<int>(below(now, reachkey_[w])) - static_cast<int>(below(before, reachkey_[w]));
      deficit_[w] += std::max(0, need_[w] - top(now, w)) - std::max(0, need_[w] - top(before, w));
    }
    for (const auto& [o, count] : cand_contrib_[cnd]) {
      const int w = rep_level_[o];
      const int cap = cap_[w];
      // pairs are capped through maxkey_ alone: their candidate lists are long
      if (cap == kFree || w == 2) continue;
      const int now = top(vec_[o], w);
      const int before = now - sign * count;
      // a candidate adding c2 is out when count + c2 > cap: only c2 in (low, high] change
      const int low = cap - std::max(now, before), high = cap - std::min(now, before);
      for (const auto& [other, c2] : cands_by_count_[o]) {
        if (c2 > high) continue;
        if (c2 <= low) break;
        if (sign > 0)
          kill(other);
        else
          revive(other);
      }
    }
    if (sign > 0) {
      kill(cnd);
      chosen_.push_back(cnd);
    } else {
      revive(cnd);
      chosen_.pop_back();
    }
  }

  // Simulated annealing over whole tables of c base tickets. The cost counts, per
  // prescribed row, the placements on the wrong side of it plus one when no placement
  // sits exactly on it, and the t-subsets left uncovered; cost 0 is an exact table.
  struct Tally {
    std::array<std::uint64_t, 8> hi{}, lo{};
    std::array<int, 8> above{}, at_hi{}, under{}, at_lo{};
    int uncovered = 0;
    std::array<std::uint64_t, kPins> pinned{};  // count vectors of the pinned placements
  };

  void tally_reset() {
    tally_ = Tally{};
    for (int w = 2; w <= m_; ++w) {
      tally_.hi[w] = pack(tg_.max[w], w);
      tally_.lo[w] = pack(tg_.min[w], w);
    }
    vec_.assign(rep_.size(), 0);
    for (std::size_t o = 0; o < rep_.size(); ++o) account(static_cast<int>(o), 0, +1);
  }

  void account(int o, std::uint64_t x, int sign) {
    const int w = rep_level_[o];
    if (tg_.fixed_max[w]) {
      tally_.above[w] += sign * (x > tally_.hi[w]);
      tally_.at_hi[w] += sign * (x == tally_.hi[w]);
    }
    if (tg_.fixed_min[w]) {
      tally_.under[w] += sign * (x < tally_.lo[w]);
      tally_.at_lo[w] += sign * (x == tally_.lo[w]);
    }
    if (w == tg_.t) tally_.uncovered += sign * (top(x, w) == 0);
    if (sign > 0)
      for (int p = 0; p < kPins; ++p)
        if (o == pin_orbit_[p]) tally_.pinned[p] = x;
  }

  int cost_of(const Tally& t) const {
    int total = 4 * t.uncovered + pin_shortfall(t);
    for (int w = 2; w <= m_; ++w) {
      if (tg_.fixed_max[w]) total += t.above[w] + (t.at_hi[w] == 0);
      if (tg_.fixed_min[w]) total += t.under[w] + (t.at_lo[w] == 0);
    }
    return total;
  }
  int tally_cost() const { return cost_of(tally_); }
  // How far (summed over n_2..n_w) the pinned placements are from the rows of their level.
  int pin_shortfall(const Tally& t) const {
    int d = 0;
    for (int p = 0; p < kPins; ++p) {
      if (pin_orbit_[p] < 0) continue;
      const int w = rep_level_[pin_orbit_[p]];
      for (int k = 2; k <= w; ++k) d += std::abs(top(t.pinned[p], k) - pin_row(p)[k]);
    }
    return d;
  }

  // The graded cost of the "graded" phase: eight per unit of the cost above, except that
  // a prescribed row no placement sits on costs 5 to 16, by how close (summed over n_2..n_w)
  // the nearest placement on the right side of it comes. Annealing on the plain cost sees
  // no difference between a best-case row missed by one and one missed by ten.
  int graded_cost() const {
    const Tally& t = tally_;
    int total = 8 * cost_of(t);
    for (int w = 2; w <= m_; ++w) {
      if (tg_.fixed_max[w] && t.at_hi[w] == 0) total += nearest(w, t.hi[w], true) - 4;
      if (tg_.fixed_min[w] && t.at_lo[w] == 0) total += nearest(w, t.lo[w], false) - 4;
    }
    return total;
  }
  // Smallest distance, capped at 12, from a placement of level w below (or above) row to row.
  int nearest(int w, std::uint64_t row, bool below_row) const {
    int best = 12;
    for (int o = level_begin_[w]; o < level_end_[w] && best > 1; ++o) {
      const std::uint64_t x = vec_[o];
      if (below_row ? x >= row : x <= row) continue;
      int d = 0;
      for (int k = 2; k <= w; ++k) d += std::abs(top(x, k) - top(row, k));
      best = std::min(best, d);
    }
    return best;
  }
  int anneal_cost() const { return graded_ ? graded_cost() : tally_cost(); }

  void tally_change(int cnd, int sign) {
    for (const auto& [o, d] : effect_[cnd]) {
      account(o, vec_[o], -1);
      vec_[o] = sign > 0 ? vec_[o] + d : vec_[o] - d;
      account(o, vec_[o], +1);
    }
  }

  // Every table that differs from `set` in one or two base tickets; true when one of
  // them is exact (then recorded). The two-ticket sweep gets a fifth of what is left of
  // the phase: for m = 6 it would otherwise take the whole phase.
  bool repair(std::vector<int> set) {
    const auto sweep_end = Clock::now() + (phase_end_ - Clock::now()) / 5;
    tally_reset();
    std::vector<char> in(ncand_, 0);
    for (int cnd : set) {
      in[cnd] = 1;
      tally_change(cnd, +1);
    }
    std::vector<int> out;
    for (int cnd = 0; cnd < ncand_; ++cnd)
      if (!in[cnd]) out.push_back(cnd);
    auto found = [&](std::vector<int>& table) {
      chosen_ = table;
      record_leaf();
      return best_.exact;
    };
    for (int i = 0; i < c_; ++i) {
      tally_change(set[i], -1);
      for (int a : out) {
        tally_change(a, +1);
        ++best_.nodes;
        if (tally_cost() == 0) {
          const int old = set[i];
          set[i] = a;
          if (found(set)) return true;
          set[i] = old;
        }
        tally_change(a, -1);
      }
      tally_change(set[i], +1);
    }
    bool timed_out = false;
    for (int i = 0; i < c_ && !timed_out; ++i) {
      tally_change(set[i], -1);
      for (int j = i + 1; j < c_ && !timed_out; ++j) {
        tally_change(set[j], -1);
        for (std::size_t x = 0; x < out.size() && !timed_out; ++x) {
          timed_out = Clock::now() > sweep_end;
          tally_change(out[x], +1);
          for (std::size_t y = x + 1; y < out.size(); ++y) {
            tally_change(out[y], +1);
            ++best_.nodes;
            if (tally_cost() == 0) {
              std::vector<int> table = set;
              table[i] = out[x];
              table[j] = out[y];
              if (found(table)) return true;
            }
            tally_change(out[y], -1);
          }
          tally_change(out[x], -1);
        }
        tally_change(set[j], +1);
      }
      tally_change(set[i], +1);
    }
    return false;
  }

  // Annealing moves replace one unit of the table by a unit of the same size that is
  // not in it (one base ticket by another when no multiplier is given).
  void anneal() {
    std::vector<int> best_set;
    // start from the closest table the depth-first phases met, after trying its
    // neighbours one and two tickets away
    if (best_.covered) {
      if (mult_ == 0) {
        for (Mask b : best_.bases) best_set.push_back(cand_index_[orbit_of_[b]]);
        if (repair(best_set)) return;
      } else {
        best_set = units_of(best_.bases);
      }
    }
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int best_cost = 1 << 30;
    const long long run_length = 20000LL + 4000LL * c_;
    for (int run = 0; Clock::now() < phase_end_ && !best_.exact; ++run) {
      ++best_.restarts;
      tally_reset();
      std::vector<int> set;
      std::vector<char> in(nunits_, 0);
      std::vector<int> in_of_size(c_ + 1, 0);
      if (!best_set.empty() && run % 2 == 0)
        set = best_set;
      else
        set = random_fill();
      if (set.empty()) return;  // no table of c tickets is a union of units
      for (int un : set) {
        in[un] = 1;
        ++in_of_size[unit_size(un)];
        unit_tally(un, +1);
      }
      int current = anneal_cost();
      if (best_set.empty() || current < best_cost) best_cost = current, best_set = set;
      const double t0 = graded_ ? 12.0 : 1.5, t1 = graded_ ? 0.4 : 0.05;
      for (long long step = 0; step < run_length; ++step) {
        if ((step & 255) == 0 && Clock::now() > phase_end_) break;
        ++best_.nodes;
        const double temperature = t0 * std::pow(t1 / t0, static_cast<double>(step) / run_length);
        const int i = std::uniform_int_distribution<int>(0, static_cast<int>(set.size()) - 1)(rng_);
        const int size = unit_size(set[i]);
        const auto& same = by_size_[size];
        if (in_of_size[size] == static_cast<int>(same.size())) continue;
        std::uniform_int_distribution<int> any_same(0, static_cast<int>(same.size()) - 1);
        int j = same[any_same(rng_)];
        while (in[j]) j = same[any_same(rng_)];
        const int old = set[i];
        unit_tally(old, -1);
        unit_tally(j, +1);
        const int next = anneal_cost();
        if (next <= current || unit(rng_) < std::exp((current - next) / temperature)) {
          in[old] = 0;
          in[j] = 1;
          set[i] = j;
          current = next;
          if (current < best_cost) {
            best_cost = current;
            best_set = set;
            chosen_from_units(set);
            record_leaf();
            if (best_.exact) return;
          }
        } else {
          unit_tally(j, -1);
          unit_tally(old, +1);
        }
      }
    }
  }

  // Large-neighbourhood repair. Each step frees two or three units of the table, drawn
  // with weight growing with the placements above the best-case row they feed, and
  // puts back the combination of as many units (of the same total size) that gives the
  // lowest cost, ties drawn at random: all units but the last come from the best single
  // additions (12 for two, 8 for three), the last from every unit, so the cost never
  // rises. Units just freed and not put back may not come back for 5 to 14 steps unless
  // they beat the best cost so far; after 100 steps without gain the search goes back
  // to the best table with two units replaced at random.
  struct Refill {
    std::vector<int> pool, all, pick, best, freed;
    std::vector<char> tabu, all_tabu;
    int best_cost = 0, ties = 0, aspiration = 0;
    long long tried = 0;
  };

  void consider(Refill& r, int cost, bool tabu) {
    ++r.tried;
    if (tabu && cost >= r.aspiration) return;
    if (r.best.empty() || cost < r.best_cost) {
      r.best = r.pick, r.best_cost = cost, r.ties = 1;
    } else if (cost == r.best_cost && std::uniform_int_distribution<int>(0, r.ties++)(rng_) == 0) {
      r.best = r.pick;
    }
  }

  // Every choice of `left` more units of total size `size_left`: all but the last from
  // the pool (in pool order), the last from all units.
  void refill(Refill& r, std::size_t from, int left, int size_left, bool tabu) {
    if (left == 1) {
      for (std::size_t i = 0; i < r.all.size(); ++i) {
        const int un = r.all[i];
        if (unit_size(un) != size_left || std::find(r.pick.begin(), r.pick.end(), un) != r.pick.end())
          continue;
        r.pick.push_back(un);
        consider(r, cost_with(un), tabu || r.all_tabu[i]);
        r.pick.pop_back();
      }
      return;
    }
    for (std::size_t i = from; i < r.pool.size(); ++i) {
      const int un = r.pool[i];
      if (unit_size(un) >= size_left) continue;
      r.pick.push_back(un);
      unit_tally(un, +1);
      refill(r, i + 1, left - 1, size_left - unit_size(un), tabu || r.tabu[i]);
      unit_tally(un, -1);
      r.pick.pop_back();
    }
  }

  void lns(bool verbose) {
    std::vector<int> set;
    if (best_.covered) set = units_of(best_.bases);
    if (set.empty()) set = random_fill();
    if (set.empty()) return;  // no table of c tickets is a union of units
    build_unit_effects();
    std::vector<char> in(nunits_, 0);
    auto load = [&](const std::vector<int>& table) {
      set = table;
      std::fill(in.begin(), in.end(), 0);
      tally_reset();
      for (int un : set) in[un] = 1, unit_tally(un, +1);
    };
    load(set);
    int current = tally_cost(), best_cost = current;
    std::vector<int> best_set = set;
    chosen_from_units(set);
    record_leaf();
    std::vector<long long> tabu_until(nunits_, -1);
    std::vector<char> above(rep_.size(), 0);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    long long last_gain = 0;
    for (long long step = 0; Clock::now() < phase_end_ && !best_.exact; ++step) {
      // placements above the best-case row, and the units that feed them
      for (std::size_t o = 0; o < rep_.size(); ++o) {
        const int w = rep_level_[o];
        above[o] = tg_.fixed_max[w] && vec_[o] > tally_.hi[w];
      }
      std::vector<double> weight(set.size(), 1.0);
      for (std::size_t i = 0; i < set.size(); ++i)
        for (int x : units_[set[i]])
          for (const auto& [o, d] : effect_[x]) weight[i] += 2.0 * above[o];
      const int k = std::min<int>(static_cast<int>(set.size()), step % 3 == 2 ? 3 : 2);
      std::vector<int> freed_at;
      for (int n = 0; n < k; ++n) {
        double total = 0;
        for (double w : weight) total += w;
        double x = unit(rng_) * total;
        std::size_t i = 0;
        while (i + 1 < weight.size() && (x -= weight[i]) >= 0) ++i;
        if (weight[i] == 0)
          i = std::find_if(weight.begin(), weight.end(), [](double w) { return w > 0; }) - weight.begin();
        freed_at.push_back(static_cast<int>(i));
        weight[i] = 0;
      }
      Refill r;
      int freed_size = 0;
      for (int i : freed_at) {
        r.freed.push_back(set[i]);
        freed_size += unit_size(set[i]);
        in[set[i]] = 0;
        unit_tally(set[i], -1);
      }
      std::sort(r.freed.begin(), r.freed.end());
      // the best single additions (ties in random order), and the freed units
      std::vector<std::pair<long long, int>> scored;
      std::uniform_int_distribution<int> shuffle_key(0, 1023);
      for (int un = 0; un < nunits_; ++un) {
        if (in[un] || unit_size(un) > freed_size) continue;
        if (std::binary_search(r.freed.begin(), r.freed.end(), un)) continue;
        scored.push_back({1024LL * cost_with(un) + shuffle_key(rng_), un});
      }
      const std::size_t keep = std::min<std::size_t>(scored.size(), k == 2 ? 12 : 8);
      std::partial_sort(scored.begin(), scored.begin() + static_cast<long>(keep), scored.end());
      r.pool = r.freed;
      r.tabu.assign(r.freed.size(), 0);
      for (std::size_t i = 0; i < keep; ++i) {
        r.pool.push_back(scored[i].second);
        r.tabu.push_back(tabu_until[scored[i].second] > step);
      }
      r.all = r.pool;
      r.all_tabu = r.tabu;
      for (std::size_t i = keep; i < scored.size(); ++i) {
        r.all.push_back(scored[i].second);
        r.all_tabu.push_back(tabu_until[scored[i].second] > step);
      }
      r.aspiration = best_cost;
      refill(r, 0, k, freed_size, false);
      best_.nodes += r.tried;
      if (r.best.empty()) r.best = r.freed;  // nothing else fits: put the freed units back
      for (std::size_t n = 0; n < freed_at.size(); ++n) set[freed_at[n]] = r.best[n];
      for (int un : r.best) in[un] = 1, unit_tally(un, +1);
      for (int un : r.freed)
        if (!in[un]) tabu_until[un] = step + 5 + static_cast<long long>(unit(rng_) * 10);
      current = tally_cost();
      chosen_from_units(set);
      record_leaf();
      if (current < best_cost) {
        best_cost = current, best_set = set, last_gain = step;
      } else if (step - last_gain > 100) {
        // back to the best table, two units replaced at random
        ++best_.restarts;
        std::vector<int> table = best_set;
        for (int n = 0; n < 2; ++n) {
          const int i = std::uniform_int_distribution<int>(0, static_cast<int>(table.size()) - 1)(rng_);
          const auto& same = by_size_[unit_size(table[i])];
          const int j = same[std::uniform_int_distribution<int>(0, static_cast<int>(same.size()) - 1)(rng_)];
          if (std::find(table.begin(), table.end(), j) == table.end()) table[i] = j;
        }
        load(table);
        std::fill(tabu_until.begin(), tabu_until.end(), -1);
        last_gain = step;
      }
      if (verbose && step % 100 == 0)
        std::fprintf(stderr, "%s lns step %lld cost %d best cost %d best diff %d\n", tg_.id.c_str(), step,
                     current, best_cost, best_.difference);
    }
  }

  // The missing counts of each level must be made up by the remaining tickets: at most
  // the sum of the largest gains of that many distinct candidates still allowed.
  bool enough_gain() {
    const int remaining = c_ - static_cast<int>(chosen_.size());
    for (int w = 2; w <= m_; ++w) {
      if (deficit_[w] == 0) continue;
      gains_.clear();
      for (int cnd = 0; cnd < ncand_; ++cnd) {
        if (dead_[cnd]) continue;
        int g = 0;
        for (const auto& [o, count] : cand_contrib_[cnd])
          if (rep_level_[o] == w) g += std::min(count, std::max(0, need_[w] - top(vec_[o], w)));
        if (g) gains_.push_back(g);
      }
      const std::size_t r = std::min<std::size_t>(remaining, gains_.size());
      long long sum = 0;
      std::partial_sort(gains_.begin(), gains_.begin() + static_cast<long>(r), gains_.end(),
                        std::greater<>());
      for (std::size_t i = 0; i < r; ++i) sum += gains_[i];
      if (sum < deficit_[w]) return false;
    }
    return true;
  }

  // True when adding cnd would push some placement above the best-case row (read only).
  bool breaks_best_row(int cnd) const {
    for (const auto& [o, d] : effect_[cnd])
      if (vec_[o] + d > maxkey_[o]) return true;
    return false;
  }

  // Necessary conditions for completing the current partial table: counts only grow,
  // so a placement already above the best-case row stays above it, and the worst-case
  // row needs a placement that is still at or below it in every count.
  bool feasible() const {
    if (violations_ > 0) return false;
    const int remaining = c_ - static_cast<int>(chosen_.size());
    for (int w = 2; w <= m_; ++w) {
      if (below_count_[w] == 0 || reach_count_[w] == 0) return false;
      if (deficit_[w] > static_cast<long long>(remaining) * gain_[w]) return false;
    }
    return !pin_hard_ || pins_reachable(remaining);
  }

  // In the depth-first phases a pinned placement has to end exactly on its row: its
  // counts only grow, so none may pass the row, and what is missing in each count has
  // to fit in what the remaining tickets can add to it.
  bool pins_reachable(int remaining) const {
    for (int p = 0; p < kPins; ++p) {
      if (pin_orbit_[p] < 0) continue;
      const std::uint64_t x = vec_[pin_orbit_[p]];
      const auto& row = pin_row(p);
      for (int k = 2; k <= rep_level_[pin_orbit_[p]]; ++k) {
        const int missing = row[k] - top(x, k);
        if (missing < 0 || missing > remaining * pin_gain_[p][k]) return false;
      }
    }
    return true;
  }
  // The most one base ticket's rotations add to each count of each pinned placement.
  void build_pin_gains() {
    for (int p = 0; p < kPins; ++p) {
      pin_gain_[p].fill(0);
      if (pin_orbit_[p] < 0) continue;
      for (int cnd = 0; cnd < ncand_; ++cnd)
        for (const auto& [o, d] : effect_[cnd])
          if (o == pin_orbit_[p])
            for (int k = 2; k <= m_; ++k) pin_gain_[p][k] = std::max(pin_gain_[p][k], top(d, k));
    }
  }
  // A pinned placement still short of its top count, to be branched on first; -1 if none.
  int pin_short() const {
    for (int p = 0; p < kPins; ++p) {
      if (pin_orbit_[p] < 0) continue;
      const int w = rep_level_[pin_orbit_[p]];
      if (top(vec_[pin_orbit_[p]], w) < pin_row(p)[w]) return pin_orbit_[p];
    }
    return -1;
  }

  void record_leaf() {
    ++best_.leaves;
    Rows rows;
    bool covered = true;
    for (int w = 2; w <= m_; ++w) {
      std::uint64_t lo = ~std::uint64_t{0}, hi = 0;
      for (int o = level_begin_[w]; o < level_end_[w]; ++o) {
        lo = std::min(lo, vec_[o]);
        hi = std::max(hi, vec_[o]);
        if (w == tg_.t && top(vec_[o], w) == 0) covered = false;
      }
      for (int k = 2; k <= w; ++k) {
        rows.min[w][k] = top(lo, k);
        rows.max[w][k] = top(hi, k);
      }
    }
    if (!covered) return;
    const int diff = row_difference(tg_, rows);
    if (!best_.covered || diff < best_.difference) {
      best_.covered = true;
      best_.difference = diff;
      best_.exact = diff == 0;
      best_.phase = phase_name_;
      best_.bases.clear();
      for (int cnd : chosen_) best_.bases.push_back(cand_rot_[cnd][0]);
    }
  }

  Result dfs(int last_free) {
    ++best_.nodes;
    if (++nodes_in_restart_ > node_budget_) return Result::budget;
    if ((best_.nodes & 255) == 0 && Clock::now() > phase_end_) return Result::timeout;
    const int depth = static_cast<int>(chosen_.size());
    if (depth == c_) {
      record_leaf();
      return best_.exact ? Result::found : Result::exhausted;
    }
    if (!enough_gain()) return Result::exhausted;
    // most constrained placement still short of its required count
    int branch = pin_hard_ ? pin_short() : -1;
    const bool pinned_branch = branch >= 0;  // taken before any other requirement
    if (pinned_branch && valid_[branch] == 0) return Result::exhausted;
    int branch_valid = 0;
    for (int w = m_; w >= 2 && !pinned_branch; --w) {
      if (need_[w] == 0) continue;
      for (int o = level_begin_[w]; o < level_end_[w]; ++o) {
        if (top(vec_[o], w) >= need_[w]) continue;
        if (valid_[o] == 0) return Result::exhausted;
        if (branch < 0 || valid_[o] < branch_valid) branch = o, branch_valid = valid_[o];
      }
    }
    std::vector<std::pair<double, int>> order;
    std::uniform_real_distribution<double> noise(0.0, 1.0);
    if (branch >= 0) {
      for (const auto& [cnd, count] : orbit_cands_[branch]) {
        if (dead_[cnd] || !unit_open(unit_of_[cnd])) continue;
        double score = 0;
        for (const auto& [o, c2] : cand_contrib_[cnd]) {
          const int w = rep_level_[o];
          const int missing = need_[w] - top(vec_[o], w);
          if (missing > 0) score += std::min(missing, c2) * (w == tg_.t ? 1.0 : 0.25);
        }
        order.push_back({-(score + 1.5 * noise(rng_)), cnd});
      }
    } else {
      // tables are met with their units in order of each unit's first candidate
      for (int cnd = last_free + 1; cnd < ncand_; ++cnd)
        if (!dead_[cnd] && units_[unit_of_[cnd]].front() == cnd && unit_open(unit_of_[cnd]))
          order.push_back({noise(rng_), cnd});
    }
    std::sort(order.begin(), order.end());
    // A sibling that has been searched is left out of the later siblings' subtrees:
    // every table holding it was already met.
    std::vector<int> excluded;
    Result result = Result::exhausted;
    for (const auto& [key, cnd] : order) {
      const int un = unit_of_[cnd];
      if (!unit_open(un)) continue;
      Result r = Result::exhausted;
      if (!breaks_best_row(cnd)) {
        take(un, +1);
        if (feasible()) r = dfs(branch >= 0 ? last_free : cnd);
        take(un, -1);
      }
      if (r != Result::exhausted) {
        result = r;
        break;
      }
      for (int x : units_[un]) {
        kill(x);
        excluded.push_back(x);
      }
    }
    for (int cnd : excluded) revive(cnd);
    return result;
  }

  // The first base ticket is taken from the multiplier classes one at a time: any table
  // can be relabelled so that its member of the earliest class (in the order used here)
  // is that class's representative, and members of earlier classes are left out.
  Result root(bool shuffled) {
    // a multiplier moves a pinned placement to another one: only rotations may be used
    if (pin_hard_) return dfs(-1);
    std::vector<int> order(classes_.size());
    std::iota(order.begin(), order.end(), 0);
    if (shuffled) std::shuffle(order.begin(), order.end(), rng_);
    std::vector<int> excluded;
    Result result = Result::exhausted;
    for (std::size_t done = 0; done < order.size(); ++done) {
      // a complete search reports each first ticket's class it has finished
      if (verbose_ && !shuffled && done > 0)
        std::fprintf(stderr, "%s first ticket class %zu of %zu, nodes %lld\n", tg_.id.c_str(), done,
                     order.size(), best_.nodes);
      const int cl = order[done];
      const int rep = classes_[cl].front();
      if (unit_open(unit_of_[rep])) {
        take(unit_of_[rep], +1);
        Result r = Result::exhausted;
        if (feasible()) r = dfs(-1);
        take(unit_of_[rep], -1);
        if (r != Result::exhausted) {
          result = r;
          break;
        }
      }
      for (int cnd : classes_[cl]) {
        kill(cnd);
        excluded.push_back(cnd);
      }
    }
    for (int cnd : excluded) revive(cnd);
    return result;
  }

  // With a multiplier u, the candidates fall into orbits under x -> u*x ("units"); an
  // invariant table is a union of units. Without one every candidate is its own unit.
  // Units are numbered in the order of their first candidate.
  void build_units() {
    unit_of_.assign(ncand_, -1);
    for (int cnd = 0; cnd < ncand_; ++cnd) {
      if (unit_of_[cnd] >= 0) continue;
      const int id = static_cast<int>(units_.size());
      units_.push_back({});
      int x = cnd;
      do {
        unit_of_[x] = id;
        units_[id].push_back(x);
        x = mult_ ? cand_index_[orbit_of_[multiply(cand_rot_[x][0], mult_, v_)]] : x;
      } while (x != cnd);
    }
    nunits_ = static_cast<int>(units_.size());
    by_size_.assign(c_ + 1, {});
    for (int un = 0; un < nunits_; ++un)
      if (unit_size(un) <= c_) by_size_[unit_size(un)].push_back(un);
  }
  int unit_size(int un) const { return static_cast<int>(units_[un].size()); }

  // A unit fits when it fits in the remaining tickets and none of its members is out.
  bool unit_open(int un) const {
    if (unit_size(un) > c_ - static_cast<int>(chosen_.size())) return false;
    for (int x : units_[un])
      if (dead_[x]) return false;
    return true;
  }
  void take(int un, int sign) {
    if (sign > 0)
      for (int x : units_[un]) apply(x, +1);
    else
      for (auto it = units_[un].rbegin(); it != units_[un].rend(); ++it) apply(*it, -1);
  }

  // The units holding the given base tickets, or empty when the table is not a union of units.
  std::vector<int> units_of(const std::vector<Mask>& bases) const {
    std::vector<int> cands, out;
    for (Mask b : bases) cands.push_back(cand_index_[orbit_of_[b]]);
    for (int cnd : cands) {
      const int un = unit_of_[cnd];
      if (std::find(out.begin(), out.end(), un) != out.end()) continue;
      for (int x : units_[un])
        if (std::count(cands.begin(), cands.end(), x) != 1) return {};
      out.push_back(un);
    }
    return out;
  }

  // What adding a whole unit does to each placement's count vector.
  const std::vector<std::pair<int, std::uint64_t>>& unit_effect(int un) const {
    return mult_ ? unit_effect_[un] : effect_[units_[un].front()];
  }
  void build_unit_effects() {
    if (mult_ == 0 || !unit_effect_.empty()) return;
    unit_effect_.assign(nunits_, {});
    std::vector<std::uint64_t> sum(rep_.size(), 0);
    for (int un = 0; un < nunits_; ++un) {
      std::vector<int> touched;
      for (int x : units_[un])
        for (const auto& [o, d] : effect_[x]) {
          if (sum[o] == 0) touched.push_back(o);
          sum[o] += d;
        }
      std::sort(touched.begin(), touched.end());
      for (int o : touched) unit_effect_[un].push_back({o, sum[o]}), sum[o] = 0;
    }
  }

  void unit_tally(int un, int sign) {
    if (unit_effect_.empty()) {
      for (int x : units_[un]) tally_change(x, sign);
      return;
    }
    for (const auto& [o, d] : unit_effect_[un]) {
      account(o, vec_[o], -1);
      vec_[o] = sign > 0 ? vec_[o] + d : vec_[o] - d;
      account(o, vec_[o], +1);
    }
  }

  // The cost the table would have with unit un added; the tally is left as it is. This
  // is account() for the step x -> x + d in one pass: it is the inner loop of lns, where
  // calling account() twice measured about 15 % slower.
  int cost_with(int un) const {
    Tally t = tally_;
    for (const auto& [o, d] : unit_effect(un)) {
      const int w = rep_level_[o];
      const std::uint64_t x = vec_[o], y = x + d;
      if (tg_.fixed_max[w]) {
        t.above[w] += static_cast<int>(y > t.hi[w]) - static_cast<int>(x > t.hi[w]);
        t.at_hi[w] += static_cast<int>(y == t.hi[w]) - static_cast<int>(x == t.hi[w]);
      }
      if (tg_.fixed_min[w]) {
        t.under[w] += static_cast<int>(y < t.lo[w]) - static_cast<int>(x < t.lo[w]);
        t.at_lo[w] += static_cast<int>(y == t.lo[w]) - static_cast<int>(x == t.lo[w]);
      }
      if (w == tg_.t) t.uncovered += static_cast<int>(top(y, w) == 0) - static_cast<int>(top(x, w) == 0);
      for (int p = 0; p < kPins; ++p)
        if (o == pin_orbit_[p]) t.pinned[p] = y;
    }
    return cost_of(t);
  }
  void chosen_from_units(const std::vector<int>& set) {
    chosen_.clear();
    for (int un : set) chosen_.insert(chosen_.end(), units_[un].begin(), units_[un].end());
  }

  // Random units, taken in a shuffled order while they fit, until c tickets are chosen;
  // empty when the shuffled order does not add up to c.
  std::vector<int> random_fill() {
    std::vector<int> all(nunits_);
    std::iota(all.begin(), all.end(), 0);
    std::shuffle(all.begin(), all.end(), rng_);
    std::vector<int> set;
    int size = 0;
    for (int un : all)
      if (size < c_ && size + unit_size(un) <= c_) set.push_back(un), size += unit_size(un);
    if (size != c_) set.clear();
    return set;
  }

  void build_classes() {
    std::vector<int> class_of(ncand_, -1);
    for (int cnd = 0; cnd < ncand_; ++cnd) {
      if (class_of[cnd] >= 0) continue;
      const int cl = static_cast<int>(classes_.size());
      classes_.push_back({});
      for (int u = 1; u < v_; ++u) {
        if (std::gcd(u, v_) != 1) continue;
        const int image = cand_index_[orbit_of_[multiply(cand_rot_[cnd][0], u, v_)]];
        if (class_of[image] < 0) {
          class_of[image] = cl;
          classes_[cl].push_back(image);
        }
      }
    }
  }

  const Target& tg_;
  std::mt19937_64 rng_;
  int v_ = 0, m_ = 0, c_ = 0;
  std::vector<std::int32_t> orbit_of_;
  std::vector<Mask> rep_;
  std::vector<int> rep_level_;
  std::array<int, 8> level_begin_{}, level_end_{};
  int ncand_ = 0;
  std::vector<std::vector<Mask>> cand_rot_;
  std::vector<std::vector<Contribution>> cand_contrib_;
  std::vector<std::vector<std::pair<int, int>>> orbit_cands_, cands_by_count_;
  std::vector<int> cand_index_;            // orbit of an m-subset -> candidate
  int mult_ = 0;                           // multiplier the tables must be invariant under, or 0
  std::vector<int> unit_of_;               // candidate -> unit
  std::vector<std::vector<int>> units_;    // unit -> its candidates
  std::vector<std::vector<int>> by_size_;  // units of each size
  int nunits_ = 0;
  std::vector<std::vector<int>> classes_;  // candidates related by multipliers
  std::array<int, 8> gain_{}, cap_{}, need_{};

  std::vector<std::uint64_t> vec_, maxkey_;
  Tally tally_;
  std::vector<std::vector<std::pair<int, std::uint64_t>>> effect_, unit_effect_;
  std::uint64_t guard_ = 0;
  std::array<std::uint64_t, 8> minkey_{};
  std::array<std::uint64_t, 8> reachkey_{};
  std::array<int, 8> below_count_{}, reach_count_{};
  std::array<long long, 8> deficit_{};
  int violations_ = 0;
  std::vector<int> dead_, valid_, chosen_, gains_;

  Phase phase_ = Phase::exact;
  const char* phase_name_ = "";
  bool graded_ = false;
  std::array<int, kPins> pin_orbit_{-1, -1, -1};      // orbit of the placement in each PinSlot, or -1
  bool pin_hard_ = false;                             // the pins bind the depth-first search
  std::array<std::array<int, 8>, kPins> pin_gain_{};  // from build_pin_gains()
  Clock::time_point deadline_, phase_end_;
  long long node_budget_ = 0, nodes_in_restart_ = 0;
  bool exhausted_ = false;
  Outcome best_;
};

}  // namespace

bool exact_rules_accept(const Target& target, const std::vector<Mask>& bases) {
  Searcher s(target, 0);
  return s.accepts(bases);
}

int annealing_cost(const Target& target, const std::vector<Mask>& bases, Mask pin, Mask pin_worst) {
  Searcher s(target, 0);
  s.pin(pin, Searcher::kBestPin);
  s.pin(pin_worst, Searcher::kWorstPin);
  return s.cost(bases);
}

std::vector<int> multiplier_orbit_sizes(int v, int m, int u) {
  if (u <= 1 || u >= v || std::gcd(u, v) != 1) return {};
  Target t;
  t.id = "orbits";
  t.v = v, t.t = 2, t.m = m, t.c = 1;
  return Searcher(t, 0, u).unit_sizes();
}

Outcome search(const Target& target, std::uint64_t seed, double seconds, bool verbose,
               const std::string& only_phase, const std::vector<Mask>& start, int multiplier, Mask pin,
               Mask pin_worst, Mask pin_second) {
  if (multiplier != 0 && multiplier_orbit_sizes(target.v, target.m, multiplier).empty())
    throw std::invalid_argument("multiplier is not a unit other than 1");
  Searcher s(target, seed, multiplier);
  s.pin(pin, Searcher::kBestPin);
  s.pin(pin_worst, Searcher::kWorstPin);
  s.pin(pin_second, Searcher::kSecondBestPin);
  if (!start.empty()) s.start_from(start);
  return s.run(seconds, verbose, only_phase);
}

}  // namespace ds::search
