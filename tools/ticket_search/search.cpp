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

// Lexicographic comparison of count vectors from k = w down to k = 2.
template <typename A, typename B>
int compare_vectors(const A& a, const B& b, int w) {
  for (int k = w; k >= 2; --k) {
    if (a[k] != b[k]) return a[k] < b[k] ? -1 : 1;
  }
  return 0;
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
    for (int j = 0; j < v; ++j) out.push_back(rotate(b, j, v));
  return out;
}

bool covers_all(const std::vector<Mask>& tickets, int v, int t) {
  bool ok = true;
  for_each_subset(v, t, [&](Mask s) {
    if (!ok) return;
    ok = std::any_of(tickets.begin(), tickets.end(), [s](Mask x) { return (x & s) == s; });
  });
  return ok;
}

Rows evaluate_rows(const std::vector<Mask>& tickets, int v, int m) {
  Rows rows;
  for (int w = 2; w <= m; ++w) {
    bool first = true;
    for_each_subset(v, w, [&](Mask p) {
      std::array<int, 8> n{};
      for (Mask x : tickets) ++n[std::popcount(x & p)];
      if (first || compare_vectors(n, rows.min[w], w) < 0) rows.min[w] = n;
      if (first || compare_vectors(n, rows.max[w], w) > 0) rows.max[w] = n;
      first = false;
    });
    for (int k = 0; k < 2; ++k) rows.min[w][k] = rows.max[w][k] = 0;
    for (int k = w + 1; k < 8; ++k) rows.min[w][k] = rows.max[w][k] = 0;
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

std::vector<Mask> canonical_form(const std::vector<Mask>& bases, int v) {
  auto orbit_min = [v](Mask x) {
    Mask best = x;
    for (int j = 1; j < v; ++j) best = std::min(best, rotate(x, j, v));
    return best;
  };
  std::vector<Mask> best;
  for (int u = 1; u < v; ++u) {
    if (std::gcd(u, v) != 1) continue;
    std::vector<Mask> mapped;
    for (Mask b : bases) {
      Mask y = 0;
      for (int p = 0; p < v; ++p)
        if (b >> p & 1) y |= Mask{1} << (p * u % v);
      mapped.push_back(orbit_min(y));
    }
    std::sort(mapped.begin(), mapped.end());
    if (best.empty() || mapped < best) best = mapped;
  }
  return best;
}

// ---------------------------------------------------------------------------------
namespace {

constexpr int kFree = 1 << 20;

enum class Phase { exact, anneal, relaxed, cover };

class Searcher {
 public:
  Searcher(const Target& target, std::uint64_t seed) : tg_(target), rng_(seed) {
    v_ = tg_.v;
    m_ = tg_.m;
    c_ = tg_.c;
    build_orbits();
    build_candidates();
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
    deadline_ = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    const struct {
      Phase phase;
      double share;
      const char* name;
    } plan[] = {{Phase::exact, 0.15, "exact"},
                {Phase::exact, 0.30, "exact-restarts"},
                {Phase::anneal, 0.90, "anneal"},
                {Phase::relaxed, 0.95, "relaxed"},
                {Phase::cover, 1.0, "cover"}};
    bool complete = true;  // the first exact pass is one complete depth-first search
    for (const auto& step : plan) {
      if (best_.exact || (exhausted_ && step.phase == Phase::exact)) continue;
      if (step.phase == Phase::cover && best_.covered) break;
      if (!only_phase.empty() && only_phase != step.name) continue;
      phase_ = step.phase;
      phase_name_ = step.name;
      phase_end_ = start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                               seconds * (only_phase.empty() ? step.share : 1.0)));
      setup_constraints();
      complete = step.share == plan[0].share;
      if (phase_ == Phase::anneal) {
        if (effect_.empty()) build_effects();
        anneal();
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
        if (r == Result::exhausted && complete) exhausted_ = true;  // no exact table exists
        if (r == Result::found || complete) break;
      }
    }
    best_.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (exhausted_ && !best_.exact) best_.phase += " (exact search space exhausted)";
    return best_;
  }

 private:
  enum class Result { found, budget, exhausted, timeout };

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
      for (const auto& [other, c2] : orbit_cands_[o]) {
        const bool dead_before = before + c2 > cap;
        const bool dead_now = now + c2 > cap;
        if (dead_before == dead_now) continue;
        if (dead_now)
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
  }

  int tally_cost() const {
    int total = 4 * tally_.uncovered;
    for (int w = 2; w <= m_; ++w) {
      if (tg_.fixed_max[w]) total += tally_.above[w] + (tally_.at_hi[w] == 0);
      if (tg_.fixed_min[w]) total += tally_.under[w] + (tally_.at_lo[w] == 0);
    }
    return total;
  }

  void tally_change(int cnd, int sign) {
    for (const auto& [o, d] : effect_[cnd]) {
      account(o, vec_[o], -1);
      vec_[o] = sign > 0 ? vec_[o] + d : vec_[o] - d;
      account(o, vec_[o], +1);
    }
  }

  // Every table that differs from `set` in one or two base tickets; true when one of
  // them is exact (then recorded).
  bool repair(std::vector<int> set) {
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
          timed_out = Clock::now() > phase_end_;
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

  void anneal() {
    std::vector<int> best_set;
    // start from the closest table the depth-first phases met, after trying its
    // neighbours one and two tickets away
    if (best_.covered) {
      for (Mask b : best_.bases) best_set.push_back(cand_index_[orbit_of_[b]]);
      if (repair(best_set)) return;
    }
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> any_candidate(0, ncand_ - 1), any_member(0, c_ - 1);
    int best_cost = 1 << 30;
    const long long run_length = 20000LL + 4000LL * c_;
    for (int run = 0; Clock::now() < phase_end_ && !best_.exact; ++run) {
      ++best_.restarts;
      tally_reset();
      std::vector<int> set;
      std::vector<char> in(ncand_, 0);
      if (!best_set.empty() && run % 2 == 0) {
        set = best_set;
      } else {
        std::vector<int> all(ncand_);
        std::iota(all.begin(), all.end(), 0);
        std::shuffle(all.begin(), all.end(), rng_);
        set.assign(all.begin(), all.begin() + c_);
      }
      for (int cnd : set) {
        in[cnd] = 1;
        tally_change(cnd, +1);
      }
      int current = tally_cost();
      if (best_set.empty() || current < best_cost) best_cost = current, best_set = set;
      const double t0 = 1.5, t1 = 0.05;
      for (long long step = 0; step < run_length; ++step) {
        if ((step & 255) == 0 && Clock::now() > phase_end_) break;
        ++best_.nodes;
        const double temperature = t0 * std::pow(t1 / t0, static_cast<double>(step) / run_length);
        const int i = any_member(rng_);
        int j = any_candidate(rng_);
        while (in[j]) j = any_candidate(rng_);
        const int old = set[i];
        tally_change(old, -1);
        tally_change(j, +1);
        const int next = tally_cost();
        if (next <= current || unit(rng_) < std::exp((current - next) / temperature)) {
          in[old] = 0;
          in[j] = 1;
          set[i] = j;
          current = next;
          if (current < best_cost) {
            best_cost = current;
            best_set = set;
            chosen_ = set;
            record_leaf();
            if (best_.exact) return;
          }
        } else {
          tally_change(j, -1);
          tally_change(old, +1);
        }
      }
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
    return true;
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
    int branch = -1;
    int branch_valid = 0;
    for (int w = m_; w >= 2; --w) {
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
        if (dead_[cnd]) continue;
        double score = 0;
        for (const auto& [o, c2] : cand_contrib_[cnd]) {
          const int w = rep_level_[o];
          const int missing = need_[w] - top(vec_[o], w);
          if (missing > 0) score += std::min(missing, c2) * (w == tg_.t ? 1.0 : 0.25);
        }
        order.push_back({-(score + 1.5 * noise(rng_)), cnd});
      }
    } else {
      for (int cnd = last_free + 1; cnd < ncand_; ++cnd)
        if (!dead_[cnd]) order.push_back({noise(rng_), cnd});
    }
    std::sort(order.begin(), order.end());
    // A sibling that has been searched is left out of the later siblings' subtrees:
    // every table holding it was already met.
    std::vector<int> excluded;
    Result result = Result::exhausted;
    for (const auto& [key, cnd] : order) {
      if (dead_[cnd]) continue;
      Result r = Result::exhausted;
      if (!breaks_best_row(cnd)) {
        apply(cnd, +1);
        if (feasible()) r = dfs(branch >= 0 ? last_free : cnd);
        apply(cnd, -1);
      }
      if (r != Result::exhausted) {
        result = r;
        break;
      }
      kill(cnd);
      excluded.push_back(cnd);
    }
    for (int cnd : excluded) revive(cnd);
    return result;
  }

  // The first base ticket is taken from the multiplier classes one at a time: any table
  // can be relabelled so that its member of the earliest class (in the order used here)
  // is that class's representative, and members of earlier classes are left out.
  Result root(bool shuffled) {
    std::vector<int> order(classes_.size());
    std::iota(order.begin(), order.end(), 0);
    if (shuffled) std::shuffle(order.begin(), order.end(), rng_);
    std::vector<int> excluded;
    Result result = Result::exhausted;
    for (int cl : order) {
      const int rep = classes_[cl].front();
      if (!dead_[rep]) {
        apply(rep, +1);
        Result r = Result::exhausted;
        if (feasible()) r = dfs(-1);
        apply(rep, -1);
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

  void build_classes() {
    std::vector<int> class_of(ncand_, -1);
    for (int cnd = 0; cnd < ncand_; ++cnd) {
      if (class_of[cnd] >= 0) continue;
      const int cl = static_cast<int>(classes_.size());
      classes_.push_back({});
      for (int u = 1; u < v_; ++u) {
        if (std::gcd(u, v_) != 1) continue;
        Mask y = 0;
        for (int p = 0; p < v_; ++p)
          if (cand_rot_[cnd][0] >> p & 1) y |= Mask{1} << (p * u % v_);
        const int image = cand_index_[orbit_of_[y]];
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
  std::vector<std::vector<std::pair<int, int>>> orbit_cands_;
  std::vector<int> cand_index_;            // orbit of an m-subset -> candidate
  std::vector<std::vector<int>> classes_;  // candidates related by multipliers
  std::array<int, 8> gain_{}, cap_{}, need_{};

  std::vector<std::uint64_t> vec_, maxkey_;
  Tally tally_;
  std::vector<std::vector<std::pair<int, std::uint64_t>>> effect_;
  std::uint64_t guard_ = 0;
  std::array<std::uint64_t, 8> minkey_{};
  std::array<std::uint64_t, 8> reachkey_{};
  std::array<int, 8> below_count_{}, reach_count_{};
  std::array<long long, 8> deficit_{};
  int violations_ = 0;
  std::vector<int> dead_, valid_, chosen_, gains_;

  Phase phase_ = Phase::exact;
  const char* phase_name_ = "";
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

Outcome search(const Target& target, std::uint64_t seed, double seconds, bool verbose,
               const std::string& only_phase, const std::vector<Mask>& start) {
  Searcher s(target, seed);
  if (!start.empty()) s.start_from(start);
  return s.run(seconds, verbose, only_phase);
}

}  // namespace ds::search
