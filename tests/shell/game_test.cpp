#include "shell/game.h"

#include <gtest/gtest.h>

#include "shell/app_state.h"

namespace ds {
namespace {

// A classic 6 of 49 with a bonus against a game of 5 of 69 and 1 of 26 without one;
// the chances are the published odds of their top tiers.
TEST(GameShape, RecordFitLabelsAndTheOddsOfATier) {
  LottoDefinition classic;
  classic.play_n = 49;
  classic.pick_n = 6;
  LottoDefinition ball = classic;
  ball.play_n = 69;
  ball.pick_n = 5;
  ball.bonus_n = 0;
  ball.second_pool = 26;
  ball.second_n = 1;
  EXPECT_TRUE(fits_record(classic));
  EXPECT_FALSE(fits_record(ball));
  EXPECT_EQ(tier_label(ball, {4, false, 1}), "4+1");
  EXPECT_EQ(tier_label(classic, {5, true, 0}), "5+bonus");
  EXPECT_DOUBLE_EQ(1 / tier_probability(classic, 5, true, 0), 2330636);  // 13,983,816 / 6
  EXPECT_DOUBLE_EQ(1 / tier_probability(ball, 5, false, 1), 292201338);  // C(69, 5) * 26
  EXPECT_EQ(tier_probability(ball, 5, true, 1), 0);
  EXPECT_EQ(draw_grid_columns(ball), 9);  // date, key, six main columns, the second ball
}

}  // namespace
}  // namespace ds
