#include "analyses/profitability.h"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

#include "analyses/forecasting.h"
#include "lotto/lotto_files.h"
#include "support/scratch.h"
#include "systems/catalogue.h"
#include "systems/system_handlers.h"

namespace {

using ds::test::ScratchFolder;

struct Sources {
  ds::TextGrid draws, sets;
};

// The shipped samples, run as a user runs them: Forecasting Abilities over
// 2025-01-01..2025-11-19, then Average Profitability of 10_3_6 at 95 % with those
// abilities and the shipped game. The figures were worked out apart from the program,
// in exact fractions: 50 draws meet 50 set rows; 4 hits happened twice where
// 50 * C(6,4) C(43,6) / C(49,10) were expected (ratio 3.5946), every other level at or
// below chance; the expected return per unit is 0.7357808 (0.821867 if the abilities of
// the plain and bonus classes were swapped); ln 0.05 / ln(1 - C(43,4) / C(49,10)) is
// 199483.1, so 199484 draws reach 95 % (times are rounded up).
class ProfitabilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScratchFolder dir;
    dir.put("Canada_6_49", "draws.txt", ScratchFolder::sample("d1"));
    ASSERT_EQ(ds::read_draws(dir.games(), "Canada_6_49", env.draws, iso).message, "");
    env.sets = ds::TextGrid(1, 11);
    std::istringstream lines(ScratchFolder::sample("d2"));
    for (std::string line; std::getline(lines, line);) {
      std::istringstream fields(line);
      const int r = env.sets.append_row();
      for (int c = 0; c <= 10; ++c) {
        std::string f;
        fields >> f;
        env.sets.set_cell(r, c, f);
      }
    }
    const auto game = ds::decode_definition(ScratchFolder::sample("d1a"));
    ASSERT_TRUE(game);
    const float prizes[] = {game->prize_2,  game->prize_2b, game->prize_3,  game->prize_3b, game->prize_4,
                            game->prize_4b, game->prize_5,  game->prize_5b, game->prize_6,  game->prize_6b};
    for (int i = 0; i < 10; ++i) in.prizes[i] = ds::format_single(prizes[i], in.number_format);
    in.lotto_name = "Canada_6_49";
    in.system_id = "10_3_6";
    in.clevel = "95";
    in.play_n = game->play_n;
    in.pick_n = game->pick_n;
    in.tset_size = 10;
    in.cost = game->cost;
    ds::TicketTable tickets;
    ASSERT_TRUE(ds::load_tickets("10_3_6", in.ticket_count, tickets));
    ds::ResultsCount worst, best;
    ds::load_results("10_3_6", in.results_avg, worst, best);
  }
  ds::DateFormat iso = ds::DateFormat::iso();
  Sources env;
  ds::ProfitabilityInput in;
};

TEST_F(ProfitabilityTest, ShippedSamplesFromForecastingToProfitability) {
  const ds::FaInput fa_in{"2025-01-01", "2025-11-19", "Canada_6_49", 49, 6, "Forecaster1", 10, iso, {}};
  ds::FaModel fa_model;
  const ds::TextGrid& fa_grid = fa_model.grid;
  ds::FaTable table{};
  const auto fa = ds::calculate_fa(fa_model, fa_in, {&env.draws, &env.sets}, table);
  EXPECT_EQ(fa.message, "");
  EXPECT_EQ(fa.counts.matched_rows, 50);
  EXPECT_EQ(fa.counts.hits[4][0], 2);
  EXPECT_EQ(fa.counts.hits[2][0], 12);
  EXPECT_EQ(fa.counts.hits[3][1], 1);
  ds::TextGrid mine;
  ds::reset_profitability_fa_grid(mine);
  ASSERT_TRUE(ds::copy_fa_rows(&fa_grid, mine));
  in.fa = ds::fa_column(mine);
  EXPECT_EQ(in.fa, (std::array<std::string, 10>{"1", "1", "1", "1", "3.59", "1", "1", "1", "1", "1"}));
  EXPECT_EQ(mine.cell(5, 0), "4");
  EXPECT_EQ(mine.cell(0, 0), "Prizes");

  auto out = ds::calculate_avrprofitability(in);
  EXPECT_EQ(out.message, "");
  EXPECT_EQ(out.lotto_label, "Canada_6_49");
  EXPECT_EQ(out.system_label, "10_3_6");
  EXPECT_EQ(out.profitability, "-0.2642192");
  EXPECT_EQ(out.times, "199484");
  // Free play: the return is not divided by the cost of 3.
  in.cost = 0;
  const auto free = ds::calculate_avrprofitability(in).profitability;
  ASSERT_TRUE(free);
  EXPECT_NEAR(std::stod(*free), 1.207342, 2e-6);
  // The times alone at 99 %: ln 0.01 / ln(1 - p) = 306654.1, up to 306655; the profitability is left alone.
  in.clevel = "99";
  out = ds::how_long_to_play(in);
  EXPECT_EQ(out.message, "");
  EXPECT_EQ(out.times, "306655");
  EXPECT_FALSE(out.profitability);
}

// The toolkit sets the C library's locale from the region at start; under a French one
// printf writes "0,5" and strtod stops at ".". No figure may follow it.
TEST_F(ProfitabilityTest, FiguresIgnoreACommaCLocale) {
  struct Restore {
    ~Restore() { std::setlocale(LC_ALL, "C"); }
  } restore;
  const char* french = nullptr;
  for (const char* name : {"fr_CA.UTF-8", "fr_FR.UTF-8", "French_Canada.1252"})
    if (!french) french = std::setlocale(LC_ALL, name);
  ASSERT_TRUE(french) << "no French locale is installed (scripts/run-tests generates fr_CA.UTF-8)";
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  const ds::NumberFormat dot, comma{','};
  EXPECT_EQ(ds::system_cost_text(44, 3, dot), "132");
  EXPECT_EQ(ds::system_cost_text(3300, 2, dot), "6600");
  EXPECT_EQ(ds::format_single(0.3802f, dot), "0.3802");
  EXPECT_EQ(ds::format_single(0.3802f, comma), "0,3802");
  EXPECT_EQ(ds::format_single_exact(12345678, comma), "12345678");
  EXPECT_EQ(ds::format_general(-1250.25, comma), "-1250,25");
  EXPECT_EQ(ds::format_fixed(0.06, 1), "0.1");
  EXPECT_EQ(ds::parse_single("1.5e-50", dot), 0.0f);
  EXPECT_EQ(ds::parse_single("-1e-400", dot), 0.0f);  // beyond double precision as well
  EXPECT_EQ(ds::parse_single("1e400", dot), std::nullopt);
  // The worked example: 10_3_6 on 10 numbers of a 6/49, P(3) 10, P(4) 54.5, P(5) 1500,
  // Pb(5) 100000, P(6) 1000000, a cost of 2, every ability 1: -0.45594 per unit.
  const float prizes[] = {0, 0, 10, 0, 54.5f, 0, 1500, 100000, 1000000, 0};
  for (int i = 0; i < 10; ++i) in.prizes[i] = ds::format_single(prizes[i], dot);
  in.cost = 2;
  const auto out = ds::calculate_avrprofitability(in);
  EXPECT_EQ(out.message, "");
  EXPECT_NEAR(ds::parse_plain_double(out.profitability.value_or("")).value_or(0), -0.45594, 5e-6);
  EXPECT_EQ(out.times, "199484");
}

TEST_F(ProfitabilityTest, TheAbilityOfTheTopClassShortensTheTimes) {
  in.fa.fill("1");
  struct Case {
    std::array<std::string, 10> prizes;
    int ability_box;
    const char* ability;
    const char* times;
  } cases[] = {
      {in.prizes, 8, "2", "99741"},     // p doubles: ln 0.05 / ln(1 - 2 p) = 99740.8
      {in.prizes, 8, "0.5", "199484"},  // an ability below 1 does not lower p
      {in.prizes, 8, "", "199484"},     // an empty cell counts as 1
      // p = 2.7374 H(6) = 4.110852e-5 in single precision: 72872.26 draws; 72872 reach
      // 94.99995 %, 72873 reach 95.00002 %
      {in.prizes, 8, "2.7374", "72873"},
      // class 2 is the top paying class: p = H(2) = 0.2646842, then 1.5 H(2)
      {{"3", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, 0, "1", "10"},
      {{"3", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, 0, "1.5", "6"},
      {{"0", "5", "0", "0", "0", "0", "0", "0", "0", "0"}, 0, "1", "10"},  // 2 pays with the bonus alone
      // nothing pays: the top class is 0, whose chance is H(0) = 0.2333142: 11.28 draws
      {{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, 0, "1", "12"},
  };
  for (const Case& c : cases) {
    auto x = in;
    x.prizes = c.prizes;
    x.fa[c.ability_box] = c.ability;
    EXPECT_EQ(ds::how_long_to_play(x).times, c.times) << c.ability_box << " " << c.ability;
    EXPECT_EQ(ds::calculate_avrprofitability(x).times, c.times) << c.ability_box << " " << c.ability;
  }
  in.prizes.fill("0");
  EXPECT_EQ(ds::calculate_avrprofitability(in).profitability, "-1");
}

TEST_F(ProfitabilityTest, FailuresNameTheBoxAndNeverShowNonsense) {
  using ds::ProfitabilityInput;
  using Show = ds::WindowId;
  const char* const no = "Sorry, the data is not correct.";
  const struct {
    void (*edit)(ProfitabilityInput&);
    const char* message;
    int focus;
    Show show;
    bool profitability;  // written before the failure
  } cases[] = {
      {[](ProfitabilityInput& x) { x.lotto_name.clear(); }, "Please select a Lotto", -1, Show::lotto, false},
      {[](ProfitabilityInput& x) { x.system_id.clear(); }, "Please select", -1, Show::system, false},
      {[](ProfitabilityInput& x) { x.prizes[4] = "x"; }, no, 4, Show::none, false},
      {[](ProfitabilityInput& x) { x.prizes[7] = "1,5"; }, no, 7, Show::none, false},
      {[](ProfitabilityInput& x) { x.ticket_count = 0; }, no, 9, Show::none, false},
      {[](ProfitabilityInput& x) { x.fa[3] = "abc"; }, no, 9, Show::none, false},
      {[](ProfitabilityInput& x) { x.play_n = 8; }, no, 9, Show::none, false},
      // a confidence of 100 or more, or below anything, gives no times
      {[](ProfitabilityInput& x) { x.clevel = "100"; }, no, 9, Show::none, true},
      {[](ProfitabilityInput& x) { x.clevel = "0"; }, no, 9, Show::none, true},
      {[](ProfitabilityInput& x) { x.clevel = ""; }, no, 9, Show::none, true},
      // an ability that lifts p to 1 or beyond leaves no logarithm
      {[](ProfitabilityInput& x) { x.fa[8] = "1000000"; }, no, 9, Show::none, true},
  };
  for (const auto& c : cases) {
    auto x = in;
    c.edit(x);
    const auto out = ds::calculate_avrprofitability(x);
    EXPECT_EQ(out.message.english().substr(0, std::string(c.message).size()), c.message) << out.message;
    EXPECT_EQ(static_cast<int>(out.focus) - 1, c.focus) << c.message;  // box i follows `none`
    EXPECT_EQ(out.show, c.show) << c.message;
    EXPECT_EQ(out.profitability.has_value(), c.profitability) << c.message;
    EXPECT_FALSE(out.times) << c.message;
  }
  // No lotto at all: H(0) is 1, which asks for a lotto.
  auto x = in;
  x.play_n = x.pick_n = x.tset_size = 0;
  x.prizes.fill("0");
  EXPECT_EQ(ds::how_long_to_play(x).message, "Please select a Lotto in the 'Lotto' window.");
  in.clevel = "150";
  EXPECT_EQ(ds::how_long_to_play(in).message, no);
}

TEST(ProfitabilityGrid, CopyNeedsTheTenResultRows) {
  ds::TextGrid mine;
  ds::reset_profitability_fa_grid(mine);
  ds::TextGrid source(2, 2);
  EXPECT_FALSE(ds::copy_fa_rows(&source, mine));
  EXPECT_FALSE(ds::copy_fa_rows(nullptr, mine));
  source.set_rows(11);
  source.set_cell(9, 1, "2.5");
  ASSERT_TRUE(ds::copy_fa_rows(&source, mine));
  EXPECT_EQ(mine.cell(0, 1), "FA");
  EXPECT_EQ(ds::fa_column(mine)[8], "2.5");
}

}  // namespace

TEST(ProfitabilityGeneralGame, ExpectedPrizeIsEveryTierChanceTimesItsPayout) {
  // Worked apart in exact fractions (Python): 5 of 69 + 1 of 26 with the payouts
  // below, 18911008/48700223 = 0.3883146 a play; at 2 a play the profitability is
  // -0.8058427. 7 of 50 with a bonus and no 3+bonus tier (paid as 3):
  // 116749/249711 = 0.4675365 a play, -0.9064927 at 5. Neither depends on the set
  // or on how many second-pool numbers are picked.
  ds::ProfitabilityInput in;
  in.general = true;
  in.lotto_name = "Power";
  in.system_id = "11_3_5";
  in.clevel = "95";
  in.lotto = ds::test::powerball_game();
  in.tier_prizes = {"20000000", "1000000", "50000", "100", "100", "7", "7", "4", "4"};
  in.cost = 2;
  in.tset_size = 11;
  in.second_picks = 3;
  EXPECT_EQ(ds::calculate_avrprofitability(in).profitability, "-0.8058427");
  const std::vector<double> pb = {20000000, 1000000, 50000, 100, 100, 7, 7, 4, 4};
  for (const auto& [v, picks] : {std::pair{5, 1}, std::pair{20, 7}})
    EXPECT_NEAR(ds::expected_play_prize(in.lotto, v, picks, pb, {}, {}) * 48700223 / 18911008, 1.0, 1e-12);
  in.tier_prizes[3] = "x";
  const auto failed = ds::calculate_avrprofitability(in);
  EXPECT_EQ(failed.message, "Sorry, the data is not correct.");
  EXPECT_EQ(failed.tier_focus, 3);

  ds::LottoDefinition max = ds::test::game_shape(50, 7, 1, 0, 0);
  max.tiers = {{7, false, 0, 10000000}, {6, true, 0, 200000}, {6, false, 0, 5000}, {5, true, 0, 1000},
               {5, false, 0, 100},      {4, true, 0, 50},     {4, false, 0, 20},   {3, false, 0, 5}};
  const std::vector<double> pays = {10000000, 200000, 5000, 1000, 100, 50, 20, 5};
  EXPECT_NEAR(ds::expected_play_prize(max, 12, 0, pays, {}, {}) * 249711 / 116749, 1.0, 1e-12);
}

TEST(ProfitabilityGeneralGame, PrizeBoxesAreLaidOutOnceTheAbilitiesAreCopied) {
  ds::AppState s = ds::test::fresh_state();
  s.lotto_name = "Power";
  s.lotto = ds::test::powerball_game();
  ds::ProfitabilityModel model;
  auto out = ds::open_profitability(model, {}, s, nullptr);  // no abilities yet: asked for, nothing laid out
  EXPECT_FALSE(out.message.empty() || out.fa_copied || out.prizes);
  ds::TextGrid fa(2, 2);
  fa.set_cell(1, 0, "2");
  out = ds::refresh_profitability(model, {}, s, &fa);
  ASSERT_TRUE(out.fa_copied && out.prizes);
  EXPECT_EQ(out.prizes->tier_labels.size(), 9u);
}
