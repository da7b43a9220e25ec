// Complete sweep of the tables a few base tickets away from a given one.
//
// Every prescribed row is a lexicographic minimum or maximum over the placements of one
// size w. A placement's count vector (n_2 .. n_w) is packed 11 bits per k with n_w on top,
// so that comparing packed values compares the vectors; packed vectors add lane by lane,
// so a table's vector for a placement is the sum of its base tickets' vectors, and a
// replacement costs one subtraction and one addition per placement class.
//
// The depth-first enumeration of the replacements (sets of distinct classes) branches on
// the uncovered t-subset with the fewest candidate coverers, each branch leaving out the
// coverers of the branches before it, so that every table is met once. It only keeps a
// light state: the count of every pair (cut when above the best-case row of w = 2, or when
// the tickets still to come cannot lift it to the worst-case row) and which t-subsets are
// still uncovered (cut when the candidates that cover most of them cannot cover them all);
// for t >= 4 also the highest count n_w of the placements of the levels 3 <= w < t, held like
// the pairs between the worst-case and the best-case row. One before the last addition, each
// branch is first checked for a last addition that covers what it leaves uncovered.
// The packed sums are formed at the leaves only, so every table the sweep checks keeps the
// guarantee and the pair rows; the closest of them is kept too, for descending step by step
// from a table that is far off. At the leaves the rows are compared one level at a time,
// smallest level first, and a table is given up as soon as it is no closer than the closest
// one kept.
//
// When the best-case row of w = m starts n_m = 1, no ticket may come twice, and none may share
// m - 1 numbers with more tickets than that row's n_(m-1): the enumeration keeps, per depth,
// the classes that would break this, and draws no candidate from them. Every table it so
// leaves out differs from that row.
//
// The same enumeration, started from each single base ticket that can come first in a
// table's smallest relabelling, meets every table of the system (complete_search).
#include <algorithm>
#include <array>
#include <bit>
#include <functional>
#include <numeric>
#include <random>

#include "search.h"

namespace ds::search {

namespace {

constexpr int kLane = 11;
constexpr std::int64_t kLaneMask = (std::int64_t{1} << kLane) - 1;
constexpr int kMostNear = 13;  // the highest cap of the near-ticket rule (Space::near_cap) kept

// Smallest member of each rotation class of w-subsets of Z_v, in increasing order.
std::vector<Mask> class_representatives(int v, int w) {
  std::vector<Mask> out;
  for (Mask s = 0; s < (Mask{1} << v); ++s)
    if (std::popcount(s) == w && rotation_class(s, v) == s) out.push_back(s);
  return out;
}

std::int64_t packed(const std::array<int, 8>& row, int w) {
  std::int64_t key = 0;
  for (int k = 2; k <= w; ++k) key += static_cast<std::int64_t>(row[k]) << (kLane * (k - 2));
  return key;
}

// A system's rotation classes of m-subsets and what the enumeration reads of each.
struct Space {
  // `distinct`: a class whose rotations repeat (a short orbit) counts each ticket once;
  // otherwise every class counts all v rotations.
  explicit Space(const Target& t, bool distinct = false);
  int class_index(Mask b) const {
    return static_cast<int>(std::lower_bound(classes.begin(), classes.end(), rotation_class(b, v)) -
                            classes.begin());
  }
  const std::int64_t* row_of(int c) const { return vec.data() + static_cast<std::size_t>(c) * nf; }
  const std::uint64_t* cover_of(int c) const { return &covers[static_cast<std::size_t>(c) * words]; }

  const Target& target;
  int v, m;
  std::vector<Mask> classes;
  int nc;
  std::vector<int> period;  // how many distinct rotations each class has
  // the prescribed levels' placement classes, as columns; one packed vector per class and column
  struct Level {
    int w, begin, end;
    std::int64_t worst, best;  // -1: free
  };
  std::vector<Level> levels;
  std::vector<Mask> columns;
  int nf = 0;
  std::vector<std::int64_t> vec;
  // light state: the bounded counts below (pairs first) and coverage of the t-subsets
  int npairs = 0;  // pair columns (when w = 2 is prescribed), the first bounds
  std::vector<Mask> tsets;
  int words = 0, most_covered = 0;
  std::vector<std::uint64_t> covers;
  // Sets of classes, cwords words each: the classes covering each t-subset class.
  int cwords = 0;
  std::vector<std::uint64_t> cover_sets;
  // Bounds on the highest count n_w of every placement of the prescribed levels w = 2 and
  // 3 <= w < t: it lies between the n_w of the worst-case row and that of the best-case row
  // (0 and no limit when free). added(c, b): what class c adds to bound b; bound_at_most[b][x]:
  // the classes adding at most x, a set of cwords words.
  struct Bound {
    int low, high, most;
  };
  std::vector<Bound> bounds;
  std::vector<int> bound_added;
  std::vector<std::vector<std::uint64_t>> bound_at_most;
  int added(int c, int b) const { return bound_added[static_cast<std::size_t>(c) * bounds.size() + b]; }
  const std::uint64_t* cover_set(std::size_t tset) const { return &cover_sets[tset * cwords]; }
  // Near tickets: two tickets sharing m - 1 numbers. When the best-case row of w = m starts
  // n_m = 1, no ticket may come twice and none may have more than `near_cap` (that row's
  // n_(m-1)) near tickets; -1 when the row leaves it free. near(a, b): how many rotations of
  // class b are near a given ticket of class a (capped at 2; a's own rotations other than
  // itself when a = b); near_sets[j]: the classes b with near(a, b) >= j, for j = 1, 2.
  int near_cap = -1;  // (a cap above kMostNear is left free: the rule only prunes)
  std::vector<std::uint8_t> near;
  std::array<std::vector<std::uint64_t>, 3> near_sets;
  int near_of(int a, int b) const { return near[static_cast<std::size_t>(a) * nc + b]; }
  const std::uint64_t* near_set(int j, int a) const {
    return &near_sets[j][static_cast<std::size_t>(a) * cwords];
  }
  std::array<std::vector<std::uint64_t>, 3> self_near;  // [j]: the classes with near(c, c) >= j
  std::vector<std::uint64_t> near_barred;  // classes no table may hold: short orbits, or too near themselves
};

Space::Space(const Target& t, bool distinct)
    : target(t), v(t.v), m(t.m), classes(class_representatives(t.v, t.m)) {
  nc = static_cast<int>(classes.size());
  period.resize(nc);
  for (int c = 0; c < nc; ++c) {
    period[c] = 1;
    while (rotate(classes[c], period[c], v) != classes[c]) ++period[c];
  }
  for (int w = 2; w <= m; ++w) {
    if (!target.fixed_min[w] && !target.fixed_max[w]) continue;
    const auto reps = class_representatives(v, w);
    const int begin = static_cast<int>(columns.size());
    columns.insert(columns.end(), reps.begin(), reps.end());
    levels.push_back({w, begin, static_cast<int>(columns.size()),
                      target.fixed_min[w] ? packed(target.min[w], w) : -1,
                      target.fixed_max[w] ? packed(target.max[w], w) : -1});
  }
  nf = static_cast<int>(columns.size());
  vec.assign(static_cast<std::size_t>(nc) * nf, 0);
  for (int c = 0; c < nc; ++c)
    for (int j = 0; j < nf; ++j) {
      std::int64_t key = 0;
      for (int r = 0; r < (distinct ? period[c] : v); ++r) {
        const int x = std::popcount(rotate(classes[c], r, v) & columns[j]);
        if (x >= 2) key += std::int64_t{1} << (kLane * (x - 2));
      }
      vec[static_cast<std::size_t>(c) * nf + j] = key;
    }
  if (!levels.empty() && levels[0].w == 2) npairs = levels[0].end;
  tsets = class_representatives(v, target.t);
  words = (static_cast<int>(tsets.size()) + 63) / 64;
  covers.assign(static_cast<std::size_t>(nc) * words, 0);
  cwords = (nc + 63) / 64;
  cover_sets.assign(tsets.size() * cwords, 0);
  for (int c = 0; c < nc; ++c) {
    int n = 0;
    for (std::size_t j = 0; j < tsets.size(); ++j)
      for (int r = 0; r < v; ++r)
        if ((rotate(classes[c], r, v) & tsets[j]) == tsets[j]) {
          covers[c * words + j / 64] |= std::uint64_t{1} << (j % 64);
          cover_sets[j * cwords + c / 64] |= std::uint64_t{1} << (c % 64);
          ++n;
          break;
        }
    most_covered = std::max(most_covered, n);
  }
  if (!distinct && target.fixed_max[m] && target.max[m][m] == 1 && target.max[m][m - 1] <= kMostNear) {
    near_cap = target.max[m][m - 1];
    near_barred.assign(cwords, 0);
    near.assign(static_cast<std::size_t>(nc) * nc, 0);
    self_near[0].assign(cwords, ~std::uint64_t{0});
    for (int j = 1; j <= 2; ++j) {
      near_sets[j].assign(static_cast<std::size_t>(nc) * cwords, 0);
      self_near[j].assign(cwords, 0);
    }
    for (int a = 0; a < nc; ++a)
      for (int b = 0; b < nc; ++b) {
        int n = 0;
        for (int r = 0; r < v; ++r) n += std::popcount(classes[a] & rotate(classes[b], r, v)) == m - 1;
        n = std::min(n, 2);
        near[static_cast<std::size_t>(a) * nc + b] = static_cast<std::uint8_t>(n);
        for (int j = 1; j <= n; ++j) {
          near_sets[j][static_cast<std::size_t>(a) * cwords + b / 64] |= std::uint64_t{1} << (b % 64);
          if (a == b) self_near[j][a / 64] |= std::uint64_t{1} << (a % 64);
        }
        if (a == b && (period[a] < v || n > near_cap)) near_barred[a / 64] |= std::uint64_t{1} << (a % 64);
      }
  }
  std::vector<std::pair<int, int>> bound_columns;  // (column, level)
  for (const auto& l : levels) {
    if (l.w != 2 && l.w >= target.t) continue;
    const int shift = kLane * (l.w - 2);
    for (int j = l.begin; j < l.end; ++j) {
      bounds.push_back({l.worst >= 0 ? static_cast<int>((l.worst >> shift) & kLaneMask) : 0,
                        l.best >= 0 ? static_cast<int>((l.best >> shift) & kLaneMask) : 1 << 30, 0});
      bound_columns.emplace_back(j, l.w);
    }
  }
  const int nb = static_cast<int>(bounds.size());
  bound_added.assign(static_cast<std::size_t>(nc) * nb, 0);
  for (int c = 0; c < nc; ++c)
    for (int b = 0; b < nb; ++b) {
      const auto [j, w] = bound_columns[b];
      const int x = static_cast<int>((row_of(c)[j] >> (kLane * (w - 2))) & kLaneMask);
      bound_added[static_cast<std::size_t>(c) * nb + b] = x;
      bounds[b].most = std::max(bounds[b].most, x);
    }
  bound_at_most.resize(nb);
  for (int b = 0; b < nb; ++b) {
    bound_at_most[b].assign(static_cast<std::size_t>(bounds[b].most + 1) * cwords, 0);
    for (int x = 0; x <= bounds[b].most; ++x)
      for (int c = 0; c < nc; ++c)
        if (added(c, b) <= x) bound_at_most[b][x * cwords + c / 64] |= std::uint64_t{1} << (c % 64);
  }
}

// Every set of k classes added to some kept tickets, each leaf's rows checked; matches and
// the closest table go to `result`.
template <int ClassWords, int TsetWords>
class Additions {
 public:
  Additions(const Space& space, int k, SweepResult& result)
      : s_(space),
        k_(k),
        result_(result),
        added_(k),
        full_(space.nf),
        bound_count_(k + 1, std::vector<int>(space.bounds.size())),
        uncovered_(k + 1, std::vector<std::uint64_t>(space.words)),
        open_(k, std::vector<std::uint64_t>(space.cwords)),
        pool_(k + 1, std::vector<std::uint64_t>(space.cwords)),
        passing_(space.cwords),
        last_(space.cwords) {}

  // Only the branches from..to - 1 of the first addition are followed, and under each only
  // the branches sub_from..sub_to - 1 of the second.
  void branches(int from, int to, int sub_from = 0, int sub_to = 1 << 30) {
    part_from_ = {from, sub_from}, part_to_ = {to, sub_to};
  }

  // Goes on from a node a checkpoint reported (see CompleteRun::resume): every branch before
  // `path` is left out.
  void resume(std::vector<int> path) { resume_ = std::move(path); }

  // Calls `report` at every `every`-th node that is not among the last two additions, with the
  // path to it, how many branches each node on the path has, and the result so far.
  void checkpoints(long long every, const Checkpoint* report) { every_nodes_ = every, report_ = report; }

  // Each run() then follows one path, a branch drawn at random at each node, and adds to
  // SweepResult::estimate the product of the numbers of branches above each node on it:
  // an unbiased estimate of the nodes (not at the last addition) of the whole run (Knuth).
  void probe(std::mt19937_64* rng) { rng_ = rng; }

  // Multipliers that map the kept tickets onto themselves map tables onto tables met by the
  // same run. The first addition then branches on a t-subset they map onto itself (when one is
  // uncovered), so they permute its coverers, and of the tables whose images are met too it
  // keeps those whose lowest coverer no multiplier lowers: `lowest[x]` is the lowest class the
  // multipliers map class x to, `invariant` the t-subsets they map onto themselves.
  void symmetry(std::vector<int> lowest, std::vector<std::uint64_t> invariant) {
    lowest_ = std::move(lowest), invariant_ = std::move(invariant);
  }

  // `kept`: the packed sums of the kept tickets, `kept_bases` those tickets; the additions
  // are drawn from class `from` on.
  // `allowed`, when given, is the set of classes the additions may take.
  void run(const std::vector<std::int64_t>& kept, const std::vector<Mask>& kept_bases, int from,
           const std::vector<std::uint64_t>* allowed = nullptr) {
    kept_ = &kept;
    kept_bases_ = &kept_bases;
    path_.assign(k_ + 1, 0);
    width_.assign(k_ + 1, 0);
    chosen_.assign(k_ + 1, -1);
    weight_.assign(k_ + 1, 1.0);
    on_path_.assign(k_ + 2, 0);
    on_path_[0] = !resume_.empty();
    std::fill(bound_count_[0].begin(), bound_count_[0].end(), 0);
    for (Mask b : kept_bases)
      for (std::size_t x = 0; x < s_.bounds.size(); ++x)
        bound_count_[0][x] += s_.added(s_.class_index(b), static_cast<int>(x));
    strict_ = result_.closest_cells <= 1;  // looking for matching tables only
    // every t-subset, less those the kept tickets cover
    auto& u = uncovered_[0];
    std::fill(u.begin(), u.end(), 0);
    for (std::size_t j = 0; j < s_.tsets.size(); ++j) u[j / 64] |= std::uint64_t{1} << (j % 64);
    for (Mask b : kept_bases)
      for (int w = 0; w < twords(); ++w) u[w] &= ~s_.cover_of(s_.class_index(b))[w];
    if (s_.near_cap >= 0) {
      const std::size_t npos = kept_bases.size() + k_;
      near_ids_.assign(npos, 0);
      near_ready_.assign(k_ + 1, 1);
      near_load_.assign((k_ + 1) * npos, 0);
      near_barred_.assign((k_ + 1) * cwords(), 0);
      near_touched_.assign((k_ + 1) * (s_.near_cap + 1) * cwords(), 0);
      every_.assign(cwords(), ~std::uint64_t{0});
      if (!near_start(kept_bases)) return;
    }
    // the classes the additions may take: from `from` on, of `allowed`,
    auto& pool = pool_[0];
    std::fill(pool.begin(), pool.end(), 0);
    for (int c = from; c < s_.nc; ++c)
      if (!allowed || ((*allowed)[c / 64] >> (c % 64) & 1)) pool[c / 64] |= std::uint64_t{1} << (c % 64);
    for (Mask b : kept_bases) {  // and none of the kept ones again
      const int c = s_.class_index(b);
      pool[c / 64] &= ~(std::uint64_t{1} << (c % 64));
    }
    if (k_ == 0)
      leaf();
    else
      add(0);
  }

 private:
  // The words of a set of classes and of a set of t-subsets: fixed at compile time for the
  // shapes the long complete searches run, so that their loops have a known length (see
  // with_additions()), else the space's own.
  int cwords() const { return ClassWords > 0 ? ClassWords : s_.cwords; }
  int twords() const { return TsetWords > 0 ? TsetWords : s_.words; }

  void leaf() {
    ++result_.leaves;
    int cells = 0;
    for (const auto& l : s_.levels) {
      std::copy(kept_->begin() + l.begin, kept_->begin() + l.end, full_.begin() + l.begin);
      for (int c : added_) {
        const std::int64_t* row = s_.row_of(c);
        for (int j = l.begin; j < l.end; ++j) full_[j] += row[j];
      }
      const auto [lo, hi] = std::minmax_element(full_.begin() + l.begin, full_.begin() + l.end);
      for (int lane = 0; lane + 2 <= l.w; ++lane) {
        auto at = [lane](std::int64_t key) { return (key >> (kLane * lane)) & kLaneMask; };
        cells += (l.worst >= 0 && at(*lo) != at(l.worst)) + (l.best >= 0 && at(*hi) != at(l.best));
      }
      if (cells > 0 && cells >= result_.closest_cells) return;
    }
    std::vector<Mask> table = *kept_bases_;
    for (int c : added_) table.push_back(s_.classes[c]);
    if (cells == 0)
      result_.matches.push_back(table);
    else
      result_.closest = table, result_.closest_cells = cells;
  }

  // The near-ticket rule (see Space::near_cap), per depth d: the load of each ticket so far
  // (how many near tickets it has), the classes barred from the additions still to come,
  // and touched(d, j): the classes near the tickets so far at least j times, j = 1 .. cap + 1.
  // Positions: the kept tickets first, then one per depth.
  std::uint64_t* barred(int d) { return &near_barred_[static_cast<std::size_t>(d) * cwords()]; }
  std::uint64_t* touched(int d, int j) {  // j <= 0: every class
    return j <= 0 ? every_.data()
                  : &near_touched_[(static_cast<std::size_t>(d) * (s_.near_cap + 1) + j - 1) * cwords()];
  }

  // The state at depth `to` from that at depth `from` (the same depth: in place) with class
  // c at position `pos`; false when a ticket then has more near tickets than the cap.
  bool near_step(int from, int to, int pos, int c) {
    const int cap = s_.near_cap, cw = cwords(), npos = static_cast<int>(near_ids_.size());
    const int* load_from = &near_load_[static_cast<std::size_t>(from) * npos];
    int* load = &near_load_[static_cast<std::size_t>(to) * npos];
    // the tickets that reach the cap (or come within one of it) bar their near classes
    std::array<const std::uint64_t*, 64> bars;
    int nbars = 0;
    auto bar_near = [&](int cls, int load_now) {
      if (cap - load_now <= 1) bars[nbars++] = s_.near_set(cap - load_now + 1, cls);
    };
    const std::uint8_t* near_c = &s_.near[static_cast<std::size_t>(c) * s_.nc];  // near(c, x) = near(x, c)
    int own = near_c[c];
    for (int i = 0; i < pos; ++i) {
      const int x = near_c[near_ids_[i]];
      load[i] = load_from[i] + x;
      if (x == 0) continue;
      own += x;
      if (load[i] > cap) return false;
      bar_near(near_ids_[i], load[i]);
    }
    if (own > cap) return false;
    near_ids_[pos] = c;
    load[pos] = own;
    bar_near(c, own);
    // touched(to, j) = touched(from, j) | touched(from, j - 1) & near1(c) | touched(from, j - 2) & near2(c),
    // and the classes then barred, word by word (from and to may be the same depth)
    const std::uint64_t *n1 = s_.near_set(1, c), *n2 = s_.near_set(2, c);
    const std::uint64_t *self1 = s_.self_near[1].data(), *self2 = s_.self_near[2].data();
    const std::uint64_t* bar_from = barred(from);
    std::uint64_t* bar = barred(to);
    constexpr std::uint64_t kAll = ~std::uint64_t{0};
    for (int w = 0; w < cw; ++w) {
      std::array<std::uint64_t, kMostNear + 3> t;  // t[j + 1]: touched row j, every class for j <= 0
      t[0] = t[1] = kAll;
      for (int j = 1; j <= cap + 1; ++j) t[j + 1] = touched(from, j)[w];
      for (int j = cap + 1; j >= 1; --j) {
        t[j + 1] |= (t[j] & n1[w]) | (t[j - 1] & n2[w]);
        touched(to, j)[w] = t[j + 1];
      }
      std::uint64_t x = bar_from[w] | t[cap + 2] | (t[cap + 1] & self1[w]) | (t[std::max(cap, 0)] & self2[w]);
      for (int b = 0; b < nbars; ++b) x |= bars[b][w];
      bar[w] = x;
    }
    bar[c / 64] |= std::uint64_t{1} << (c % 64);  // no ticket twice
    return true;
  }

  // The near-ticket rule over the whole table: the tickets so far and c last.
  bool near_table_ok(int c) {
    const int n = static_cast<int>(near_ids_.size());
    near_ids_[n - 1] = c;
    for (int i = 0; i < n; ++i) {
      int load = 0;
      for (int j = 0; j < n; ++j) load += s_.near_of(near_ids_[i], near_ids_[j]);
      if (load > s_.near_cap) return false;
    }
    return true;
  }

  bool near_start(const std::vector<Mask>& kept_bases) {
    const int cw = cwords();
    std::fill(near_touched_.begin(), near_touched_.begin() + (s_.near_cap + 1) * cw, 0);
    std::copy(s_.near_barred.begin(), s_.near_barred.end(), barred(0));
    for (std::size_t i = 0; i < kept_bases.size(); ++i) {
      const int c = s_.class_index(kept_bases[i]);
      if (barred(0)[c / 64] >> (c % 64) & 1) return false;  // the kept tickets already break the rule
      if (!near_step(0, 0, static_cast<int>(i), c)) return false;
    }
    return true;
  }

  // For matching tables only: the last addition has to put some pair exactly on each
  // prescribed pair row (every pair is already between them).
  bool pairs_on_rows(int depth, int c) const {
    bool low = false, high = false;
    const std::int64_t* row = s_.row_of(c);
    for (int j = 0; j < s_.npairs; ++j) {
      const int n = bound_count_[depth][j] + static_cast<int>(row[j]);
      low |= n == s_.bounds[j].low;
      high |= n == s_.bounds[j].high;
    }
    return (low || s_.levels[0].worst < 0) && (high || s_.levels[0].best < 0);
  }

  // Fills added_[depth..] with distinct classes of pool_[depth]. While some t-subset is
  // still uncovered, a table holds one of its coverers: the node branches on the coverers
  // of the t-subset that has fewest candidates left, the i-th branch taking the i-th coverer
  // and leaving out the ones before it, so that each table is met once. Once every t-subset
  // is covered, the rest are taken the same way from all candidates.
  void add(int depth) {
    const int after = k_ - depth - 1;  // additions still to come after this one
    // Every table before this node has been met: a run stopped now can go on from it. (The
    // path to a node of the last two additions is not kept: the one before the last numbers
    // its branches in a first pass.)
    if (after >= 1) {
      ++result_.nodes;
      if (rng_) result_.estimate += weight_[depth];
      if (report_ && result_.nodes % every_nodes_ == 0)
        (*report_)(std::vector<int>(path_.begin(), path_.begin() + depth),
                   std::vector<int>(width_.begin(), width_.begin() + depth), result_);
    }
    const int cw = cwords();
    std::vector<std::uint64_t>& open = open_[depth];
    const std::vector<std::uint64_t>& pool = pool_[depth];
    std::copy(pool.begin(), pool.end(), open.begin());
    long long tried = 0;
    for (int w = 0; w < cw; ++w) tried += std::popcount(open[w]);
    // Whole sets of candidates are given up at once: those that lift a pair (or a bounded
    // count above it) over its best-case row or leave it out of reach of its worst-case row.
    for (std::size_t b = 0; b < s_.bounds.size(); ++b) {
      const auto& bound = s_.bounds[b];
      const int n = bound_count_[depth][b];
      const int high = std::min(bound.high - n, bound.most);
      const int low = bound.low - n - after * bound.most;  // least this one must add
      if (high < 0 || low > bound.most) {
        std::fill(open.begin(), open.end(), 0);
        break;
      }
      if (high < bound.most)
        for (int w = 0; w < cw; ++w) open[w] &= s_.bound_at_most[b][high * cw + w];
      if (low > 0)
        for (int w = 0; w < cw; ++w) open[w] &= ~s_.bound_at_most[b][(low - 1) * cw + w];
    }
    const std::vector<std::uint64_t>& uncovered = uncovered_[depth];
    if (after == 0) return add_last(depth, tried);
    if (after == 1) {
      bool any_uncovered = false;
      for (int x = 0; x < twords(); ++x) any_uncovered |= uncovered[x] != 0;
      if (any_uncovered) return add_penultimate(depth, tried);
    }
    // The near-ticket rule: this node's state is built only once some candidate is left.
    if (!near_ids_.empty()) {
      std::uint64_t any = 0;
      for (int w = 0; w < cw; ++w) any |= open[w];
      const int pos = static_cast<int>(kept_bases_->size()) + depth;
      if (any && depth > 0 && !near_ready_[depth] && !near_step(depth - 1, depth, pos - 1, added_[depth - 1]))
        any = 0;
      if (!any) {
        result_.cut += tried;
        return;
      }
      for (int w = 0; w < cw; ++w) open[w] &= ~barred(depth)[w];
    }
    // The candidates have to cover what is left: at most the after + 1 largest shares of it.
    // A child has after candidates left, so it is given up when it leaves more than the
    // after largest shares (`child_most`).
    int child_most = after * s_.most_covered;
    {
      std::array<int, 64> shares{};  // how many candidates cover that many t-subsets still uncovered
      int left = 0;
      for (int x = 0; x < twords(); ++x) left += std::popcount(uncovered[x]);
      if (left > 0) {
        for (int w = 0; w < cw; ++w)
          for (std::uint64_t bits = open[w]; bits; bits &= bits - 1) {
            const std::uint64_t* cov = s_.cover_of(w * 64 + std::countr_zero(bits));
            int n = 0;
            for (int x = 0; x < twords(); ++x) n += std::popcount(uncovered[x] & cov[x]);
            ++shares[std::min(n, 63)];
          }
        int most = 0;
        child_most = 0;
        for (int n = std::min(63, s_.most_covered), take = after + 1; n > 0 && take > 0; --n) {
          const int k = std::min(take, shares[n]);
          most += k * n;
          child_most += std::min(k, take - 1) * n;
          take -= k;
        }
        if (most < left) {
          result_.cut += tried;
          return;
        }
      }
    }
    // the t-subset with fewest coverers left
    bool symmetric = false;
    const auto [coverers, fewest] = branching(depth, open, uncovered, symmetric);
    if (coverers)
      for (int w = 0; w < cw; ++w) open[w] &= coverers[w];
    if (report_ || rng_) {
      width_[depth] = 0;
      for (int w = 0; w < cw; ++w) width_[depth] += std::popcount(open[w]);
    }
    if (rng_ && width_[depth] > 0) {
      chosen_[depth] = static_cast<int>((*rng_)() % static_cast<std::uint64_t>(width_[depth]));
      weight_[depth + 1] = weight_[depth] * width_[depth];
    }
    std::vector<std::uint64_t>& child_pool = pool_[depth + 1];
    std::copy(pool.begin(), pool.end(), child_pool.begin());
    long long passed = 0;
    int branch = 0;
    for (int w = 0; w < cw; ++w)
      for (std::uint64_t bits = open[w]; bits; bits &= bits - 1) {
        const int c = w * 64 + std::countr_zero(bits);
        child_pool[w] &= ~(std::uint64_t{1} << (c % 64));  // the later branches leave c out
        if (!in_part(depth, branch)) continue;
        const std::uint64_t* cov = s_.cover_of(c);
        int left = 0;
        for (int x = 0; x < twords(); ++x) {
          uncovered_[depth + 1][x] = uncovered[x] & ~cov[x];
          left += std::popcount(uncovered_[depth + 1][x]);
        }
        if (left > child_most) continue;
        if (symmetric && !keep_branch(depth, c, coverers)) continue;
        if (!near_ids_.empty()) {
          if (after > 1)
            near_ready_[depth + 1] = false;  // built by the child (near_step) if it gets that far
          else
            near_before_last(depth, c);
        }
        ++passed;
        take(depth, c);
        if (symmetric) restore_pool(depth);
      }
    count_branches(depth, branch);
    result_.cut += tried - passed;
  }

  // The coverers to branch on: of an invariant t-subset at the first addition when there are
  // multipliers (see symmetry()), else of any; `symmetric` says which.
  std::pair<const std::uint64_t*, int> branching(int depth, const std::vector<std::uint64_t>& open,
                                                 const std::vector<std::uint64_t>& uncovered,
                                                 bool& symmetric) {
    symmetric = false;
    if (depth == 0 && !lowest_.empty()) {
      const auto chosen = fewest_coverers(open, uncovered, invariant_.data());
      if (chosen.first) {
        symmetric = true;
        return chosen;
      }
    }
    return fewest_coverers(open, uncovered);
  }

  // A branch on c that the multipliers leave: false when one lowers c itself; otherwise the
  // pool of the additions after it loses the coverers that one lowers below c (the pool is
  // saved, for restore_pool()).
  bool keep_branch(int depth, int c, const std::uint64_t* coverers) {
    if (lowest_[c] < c) return false;
    std::vector<std::uint64_t>& pool = pool_[depth + 1];
    saved_pool_ = pool;
    for (int w = 0; w < cwords(); ++w)
      for (std::uint64_t bits = coverers[w]; bits; bits &= bits - 1) {
        const int y = w * 64 + std::countr_zero(bits);
        if (lowest_[y] < c) pool[w] &= ~(std::uint64_t{1} << (y % 64));
      }
    return true;
  }
  void restore_pool(int depth) { pool_[depth + 1] = saved_pool_; }

  // Whether the next branch (counted by `branch`) of an addition at `depth` is followed: not
  // when it comes before the path of a resumed run, nor outside the part.
  bool in_part(int depth, int& branch) {
    const int b = branch++;
    path_[depth] = b;
    const bool on_path = on_path_[depth] && depth < static_cast<int>(resume_.size());
    if (on_path && b < resume_[depth]) return false;
    on_path_[depth + 1] = on_path && b == resume_[depth];
    if (chosen_[depth] >= 0 && b != chosen_[depth]) return false;  // a probe (see probe())
    return depth > 1 || (b >= part_from_[depth] && b < part_to_[depth]);
  }

  // The most branches a node at `depth` had, for the parts of a run to come (SweepResult).
  void count_branches(int depth, int branches) {
    if (depth < 2) result_.branches[depth] = std::max(result_.branches[depth], branches);
  }

  // Class c as the addition at `depth`, and on to the next.
  void take(int depth, int c) {
    added_[depth] = c;
    for (std::size_t b = 0; b < s_.bounds.size(); ++b)
      bound_count_[depth + 1][b] = bound_count_[depth][b] + s_.added(c, static_cast<int>(b));
    add(depth + 1);
  }

  // The near-ticket state for the last addition after c: before it only c itself is barred;
  // the few last additions that pass the other rules are then checked whole (near_table_ok).
  void near_before_last(int depth, int c) {
    std::copy(barred(depth), barred(depth) + cwords(), barred(depth + 1));
    barred(depth + 1)[c / 64] |= std::uint64_t{1} << (c % 64);
    near_ids_[static_cast<int>(kept_bases_->size()) + depth] = c;
  }

  // The candidates covering the t-subset still uncovered that the fewest of them cover, and
  // how many they are (nullptr when nothing is uncovered).
  std::pair<const std::uint64_t*, int> fewest_coverers(const std::vector<std::uint64_t>& open,
                                                       const std::vector<std::uint64_t>& uncovered,
                                                       const std::uint64_t* only = nullptr) const {
    int fewest = 1 << 30;
    const std::uint64_t* coverers = nullptr;
    for (int x = 0; x < twords() && fewest > 0; ++x)
      for (std::uint64_t bits = uncovered[x] & (only ? only[x] : ~std::uint64_t{0}); bits && fewest > 0;
           bits &= bits - 1) {
        const std::uint64_t* set = s_.cover_set(x * 64 + std::countr_zero(bits));
        int n = 0;
        for (int w = 0; w < cwords(); ++w) n += std::popcount(open[w] & set[w]);
        if (n < fewest) fewest = n, coverers = set;
      }
    return {coverers, fewest};
  }

  // One before the last, with some t-subset uncovered. The two additions left have to cover
  // what is uncovered, so the branches (the coverers of the t-subset with fewest of them) are
  // first checked for a last addition covering what each leaves, drawn from this node's
  // candidates (the last addition's candidates are a subset of them: its counts are higher
  // and nothing comes after it). Most nodes end here, before their near-ticket state is built.
  void add_penultimate(int depth, long long tried) {
    const int cw = cwords();
    std::vector<std::uint64_t>& open = open_[depth];
    const std::vector<std::uint64_t>& uncovered = uncovered_[depth];
    bool symmetric = false;
    const auto [coverers, fewest] = branching(depth, open, uncovered, symmetric);
    chosen_[depth] = -1;  // a probe follows every branch from here on
    std::vector<std::uint64_t>& child_pool = pool_[depth + 1];
    std::copy(pool_[depth].begin(), pool_[depth].end(), child_pool.begin());
    // the branches that pass
    int npass = 0;
    std::vector<std::uint64_t>& passing = passing_;  // (one level only: no other below it)
    std::fill(passing.begin(), passing.end(), 0);
    int branch = 0;
    for (int w = 0; w < cw && fewest > 0; ++w)
      for (std::uint64_t bits = open[w] & coverers[w]; bits; bits &= bits - 1) {
        const int c = w * 64 + std::countr_zero(bits);
        child_pool[w] &= ~(std::uint64_t{1} << (c % 64));
        if (!in_part(depth, branch)) continue;
        if (symmetric && !keep_branch(depth, c, coverers)) continue;
        // a last addition has to cover every t-subset c leaves
        const std::uint64_t* cov = s_.cover_of(c);
        std::uint64_t* last = last_.data();
        std::uint64_t any = 0;
        for (int y = 0; y < cw; ++y) any |= last[y] = child_pool[y] & open[y];
        if (symmetric) restore_pool(depth);
        for (int x = 0; x < twords() && any; ++x)
          for (std::uint64_t left = uncovered[x] & ~cov[x]; left && any; left &= left - 1) {
            const std::uint64_t* set = s_.cover_set(x * 64 + std::countr_zero(left));
            any = 0;
            for (int y = 0; y < cw; ++y) any |= last[y] &= set[y];
          }
        if (any) passing[w] |= std::uint64_t{1} << (c % 64), ++npass;
      }
    count_branches(depth, branch);
    if (npass == 0) {
      result_.cut += tried;
      return;
    }
    if (!near_ids_.empty()) {
      const int pos = static_cast<int>(kept_bases_->size()) + depth;
      if (depth > 0 && !near_ready_[depth] && !near_step(depth - 1, depth, pos - 1, added_[depth - 1])) {
        result_.cut += tried;
        return;
      }
      for (int w = 0; w < cw; ++w) passing[w] &= ~barred(depth)[w];
    }
    // the passing branches in order, each leaving out the coverers before it
    std::copy(pool_[depth].begin(), pool_[depth].end(), child_pool.begin());
    long long passed = 0;
    for (int w = 0; w < cw; ++w)
      for (std::uint64_t bits = open[w] & coverers[w]; bits; bits &= bits - 1) {
        const int c = w * 64 + std::countr_zero(bits);
        child_pool[w] &= ~(std::uint64_t{1} << (c % 64));
        if (!(passing[w] >> (c % 64) & 1)) continue;
        const std::uint64_t* cov = s_.cover_of(c);
        for (int x = 0; x < twords(); ++x) uncovered_[depth + 1][x] = uncovered[x] & ~cov[x];
        if (symmetric) keep_branch(depth, c, coverers);
        if (!near_ids_.empty()) near_before_last(depth, c);
        ++passed;
        take(depth, c);
        if (symmetric) restore_pool(depth);
      }
    result_.cut += tried - passed;
  }

  // The last addition (its candidates already through the pair rule) has to cover every
  // t-subset still uncovered. Most of the time no class covers the first three t-subsets
  // still uncovered, which one pass over the words of the class sets tells; the few
  // classes left are checked one by one.
  void add_last(int depth, long long tried) {
    int branch = 0;  // no branching: one branch, 0
    const bool followed = in_part(depth, branch);
    count_branches(depth, branch);
    if (!followed) return;
    const auto& uncovered = uncovered_[depth];
    std::array<const std::uint64_t*, 3> need{};
    int needed = 0;
    for (std::size_t t = 0; t < s_.tsets.size() && needed < 3; ++t)
      if (uncovered[t / 64] >> (t % 64) & 1) need[needed++] = s_.cover_set(t);
    std::vector<std::uint64_t>& open = open_[depth];
    const int cw = cwords();
    std::uint64_t any = 0;
    for (int w = 0; w < cw; ++w) {
      std::uint64_t x = open[w];
      if (!near_ids_.empty()) x &= ~barred(depth)[w];
      for (int i = 0; i < needed; ++i) x &= need[i][w];
      open[w] = x;
      any |= x;
    }
    long long passed = 0;
    for (int w = 0; w < cw && any; ++w)
      for (std::uint64_t bits = open[w]; bits; bits &= bits - 1) {
        const int c = w * 64 + std::countr_zero(bits);
        const std::uint64_t* cov = s_.cover_of(c);
        bool ok = true;
        for (int x = 0; x < twords() && ok; ++x) ok = (uncovered[x] & ~cov[x]) == 0;
        if (!ok || (strict_ && s_.npairs > 0 && !pairs_on_rows(depth, c))) continue;
        if (!near_ids_.empty() && !near_table_ok(c)) continue;
        ++passed;
        added_[depth] = c;
        leaf();
      }
    result_.cut += tried - passed;
  }

  const Space& s_;
  const int k_;
  SweepResult& result_;
  std::vector<int> added_;
  std::vector<std::int64_t> full_;
  std::vector<std::vector<int>> bound_count_;                       // per depth
  std::array<int, 2> part_from_{0, 0}, part_to_{1 << 30, 1 << 30};  // see branches()
  std::vector<int> resume_, path_;  // see resume(); the branch taken at each depth
  std::vector<int> width_;          // for checkpoints() and probe(): the branches at each depth
  std::mt19937_64* rng_ = nullptr;  // see probe()
  std::vector<int> chosen_;         // per depth, the branch a probe follows (-1: every one)
  std::vector<double> weight_;      // per depth, the product of the branches above
  std::vector<char> on_path_;       // per depth: the node is on the path of resume_
  long long every_nodes_ = 1;
  const Checkpoint* report_ = nullptr;  // see checkpoints()
  bool strict_ = false;
  std::vector<std::vector<std::uint64_t>> uncovered_;
  const std::vector<std::int64_t>* kept_ = nullptr;
  const std::vector<Mask>* kept_bases_ = nullptr;
  std::vector<std::vector<std::uint64_t>> open_;  // per depth, the candidates left to try
  std::vector<std::vector<std::uint64_t>> pool_;  // per depth, the classes the additions may take
  std::vector<std::uint64_t> passing_;            // add_penultimate: the branches it follows
  std::vector<int> lowest_;                       // symmetry(): empty when no multiplier is used
  std::vector<std::uint64_t> invariant_, saved_pool_;
  std::vector<std::uint64_t> last_;  // add_penultimate: the last additions a branch leaves
  // the near-ticket rule's state (empty when the rule does not apply); see near_step()
  std::vector<int> near_ids_, near_load_;
  std::vector<char> near_ready_;
  std::vector<std::uint64_t> near_barred_, near_touched_, every_;
};

// Per class, the lowest class that it or its image under one of `units` is.
std::vector<int> lowest_images(const Space& s, const std::vector<int>& units) {
  std::vector<int> out(s.nc);
  for (int c = 0; c < s.nc; ++c) {
    out[c] = c;
    for (int u : units) out[c] = std::min(out[c], s.class_index(multiply(s.classes[c], u, s.v)));
  }
  return out;
}

// Per class, the smallest class of its orbit under the units of Z_v.
std::vector<int> orbit_lowest(const Space& s) {
  std::vector<int> units;
  for (int u = 2; u < s.v; ++u)
    if (std::gcd(u, s.v) == 1) units.push_back(u);
  return lowest_images(s, units);
}

// The classes that are the smallest of their orbit (`lowest`, from orbit_lowest()); with
// `full_only`, only classes of full orbits (a unit maps a full orbit to a full one).
std::vector<int> orbit_firsts(const Space& s, const std::vector<int>& lowest, bool full_only) {
  std::vector<int> out;
  for (int c = 0; c < s.nc; ++c)
    if (lowest[c] == c && (!full_only || s.period[c] == s.v)) out.push_back(c);
  return out;
}

// The multipliers that map class c onto itself, for Additions::symmetry(): the lowest image
// of each class under them and the t-subsets they map onto themselves (none: both empty).
std::pair<std::vector<int>, std::vector<std::uint64_t>> first_class_symmetry(const Space& s, int c) {
  std::vector<int> units;
  for (int u = 2; u < s.v; ++u)
    if (std::gcd(u, s.v) == 1 && s.class_index(multiply(s.classes[c], u, s.v)) == c) units.push_back(u);
  if (units.empty()) return {};
  std::vector<std::uint64_t> invariant(s.words, 0);
  for (std::size_t j = 0; j < s.tsets.size(); ++j) {
    bool fixed = true;
    for (int u : units) fixed &= rotation_class(multiply(s.tsets[j], u, s.v), s.v) == s.tsets[j];
    if (fixed) invariant[j / 64] |= std::uint64_t{1} << (j % 64);
  }
  return {lowest_images(s, units), std::move(invariant)};
}

// Runs f on the Additions that fits the space: the complete searches of 14_4_6, 15_4_6 and
// 16_4_6 (classes in 4, 6 and 8 words, t-subsets in 2) take one with those lengths fixed,
// which runs about a fifth faster; any other space takes the general one.
template <class F>
void with_additions(const Space& s, int k, SweepResult& result, F&& f) {
  if (s.cwords == 8 && s.words == 2) {
    Additions<8, 2> additions(s, k, result);
    f(additions);
  } else if (s.cwords == 6 && s.words == 2) {
    Additions<6, 2> additions(s, k, result);
    f(additions);
  } else if (s.cwords == 4 && s.words == 2) {
    Additions<4, 2> additions(s, k, result);
    f(additions);
  } else {
    Additions<0, 0> additions(s, k, result);
    f(additions);
  }
}

}  // namespace

SweepResult sweep_neighbours(const Target& target, const std::vector<Mask>& start, int k, int closest_cells) {
  SweepResult result;
  result.closest_cells = closest_cells;
  const int nb = static_cast<int>(start.size());
  if (k < 1 || k > nb) return result;
  const Space s(target);
  std::vector<std::int64_t> current(s.nf, 0);
  for (Mask b : start) {
    const std::int64_t* row = s.row_of(s.class_index(b));
    for (int j = 0; j < s.nf; ++j) current[j] += row[j];
  }
  with_additions(s, k, result, [&](auto& additions) {
    std::vector<int> removed(k);
    std::vector<std::int64_t> kept(s.nf);
    std::vector<Mask> kept_bases;
    for (int i = 0; i < k; ++i) removed[i] = i;
    while (true) {
      kept = current;
      kept_bases.clear();
      for (int i = 0; i < nb; ++i) {
        if (std::find(removed.begin(), removed.end(), i) == removed.end()) {
          kept_bases.push_back(start[i]);
          continue;
        }
        const std::int64_t* row = s.row_of(s.class_index(start[i]));
        for (int j = 0; j < s.nf; ++j) kept[j] -= row[j];
      }
      additions.run(kept, kept_bases, 0);
      // next set of removed positions, in lexicographic order
      int i = k - 1;
      while (i >= 0 && removed[i] == nb - k + i) --i;
      if (i < 0) break;
      ++removed[i];
      for (int j = i + 1; j < k; ++j) removed[j] = removed[j - 1] + 1;
    }
  });
  return result;
}

int first_classes(const Target& target, bool short_orbits) {
  const Space s(target);
  return static_cast<int>(orbit_firsts(s, orbit_lowest(s), short_orbits).size());
}

// A table relabelled by the unit that brings its smallest class lowest has that class
// first in its multiplier orbit, and no unit brings any of its other classes lower: so
// each orbit's first class c, with every set of classes whose orbits start at c or
// above, meets every table up to relabelling. With short orbits, the same holds of the
// full-orbit classes, and the short ones are tried in every combination. Multipliers that
// map c onto itself map each orbit onto itself, so they map the tables met under c onto
// tables met under c, and all but one of each such set of images may be left out
// (first_class_symmetry).
SweepResult complete_search(const Target& target, CompleteRun run, int closest_cells,
                            const std::function<void(int, const SweepResult&)>& progress) {
  SweepResult result;
  result.closest_cells = closest_cells;
  const Space s(target, run.short_orbits > 0);
  const std::vector<int> lowest = orbit_lowest(s);
  const std::vector<int> firsts = orbit_firsts(s, lowest, run.short_orbits > 0);
  // the short orbits to add, as sets of classes whose tickets leave a multiple of v
  std::vector<int> shorts;
  for (int c = 0; c < s.nc; ++c)
    if (s.period[c] < s.v) shorts.push_back(c);
  std::vector<std::vector<int>> short_sets;
  std::vector<int> pick;
  std::function<void(std::size_t, int)> choose = [&](std::size_t from, int tickets) {
    if (static_cast<int>(pick.size()) == run.short_orbits) {
      if (tickets % s.v == 0 && tickets < target.c * s.v) short_sets.push_back(pick);
      return;
    }
    for (std::size_t i = from; i < shorts.size(); ++i) {
      pick.push_back(shorts[i]);
      choose(i + 1, tickets + s.period[shorts[i]]);
      pick.pop_back();
    }
  };
  choose(0, 0);
  std::vector<std::uint64_t> allowed(s.cwords);
  const int to = std::min(run.first_to, static_cast<int>(firsts.size()));
  const int from = std::max(0, run.first_from);
  std::mt19937_64 rng(run.seed);
  for (int i = from; i < to; ++i) {
    const int c = firsts[i];
    // the classes the others may be: of full orbits when short ones are added, and of
    // orbits that start at c or above
    std::fill(allowed.begin(), allowed.end(), 0);
    for (int x = c + 1; x < s.nc; ++x)
      if (lowest[x] >= c && (run.short_orbits == 0 || s.period[x] == s.v))
        allowed[x / 64] |= std::uint64_t{1} << (x % 64);
    for (const auto& set : short_sets) {
      int tickets = s.v;
      std::vector<std::int64_t> kept(s.row_of(c), s.row_of(c) + s.nf);
      std::vector<Mask> bases{s.classes[c]};
      for (int x : set) {
        tickets += s.period[x];
        bases.push_back(s.classes[x]);
        for (int j = 0; j < s.nf; ++j) kept[j] += s.row_of(x)[j];
      }
      const int more = target.c - tickets / s.v;  // full orbits still to add
      if (more < 0) continue;
      with_additions(s, more, result, [&](auto& additions) {
        additions.branches(run.branch_from, run.branch_to, run.sub_from, run.sub_to);
        if (i == from && set.empty()) additions.resume(run.resume);
        if (run.checkpoint) additions.checkpoints(std::max(1LL, run.checkpoint_every), &run.checkpoint);
        if (set.empty()) {
          auto [lowest_image, invariant] = first_class_symmetry(s, c);
          if (!lowest_image.empty()) additions.symmetry(std::move(lowest_image), std::move(invariant));
        }
        if (run.probes > 0) additions.probe(&rng);
        for (int p = 0; p < std::max(1, run.probes); ++p) additions.run(kept, bases, c + 1, &allowed);
      });
    }
    if (progress) progress(i, result);
  }
  return result;
}

}  // namespace ds::search
