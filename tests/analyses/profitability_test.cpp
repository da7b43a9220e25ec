#include <gtest/gtest.h>

#include "analyses/probability.h"
#include "analyses/profitability.h"

namespace {

// Average tickets of 10_3_6 with k matches when w winning numbers lie in the
// set: each of its 10 tickets holds 6 of the 10 numbers.
ds::ResultsAvg averages_10_3_6() {
  ds::ResultsAvg a{};
  for (std::int16_t w = 0; w <= 6; ++w)
    for (std::int16_t k = 0; k <= 6; ++k)
      a[w][k] = static_cast<float>(10 * ds::binomial(6, k) * ds::binomial(4, static_cast<std::int16_t>(w - k)) /
                                   ds::binomial(10, w));
  return a;
}

class ProfitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ds::fill_catalogue(m);
    in.lotto_name = "Canada_6_49";
    in.system_id = "10_3_6";
    in.prizes = {"0", "0", "10", "0", "54.5", "0", "1500", "100000", "1000000", "0"};
    in.fa.fill("1");
    in.clevel = "95";
    in.play_n = 49;
    in.pick_n = 6;
    in.tset_size = 10;
    in.ticket_count = 1;
    in.cost = 2;
    in.results_avg = averages_10_3_6();
  }
  double profit(const ds::ProfitOutcome& o) { return std::stod(*o.profitability); }
  ds::MessageCatalogue m;
  ds::ProfitInput in;
};

TEST_F(ProfitTest, WorkedExample) {
  const auto out = ds::calculate_avrprofitability(in, m);
  EXPECT_TRUE(out.message.empty());
  EXPECT_EQ(out.lotto_label, "Canada_6_49");
  EXPECT_EQ(out.system_label, "10_3_6");
  EXPECT_NEAR(profit(out), -0.45594, 5e-5);
  EXPECT_EQ(out.times, "199483");

  in.clevel = "99";
  const auto times99 = ds::how_long_to_play(in, m);
  EXPECT_TRUE(times99.message.empty());
  EXPECT_FALSE(times99.profitability);
  EXPECT_NE(times99.times, out.times);
  EXPECT_EQ(*ds::calculate_avrprofitability(in, m).profitability, *out.profitability);
}

TEST_F(ProfitTest, PrizesCostAndAbilities) {
  auto zero = in;
  zero.prizes.fill("0");
  const auto out = ds::calculate_avrprofitability(zero, m);
  EXPECT_EQ(*out.profitability, "-1");
  // Nothing pays: the top class is 0, whose chance is H(0).
  EXPECT_EQ(out.times, "11");

  auto free = in;
  free.cost = 0;
  EXPECT_NEAR(profit(ds::calculate_avrprofitability(free, m)), 2 * 0.54406 - 1, 1e-4);

  // A class-6 ability of 2 doubles p and roughly halves the times; 0.5 changes nothing.
  auto better = in;
  better.fa[8] = "2";
  EXPECT_NEAR(std::stod(*ds::how_long_to_play(better, m).times), 199483 / 2.0, 2);
  better.fa[8] = "0.5";
  EXPECT_EQ(ds::how_long_to_play(better, m).times, "199483");
  // An empty ability cell counts as 1 for its own class only.
  auto gap = in;
  gap.fa[0] = "";
  gap.fa[4] = "3";
  auto filled = in;
  filled.fa[4] = "3";
  EXPECT_EQ(ds::calculate_avrprofitability(gap, m).profitability,
            ds::calculate_avrprofitability(filled, m).profitability);
  EXPECT_NE(ds::calculate_avrprofitability(in, m).profitability,
            ds::calculate_avrprofitability(filled, m).profitability);
  // With 2 the top class, its ability corrects the times as for the others.
  auto two = in;
  two.prizes = {"3", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
  const auto plain = std::stod(*ds::how_long_to_play(two, m).times);
  two.fa[0] = "1.5";
  EXPECT_LT(std::stod(*ds::how_long_to_play(two, m).times), plain);
}

TEST_F(ProfitTest, FailuresNameTheBoxAndNeverShowNonsense) {
  auto no_lotto = in;
  no_lotto.lotto_name.clear();
  auto out = ds::calculate_avrprofitability(no_lotto, m);
  EXPECT_EQ(out.message, m.select_lotto);
  EXPECT_EQ(out.show, ds::WindowToShow::lotto);
  auto no_system = in;
  no_system.system_id.clear();
  out = ds::calculate_avrprofitability(no_system, m);
  EXPECT_EQ(out.show, ds::WindowToShow::system);
  EXPECT_EQ(out.lotto_label, "Canada_6_49");

  auto bad = in;
  bad.prizes[4] = "x";  // txtP4
  out = ds::calculate_avrprofitability(bad, m);
  EXPECT_EQ(out.message, "Sorry, the data is not correct.");
  EXPECT_EQ(out.focus_prize, 4);
  EXPECT_FALSE(out.profitability);
  EXPECT_FALSE(out.times);
  EXPECT_EQ(ds::how_long_to_play(bad, m).message, m.data_not_correct);

  auto no_tickets = in;
  no_tickets.ticket_count = 0;
  out = ds::calculate_avrprofitability(no_tickets, m);
  EXPECT_EQ(out.focus_prize, 9);
  EXPECT_FALSE(out.profitability);

  auto bad_fa = in;
  bad_fa.fa[3] = "abc";
  EXPECT_EQ(ds::calculate_avrprofitability(bad_fa, m).focus_prize, 9);

  // A confidence of 100 or more, or below anything, gives no times; the
  // profitability is already written.
  for (const char* c : {"100", "150", "0", "-5", "x", ""}) {
    auto conf = in;
    conf.clevel = c;
    out = ds::calculate_avrprofitability(conf, m);
    EXPECT_EQ(out.message, m.data_not_correct) << c;
    EXPECT_TRUE(out.profitability);
    EXPECT_FALSE(out.times) << c;
    EXPECT_FALSE(ds::how_long_to_play(conf, m).times) << c;
  }
  // An ability that lifts p to 1 or beyond leaves no logarithm.
  auto certain = in;
  certain.fa[8] = "1000000";
  EXPECT_EQ(ds::how_long_to_play(certain, m).message, m.data_not_correct);
  // No lotto at all: H(0) is 1, which asks for a lotto.
  auto empty = in;
  empty.play_n = empty.pick_n = empty.tset_size = 0;
  empty.prizes.fill("0");
  EXPECT_EQ(ds::how_long_to_play(empty, m).message, m.select_lotto);
}

TEST(ProfitGrid, CopyNeedsTheTenResultRows) {
  ds::TextGrid mine;
  ds::reset_profit_fa_grid(mine);
  ds::TextGrid source(2, 2);
  EXPECT_FALSE(ds::copy_fa_rows(&source, mine));
  EXPECT_FALSE(ds::copy_fa_rows(nullptr, mine));
  source.set_rows(11);
  source.set_cell(0, 1, "Forecasting Abilities");
  source.set_cell(9, 0, "6");
  source.set_cell(9, 1, "2.5");
  ASSERT_TRUE(ds::copy_fa_rows(&source, mine));
  EXPECT_EQ(mine.cell(0, 1), "FA");
  EXPECT_EQ(mine.cell(9, 1), "2.5");
  EXPECT_EQ(ds::fa_column(mine)[8], "2.5");
}

}  // namespace
