// Complete sweep of the tables a few base tickets away from a given one.
//
// Every prescribed row is a lexicographic minimum or maximum over the placements of one
// size w. A placement's count vector (n_2 .. n_w) is packed 11 bits per k with n_w on top,
// so that comparing packed values compares the vectors; packed vectors add lane by lane,
// so a table's vector for a placement is the sum of its base tickets' vectors, and a
// replacement costs one subtraction and one addition per placement class.
//
// The depth-first enumeration of the replacements only keeps a light state: the count of
// every pair (cut when above the best-case row of w = 2, or when the tickets still to come
// cannot lift it to the worst-case row) and which t-subsets are still uncovered (cut when
// more are left than the tickets to come can cover). The packed sums are formed at the
// leaves only, so every table the sweep checks keeps the guarantee and the pair rows; the
// closest of them is kept too, for descending step by step from a table that is far off.
#include <algorithm>
#include <bit>
#include <functional>

#include "search.h"

namespace ds::search {

namespace {

constexpr int kLane = 11;
constexpr std::int64_t kLaneMask = (std::int64_t{1} << kLane) - 1;

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

}  // namespace

SweepResult sweep_neighbours(const Target& target, const std::vector<Mask>& start, int k, int closest_cells) {
  const int v = target.v, m = target.m;
  const std::vector<Mask> classes = class_representatives(v, m);
  const int nc = static_cast<int>(classes.size());
  auto class_index = [&](Mask b) {
    return static_cast<int>(std::lower_bound(classes.begin(), classes.end(), rotation_class(b, v)) -
                            classes.begin());
  };

  // the prescribed levels' placement classes, as columns; one packed vector per class and column
  struct Level {
    int w, begin, end;
    std::int64_t worst, best;  // -1: free
  };
  std::vector<Level> levels;
  std::vector<Mask> columns;
  for (int w = 2; w <= m; ++w) {
    if (!target.fixed_min[w] && !target.fixed_max[w]) continue;
    const auto reps = class_representatives(v, w);
    const int begin = static_cast<int>(columns.size());
    columns.insert(columns.end(), reps.begin(), reps.end());
    levels.push_back({w, begin, static_cast<int>(columns.size()),
                      target.fixed_min[w] ? packed(target.min[w], w) : -1,
                      target.fixed_max[w] ? packed(target.max[w], w) : -1});
  }
  const int nf = static_cast<int>(columns.size());
  std::vector<std::int64_t> vec(static_cast<std::size_t>(nc) * nf);
  for (int c = 0; c < nc; ++c)
    for (int j = 0; j < nf; ++j) {
      std::int64_t key = 0;
      for (int r = 0; r < v; ++r) {
        const int x = std::popcount(rotate(classes[c], r, v) & columns[j]);
        if (x >= 2) key += std::int64_t{1} << (kLane * (x - 2));
      }
      vec[static_cast<std::size_t>(c) * nf + j] = key;
    }
  auto row_of = [&](int c) { return &vec[static_cast<std::size_t>(c) * nf]; };

  // light state: pair counts (when w = 2 is prescribed) and coverage of the t-subsets
  const bool pairs = !levels.empty() && levels[0].w == 2;
  const int npairs = pairs ? levels[0].end : 0;
  const int pair_low = pairs && levels[0].worst >= 0 ? static_cast<int>(levels[0].worst) : 0;
  const int pair_high = pairs && levels[0].best >= 0 ? static_cast<int>(levels[0].best) : 1 << 30;
  std::vector<int> pair_most(npairs, 0);
  for (int c = 0; c < nc; ++c)
    for (int j = 0; j < npairs; ++j) pair_most[j] = std::max(pair_most[j], static_cast<int>(row_of(c)[j]));
  const std::vector<Mask> tsets = class_representatives(v, target.t);
  const int words = (static_cast<int>(tsets.size()) + 63) / 64;
  std::vector<std::uint64_t> covers(static_cast<std::size_t>(nc) * words, 0);
  int most_covered = 0;
  for (int c = 0; c < nc; ++c) {
    int n = 0;
    for (std::size_t j = 0; j < tsets.size(); ++j)
      for (int r = 0; r < v; ++r)
        if ((rotate(classes[c], r, v) & tsets[j]) == tsets[j]) {
          covers[c * words + j / 64] |= std::uint64_t{1} << (j % 64);
          ++n;
          break;
        }
    most_covered = std::max(most_covered, n);
  }
  auto covers_tset = [&](int c, std::size_t j) { return (covers[c * words + j / 64] >> (j % 64)) & 1; };

  SweepResult result;
  result.closest_cells = closest_cells;
  const int nb = static_cast<int>(start.size());
  if (k < 1 || k > nb) return result;
  std::vector<int> base_class(nb);
  std::vector<std::int64_t> current(nf, 0);
  for (int i = 0; i < nb; ++i) {
    base_class[i] = class_index(start[i]);
    for (int j = 0; j < nf; ++j) current[j] += row_of(base_class[i])[j];
  }

  std::vector<int> removed(k), added(k);
  std::vector<std::int64_t> kept(nf), full(nf);
  std::vector<std::vector<int>> pair_count(k + 1, std::vector<int>(npairs));
  std::vector<std::vector<std::uint64_t>> uncovered(k + 1, std::vector<std::uint64_t>(words));

  auto leaf = [&] {
    ++result.leaves;
    full = kept;
    for (int c : added)
      for (int j = 0; j < nf; ++j) full[j] += row_of(c)[j];
    int cells = 0;
    for (const Level& l : levels) {
      const auto [lo, hi] = std::minmax_element(full.begin() + l.begin, full.begin() + l.end);
      for (int lane = 0; lane + 2 <= l.w; ++lane) {
        auto at = [lane](std::int64_t key) { return (key >> (kLane * lane)) & kLaneMask; };
        cells += (l.worst >= 0 && at(*lo) != at(l.worst)) + (l.best >= 0 && at(*hi) != at(l.best));
      }
    }
    if (cells > 0 && cells >= result.closest_cells) return;
    std::vector<Mask> table;
    for (int i = 0; i < nb; ++i)
      if (std::find(removed.begin(), removed.end(), i) == removed.end()) table.push_back(start[i]);
    for (int c : added) table.push_back(classes[c]);
    if (cells == 0)
      result.matches.push_back(table);
    else
      result.closest = table, result.closest_cells = cells;
  };

  // The last two additions have to cover every t-subset still uncovered: the one before
  // last is drawn from the classes that cover the first of them (in any order relative to
  // the last, which must then not cover that t-subset unless it comes later in class
  // order, so that each pair is met once), and the last from those that cover the first
  // t-subset still uncovered after it.
  std::vector<std::vector<int>> coverers(tsets.size());
  for (int c = 0; c < nc; ++c)
    for (std::size_t j = 0; j < tsets.size(); ++j)
      if (covers_tset(c, j)) coverers[j].push_back(c);
  std::vector<int> all_classes(nc);
  for (int c = 0; c < nc; ++c) all_classes[c] = c;
  auto first_uncovered = [&](const std::vector<std::uint64_t>& u) {
    for (int w = 0; w < words; ++w)
      if (u[w]) return w * 64 + std::countr_zero(u[w]);
    return -1;
  };

  // Fills added[depth..]: from class `from` on, in increasing order (a class may repeat),
  // except for the last two as above; `pair_from` and `pair_tset`: when the one before last
  // was drawn by coverage, its class and the t-subset it was drawn for.
  std::function<void(int, int, int, int)> add = [&](int depth, int from, int pair_from, int pair_tset) {
    const int after = k - depth - 1;  // additions still to come after this one
    const int first = after <= 1 ? first_uncovered(uncovered[depth]) : -1;
    const std::vector<int>* pool = first >= 0 ? &coverers[first] : &all_classes;
    for (auto it = std::lower_bound(pool->begin(), pool->end(), from); it != pool->end(); ++it) {
      const int c = *it;
      if (pair_tset >= 0 && c < pair_from && covers_tset(c, pair_tset)) continue;
      const std::uint64_t* cov = &covers[static_cast<std::size_t>(c) * words];
      int left = 0;
      for (int w = 0; w < words; ++w) {
        uncovered[depth + 1][w] = uncovered[depth][w] & ~cov[w];
        left += std::popcount(uncovered[depth + 1][w]);
      }
      bool viable = left <= after * most_covered;
      for (int j = 0; j < npairs && viable; ++j) {
        const int n = pair_count[depth][j] + static_cast<int>(row_of(c)[j]);
        pair_count[depth + 1][j] = n;
        viable = n <= pair_high && n + after * pair_most[j] >= pair_low;
      }
      if (!viable) {
        ++result.cut;
        continue;
      }
      added[depth] = c;
      if (after == 0)
        leaf();
      else if (after == 1 && first >= 0)
        add(depth + 1, from, c, first);
      else
        add(depth + 1, c, -1, -1);
    }
  };

  for (int i = 0; i < k; ++i) removed[i] = i;
  while (true) {
    kept = current;
    for (int i : removed)
      for (int j = 0; j < nf; ++j) kept[j] -= row_of(base_class[i])[j];
    for (int j = 0; j < npairs; ++j) pair_count[0][j] = static_cast<int>(kept[j]);
    // every t-subset, less those the kept tickets cover
    std::fill(uncovered[0].begin(), uncovered[0].end(), 0);
    for (std::size_t j = 0; j < tsets.size(); ++j) uncovered[0][j / 64] |= std::uint64_t{1} << (j % 64);
    for (int i = 0; i < nb; ++i)
      if (std::find(removed.begin(), removed.end(), i) == removed.end())
        for (int w = 0; w < words; ++w) uncovered[0][w] &= ~covers[base_class[i] * words + w];
    add(0, 0, -1, -1);
    // next set of removed positions, in lexicographic order
    int i = k - 1;
    while (i >= 0 && removed[i] == nb - k + i) --i;
    if (i < 0) break;
    ++removed[i];
    for (int j = i + 1; j < k; ++j) removed[j] = removed[j - 1] + 1;
  }
  return result;
}

}  // namespace ds::search
