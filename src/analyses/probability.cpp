#include "analyses/probability.h"

#include <algorithm>

namespace ds {

double binomial(std::int16_t n, std::int16_t k) {
  if (k < 0 || n < k) return 0.0;  // no way to choose a negative count
  const int rest = n - k;
  const int m = std::min<int>(k, rest);
  const int big = std::max<int>(k, rest);
  if (m == 0) return 1.0;
  double d = 1.0;
  for (int i = 1; i <= m; ++i) d *= i;
  double p = 1.0;
  for (int i = big + 1; i <= n; ++i) p *= i;
  return p / d;
}

float hypergeometric(std::int16_t N, std::int16_t n, std::int16_t K, std::int16_t k) {
  const double a = binomial(N, K);
  const double b = binomial(n, k);
  const float r = static_cast<float>(b / a);
  const double c = binomial(static_cast<std::int16_t>(N - n), static_cast<std::int16_t>(K - k));
  return static_cast<float>(static_cast<double>(r) * c);
}

}  // namespace ds
