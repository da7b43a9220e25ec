#include "analyses/probability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string seven(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(v));
  return buf;
}

TEST(Probability, BinomialCountsChoices) {
  EXPECT_EQ(ds::binomial(10, 3), 120.0);
  EXPECT_EQ(ds::binomial(10, 7), 120.0);
  EXPECT_EQ(ds::binomial(6, 0), 1.0);
  EXPECT_EQ(ds::binomial(6, 6), 1.0);
  EXPECT_EQ(ds::binomial(5, 6), 0.0);
  EXPECT_EQ(ds::binomial(49, 6), 13983816.0);
  EXPECT_NEAR(ds::binomial(90, 45) / 1.0382742128755341e26, 1.0, 1e-12);
  EXPECT_EQ(ds::binomial(6, -1), 0.0);
}

TEST(Probability, HypergeometricGivesTheSixFortyNineChancesOfATenNumberSet) {
  const char* expected[] = {"0.2333142",  "0.4117309",    "0.2646842",   "0.07842495",
                            "0.01112786", "0.0007028125", "1.501736e-05"};
  float sum = 0;
  for (std::int16_t k = 0; k <= 6; ++k) {
    const float h = ds::hypergeometric(49, 6, 10, k);
    EXPECT_EQ(seven(h), expected[k]) << "k = " << k;
    sum += h;
  }
  EXPECT_NEAR(sum, 1.0f, 1e-6f);
  EXPECT_EQ(ds::hypergeometric(49, 6, 10, 7), 0.0f);
  // A set larger than the lotto cannot exist: the caller gets no finite chance.
  EXPECT_FALSE(std::isfinite(ds::hypergeometric(8, 6, 10, 3)));
}

}  // namespace
