// The exhaustive check against wheels worked out by hand (and by a separate brute-force
// script for the larger spreads).
#include "wheels/wheel_check.h"

#include <gtest/gtest.h>

#include <thread>

namespace ds {
namespace {

using Counts = std::vector<std::uint64_t>;

Wheel wheel_of(int v, std::vector<std::vector<int>> tickets) {
  Wheel w;
  w.v = v;
  w.k = static_cast<int>(tickets[0].size());
  w.tickets = std::move(tickets);
  return w;
}

// 10 numbers in parts A = 1..3, B = 4..6, C = 7..8, then 9 and 10: tickets A+B, A+C+9,
// B+C+10. With a, b, c, n9, n10 winners in the parts (summing to 6) the three tickets
// hold 2(a + b + c) + n9 + n10 = 12 - n9 - n10 >= 10 winners between them, so one holds 4.
Wheel three_ticket_wheel() {
  return wheel_of(10, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 10}});
}

TEST(WheelCheck, ThreeTicketsOnTenNumbersHold4If6) {
  const WheelCheckResult r = check_wheel(three_ticket_wheel(), 4, 6);
  ASSERT_TRUE(r.complete);
  EXPECT_TRUE(r.meets);
  EXPECT_EQ(r.hole_count, 0u);
  EXPECT_TRUE(r.holes.empty());
  ASSERT_EQ(r.rows.size(), 7u);  // w = 0..6
  const Counts expected[] = {{1},
                             {0, 10},
                             {0, 7, 38},
                             {0, 0, 62, 58},
                             {0, 0, 9, 156, 45},
                             {0, 0, 0, 72, 162, 18},
                             {0, 0, 0, 0, 135, 72, 3}};
  for (int w = 0; w <= 6; ++w) {
    EXPECT_EQ(r.rows[w].w, w);
    EXPECT_EQ(r.rows[w].cases, expected[w]) << "w = " << w;
  }
  EXPECT_EQ(r.rows[6].worst, 4);
  EXPECT_EQ(r.rows[6].best, 6);
  EXPECT_EQ(r.rows[2].worst, 1);
  EXPECT_TRUE(meets_guarantee(three_ticket_wheel(), 4, 6));
}

TEST(WheelCheck, TheSameWheelShowsItsHolesForStrongerGuarantees) {
  // 4 if 5: the 72 five-winner cases where the best ticket holds 3; the first in mask
  // order (the largest number first) is 1 4 5 7 9
  const WheelCheckResult r = check_wheel(three_ticket_wheel(), 4, 5, {}, nullptr, 0, 3);
  EXPECT_FALSE(r.meets);
  EXPECT_EQ(r.hole_count, 72u);
  ASSERT_EQ(r.holes.size(), 3u);  // capped, the count stays exact
  EXPECT_EQ(r.holes[0], (std::vector<int>{1, 4, 5, 7, 9}));
  EXPECT_EQ(r.holes[2], (std::vector<int>{3, 4, 5, 7, 9}));
  EXPECT_FALSE(meets_guarantee(three_ticket_wheel(), 4, 5));
  EXPECT_FALSE(meets_guarantee(std::vector<WheelMask>{0b0011}, 4, 1, 1));   // 3 and 4 on no ticket
  EXPECT_TRUE(meets_guarantee(std::vector<WheelMask>{0b111111}, 6, 3, 6));  // all six drawn: one ticket
  EXPECT_EQ(check_wheel(three_ticket_wheel(), 5, 6).hole_count, 135u);
}

TEST(WheelCheck, AWheelWithOneHoleShowsExactlyThatHole) {
  // pairs of 1..5: 123 145 245 134 hold every pair but 3 5
  const Wheel w = wheel_of(5, {{1, 2, 3}, {1, 4, 5}, {2, 4, 5}, {1, 3, 4}});
  const WheelCheckResult r = check_wheel(w, 2, 2);
  ASSERT_TRUE(r.complete);
  EXPECT_FALSE(r.meets);
  EXPECT_EQ(r.hole_count, 1u);
  ASSERT_EQ(r.holes.size(), 1u);
  EXPECT_EQ(r.holes[0], (std::vector<int>{3, 5}));
  ASSERT_EQ(r.rows.size(), 4u);  // w = 0..3: the ticket size
  EXPECT_EQ(r.rows[2].cases, (Counts{0, 1, 9}));
  EXPECT_EQ(r.rows[3].cases, (Counts{0, 0, 6, 4}));
  EXPECT_EQ(r.rows[3].worst, 2);
  EXPECT_EQ(r.rows[3].best, 3);
  // with 5 winners, every case is the whole set
  const WheelCheckResult all = check_wheel(w, 3, 5, {}, nullptr, 5);
  EXPECT_EQ(all.rows[5].cases, (Counts{0, 0, 0, 1, 0, 0}));
  EXPECT_TRUE(all.meets);
}

TEST(WheelCheck, RowsAgreeWithASimpleCountOnA20NumberWheel) {
  // a wheel of random tickets against a plain count over every case of 6 of 20
  std::vector<std::vector<int>> tickets;
  std::uint64_t seed = 12345;
  for (int i = 0; i < 57; ++i) {
    std::vector<int> ticket;
    while (ticket.size() < 6) {
      seed = seed * 6364136223846793005ull + 1442695040888963407ull;
      const int p = static_cast<int>(seed >> 59) % 20 + 1;
      if (std::find(ticket.begin(), ticket.end(), p) == ticket.end()) ticket.push_back(p);
    }
    std::sort(ticket.begin(), ticket.end());
    tickets.push_back(ticket);
  }
  const Wheel w = wheel_of(20, tickets);
  Counts plain(7, 0);
  std::uint64_t holes = 0;
  int c[6];
  for (c[0] = 1; c[0] <= 20; ++c[0])
    for (c[1] = c[0] + 1; c[1] <= 20; ++c[1])
      for (c[2] = c[1] + 1; c[2] <= 20; ++c[2])
        for (c[3] = c[2] + 1; c[3] <= 20; ++c[3])
          for (c[4] = c[3] + 1; c[4] <= 20; ++c[4])
            for (c[5] = c[4] + 1; c[5] <= 20; ++c[5]) {
              int best = 0;
              for (const auto& t : tickets) {
                int n = 0;
                for (int p : t) n += std::find(c, c + 6, p) != c + 6;
                best = std::max(best, n);
              }
              ++plain[best];
              holes += best < 4;
            }
  const WheelCheckResult r = check_wheel(w, 4, 6);
  EXPECT_EQ(r.rows[6].cases, plain);
  EXPECT_EQ(r.hole_count, holes);
  EXPECT_EQ(r.holes.size(), std::min<std::uint64_t>(holes, default_hole_cap));
  EXPECT_EQ(meets_guarantee(w, 4, 6), holes == 0);
  EXPECT_EQ(check_row(wheel_masks(tickets), 20, 6).cases, plain);
}

TEST(WheelCheck, ProgressCountsEveryCaseAndStopEndsEarly) {
  const Wheel w = three_ticket_wheel();
  CheckProgress progress;
  check_wheel(w, 4, 6, {}, &progress);
  // C(10, 0) + ... + C(10, 6) = 1 + 10 + 45 + 120 + 210 + 252 + 210
  EXPECT_EQ(progress.total.load(), 848u);
  EXPECT_EQ(progress.done.load(), 848u);
  std::stop_source stop;
  stop.request_stop();
  const WheelCheckResult stopped = check_wheel(w, 4, 6, stop.get_token());
  EXPECT_FALSE(stopped.complete);
  EXPECT_FALSE(stopped.meets);
}

TEST(WheelCheck, MasksAndTheWalk) {
  EXPECT_EQ(wheel_masks({{1, 3}, {63}}), (std::vector<WheelMask>{0b101, WheelMask{1} << 62}));
  EXPECT_EQ(next_same_bits(0b0111), 0b1011u);
  EXPECT_EQ(next_same_bits(0b1110), 0b10011u);
}

}  // namespace
}  // namespace ds
