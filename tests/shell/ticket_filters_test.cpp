// Expected counts come from a python3 script that goes through every combination
// (itertools.combinations) of the game and applies each filter's definition; the
// 6/49 formulas are worked by hand.
#include "shell/ticket_filters.h"

#include <gtest/gtest.h>

namespace ds {
namespace {

TicketFilters parsed(const std::vector<const char*>& expressions, FilterGame game = {20, 5}) {
  TicketFilters f;
  for (const char* e : expressions) EXPECT_EQ(add_filter(e, game, f), "") << e;
  return f;
}

TEST(TicketFilters, ExpressionsAreReadOrRefusedWithTheFormExpected) {
  const TicketFilters f =
      parsed({"sum:40-90", " SUM : 50-100 ", "odd:3", "new", "include:7, 3", "exclude:13"});
  EXPECT_TRUE(f.sum.on);
  EXPECT_EQ(f.sum.lo, 50);  // two ranges keep what both allow
  EXPECT_EQ(f.sum.hi, 90);
  EXPECT_EQ(f.odd.lo, 3);
  EXPECT_EQ(f.odd.hi, 3);
  EXPECT_TRUE(f.new_only);
  EXPECT_EQ(f.include, (std::vector<int>{3, 7}));
  EXPECT_FALSE(f.low.on);
  const std::pair<const char*, const char*> wrong[] = {
      {"sum:200-100",
       "'sum:200-100' is no filter: the range runs from the smaller number to the larger, sum:100-200."},
      {"odd:two", "'odd:two' is no filter: give a range of whole numbers after 'odd:', such as odd:2-4."},
      {"run", "'run' is no filter: give a range of whole numbers after 'run:', such as run:2-4."},
      {"new:1", "'new:1' is no filter: 'new' takes no value."},
      {"include:21", "'include:21' is no filter: 21 is not a number of the game, which runs from 1 to 20."},
      {"exclude:",
       "'exclude:' is no filter: give numbers from 1 to 20 separated by commas, such as exclude:7,21."},
      {"include:1,2,3,4,5,6",
       "'include:1,2,3,4,5,6' is no filter: 6 numbers are included, and a ticket holds 5."},
      {"even:3",
       "'even:3' is no filter: the filters are sum:A-B, odd:A-B, low:A-B, run:A-B, decade:A-B, new, "
       "include:n,m and exclude:n,m."}};
  for (const auto& [expression, message] : wrong) {
    TicketFilters g;
    EXPECT_EQ(add_filter(expression, {20, 5}, g), message);
  }
  TicketFilters g = parsed({"exclude:4,9"});
  EXPECT_EQ(add_filter("include:9", {20, 5}, g),
            "'include:9' is no filter: 9 is both included and excluded.");
}

TEST(TicketFilters, MeasuresOfOneTicket) {
  const std::vector<int> t = {3, 9, 10, 11, 19, 20};
  EXPECT_EQ(numbers_sum(t), 72);
  EXPECT_EQ(odd_count(t), 4);
  EXPECT_EQ(low_count(t, 20), 3);  // 3, 9 and 10
  EXPECT_EQ(low_count(t, 21), 3);  // 21 / 2 rounds down to 10
  EXPECT_EQ(low_count(t, 22), 4);
  EXPECT_EQ(longest_run(t), 3);     // 9 10 11
  EXPECT_EQ(most_in_decade(t), 3);  // 10 11 19; 3 and 9 are in 1-9, 20 alone in 20-29
  EXPECT_EQ(longest_run(std::vector<int>{2, 4, 6}), 1);
  const PastDraws past = distinct_draws({{19, 3, 9, 10, 11, 20}, {1, 2, 3, 4, 5, 6}, {3, 9, 10, 11, 19, 20}});
  EXPECT_EQ(past.size(), 2u);
  EXPECT_FALSE(ticket_passes(parsed({"new"}), t, 20, past));
  EXPECT_TRUE(ticket_passes(parsed({"new"}), std::vector<int>{3, 9, 10, 11, 19, 21}, 20, past));
  EXPECT_FALSE(ticket_passes(parsed({"run:1-2"}), t, 20, {}));
  EXPECT_TRUE(ticket_passes(parsed({"decade:3", "include:9,20", "exclude:1"}), t, 20, {}));
}

TEST(TicketFilters, ExactCountsAgreeWithEnumeration) {
  const FilterGame g520{20, 5};
  const std::pair<std::vector<const char*>, std::uint64_t> cases[] = {
      {{}, 15504},
      {{"sum:40-60"}, 9586},
      {{"odd:2-3"}, 10800},
      {{"low:2-3"}, 10800},
      {{"run:1-1"}, 4368},
      {{"run:3-5"}, 2176},
      {{"decade:1-2"}, 1620},
      {{"decade:4-5"}, 3864},
      {{"run:0-0"}, 0},
      {{"sum:10-14"}, 0},
      {{"include:1,2,3,4,5"}, 1},
      {{"sum:40-60", "odd:2-3", "low:1-4", "run:1-2", "decade:2-3", "include:7", "exclude:13"}, 1162},
      {{"sum:50-100", "run:2-9", "decade:3-5", "odd:3-5"}, 2815}};
  for (const auto& [expressions, count] : cases) {
    EXPECT_EQ(count_passing(parsed(expressions), g520, {}), count) << count;
    EXPECT_EQ(count_passing(parsed(expressions), g520, {}, 0), count) << count << " (states in a hash map)";
  }
  // `new` takes off the distinct past draws that pass the rest: three of these four.
  const PastDraws past = distinct_draws(
      {{1, 2, 3, 4, 5}, {3, 7, 8, 14, 19}, {2, 7, 9, 15, 18}, {5, 7, 11, 16, 20}, {3, 7, 8, 14, 19}});
  const TicketFilters mixed =
      parsed({"sum:40-60", "odd:2-3", "low:1-4", "run:1-2", "decade:2-3", "include:7", "exclude:13", "new"});
  EXPECT_EQ(count_passing(mixed, g520, past), 1159u);
  EXPECT_EQ(count_passing(parsed({"new"}), g520, past), 15504u - 4);
  // An odd pool: 21 / 2 rounds down, so 1..10 are low.
  EXPECT_EQ(count_passing(parsed({"low:2-3", "exclude:7"}, {21, 5}), {21, 5}, {}), 10560u);
  EXPECT_EQ(count_passing(parsed({"low:4-9"}, {21, 5}), {21, 5}, {}), 2562u);
  // Seven numbers, and every walk state at once.
  EXPECT_EQ(count_passing(parsed({"sum:50-90", "odd:3-5", "low:2-5", "run:2-3", "decade:0-4"}), {20, 7}, {}),
            37408u);
  // 6/49: no two adjacent is C(44, 6); three odd is C(25, 3) C(24, 3).
  EXPECT_EQ(count_passing({}, {49, 6}, {}), 13983816u);
  EXPECT_EQ(count_passing(parsed({"run:1-1"}, {49, 6}), {49, 6}, {}), 7059052u);
  EXPECT_EQ(count_passing(parsed({"odd:3-3"}, {49, 6}), {49, 6}, {}), 4655200u);
  EXPECT_EQ(count_passing(parsed({"sum:120-180", "odd:2-4", "low:2-4", "run:1-2", "decade:1-2"}, {49, 6}),
                          {49, 6}, {}),
            4731902u);  // python3, every combination tested
  // 7/99 by hand: all C(99, 7) but the 7-odd ones C(50, 7), the 93 runs of seven and the
  // 36 + 9 x 120 sevens in one group of ten (39 of them runs); the top sum is one of those.
  EXPECT_EQ(count_passing(parsed({"sum:28-671", "odd:0-6", "run:1-6", "decade:1-6"}, {99, 7}), {99, 7}, {}),
            14887031544u - (99884400u + 93 + 1116 - 39));
}

}  // namespace
}  // namespace ds
