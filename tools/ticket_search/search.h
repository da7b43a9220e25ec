#pragma once
// Search for cyclic base tickets: a system v_t_m with c base tickets is a set of c
// m-subsets of Z_v; its tickets are all v rotations of each. The search looks for
// sets whose tickets give exactly the wanted worst-case and best-case rows.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ds::search {

using Mask = std::uint32_t;

// Count vector rows indexed [w][k]; only 2 <= k <= w <= m are used.
using RowTable = std::array<std::array<int, 8>, 8>;

struct Target {
  std::string id;
  int v = 0, t = 0, m = 0, c = 0;
  // fixed[w] is false for a row that is not prescribed.
  std::array<bool, 8> fixed_min{}, fixed_max{};
  RowTable min{}, max{};
};

// Reads "id c | min rows | max rows" lines (rows per w separated by '/', '-' = free).
std::vector<Target> read_targets(const std::string& path);

Mask rotate(Mask x, int j, int v);
// The image of x under p -> u*p (mod v).
Mask multiply(Mask x, int u, int v);

// Worst-case and best-case rows of a ticket list over all placements (the program's own
// evaluator, for fewer than 1024 tickets; m <= 6):
// the count vector (n_2..n_w) of each placement is compared on n_w first, then down to n_2.
struct Rows {
  RowTable min{}, max{};
};
Rows evaluate_rows(const std::vector<Mask>& tickets, int v, int m);

// The distinct rotations of each base ticket (all v of them, unless its orbit is short),
// in base-ticket order.
std::vector<Mask> expand(const std::vector<Mask>& bases, int v);

// True when every t-subset of Z_v lies in some ticket.
bool covers_all(const std::vector<Mask>& tickets, int v, int t);

// Number of prescribed cells where `rows` differs from the target.
int row_difference(const Target& target, const Rows& rows);

// Increments of a base ticket, starting at the element that makes them smallest
// lexicographically; six values, the (m)-th closes the circle, the rest are 0.
std::array<int, 6> increments(Mask base, int v, int m);
Mask from_increments(const std::array<int, 6>& inc, int m);

// The smallest of the v rotations of x: one name for its rotation class.
Mask rotation_class(Mask x, int v);

// Smallest representation of a set of base tickets under rotation of each ticket and
// relabelling x -> u*x (u coprime to v) of the whole set; used to compare solutions.
std::vector<Mask> canonical_form(const std::vector<Mask>& bases, int v);

struct Outcome {
  bool exact = false;
  int difference = 1 << 30;  // differing prescribed cells of the best table found
  bool covered = false;      // best table meets the guarantee
  std::vector<Mask> bases;
  long long nodes = 0;
  long long leaves = 0;
  int restarts = 0;
  double seconds = 0;  // CPU seconds
  std::string phase;   // which phase produced the best table
};

// True when the exact search's pruning lets the given base tickets through, in this order.
bool exact_rules_accept(const Target& target, const std::vector<Mask>& bases);

// Depth-first search with restarts; seed fixes every random choice, the run stops
// after `seconds` of the thread's CPU time or when an exact table is found.
// `only_phase` ("exact", "exact-restarts", "anneal", "relaxed", "cover") runs that phase
// alone for the whole time; empty runs them all in turn. "lns" (repair by freeing two or
// three base tickets and refilling them by enumeration, with a tabu list) runs only when named.
// `start`, when not empty, is a table to start from: the annealing phase first tries
// every table one or two base tickets away from it; the repair phase starts from it.
// `multiplier`, when not 0, is a unit u of Z_v (u != 1): only tables invariant under
// x -> u*x are searched, the base tickets then come in orbits of u.
// `pin`, when not 0, is a placement (a set of w numbers of Z_v): the annealing, graded and
// lns phases also price how far its counts are from the best-case row of w; `pin_worst`
// does the same for the worst-case row. The depth-first phases ("exact", "exact-restarts")
// keep to tables that put the pinned placements exactly on their rows, and then take the
// first base ticket up to rotation only (a multiplier would move the placement).
// `pin_second` pins a second placement, of another size, to the best-case row of its size.
Outcome search(const Target& target, std::uint64_t seed, double seconds, bool verbose = false,
               const std::string& only_phase = "", const std::vector<Mask>& start = {}, int multiplier = 0,
               Mask pin = 0, Mask pin_worst = 0, Mask pin_second = 0);

// Every table `k` base tickets away from `start`: k of its tickets replaced by any k
// distinct rotation classes of m-subsets, kept when all prescribed rows match.
// Tables that cannot meet the best-case row of w = m on its two highest counts (a ticket
// twice, or one sharing m - 1 numbers with too many others) are left out, and for t >= 4 those
// with a placement of 3 <= w < t whose n_w lies outside the rows of w.
// `leaves` counts the replacements that reached the full row check, `cut` the partial
// ones given up (a pair count already above its row or out of reach of it, or more
// t-subsets uncovered than the tickets still to come can cover).
// `closest` is the table with the fewest differing cells (`closest_cells`) among the
// replacements checked that do not match, when it has fewer than `closest_cells` given.
struct SweepResult {
  std::vector<std::vector<Mask>> matches;
  std::vector<Mask> closest;
  int closest_cells = 1 << 30;
  long long leaves = 0, cut = 0;
  long long nodes = 0;  // the nodes of a complete search, not counting the last additions
  // the most branches any node of the first and of the second addition had (parts of a
  // complete run: CompleteRun::branch_from, sub_from)
  std::array<int, 2> branches{0, 0};
  double estimate = 0;  // CompleteRun::probes: the sum of the probes' estimates
};
SweepResult sweep_neighbours(const Target& target, const std::vector<Mask>& start, int k,
                             int closest_cells = 1 << 30);

// Every table of the system, up to rotation of each base ticket and relabelling x -> u*x:
// each table is met with its base tickets in increasing class order, the first being the
// smallest class of its multiplier orbit and no other class having a smaller one in its
// orbit (a table holding two classes of the first one's orbit may be met more than once,
// under different relabellings). `first_from` and `first_to` choose a range
// of those first classes (numbered 0, 1, ... in class order; `first_classes` says how
// many there are), so that a long run can be cut into parts. `progress`, when given, is
// called after each first class with its number and the result so far. As in the sweep,
// only tables with fewer than `closest_cells` differing cells are kept as the closest; with
// 1 (matches only) a table is given up at its first differing cell, and the last ticket has
// to put some pair on each pair row.
// `short_orbits`: tables that hold that many base tickets whose rotations repeat (such a
// ticket is played once per distinct rotation) and full orbits for the rest, c * v tickets
// in all; the first ticket is then the smallest full-orbit class.
// `branch_from` and `branch_to` cut one first class further: its tables fall into branches by
// the second ticket (numbered 0, 1, ... in the order the enumeration takes them), and only that
// range of branches is searched. `sub_from` and `sub_to` cut each of those branches the same way
// by the third ticket. (An addition taken without branching, the last one, is one branch: 0.)
// `checkpoint`, when given, is called at every `checkpoint_every`-th node (not at the last two
// additions) with the path to that node, the branch taken at each depth from the second
// ticket's on, the number of branches at each of those depths, and the result so far: every
// table before that node has been met by then.
// `resume`, such a path, makes a run stopped there go on from that node: under the first of
// the first classes, every branch before the path is left out (not with `short_orbits`).
// With `probes` > 0 the run is not searched but sized: each first class is walked that many
// times along one path, drawn at random (from `seed`) at each node, and `estimate` sums the
// products of the numbers of branches above each node of each path. Divided by `probes`, it
// estimates the nodes (not at the last addition) the run has: the nodes a checkpoint counts.
using Checkpoint = std::function<void(const std::vector<int>& path, const std::vector<int>& widths,
                                      const SweepResult& so_far)>;
struct CompleteRun {
  int first_from = 0, first_to = 1 << 30;
  int short_orbits = 0;
  int branch_from = 0, branch_to = 1 << 30;
  int sub_from = 0, sub_to = 1 << 30;
  std::vector<int> resume{};
  long long checkpoint_every = 1 << 12;
  Checkpoint checkpoint{};
  int probes = 0;
  std::uint64_t seed = 1;
};
int first_classes(const Target& target, bool short_orbits = false);
SweepResult complete_search(const Target& target, CompleteRun run, int closest_cells = 1 << 30,
                            const std::function<void(int, const SweepResult&)>& progress = {});

// The cost annealing gives a table of base tickets (0 for an exact table with no pin).
int annealing_cost(const Target& target, const std::vector<Mask>& bases, Mask pin = 0, Mask pin_worst = 0);

// Orbits of the rotation classes of m-subsets of Z_v under x -> u*x: how many orbits
// of each size (index = size). Empty when u is not a unit other than 1.
std::vector<int> multiplier_orbit_sizes(int v, int m, int u);

}  // namespace ds::search
