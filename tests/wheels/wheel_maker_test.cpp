// The maker without a window: results, reproducibility, stop and progress, the bounds,
// and the command-line runs.
#include "wheels/wheel_maker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "support/scratch.h"
#include "systems/catalogue.h"
#include "systems/wheel_command.h"

namespace ds {
namespace {

// A plain count of the m-subsets of 1..v that no ticket meets in t (v <= 20).
int plain_holes(const Wheel& w, int t, int m) {
  int holes = 0;
  for (std::uint32_t s = 0; s < (1u << w.v); ++s) {
    if (std::popcount(s) != m) continue;
    int best = 0;
    for (const auto& ticket : w.tickets) {
      int n = 0;
      for (int p : ticket) n += s >> (p - 1) & 1;
      best = std::max(best, n);
    }
    holes += best < t;
  }
  return holes;
}

MakeRequest request(int v, int k, int t, int m, std::uint64_t steps, int threads) {
  MakeRequest r;
  r.v = v;
  r.k = k;
  r.t = t;
  r.m = m;
  r.seconds = 600;
  r.steps = steps;
  r.threads = threads;
  return r;
}

TEST(WheelMaker, MakesSmallWheelsThatHold) {
  struct Case {
    int v, k, t, m, at_most;
  };
  // 10 numbers 4 if 6 in 3 tickets; 3 if 3 in the published 10 (Schönheim 7);
  // 7 numbers, pairs in triples: the Fano plane's 7 is the least possible; 17 numbers
  // 3 if 3 in fives down to Schönheim's ceil(17/5 ceil(16/4 ceil(15/3))) = 68, which
  // takes a search that weighs its moves
  for (const Case c :
       {Case{10, 6, 4, 6, 3}, Case{10, 6, 3, 3, 10}, Case{7, 3, 2, 2, 7}, Case{17, 5, 3, 3, 68}}) {
    MakeProgress progress;
    const auto wheel = make_wheel(request(c.v, c.k, c.t, c.m, 200'000, 1), {}, progress);
    ASSERT_TRUE(wheel) << c.v << " " << c.t << " if " << c.m;
    EXPECT_LE(static_cast<int>(wheel->tickets.size()), c.at_most);
    EXPECT_EQ(plain_holes(*wheel, c.t, c.m), 0);
    EXPECT_EQ(wheel->v, c.v);
    EXPECT_EQ(wheel->t, c.t);
    EXPECT_EQ(wheel->m, c.m);
    for (const auto& ticket : wheel->tickets) EXPECT_EQ(static_cast<int>(ticket.size()), c.k);
    EXPECT_TRUE(progress.done.load());
    EXPECT_EQ(progress.best_size.load(), static_cast<int>(wheel->tickets.size()));
    EXPECT_EQ(wheel->made.rfind("made by Drawsmith ", 0), 0u) << wheel->made;
    // stamped with the day it was made (in UTC: a day either side of the local date)
    const auto made_on = parse_date(wheel->made.substr(18, 10), DateFormat::iso());
    ASSERT_TRUE(made_on) << wheel->made;
    EXPECT_LE(std::abs(*made_on - today()), 1) << wheel->made;
  }
}

TEST(WheelMaker, AStepBudgetGivesTheSameWheelEveryTime) {
  // 18 numbers 3 if 3 goes through the cyclic phase first
  for (const MakeRequest& r : {request(12, 6, 3, 4, 20'000, 2), request(18, 6, 3, 3, 60'000, 2)}) {
    MakeProgress a, b;
    const auto first = make_wheel(r, {}, a);
    const auto second = make_wheel(r, {}, b);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->tickets, second->tickets);
    EXPECT_EQ(plain_holes(*first, r.t, r.m), 0);
  }
}

TEST(WheelMaker, StopKeepsTheBestCompleteWheelAndProgressMoves) {
  MakeRequest r = request(20, 6, 4, 6, 0, 2);
  r.seconds = 120;
  MakeProgress progress;
  std::stop_source stop;
  std::optional<Wheel> wheel;
  const auto start = std::chrono::steady_clock::now();
  std::jthread run([&] { wheel = make_wheel(r, stop.get_token(), progress); });
  // the greedy start completes a wheel first, then the search works one size below
  while (progress.best_size.load() == 0 &&
         std::chrono::steady_clock::now() - start < std::chrono::seconds(20))
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_GT(progress.best_size.load(), 0);
  EXPECT_GE(progress.uncovered.load(), 0);
  EXPECT_GT(progress.seconds.load(), 0.0);
  EXPECT_FALSE(progress.done.load());
  stop.request_stop();
  run.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
  ASSERT_TRUE(wheel);
  EXPECT_TRUE(progress.done.load());
  EXPECT_EQ(progress.best_size.load(), static_cast<int>(wheel->tickets.size()));
  EXPECT_EQ(plain_holes(*wheel, 4, 6), 0);
}

// Three tickets hold 4 if 6 on ten numbers: 1 2 3 4 5 6, 1 2 3 7 8 9, 4 5 6 7 8 10 (when
// the first two hold at most three of six winners, at most one winner is among 1 2 3 and
// the third ticket holds four). Started from them, one move cannot make a greedy wheel, so
// the wheel that comes back is the start itself.
TEST(WheelMaker, StartsFromTheWheelItIsGiven) {
  MakeRequest r = request(10, 6, 4, 6, 1, 1);
  r.start = {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 7, 8, 9}, {4, 5, 6, 7, 8, 10}};
  MakeProgress progress;
  const std::optional<Wheel> wheel = make_wheel(r, {}, progress);
  ASSERT_TRUE(wheel);
  EXPECT_EQ(wheel->tickets, r.start);
  r.start[2] = {4, 5, 6, 7, 8, 11};
  EXPECT_EQ(make_request_error(r),
            "Every ticket of the starting wheel must have 6 different numbers from 1 to 10.");
}

TEST(WheelMaker, RequestLimits) {
  EXPECT_EQ(make_request_error(request(20, 6, 4, 6, 0, 1)), "");
  EXPECT_EQ(make_request_error(request(30, 7, 2, 7, 0, 1)), "");  // C(30, 7) fits
  EXPECT_EQ(make_request_error(request(6, 3, 2, 6, 0, 1)), "");   // M may be the whole set
  EXPECT_EQ(make_request_error(request(5, 3, 2, 2, 0, 1)), "The set must have 6 to 48 numbers.");
  EXPECT_EQ(make_request_error(request(10, 6, 5, 4, 0, 1)),
            "T must be at least 1 and at most M and the ticket size.");
  EXPECT_EQ(make_request_error(request(10, 3, 4, 4, 0, 1)),
            "T must be at least 1 and at most M and the ticket size.");
  EXPECT_EQ(make_request_error(request(10, 6, 2, 8, 0, 1)), "M, the winners in the set, must be 1 to 7.");
  EXPECT_EQ(
      make_request_error(request(40, 6, 3, 7, 0, 1)),
      "The set is too large for that guarantee: 18643560 cases to cover, the maker handles up to 2100000.");
  MakeRequest turned = request(20, 6, 3, 3, 0, 1);
  turned.cycle = 20;  // every number turned: allowed; one alone or more than the set: not
  EXPECT_EQ(make_request_error(turned), "");
  for (int cycle : {1, 21, -1}) {
    turned.cycle = cycle;
    EXPECT_EQ(make_request_error(turned), "The numbers turned must be 2 to 20 (0: the maker's choice).");
  }
  MakeProgress progress;
  EXPECT_FALSE(make_wheel(request(5, 3, 2, 2, 0, 1), {}, progress));
  EXPECT_EQ(progress.best_size.load(), 0);  // no wheel, no size
  EXPECT_TRUE(progress.done.load());
}

TEST(WheelMaker, BoundsAndTheCatalogue) {
  // Schönheim bounds of the published table
  EXPECT_EQ(schonheim_bound(10, 6, 3), 7);
  EXPECT_EQ(schonheim_bound(10, 6, 4), 19);
  EXPECT_EQ(schonheim_bound(15, 6, 4), 93);
  EXPECT_EQ(schonheim_bound(20, 6, 4), 344);
  EXPECT_EQ(schonheim_bound(12, 5, 4), 113);
  EXPECT_EQ(schonheim_bound(6, 3, 3), 20);  // T = K: every ticket, C(6, 3)
  EXPECT_EQ(schonheim_bound(20, 5, 3), 116);
  EXPECT_EQ(schonheim_bound(6, 6, 3), 1);  // a ticket of the whole set
  EXPECT_EQ(known_bound(20, 6, 3, 6), 0);
  EXPECT_EQ(known_bound(18, 6, 3, 3), 42);
  const CatalogueMatch m = catalogue_match(20, 6, 4);
  EXPECT_EQ(m.id, "20_4_6");
  EXPECT_EQ(m.tickets, 500);
  EXPECT_EQ(catalogue_match(12, 5, 4).tickets, 156);
  EXPECT_EQ(catalogue_match(21, 6, 3).id, "");
}

TEST(WheelCommand, ParsesGuaranteesAndLists) {
  EXPECT_EQ(parse_guarantee("4-if-6"), (std::pair<int, int>{4, 6}));
  EXPECT_EQ(parse_guarantee("3 IF 3"), (std::pair<int, int>{3, 3}));
  EXPECT_EQ(parse_guarantee("2if5"), (std::pair<int, int>{2, 5}));
  EXPECT_FALSE(parse_guarantee("5-if-4"));
  EXPECT_FALSE(parse_guarantee("4-6"));
  EXPECT_FALSE(parse_guarantee("-if-6"));
  EXPECT_EQ(parse_number_list("3,7, 12"), (std::vector<int>{3, 7, 12}));
  EXPECT_FALSE(parse_number_list("3,x"));
  EXPECT_FALSE(parse_number_list(""));
}

TEST(WheelCommand, MakeThenCheckFromTheCommandLine) {
  test::ScratchFolder scratch;
  const std::string out = (scratch.path() / "w.txt").string();
  const CommandRun made = run_wheel_command({"--make-wheel", "10", "--ticket", "6", "--guarantee", "3-if-3",
                                             "--steps", "100000", "--threads", "1", "--out", out});
  EXPECT_EQ(made.exit_code, 0) << made.err;
  EXPECT_NE(made.out.find("Lower bound (Schönheim): 7 tickets"), std::string::npos) << made.out;
  EXPECT_NE(made.out.find("Catalogue system 10_3_6: 10 tickets (3 if 3)"), std::string::npos) << made.out;
  const std::string nowhere = (scratch.path() / "none" / "w.txt").string();
  EXPECT_EQ(run_wheel_command({"--make-wheel", "10", "--ticket", "6", "--guarantee", "3-if-3", "--steps",
                               "100000", "--seconds", "30", "--threads", "1", "--out", nowhere})
                .exit_code,
            1);
  const CommandRun checked = run_wheel_command({"--check-wheel", out});
  EXPECT_EQ(checked.exit_code, 0) << checked.err;
  EXPECT_NE(checked.out.find("Guarantee 3 if 3: met, no holes."), std::string::npos) << checked.out;
  // a stronger guarantee than the wheel's: holes, exit 1
  EXPECT_EQ(run_wheel_command({"--check-wheel", out, "--guarantee", "5-if-6"}).exit_code, 1);

  // the one-hole wheel, as lotto numbers of a set
  const std::string list = (scratch.path() / "list.csv").string();
  write_file_atomic(list, "a,b,c\n10,20,30\n10,40,50\n20,40,50\n10,30,40\n");
  const CommandRun holes =
      run_wheel_command({"--check-wheel", list, "--guarantee", "2-if-2", "--set", "10,20,30,40,50"});
  EXPECT_EQ(holes.exit_code, 1);
  EXPECT_NE(holes.out.find("Guarantee 2 if 2: 1 hole (cases of 2 winners where no ticket holds 2); it covers "
                           "90.0 % of the cases "
                           "of 2 winners.\n  30 50\n"),
            std::string::npos)
      << holes.out;
  EXPECT_NE(holes.out.find("      2      1     2  0 1 9\n"), std::string::npos) << holes.out;

  EXPECT_EQ(run_wheel_command({"--check-wheel", (scratch.path() / "none.txt").string()}).exit_code, 2);
  EXPECT_EQ(run_wheel_command({"--check-wheel", out, "--guarantee", "3-if-8"}).err,
            "The guarantee can ask for at most 7 winners.\n");
  EXPECT_EQ(run_wheel_command({"--check-wheel", out, "--guarantee", "3-if-11"}).exit_code, 2);
  write_file_atomic(list, "1,2,70\n");  // lotto numbers above 63 without the set
  EXPECT_EQ(run_wheel_command({"--check-wheel", list}).exit_code, 2);
  EXPECT_NE(run_wheel_command({"--check-wheel"}).err.find("'--check-wheel' needs a value."),
            std::string::npos);
  EXPECT_FALSE(parse_number_list("3,-1"));
  EXPECT_EQ(run_wheel_command({"--make-wheel", "10", "--ticket", "6", "--out", out}).exit_code, 2);
  EXPECT_EQ(
      run_wheel_command({"--make-wheel", "10", "--ticket", "6", "--guarantee", "3-if-3", "--bogus", "1"})
          .exit_code,
      2);
}

// With the keys 1 and 2 on every ticket, 3 if 3 on 8 numbers rests on 1 if 1 on the other
// six: two tickets of three of them each, disjoint (Schönheim: 2). Tickets 1 2 3 4 5 and
// 1 2 3 6 7 leave 8 alone, so the winners 1 2 8 are the one hole.
TEST(WheelCommand, KeysGoOnEveryTicketAndTheCheckStatesTheGuaranteeWithThem) {
  test::ScratchFolder scratch;
  const std::string out = (scratch.path() / "k.txt").string();
  EXPECT_EQ(run_wheel_command({"--make-wheel", "8", "--ticket", "5", "--guarantee", "3-if-3", "--keys", "2",
                               "--steps", "1000", "--threads", "1", "--out", out})
                .exit_code,
            0);
  const WheelRead read = parse_wheel_file(read_file(out).value_or(""));
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.wheel.keys, 2);
  ASSERT_EQ(read.wheel.tickets.size(), 2u);
  std::set<int> numbers;
  for (const std::vector<int>& ticket : read.wheel.tickets) {
    EXPECT_TRUE(ticket[0] == 1 && ticket[1] == 2);
    numbers.insert(ticket.begin(), ticket.end());
  }
  EXPECT_EQ(numbers.size(), 8u);
  EXPECT_NE(run_wheel_command({"--check-wheel", out})
                .out.find("Guarantee 3 if 3 when the keys 1 and 2 are among the winners: met, no holes.\n"),
            std::string::npos);
  write_file_atomic(out, "# wheel v=8 k=5 t=3 m=3 keys=2 made=by hand\n1 2 3 4 5\n1 2 3 6 7\n");
  const CommandRun holes = run_wheel_command({"--check-wheel", out});
  EXPECT_EQ(holes.exit_code, 1);
  EXPECT_NE(holes.out.find("when the keys 1 and 2 are among the winners: 1 hole (cases of 3 winners where no "
                           "ticket holds 3); it covers 83.3 % of the cases of 3 winners.\n  1 2 8\n"),
            std::string::npos)
      << holes.out;
  EXPECT_EQ(parse_wheel_file("# wheel v=8 k=5 t=3 m=3 keys=2 made=\n1 2 3 4 5\n1 3 4 5 6\n").error,
            "Line 3: a ticket without the keys 1 to 2");
  EXPECT_EQ(run_wheel_command(
                {"--make-wheel", "8", "--ticket", "5", "--guarantee", "3-if-3", "--keys", "3", "--out", out})
                .exit_code,
            2);
}

// A budget of two tickets of three on seven numbers: two triples meeting in at most one
// number hold 6 of the 21 pairs (meeting in two, 5), so 15 holes remain: 6/21, cut to 28.5 %.
TEST(WheelCommand, ABudgetWheelLeavesTheFewestHolesItCan) {
  test::ScratchFolder scratch;
  const std::string out = (scratch.path() / "b.txt").string();
  const CommandRun made =
      run_wheel_command({"--make-wheel", "7", "--ticket", "3", "--guarantee", "2-if-2", "--tickets", "2",
                         "--steps", "5000", "--threads", "1", "--out", out});
  EXPECT_EQ(made.exit_code, 0) << made.err;
  EXPECT_NE(made.out.find("Made a budget wheel of 2 tickets: 7 numbers, 3 per ticket, for 2 if 2, in "),
            std::string::npos);
  EXPECT_NE(made.out.find(": it covers 28.5 % of the cases of 2 winners (15 holes, checked exhaustively).\n"),
            std::string::npos)
      << made.out;
  EXPECT_EQ(run_wheel_command({"--check-wheel", out}).exit_code, 1);
}

}  // namespace
}  // namespace ds
