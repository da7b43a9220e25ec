#include "search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <set>
#include <sstream>

#include "systems/base_tickets.h"
#include "systems/catalogue.h"
#include "systems/published_rows.h"

namespace ds::search {
namespace {

Target target(const std::string& id) {
  for (auto& t : read_targets(TICKET_SEARCH_DIR "/targets.txt"))
    if (t.id == id) return t;
  ADD_FAILURE() << "no target " << id;
  return {};
}

TEST(TicketSearch, EvaluatorAndPruningAgreeOnAKnownTable) {
  const Target t = target("10_4_6");
  ASSERT_EQ(t.c, 3);
  std::vector<Mask> bases;
  for (auto inc : {std::array<int, 6>{1, 1, 1, 2, 1, 4}, {1, 1, 1, 2, 2, 3}, {1, 1, 1, 1, 3, 3}}) {
    bases.push_back(from_increments(inc, 6));
    EXPECT_EQ(increments(bases.back(), 10, 6), inc);
  }
  const auto tickets = expand(bases, 10);
  EXPECT_TRUE(covers_all(tickets, 10, 4));
  const Rows rows = evaluate_rows(tickets, 10, 6);
  EXPECT_EQ(row_difference(t, rows), 0);
  EXPECT_EQ(rows.min[4][4], 1);
  EXPECT_EQ(rows.min[4][3], 12);
  EXPECT_TRUE(exact_rules_accept(t, bases));

  // one base ticket replaced: rows change and the guarantee breaks
  bases[2] = from_increments({1, 1, 1, 1, 1, 5}, 6);
  EXPECT_FALSE(covers_all(expand(bases, 10), 10, 4));
  EXPECT_GT(row_difference(t, evaluate_rows(expand(bases, 10), 10, 6)), 0);

  // relabelling by a multiplier keeps the canonical form
  std::vector<Mask> relabelled;
  for (Mask b : bases) {
    Mask y = 0;
    for (int p = 0; p < 10; ++p)
      if (b >> p & 1) y |= Mask{1} << (p * 3 % 10);
    relabelled.push_back(rotate(y, 4, 10));
  }
  EXPECT_EQ(canonical_form(relabelled, 10), canonical_form(bases, 10));
}

// The sweep of the tables one and two base tickets away from a broken 10_4_6 table finds
// exactly the matching tables a brute force over every replacement finds.
TEST(TicketSearch, NeighbourSweepFindsWhatBruteForceFinds) {
  const Target t = target("10_4_6");
  std::vector<Mask> broken;
  for (auto inc : {std::array<int, 6>{1, 1, 1, 2, 1, 4}, {1, 1, 1, 2, 2, 3}, {1, 1, 1, 1, 1, 5}})
    broken.push_back(from_increments(inc, 6));
  auto normal = [&](std::vector<Mask> table) {
    for (Mask& b : table) b = rotation_class(b, 10);
    std::sort(table.begin(), table.end());
    return table;
  };
  auto matches = [&](const std::vector<Mask>& table) {
    const auto tickets = expand(table, 10);
    return covers_all(tickets, 10, 4) && row_difference(t, evaluate_rows(tickets, 10, 6)) == 0;
  };
  std::vector<Mask> classes;
  for (Mask s = 0; s < 1024; ++s)
    if (std::popcount(s) == 6 && rotation_class(s, 10) == s) classes.push_back(s);
  ASSERT_EQ(classes.size(), 22u);  // 210 six-sets: 20 classes of 10 and 2 of 5

  std::set<std::vector<Mask>> one, two;
  for (int i = 0; i < 3; ++i)
    for (Mask c : classes) {
      auto table = broken;
      table[i] = c;
      if (matches(table)) one.insert(normal(table));
      for (int j = i + 1; j < 3; ++j)
        for (Mask d : classes) {
          table[j] = d;
          if (matches(table)) two.insert(normal(table));
        }
    }
  ASSERT_FALSE(one.empty());
  EXPECT_TRUE(one.contains(normal({broken[0], broken[1], from_increments({1, 1, 1, 1, 3, 3}, 6)})));
  for (int k : {1, 2}) {
    const SweepResult r = sweep_neighbours(t, broken, k);
    std::set<std::vector<Mask>> found;
    for (const auto& table : r.matches) found.insert(normal(table));
    EXPECT_EQ(found, k == 1 ? one : two) << "k = " << k;
    EXPECT_GT(r.cut, 0);
    ASSERT_FALSE(r.closest.empty());
    EXPECT_EQ(row_difference(t, evaluate_rows(expand(r.closest, 10), 10, 6)), r.closest_cells);
    EXPECT_GT(r.closest_cells, 0);
  }
}

// The complete search meets every matching table up to relabelling, and no other, as a
// brute force over all sets of three classes says; looking for matches only, and cut into
// two ranges of first tickets, it meets the same ones. The rows of 12_3_5 from w = 4 on
// are left free, so that there are several tables to meet; then all but the best-case row
// of w = 5 (one ticket, with one other sharing four numbers), which bars tables whose
// tickets share four numbers with two others.
TEST(TicketSearch, CompleteSearchMeetsEveryTable) {
  std::vector<Mask> classes;
  for (Mask s = 0; s < 4096; ++s)
    if (std::popcount(s) == 5 && rotation_class(s, 12) == s) classes.push_back(s);
  for (bool best_five : {false, true}) {
    Target t = target("12_3_5");
    t.fixed_min[4] = t.fixed_max[4] = t.fixed_min[5] = false;
    t.fixed_max[5] = best_five;
    std::set<std::vector<Mask>> expected;
    for (std::size_t a = 0; a < classes.size(); ++a)
      for (std::size_t b = a + 1; b < classes.size(); ++b)
        for (std::size_t c = b + 1; c < classes.size(); ++c) {
          const std::vector<Mask> table{classes[a], classes[b], classes[c]};
          const auto tickets = expand(table, 12);
          if (covers_all(tickets, 12, 3) && row_difference(t, evaluate_rows(tickets, 12, 5)) == 0)
            expected.insert(canonical_form(table, 12));
        }
    ASSERT_GT(expected.size(), 1u);
    const int n = first_classes(t);
    ASSERT_GT(n, 2);
    for (int closest : {1 << 30, 1}) {
      std::vector<SweepResult> parts{complete_search(t, {0, n}, closest), complete_search(t, {0, 2}, closest),
                                     complete_search(t, {2, n}, closest)};
      std::vector<std::vector<Mask>> met;
      for (const auto& table : parts[0].matches) met.push_back(canonical_form(table, 12));
      std::sort(met.begin(), met.end());
      EXPECT_EQ(std::set<std::vector<Mask>>(met.begin(), met.end()), expected) << closest;
      EXPECT_EQ(parts[1].matches.size() + parts[2].matches.size(), met.size());
    }
  }
}

// Four classes of 12_3_5 with only the guarantee asked: every covering table is met up to
// relabelling, as a brute force over all sets of four classes finds, though a first class
// that a multiplier maps onto itself leaves out tables whose image the run meets.
TEST(TicketSearch, CompleteSearchOfFourClassesMeetsEveryCoveringTable) {
  Target t = target("12_3_5");
  for (int w = 2; w <= 5; ++w) t.fixed_min[w] = t.fixed_max[w] = false;
  t.c = 4;
  std::vector<Mask> classes, triples;
  for (Mask s = 0; s < 4096; ++s) {
    if (std::popcount(s) == 5 && rotation_class(s, 12) == s) classes.push_back(s);
    if (std::popcount(s) == 3 && rotation_class(s, 12) == s) triples.push_back(s);
  }
  std::vector<std::uint32_t> holds(classes.size());  // the triple classes each class holds
  for (std::size_t i = 0; i < classes.size(); ++i)
    for (Mask sub = classes[i]; sub; sub = (sub - 1) & classes[i])
      if (std::popcount(sub) == 3) {
        const auto at = std::find(triples.begin(), triples.end(), rotation_class(sub, 12));
        holds[i] |= std::uint32_t{1} << (at - triples.begin());
      }
  const std::uint32_t all = (std::uint32_t{1} << triples.size()) - 1;
  std::set<std::vector<Mask>> expected, met;
  const std::size_t n = classes.size();
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = a + 1; b < n; ++b)
      for (std::size_t c = b + 1; c < n; ++c)
        for (std::size_t d = c + 1; d < n; ++d)
          if ((holds[a] | holds[b] | holds[c] | holds[d]) == all)
            expected.insert(canonical_form({classes[a], classes[b], classes[c], classes[d]}, 12));
  ASSERT_GT(expected.size(), 100u);
  for (const auto& table : complete_search(t, {0, first_classes(t)}).matches)
    met.insert(canonical_form(table, 12));
  EXPECT_EQ(met, expected);
}

// Cut by the branches of the second ticket (at most one per class, 66), a complete search
// meets each table once (no set of classes twice): with only the guarantee asked, every
// covering table matches, and the parts together meet as many as the whole run. The same
// holds when the branches of the third ticket cut it further.
TEST(TicketSearch, CompleteSearchCutByBranches) {
  Target t = target("12_3_5");
  for (int w = 2; w <= 5; ++w) t.fixed_min[w] = t.fixed_max[w] = false;
  const int n = first_classes(t);
  std::set<std::vector<Mask>> distinct;
  const auto matches = complete_search(t, {0, n}).matches;
  for (auto table : matches) {
    std::sort(table.begin(), table.end());
    distinct.insert(table);
  }
  const std::size_t whole = matches.size();
  EXPECT_EQ(distinct.size(), whole);
  ASSERT_GT(whole, 100u);
  std::size_t parts = 0;
  for (int b = 0; b < 68; b += 4) parts += complete_search(t, {0, n, 0, b, b + 4}).matches.size();
  EXPECT_EQ(parts, whole);
  // The last addition has no branches of its own: it is sub-branch 0.
  EXPECT_EQ(complete_search(t, {0, n, 0, 0, 1 << 30, 0, 1}).matches.size(), whole);
  EXPECT_TRUE(complete_search(t, {0, n, 0, 0, 1 << 30, 1, 1 << 30}).matches.empty());

  // 13_3_5 takes three additions, so the second one branches too: cut by both, the parts
  // together meet each table of the whole run once.
  t = target("13_3_5");
  for (int w = 2; w <= 5; ++w) t.fixed_min[w] = t.fixed_max[w] = false;
  const int n13 = first_classes(t);
  std::multiset<std::vector<Mask>> all, cut;
  for (auto table : complete_search(t, {0, n13}).matches) {
    std::sort(table.begin(), table.end());
    all.insert(table);
  }
  ASSERT_GT(all.size(), 100u);
  for (int b = 0; b < 60; b += 6)
    for (int c = 0; c < 60; c += 5)
      for (auto table : complete_search(t, {0, n13, 0, b, b + 6, c, c + 5}).matches) {
        std::sort(table.begin(), table.end());
        cut.insert(table);
      }
  EXPECT_EQ(cut, all);
}

// A run stopped at a checkpoint and resumed from its path meets exactly the tables the whole
// run meets after that point; probes estimate its size. 12_4_5 takes twelve additions, so the
// paths are deep, and its near-ticket cap (n_4 = 9 on the best-case row of w = 5) is the
// highest of the catalogue.
TEST(TicketSearch, CompleteSearchGoesOnFromACheckpoint) {
  const Target t = target("12_4_5");
  struct Stop {
    std::vector<int> path;
    long long leaves;
    std::size_t matches;
  };
  std::vector<Stop> stops;
  CompleteRun run{0, 1};
  run.checkpoint_every = 499;
  run.checkpoint = [&](const std::vector<int>& path, const std::vector<int>&, const SweepResult& so_far) {
    stops.push_back({path, so_far.leaves, so_far.matches.size()});
  };
  const SweepResult whole = complete_search(t, run, 1);
  ASSERT_GE(whole.matches.size(), 2u);
  for (const auto& table : whole.matches)
    EXPECT_EQ(row_difference(t, evaluate_rows(expand(table, 12), 12, 5)), 0);
  ASSERT_GT(stops.size(), 10u);
  for (std::size_t i : {stops.size() / 5, stops.size() / 2, stops.size() - 2}) {
    const Stop& stop = stops[i];
    ASSERT_GE(stop.path.size(), 4u);
    CompleteRun resumed{0, 1};
    resumed.resume = stop.path;
    const SweepResult rest = complete_search(t, resumed, 1);
    EXPECT_EQ(rest.leaves, whole.leaves - stop.leaves);
    EXPECT_EQ(rest.matches,
              std::vector<std::vector<Mask>>(whole.matches.begin() + static_cast<long>(stop.matches),
                                             whole.matches.end()));
  }

  // Random paths size the same run: their mean estimate comes near the nodes it counted.
  CompleteRun probed{0, 1};
  probed.probes = 20000;
  const double mean = complete_search(t, probed, 1).estimate / probed.probes;
  EXPECT_NEAR(mean / static_cast<double>(whole.nodes), 1.0, 0.1) << mean << " against " << whole.nodes;
}

// 10_4_6 from two short orbits (six-sets that x -> x + 5 maps onto themselves: five
// tickets each) and two full ones: the complete search meets what a brute force over the
// pairs of full orbits meets, counting each distinct ticket once. The rows from w = 5 on
// are left free.
TEST(TicketSearch, CompleteSearchWithShortOrbits) {
  Target t = target("10_4_6");
  for (int w : {5, 6}) t.fixed_min[w] = t.fixed_max[w] = false;
  std::vector<Mask> full, short_orbits;
  for (Mask s = 0; s < 1024; ++s)
    if (std::popcount(s) == 6 && rotation_class(s, 10) == s)
      (rotate(s, 5, 10) == s ? short_orbits : full).push_back(s);
  ASSERT_EQ(short_orbits.size(), 2u);
  EXPECT_EQ(expand({short_orbits[0]}, 10).size(), 5u);
  std::set<std::vector<Mask>> expected;
  for (std::size_t a = 0; a < full.size(); ++a)
    for (std::size_t b = a + 1; b < full.size(); ++b) {
      const std::vector<Mask> table{full[a], full[b], short_orbits[0], short_orbits[1]};
      const auto tickets = expand(table, 10);
      if (covers_all(tickets, 10, 4) && row_difference(t, evaluate_rows(tickets, 10, 6)) == 0)
        expected.insert(canonical_form(table, 10));
    }
  ASSERT_FALSE(expected.empty());
  const SweepResult r = complete_search(t, {0, 1 << 30, 2});
  std::set<std::vector<Mask>> met;
  for (const auto& table : r.matches) met.insert(canonical_form(table, 10));
  EXPECT_EQ(met, expected);
}

TEST(TicketSearch, FindsTheSteinerSystemOnEleven) {
  const Target t = target("11_4_5");
  const Outcome o = search(t, 1, 10.0);
  ASSERT_TRUE(o.exact);
  ASSERT_EQ(o.bases.size(), 6u);
  EXPECT_EQ(row_difference(t, evaluate_rows(expand(o.bases, 11), 11, 5)), 0);
  // Every 4-set lies in exactly one ticket, so any three base tickets cover what the other
  // three leave with no overlap: the sweep has to find the table again from the other three.
  const SweepResult r = sweep_neighbours(t, o.bases, 3, 1);
  auto normal = [](std::vector<Mask> table) {
    for (Mask& b : table) b = rotation_class(b, 11);
    std::sort(table.begin(), table.end());
    return table;
  };
  bool again = false;
  for (const auto& table : r.matches) again |= normal(table) == normal(o.bases);
  EXPECT_TRUE(again);
}

// Annealing on the graded cost matches 13_3_5, whose best-case rows are not forced by
// the worst-case ones: a cost that left a missed row unpriced would stop short of it.
// A pair pinned to the best-case (worst-case) row of w = 2 then costs how far the number
// of tickets holding it, counted here over the tickets, is from that row's 9 (5).
TEST(TicketSearch, GradedAnnealingAndPinnedPairs) {
  const Target t = target("13_3_5");
  ASSERT_EQ(t.max[2][2] * 10 + t.min[2][2], 95);
  const Outcome o = search(t, 2, 60.0, false, "graded");
  ASSERT_TRUE(o.exact);
  EXPECT_EQ(row_difference(t, evaluate_rows(expand(o.bases, 13), 13, 5)), 0);
  EXPECT_EQ(annealing_cost(t, o.bases), 0);
  const auto tickets = expand(o.bases, 13);
  std::set<int> counts;
  for (int d = 1; d <= 6; ++d) {
    const Mask pair = Mask{1} | Mask{1} << d;
    const int n = static_cast<int>(
        std::count_if(tickets.begin(), tickets.end(), [&](Mask x) { return (x & pair) == pair; }));
    counts.insert(n);
    EXPECT_EQ(annealing_cost(t, o.bases, pair), 9 - n) << d;
    EXPECT_EQ(annealing_cost(t, o.bases, 0, pair), n - 5) << d;
  }
  EXPECT_TRUE(counts.contains(9) && counts.contains(5) && counts.size() > 2);
}

// Pinned, the depth-first search keeps to tables that put the placements on their rows.
// 13_3_5 ends with {0, 1, 2} in 4 tickets and meeting 14 more in two numbers (the
// best-case row of w = 3), counted here over the tickets. {0, 1, 10, 11} goes to itself
// under x -> x + 10, so every count of it is even and no 20_3_5 table has it in one
// ticket: even the randomised restarts have to say at once that nothing is left.
TEST(TicketSearch, PinnedDepthFirstSearch) {
  const Target t = target("13_3_5");
  const Mask triple = 0b111;
  const Outcome o = search(t, 1, 20.0, false, "exact-restarts", {}, 0, triple);
  ASSERT_TRUE(o.exact);
  int in_all = 0, in_two = 0;
  for (Mask x : expand(o.bases, 13)) {
    in_all += std::popcount(x & triple) == 3;
    in_two += std::popcount(x & triple) == 2;
  }
  EXPECT_EQ(in_all, 4);
  EXPECT_EQ(in_two, 14);
  // A second pin holds {0, 1, 2, 7} on the best-case row of w = 4 as well: in 2 tickets,
  // meeting 4 more in three numbers and 22 in two. {0, 1, 2, 3} cannot be there too.
  const Mask quad = 0b10000111;
  const Outcome both = search(t, 1, 20.0, false, "exact-restarts", {}, 0, triple, 0, quad);
  ASSERT_TRUE(both.exact);
  std::array<int, 5> meet{};
  for (Mask x : expand(both.bases, 13)) ++meet[std::popcount(x & quad)];
  EXPECT_EQ(meet[4] * 10000 + meet[3] * 100 + meet[2], 20422);
  EXPECT_FALSE(search(t, 1, 20.0, false, "exact-restarts", {}, 0, triple, 0, 0b1111).covered);
  const Outcome none = search(target("20_3_5"), 1, 20.0, false, "exact-restarts", {}, 0, 0b110000000011);
  EXPECT_FALSE(none.covered);
  EXPECT_NE(none.phase.find("exhausted"), std::string::npos) << none.phase;
}

// x -> 3x on Z_11 has order 5: of the 42 rotation classes of 5-subsets, the two
// holding the quadratic residues {1,3,4,5,9} and the non-residues stay, the other
// 40 fall into 8 orbits of 5. A table found under it is invariant; under x -> 10x
// (x -> -x) no table of the Steiner system exists, and the search says so.
TEST(TicketSearch, MultiplierSearchFindsOnlyInvariantTables) {
  EXPECT_EQ(multiplier_orbit_sizes(11, 5, 3), (std::vector<int>{0, 2, 0, 0, 0, 8}));
  const Target t = target("11_4_5");
  const Outcome o = search(t, 1, 10.0, false, "exact", {}, 3);
  ASSERT_TRUE(o.exact);
  const auto classes = [](const std::vector<Mask>& bases, int u) {
    std::set<Mask> out;
    for (Mask b : bases) {
      Mask y = 0;
      for (int p = 0; p < 11; ++p)
        if (b >> p & 1) y |= Mask{1} << (p * u % 11);
      Mask least = y;
      for (int j = 1; j < 11; ++j) least = std::min(least, rotate(y, j, 11));
      out.insert(least);
    }
    return out;
  };
  EXPECT_EQ(classes(o.bases, 3), classes(o.bases, 1));
  EXPECT_FALSE(search(t, 1, 10.0, false, "exact", {}, 10).exact);
}

// 15_4_6 is swept with the word counts of its sets fixed at compile time (classes in 6
// words). The shipped table, which the catalogue test holds to the published rows, is met
// again when any two of its base tickets are taken out and every pair of classes put back.
TEST(TicketSearch, SweepWithFixedWordCountsMeetsAKnownTable) {
  const Target t = target("15_4_6");
  std::vector<Mask> table;
  for (const auto& row : ds::find_base_tickets("15_4_6")->rows)
    table.push_back(rotation_class(from_increments({row[0], row[1], row[2], row[3], row[4], row[5]}, 6), 15));
  std::sort(table.begin(), table.end());
  const SweepResult r = sweep_neighbours(t, table, 2, 1);
  std::set<std::vector<Mask>> met;
  for (auto m : r.matches) {
    for (Mask& b : m) b = rotation_class(b, 15);
    std::sort(m.begin(), m.end());
    met.insert(m);
  }
  EXPECT_TRUE(met.contains(table));
}

// The program's copy of the published rows is the tool's list of targets.
TEST(TicketSearch, TargetsAreTheCataloguesPublishedRows) {
  const auto targets = read_targets(TICKET_SEARCH_DIR "/targets.txt");
  ASSERT_EQ(targets.size(), ds::system_catalogue().size());
  for (const Target& t : targets) {
    SCOPED_TRACE(t.id);
    const ds::SystemInfo* s = ds::find_system(t.id);
    ASSERT_TRUE(s && ds::find_published_rows(t.id));
    EXPECT_EQ(std::vector<int>({t.v, t.t, t.m, t.c}), std::vector<int>({s->v, s->t, s->m, s->c}));
    std::size_t cell = 0;
    for (int w = 2; w <= t.m; ++w)
      for (int k = 2; k <= w; ++k, ++cell) {
        EXPECT_EQ(ds::find_published_rows(t.id)->worst[cell], t.fixed_min[w] ? t.min[w][k] : -1);
        EXPECT_EQ(ds::find_published_rows(t.id)->best[cell], t.fixed_max[w] ? t.max[w][k] : -1);
      }
  }
}

// The record of where each shipped table came from counts its differing cells as the program does.
TEST(TicketSearch, ShippedTablesRecordAgreesWithTheCatalogue) {
  std::ifstream in(TICKET_SEARCH_DIR "/shipped_tables.md");
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string bar, id, bar2;
    int differing = -1;
    if (!(fields >> bar >> id >> bar2 >> differing) || !ds::find_system(id)) continue;
    ++rows;
    EXPECT_EQ(differing, ds::cells_differing_from_published(id)) << id;
  }
  EXPECT_EQ(rows, 41);
}

}  // namespace
}  // namespace ds::search
