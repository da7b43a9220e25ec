#include "shell/game.h"

#include <gtest/gtest.h>

#include "shell/app_state.h"
#include "support/scratch.h"

namespace ds {
namespace {

using test::game_shape;

TEST(Game, TierChancesMatchExactFractionsWorkedApart) {
  // 5 of 69 and 1 of 26, no bonus: fractions from a separate script (Python,
  // fractions.Fraction), the table of the help page profit.htm.
  const LottoDefinition pb = game_shape(69, 5, 0, 26, 1);
  const struct {
    int main, second;
    double chance;
  } rows[] = {{5, 1, 1.0 / 292201338},    {5, 0, 25.0 / 292201338},    {4, 1, 160.0 / 146100669},
              {4, 0, 4000.0 / 146100669}, {3, 1, 3360.0 / 48700223},   {3, 0, 84000.0 / 48700223},
              {2, 1, 69440.0 / 48700223}, {1, 1, 529480.0 / 48700223}, {0, 1, 1270752.0 / 48700223}};
  for (const auto& r : rows)
    EXPECT_NEAR(tier_probability(pb, r.main, false, r.second) / r.chance, 1.0, 1e-12)
        << r.main << "+" << r.second;
  EXPECT_EQ(tier_probability(pb, 3, true, 1), 0);  // no bonus is drawn

  // 7 of 50 with a bonus, by hand (C(50,7) = 99884400; 43 numbers are not drawn):
  // 6+bonus C(7,6)C(43,1)/C(50,7) x 1/43 = 7/99884400; 6 the same x 42/43 = 294/99884400;
  // 3+bonus C(7,3)C(43,4)/C(50,7) x 4/43 = 35 x 123410 x 4/43 / 99884400 = 401800/99884400.
  const LottoDefinition max = game_shape(50, 7, 1, 0, 0);
  EXPECT_NEAR(tier_probability(max, 6, true, 0) * 99884400 / 7, 1.0, 1e-12);
  EXPECT_NEAR(tier_probability(max, 6, false, 0) * 99884400 / 294, 1.0, 1e-12);
  EXPECT_NEAR(tier_probability(max, 3, true, 0) * 99884400 / 401800, 1.0, 1e-12);
  EXPECT_EQ(tier_probability(max, 7, true, 0), 0);  // all seven matched: the bonus cannot be on the play
}

TEST(Game, SecondPoolPicksAndThePlaysTheyMake) {
  const LottoDefinition em = game_shape(50, 5, 0, 12, 2);
  const SecondPicks p = parse_second_picks(" 9, 2 11 ", em);
  ASSERT_TRUE(p.ok) << p.message;
  EXPECT_EQ(p.numbers, (std::vector<int>{2, 9, 11}));
  EXPECT_EQ(second_subsets(p.numbers, 2), (std::vector<std::vector<int>>{{2, 9}, {2, 11}, {9, 11}}));
  EXPECT_EQ(second_subsets({4, 19}, 1), (std::vector<std::vector<int>>{{4}, {19}}));
  EXPECT_EQ(plays_per_ticket(em, 4), 6);
  EXPECT_EQ(plays_per_ticket(game_shape(49, 6, 1, 0, 0), 0), 1);
  const std::pair<const char*, const char*> refused[] = {
      {"2 13", "\"13\" is not a second-pool number: the numbers run from 1 to 12."},
      {"x", "\"x\" is not a second-pool number: the numbers run from 1 to 12."},
      {"2 7 2", "The second-pool number 2 is typed twice."},
      {"5", "Type at least 2 second-pool numbers (1 to 12) to play with the tickets."}};
  for (const auto& [text, message] : refused) EXPECT_EQ(parse_second_picks(text, em).message, message);
}

// The classic 6 of 49: 5 and the bonus is one play in 13,983,816 / 6.
TEST(Game, ClassicFiveAndTheBonus) {
  const LottoDefinition classic = game_shape(49, 6, 1, 0, 0);
  EXPECT_TRUE(fits_record(classic));
  EXPECT_EQ(tier_label(classic, {5, true, 0}), "5+bonus");
  EXPECT_DOUBLE_EQ(1 / tier_probability(classic, 5, true, 0), 2330636);
}

}  // namespace
}  // namespace ds
