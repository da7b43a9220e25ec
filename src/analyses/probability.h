#pragma once
// Counting combinations and the chance of k hits of a draw inside a set.
#include <cstdint>

namespace ds {

// Ways to choose k items out of n, as a double; 0 when n < k or k < 0.
double binomial(std::int16_t n, std::int16_t k);

// Chance that a set of K numbers, out of N playing numbers, holds exactly k of
// the n numbers a draw picks: C(n, k) * C(N - n, K - k) / C(N, K). The steps and
// their two roundings to single precision are fixed, so every caller sees the
// same bits. With N < K there is no such set: the division by C(N, K) = 0
// gives a value that is not finite, which callers must refuse.
float hypergeometric(std::int16_t N, std::int16_t n, std::int16_t K, std::int16_t k);

}  // namespace ds
