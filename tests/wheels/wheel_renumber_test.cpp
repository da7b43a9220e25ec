// Renumbering a wheel for filters, against figures of a separate brute-force script: the
// 12-ticket greedy wheel "4 if 4" on 9 positions below, the set 4 9 13 18 22 27 31 38 45
// and sum:120-160, odd:3-3, decade:1-2. Of the 9! numberings, 864 make 7 tickets pass and
// none more; the set's own order makes 2 pass (the 7th and 8th tickets), and those two
// leave 96 of the 126 cases of 4 winners without a ticket holding all 4.
#include "wheels/wheel_renumber.h"

#include <gtest/gtest.h>

namespace ds {
namespace {

RenumberRequest nine_number_request() {
  RenumberRequest r;
  r.wheel.v = 9;
  r.wheel.k = 6;
  r.wheel.t = r.wheel.m = 4;
  r.wheel.tickets = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 9}, {1, 2, 4, 5, 7, 8},
                     {1, 3, 4, 6, 7, 9}, {2, 3, 5, 6, 8, 9}, {1, 2, 4, 6, 8, 9}, {1, 3, 5, 6, 7, 8},
                     {2, 3, 4, 5, 7, 9}, {1, 2, 5, 6, 7, 9}, {1, 3, 4, 5, 8, 9}, {2, 3, 4, 6, 7, 8}};
  r.set = {4, 9, 13, 18, 22, 27, 31, 38, 45};
  r.game = {49, 6};
  for (const char* f : {"sum:120-160", "odd:3-3", "decade:1-2"})
    EXPECT_EQ(add_filter(f, r.game, r.filters), "");
  r.seconds = 0;
  r.threads = 2;
  return r;
}

TEST(WheelRenumber, ExhaustiveAndAnnealingReachTheBestCount) {
  RenumberRequest request = nine_number_request();
  RenumberProgress progress;
  const RenumberResult exact = renumber_for_filters(request, {}, progress);
  EXPECT_TRUE(exact.complete);
  EXPECT_TRUE(exact.exact);
  EXPECT_EQ(exact.identity_passing, 2);
  EXPECT_EQ(exact.passing, 7);
  EXPECT_EQ(progress.done.load(), 362880u);

  request.exhaustive_v = 0;  // the same wheel by the annealing
  request.restarts = 6;
  RenumberProgress p1, p2;
  const RenumberResult a = renumber_for_filters(request, {}, p1);
  request.threads = 1;
  const RenumberResult b = renumber_for_filters(request, {}, p2);
  EXPECT_FALSE(a.exact);
  EXPECT_EQ(a.passing, 7);
  EXPECT_EQ(a.numbers, b.numbers);  // one seed, one result, whatever the threads
}

TEST(WheelRenumber, PlayingOnlyThePassingTicketsStatesWhatIsLeft) {
  const RenumberRequest r = nine_number_request();
  std::vector<bool> passes(12, false);
  passes[6] = passes[7] = true;
  const KeptGuarantee kept = kept_guarantee(r.wheel, passes, r.set);
  EXPECT_TRUE(kept.complete);
  EXPECT_EQ(kept.holes, 96u);
  EXPECT_EQ(kept.cases, 126u);
  EXPECT_EQ(kept.text, "4 if 4 on 23.8 % of the cases");  // 30 / 126 = 23.809...
  EXPECT_EQ(kept_guarantee(r.wheel, std::vector<bool>(12, true), r.set).text, "4 if 4");
  EXPECT_EQ(kept_guarantee(r.wheel, std::vector<bool>(12, false), r.set).text,
            "no guarantee: no ticket passes");
  const int keys[] = {7, 12};
  EXPECT_EQ(kept_guarantee_text(4, 6, 1, 1000, 3, keys),
            "4 if 6 on 99.9 % of the cases when the keys 7 and 12 are among the winners");
}

}  // namespace
}  // namespace ds
