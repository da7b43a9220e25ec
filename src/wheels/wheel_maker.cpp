#include "wheels/wheel_maker.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

#include "shell/numbers.h"
#include "wheels/wheel_check.h"

namespace ds {

namespace {

using Clock = std::chrono::steady_clock;

// xoshiro256** seeded through splitmix64: the same seed gives the same moves anywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) {
    for (auto& s : s_) {
      seed += 0x9E3779B97F4A7C15ull;
      std::uint64_t z = seed;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      s = z ^ (z >> 31);
    }
  }
  std::uint64_t next() {
    const std::uint64_t result = std::rotl(s_[1] * 5, 7) * 9, t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = std::rotl(s_[3], 45);
    return result;
  }
  // uniform in 0..n-1 (n >= 1)
  std::uint32_t below(std::uint32_t n) {
    return static_cast<std::uint32_t>((static_cast<unsigned __int128>(next() >> 32) * n) >> 32);
  }
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

 private:
  std::array<std::uint64_t, 4> s_{};
};

// The r-subsets of the positions listed in `elems`, as masks, passed to f.
template <class F>
void for_each_subset(const int* elems, int s, int r, F&& f) {
  if (r > s || r < 0) return;
  if (r == 0) {
    f(WheelMask{0});
    return;
  }
  int idx[16];
  for (int i = 0; i < r; ++i) idx[i] = i;
  while (true) {
    WheelMask x = 0;
    for (int i = 0; i < r; ++i) x |= WheelMask{1} << elems[idx[i]];
    f(x);
    int i = r - 1;
    while (i >= 0 && idx[i] == s - r + i) --i;
    if (i < 0) return;
    ++idx[i];
    for (int j = i + 1; j < r; ++j) idx[j] = idx[j - 1] + 1;
  }
}

int elements_of(WheelMask x, int* out) {
  int n = 0;
  for (; x; x &= x - 1) out[n++] = std::countr_zero(x);
  return n;
}

// The exchange of number `out` of a ticket for `in`, and how many more cases it leaves
// uncovered (negative: fewer).
struct Move {
  std::size_t ticket = 0;
  int out = 0, in = 0, delta = 0;
};

// One thread's search: the tickets, how often each m-subset is met in t, and the list of
// the m-subsets met by none.
class Search {
 public:
  Search(const MakeRequest& r, std::uint64_t seed) : v_(r.v), k_(r.k), t_(r.t), m_(r.m), random_(seed) {
    for (int n = 0; n <= 64; ++n)
      for (int i = 0; i <= 8; ++i)
        choose_[n][i] = static_cast<std::uint32_t>(std::min<std::uint64_t>(subsets_count(n, i), ~0u));
    bytes_ = (v_ + 7) / 8;
    byte_rank_.assign(static_cast<std::size_t>(bytes_) * 256 * 9, 0);
    for (unsigned byte = 0; byte < 256; ++byte) {
      bit_count_[byte] = static_cast<std::uint8_t>(std::popcount(byte));
      for (int j = 0; j < bytes_; ++j)
        for (int below = 0; below <= 8; ++below) {
          std::uint32_t r = 0;
          int index = below;
          for (int b = 0; b < 8; ++b)
            if (byte >> b & 1) {
              ++index;
              if (index <= 8) r += choose_[8 * j + b][index];
            }
          byte_rank_[(static_cast<std::size_t>(j) * 256 + byte) * 9 + static_cast<std::size_t>(below)] = r;
        }
    }
    // candidates weighed per move: a move costs C(k-1, t-1) C(v-k-1, m-t) look-ups
    const double work = static_cast<double>(subsets_count(k_ - 1, t_ - 1)) *
                        static_cast<double>(subsets_count(v_ - k_ - 1, m_ - t_));
    candidates_ = static_cast<int>(std::clamp(4000.0 / std::max(work, 1.0), 1.0, 8.0));
    const std::uint32_t cases = choose_[v_][m_];
    count_.assign(cases, 0);
    where_.assign(cases, 0);
    uncovered_.resize(cases);
    for (std::uint32_t i = 0; i < cases; ++i) {
      uncovered_[i] = i;
      where_[i] = static_cast<std::int32_t>(i);
    }
  }

  // The colex rank of an m-subset, by bytes: byte j's bits add C(position, index) with
  // their index counted on from the bits below the byte.
  std::uint32_t rank(WheelMask x) const {
    std::uint32_t r = 0;
    int below = 0;
    for (int j = 0; j < bytes_; ++j, x >>= 8) {
      const unsigned byte = static_cast<unsigned>(x & 0xFF);
      r += byte_rank_[(static_cast<std::size_t>(j) * 256 + byte) * 9 + static_cast<std::size_t>(below)];
      below += bit_count_[byte];
    }
    return r;
  }
  WheelMask unrank(std::uint32_t r) const {
    WheelMask x = 0;
    int e = v_;
    for (int i = m_; i >= 1; --i) {
      do --e;
      while (choose_[e][i] > r);
      r -= choose_[e][i];
      x |= WheelMask{1} << e;
    }
    return x;
  }

  std::size_t uncovered() const { return uncovered_.size(); }
  Random& random() { return random_; }
  std::size_t size() const { return tickets_.size(); }
  const std::vector<WheelMask>& tickets() const { return tickets_; }

  // Calls f(rank) for every m-subset that `ticket` meets in at least t positions.
  template <class F>
  void for_each_met(WheelMask ticket, F&& f) const {
    int in[64], out[64];
    const int a = elements_of(ticket, in);
    const int b = elements_of(~ticket & full(), out);
    for (int j = t_; j <= std::min(k_, m_); ++j)
      for_each_subset(in, a, j, [&](WheelMask p) {
        for_each_subset(out, b, m_ - j, [&](WheelMask q) { f(rank(p | q)); });
      });
  }

  void add(WheelMask ticket) {
    tickets_.push_back(ticket);
    for_each_met(ticket, [&](std::uint32_t r) {
      if (count_[r]++ == 0) cover(r);
    });
  }
  void remove(std::size_t i) {
    for_each_met(tickets_[i], [&](std::uint32_t r) {
      if (--count_[r] == 0) uncover(r);
    });
    tickets_[i] = tickets_.back();
    tickets_.pop_back();
  }
  // The m-subsets only ticket i meets.
  long long loss(std::size_t i) const {
    long long n = 0;
    for_each_met(tickets_[i], [&](std::uint32_t r) { n += count_[r] == 1; });
    return n;
  }

  // A ticket holding min(k, m) positions of the case s and random others.
  WheelMask ticket_for(WheelMask s) {
    int in[8];
    int n = elements_of(s, in);
    WheelMask ticket = 0;
    for (int j = 0; j < std::min(k_, m_); ++j) {
      const int pick = static_cast<int>(random_.below(static_cast<std::uint32_t>(n)));
      ticket |= WheelMask{1} << in[pick];
      in[pick] = in[--n];
    }
    while (std::popcount(ticket) < k_)
      ticket |= WheelMask{1} << random_.below(static_cast<std::uint32_t>(v_));
    return ticket;
  }

  // Greedy start: while some m-subset is met by none, a ticket for it (its orbit, on a
  // cyclic wheel).
  void greedy() {
    while (!uncovered_.empty()) {
      const WheelMask ticket =
          ticket_for(unrank(uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))]));
      if (orbit_) {
        add_orbit(ticket);
      } else {
        add(ticket);
      }
    }
  }

  // ---- cyclic wheels: the positions 0..n-1 turn (i -> i+1 mod n), any above n stays;
  // orbit j is tickets_[j n + s], its first ticket turned s times ----
  void make_cyclic(int n) { orbit_ = n; }
  int turned(int p, int s) const { return p < orbit_ ? (p + s) % orbit_ : p; }
  WheelMask turned(WheelMask x, int s) const {
    const WheelMask ring = (WheelMask{1} << orbit_) - 1, c = x & ring;
    return s == 0 ? x : (((c << s) | (c >> (orbit_ - s))) & ring) | (x & ~ring);
  }
  void add_orbit(WheelMask base) {
    for (int s = 0; s < orbit_; ++s) add(turned(base, s));
  }
  std::size_t orbits() const { return orbit_ ? tickets_.size() / static_cast<std::size_t>(orbit_) : 0; }
  // The tickets, each once (a ticket some turn leaves as it is comes back in its orbit).
  std::vector<WheelMask> distinct() const {
    std::vector<WheelMask> d = tickets_;
    std::sort(d.begin(), d.end());
    d.erase(std::unique(d.begin(), d.end()), d.end());
    return d;
  }
  // Drops the orbit whose loss is smallest (the first such).
  void drop_orbit() {
    const std::size_t n = static_cast<std::size_t>(orbit_);
    std::size_t best = 0;
    long long least = -1;
    for (std::size_t j = 0; j < orbits(); ++j) {
      long long lost = 0;
      for (std::size_t s = 0; s < n; ++s)
        for_each_met(tickets_[j * n + s], [&](std::uint32_t r) { lost += --count_[r] == 0; });
      for (std::size_t s = 0; s < n; ++s)
        for_each_met(tickets_[j * n + s], [&](std::uint32_t r) { ++count_[r]; });
      if (least < 0 || lost < least) {
        least = lost;
        best = j;
      }
    }
    for (std::size_t s = 0; s < n; ++s)
      for_each_met(tickets_[best * n + s], [&](std::uint32_t r) {
        if (--count_[r] == 0) uncover(r);
      });
    const std::size_t last = tickets_.size() - n;
    std::copy(tickets_.begin() + static_cast<std::ptrdiff_t>(last), tickets_.end(),
              tickets_.begin() + static_cast<std::ptrdiff_t>(best * n));
    tickets_.resize(last);
  }
  // Exchanges `out` for `in` in the first ticket of orbit j, and their turns in the others.
  void orbit_swap(std::size_t j, int out, int in) {
    for (int s = 0; s < orbit_; ++s) {
      WheelMask& b = tickets_[j * static_cast<std::size_t>(orbit_) + static_cast<std::size_t>(s)];
      const int x = turned(out, s), y = turned(in, s);
      swap_delta(b, x, y, true);
      b = (b & ~(WheelMask{1} << x)) | (WheelMask{1} << y);
    }
  }
  // A move of a cyclic wheel, made at once to learn its delta (settle() undoes it): in the
  // full neighbourhood any number of any orbit's first ticket for one outside it; directed,
  // a swap that brings one more number of an uncovered case into a ticket meeting it most.
  bool propose_orbit(Move& move, bool directed) {
    if (tickets_.empty() || k_ == v_) return false;
    const std::size_t n = static_cast<std::size_t>(orbit_);
    std::size_t i = random_.below(static_cast<std::uint32_t>(tickets_.size()));
    WheelMask s = 0;
    if (directed) {
      if (uncovered_.empty()) return false;
      s = unrank(uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))]);
      int most = -1;
      std::uint32_t ties = 0;
      for (std::size_t a = 0; a < tickets_.size(); ++a) {
        const int c = std::popcount(tickets_[a] & s);
        if (c > most) {
          most = c;
          ties = 0;
        }
        if (c == most && random_.below(++ties) == 0) i = a;
      }
    }
    const WheelMask b = tickets_[i];
    const WheelMask outs = directed ? b & ~s : b, ins = directed ? s & ~b : ~b & full();
    if (!outs || !ins) return false;
    const int x = nth_bit(outs, random_.below(static_cast<std::uint32_t>(std::popcount(outs))));
    const int y = nth_bit(ins, random_.below(static_cast<std::uint32_t>(std::popcount(ins))));
    const int back = static_cast<int>(n - i % n) % orbit_;  // turns of ticket i back to the first
    move = Move{i / n, turned(x, back), turned(y, back), 0};
    const long long before = static_cast<long long>(uncovered_.size());
    orbit_swap(move.ticket, move.out, move.in);
    move.delta = static_cast<int>(static_cast<long long>(uncovered_.size()) - before);
    return true;
  }

  // Drops the ticket whose loss is smallest (the first such).
  void drop_one() {
    if (orbit_) return drop_orbit();
    std::size_t best = 0;
    long long least = -1;
    for (std::size_t i = 0; i < tickets_.size(); ++i) {
      const long long l = loss(i);
      if (least < 0 || l < least) {
        least = l;
        best = i;
      }
    }
    remove(best);
  }

  // How many cases swapping x out of ticket b for y uncovers, less how many it covers.
  // An m-subset holding x but not y that b met in exactly t is met one less; one holding
  // y but not x that b met in t - 1 is met one more. With `apply` the counts change too.
  int swap_delta(WheelMask b, int x, int y, bool apply) {
    int delta = 0;
    int keep[64], rest[64];
    const WheelMask xm = WheelMask{1} << x, ym = WheelMask{1} << y;
    const int nk = elements_of(b & ~xm, keep);
    const int nr = elements_of(~(b | ym) & full(), rest);
    for_each_subset(keep, nk, t_ - 1, [&](WheelMask p) {
      for_each_subset(rest, nr, m_ - t_, [&](WheelMask q) {
        const std::uint32_t r1 = rank(p | q | xm), r2 = rank(p | q | ym);
        if (apply) {
          if (count_[r2]++ == 0) cover(r2);
          if (--count_[r1] == 0) uncover(r1);
        } else {
          delta += (count_[r1] == 1) - (count_[r2] == 0);
        }
      });
    });
    return delta;
  }

  // One annealing move at temperature `temp`; true when taken. An uncovered case s is
  // picked at random; the candidate moves are the swaps in a ticket meeting s in the most
  // positions that bring one more of s into it. As many candidates as a fixed work budget
  // allows are weighed (all of them on small sets) and the best, random among equals, is
  // tried.
  bool step(double temp) {
    Move move;
    return pick_directed(move) && take(move, temp);
  }
  bool pick_directed(Move& move) {
    if (uncovered_.empty() || tickets_.empty()) return false;
    const WheelMask s = unrank(uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))]);
    int most = -1;
    best_.clear();
    for (std::size_t i = 0; i < tickets_.size(); ++i) {
      const int c = std::popcount(tickets_[i] & s);
      if (c > most) {
        most = c;
        best_.clear();
      }
      if (c == most) best_.push_back(static_cast<std::uint32_t>(i));
    }
    int budget = candidates_;
    int best_delta = 1 << 30;
    std::uint32_t ties = 0;
    std::size_t chosen = 0;
    int cx = -1, cy = -1;
    while (budget > 0 && !best_.empty()) {
      const std::uint32_t pick = random_.below(static_cast<std::uint32_t>(best_.size()));
      const std::size_t i = best_[pick];
      best_[pick] = best_.back();
      best_.pop_back();
      const WheelMask b = tickets_[i];
      int outs[64], ins[8];
      const int no = elements_of(b & ~s, outs);
      const int ni = elements_of(s & ~b, ins);
      if (no == 0 || ni == 0) continue;
      const auto weigh = [&](int x, int y) {
        --budget;
        const int d = swap_delta(b, x, y, false);
        if (d < best_delta) {
          best_delta = d;
          ties = 1;
          chosen = i;
          cx = x;
          cy = y;
        } else if (d == best_delta && random_.below(++ties) == 0) {
          chosen = i;
          cx = x;
          cy = y;
        }
      };
      if (no * ni <= budget) {  // every swap of this ticket
        for (int e = 0; e < no; ++e)
          for (int f = 0; f < ni; ++f) weigh(outs[e], ins[f]);
      } else {
        weigh(outs[random_.below(static_cast<std::uint32_t>(no))],
              ins[random_.below(static_cast<std::uint32_t>(ni))]);
      }
    }
    if (cx < 0) return false;
    move = Move{chosen, cx, cy, best_delta};
    return true;
  }

  // Takes `move` with the probability e^(-delta / temp) when it uncovers more cases than
  // it covers, always otherwise; true when taken.
  bool take(const Move& move, double temp) {
    const bool refused = move.delta > 0 && random_.unit() >= std::exp(-move.delta / temp);
    if (orbit_) {
      if (refused) orbit_swap(move.ticket, move.in, move.out);
      return !refused;
    }
    if (refused) return false;
    const WheelMask b = tickets_[move.ticket];
    swap_delta(b, move.out, move.in, true);
    tickets_[move.ticket] = (b & ~(WheelMask{1} << move.out)) | (WheelMask{1} << move.in);
    return true;
  }

  // Gives up a move propose_orbit made.
  void withdraw(const Move& move) { orbit_swap(move.ticket, move.in, move.out); }

  // Replaces the tickets by `tickets`, the counters counted anew.
  void set_tickets(const std::vector<WheelMask>& tickets) {
    std::fill(count_.begin(), count_.end(), std::uint16_t{0});
    uncovered_.resize(count_.size());
    for (std::uint32_t r = 0; r < count_.size(); ++r) {
      uncovered_[r] = r;
      where_[r] = static_cast<std::int32_t>(r);
    }
    tickets_.clear();
    for (WheelMask x : tickets) add(x);
  }

  // `swaps` random exchanges of a number of an orbit's first ticket for one outside it,
  // each in an orbit drawn at random, taken whatever they cost.
  void kick(int swaps) {
    for (int n = 0; n < swaps && orbits() > 0 && k_ < v_; ++n) {
      const std::size_t j = random_.below(static_cast<std::uint32_t>(orbits()));
      const WheelMask b = tickets_[j * static_cast<std::size_t>(orbit_)];
      orbit_swap(j, nth_bit(b, random_.below(static_cast<std::uint32_t>(k_))),
                 nth_bit(~b & full(), random_.below(static_cast<std::uint32_t>(v_ - k_))));
    }
  }

 private:
  WheelMask full() const { return v_ == 64 ? ~WheelMask{0} : (WheelMask{1} << v_) - 1; }
  static int nth_bit(WheelMask x, std::uint32_t n) {
    for (; n > 0; --n) x &= x - 1;
    return std::countr_zero(x);
  }
  void cover(std::uint32_t r) {
    const std::int32_t at = where_[r];
    const std::uint32_t last = uncovered_.back();
    uncovered_[static_cast<std::size_t>(at)] = last;
    where_[last] = at;
    uncovered_.pop_back();
    where_[r] = -1;
  }
  void uncover(std::uint32_t r) {
    where_[r] = static_cast<std::int32_t>(uncovered_.size());
    uncovered_.push_back(r);
  }

  int v_, k_, t_, m_;
  Random random_;
  std::array<std::array<std::uint32_t, 9>, 65> choose_{};
  int bytes_ = 0;
  std::vector<std::uint32_t> byte_rank_;
  std::array<std::uint8_t, 256> bit_count_{};
  std::vector<std::uint16_t> count_;
  std::vector<std::int32_t> where_;
  std::vector<std::uint32_t> uncovered_;
  std::vector<WheelMask> tickets_;
  std::vector<std::uint32_t> best_;
  int candidates_ = 1;
  int orbit_ = 0;  // 0: any wheel; else the length of the cycle the wheel is invariant under
};

struct Shared {
  MakeProgress& progress;
  std::atomic<int> attempt{1 << 30};  // the smallest size any thread is trying
  Clock::time_point start;

  // A thread's wheel of `size` tickets is complete: the best size so far, and when it was
  // first reached, when it is smaller.
  void complete(int size) {
    int seen = progress.best_size.load();
    while ((seen == 0 || size < seen) && !progress.best_size.compare_exchange_weak(seen, size)) {
    }
    if (seen == 0 || size < seen)
      progress.best_seconds.store(std::chrono::duration<double>(Clock::now() - start).count());
  }
  // A thread now tries `size` tickets.
  void trying(int size) {
    int tried = attempt.load();
    while (size < tried && !attempt.compare_exchange_weak(tried, size)) {
    }
  }
};

struct ThreadResult {
  std::vector<WheelMask> best;  // the smallest complete wheel, empty when none
  std::size_t uncovered = 0;    // of a budget wheel: the cases `best` leaves without t
};

// A budget wheel: down to the budget's tickets, then moves at that size, keeping the
// wheel with the fewest uncovered cases.
void run_budget(const MakeRequest& request, Search& search, Clock::time_point deadline, std::stop_token stop,
                Shared& shared, ThreadResult& out) {
  while (search.size() > static_cast<std::size_t>(request.budget)) search.drop_one();
  out.best = search.tickets();
  out.uncovered = search.uncovered();
  const double hot = 0.5, cold = 0.1, factor = 0.999;
  double temp = hot;
  for (std::uint64_t steps = 0; out.uncovered > 0; ++steps) {
    if ((steps & 15) == 0) {
      if (stop.stop_requested() || Clock::now() >= deadline) return;
      long long seen = shared.progress.uncovered.load();
      const auto mine = static_cast<long long>(out.uncovered);
      while ((seen < 0 || mine < seen) && !shared.progress.uncovered.compare_exchange_weak(seen, mine)) {
      }
    }
    if (request.steps && steps >= request.steps) return;
    search.step(temp);
    if (search.uncovered() < out.uncovered) {
      out.best = search.tickets();
      out.uncovered = search.uncovered();
    }
    if (steps % 64 == 63 && (temp *= factor) < cold) temp = hot;
  }
}

// The cyclic phase (18 numbers and more: on 16, 17 and 19 it measured no better or worse);
// its annealing, measured on 16 to 20 numbers 4 if 4 and 3 if 3: half of
// the moves from the full neighbourhood, half directed; a size starts where an uphill move
// is taken 0.2 % of the time, a kick of three exchanges restarts at 0.5 %; the temperature
// falls by 5 % every chain of (tickets x K) moves, at least 500; frozen is five chains
// without a better wheel while fewer than 0.05 % of the uphill moves are taken. The phase
// ends after 70 % of the time, or once it has gone 300,000 moves, and twice as many as it
// took to its last wheel, without a smaller one.
struct Tuning {
  double full_share = 0.5, start_accept = 0.002, kick_accept = 0.005, alpha = 0.95, chain = 1,
         frozen = 0.0005;
  int kick_swaps = 3, stale_chains = 5;
  std::uint64_t stale_moves = 300'000;
  double share = 0.7;
  int min_v = 18;
};
constexpr Tuning tune;

// Descends from the search's cyclic wheel, an orbit at a time, until the time, `step_limit`
// moves in all (0 = none), the stop token, the known bound or a stall (above) ends it;
// `out.best` is the smallest complete wheel.
void descend_cyclic(const MakeRequest& request, Search& search, std::uint64_t& steps,
                    std::uint64_t step_limit, Clock::time_point deadline, std::stop_token stop,
                    Shared& shared, ThreadResult& out) {
  const long long floor = std::max<long long>(1, known_bound(request.v, request.k, request.t, request.m));
  const auto pick = [&](Move& move) {
    return search.propose_orbit(move, search.random().unit() >= tune.full_share);
  };
  // the temperature at which the moves that uncover more than they cover, as sampled, are
  // taken with the probability `accept` on the average
  const auto temperature = [&](double accept) {
    std::vector<int> uphill;
    Move move;
    for (int i = 0; i < 200; ++i)
      if (pick(move)) {
        if (move.delta > 0) uphill.push_back(move.delta);
        search.withdraw(move);
      }
    if (uphill.empty()) return 0.2;
    // the mean of e^(-d / T) over the sample rises with T: halve the interval 40 times
    double lo = 1e-3, hi = 1e4;
    for (int round = 0; round < 40; ++round) {
      const double mid = std::sqrt(lo * hi);
      double sum = 0;
      for (int d : uphill) sum += std::exp(-d / mid);
      (sum / static_cast<double>(uphill.size()) < accept ? lo : hi) = mid;
    }
    return hi;
  };
  std::vector<WheelMask> best;  // the wheel of this size with the fewest uncovered cases
  std::size_t best_uncovered = 0;
  double temp = 0;
  std::uint64_t chain = 0, tried = 0, taken = 0, in_chain = 0;
  int stale = 0;
  bool improved = false;
  const auto enter_size = [&] {
    best = search.tickets();
    best_uncovered = search.uncovered();
    temp = temperature(tune.start_accept);
    chain = std::max<std::uint64_t>(
        500, static_cast<std::uint64_t>(tune.chain * static_cast<double>(search.size() * request.k)));
    in_chain = tried = taken = 0;
    stale = 0;
    improved = false;
  };
  enter_size();
  const std::uint64_t first = steps;
  std::uint64_t last_size = steps;  // the move that completed the last wheel
  while (true) {
    if (search.uncovered() == 0) {
      last_size = steps;
      std::vector<WheelMask> wheel = search.distinct();
      const int size = static_cast<int>(wheel.size());
      if (out.best.empty() || wheel.size() < out.best.size()) out.best = std::move(wheel);
      shared.complete(size);
      if (static_cast<long long>(size) <= floor) return;
      search.drop_one();
      shared.trying(size - 1);
      enter_size();
    }
    if ((steps & 15) == 0) {  // a move can take milliseconds on large sets: look often
      if (stop.stop_requested() || Clock::now() >= deadline) return;
      if (static_cast<int>(search.size()) <= shared.attempt.load(std::memory_order_relaxed))
        shared.progress.uncovered.store(static_cast<long long>(search.uncovered()),
                                        std::memory_order_relaxed);
    }
    if (step_limit && steps >= step_limit) return;
    if (steps - last_size > std::max<std::uint64_t>(tune.stale_moves, 2 * (last_size - first))) return;
    Move move;
    if (pick(move)) {
      const bool uphill = move.delta > 0;
      const bool took = search.take(move, temp);
      tried += uphill;
      taken += uphill && took;
    }
    ++steps;
    if (search.uncovered() < best_uncovered) {
      best = search.tickets();
      best_uncovered = search.uncovered();
      improved = true;
    }
    if (++in_chain >= chain) {
      stale = improved ? 0 : stale + 1;
      const double rate = tried ? static_cast<double>(taken) / static_cast<double>(tried) : 0;
      if (stale >= tune.stale_chains && rate < tune.frozen) {  // frozen: kick the best wheel
        search.set_tickets(best);
        search.kick(tune.kick_swaps);
        temp = temperature(tune.kick_accept);
        stale = 0;
      } else {
        temp *= tune.alpha;
      }
      in_chain = tried = taken = 0;
      improved = false;
    }
  }
}

// The descent on any wheel: the temperature falls from hot to cold by a factor every 64
// moves, then starts again; a move that uncovers d more cases than it covers is taken with
// probability e^(-d / T). Each size below a complete wheel starts cooler (`again`): the
// wheel one ticket short is close to complete, and a hot start would scatter it.
void descend_plain(const MakeRequest& request, Search& search, std::uint64_t& steps,
                   Clock::time_point deadline, std::stop_token stop, Shared& shared, ThreadResult& out) {
  const long long floor = std::max<long long>(1, known_bound(request.v, request.k, request.t, request.m));
  const double hot = 0.5, cold = 0.1, factor = 0.999, again = 0.2;
  double temp = hot;
  const std::uint64_t cool_every = 64;
  std::uint64_t moves = 0;
  while (true) {
    if (search.uncovered() == 0) {
      if (out.best.empty() || search.size() < out.best.size()) out.best = search.tickets();
      const int size = static_cast<int>(search.size());
      shared.complete(size);
      if (static_cast<long long>(size) <= floor) return;
      search.drop_one();
      shared.trying(size - 1);
      temp = again;
    }
    if ((steps & 15) == 0) {  // a move can take milliseconds on large sets: look often
      if (stop.stop_requested() || Clock::now() >= deadline) return;
      if (static_cast<int>(search.size()) <= shared.attempt.load(std::memory_order_relaxed))
        shared.progress.uncovered.store(static_cast<long long>(search.uncovered()),
                                        std::memory_order_relaxed);
    }
    if (request.steps && steps >= request.steps) return;
    search.step(temp);
    ++steps;
    if (++moves % cool_every == 0) {
      temp *= factor;
      if (temp < cold) temp = hot;
    }
  }
}

void run_thread(const MakeRequest& request, int thread, Clock::time_point deadline, std::stop_token stop,
                Shared& shared, ThreadResult& out) {
  Search search(request, request.seed + static_cast<std::uint64_t>(thread));
  for (const std::vector<int>& ticket : request.start) {
    WheelMask x = 0;
    for (int p : ticket) x |= WheelMask{1} << (p - 1);
    search.add(x);
  }
  std::uint64_t steps = 0;
  if (request.budget == 0 && request.start.empty() && request.t == request.m && request.v >= tune.min_v) {
    search.make_cyclic(request.cycle > 0 ? request.cycle : request.v - thread % 2);
    search.greedy();
    const auto now = Clock::now();
    // with a step budget only steps end the phase, so that the result does not hang on timing
    const auto until = request.steps
                           ? deadline
                           : now + std::chrono::duration_cast<Clock::duration>((deadline - now) * tune.share);
    const std::uint64_t limit =
        request.steps ? std::max<std::uint64_t>(
                            1, static_cast<std::uint64_t>(static_cast<double>(request.steps) * tune.share))
                      : 0;
    descend_cyclic(request, search, steps, limit, until, stop, shared, out);
    search.make_cyclic(0);
    search.set_tickets(out.best);
  }
  search.greedy();
  if (request.budget > 0) return run_budget(request, search, deadline, stop, shared, out);
  descend_plain(request, search, steps, deadline, stop, shared, out);
}

std::string today() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday);
  return text;
}

}  // namespace

std::string make_request_error(const MakeRequest& r) {
  if (r.v < min_maker_v || r.v > max_maker_v)
    return "The set must have " + std::to_string(min_maker_v) + " to " + std::to_string(max_maker_v) +
           " numbers.";
  if (r.k < 2 || r.k > std::min(r.v, 10))
    return "A ticket must have 2 to " + std::to_string(std::min(r.v, 10)) + " numbers.";
  if (r.m < 1 || r.m > max_maker_m || r.m > r.v)
    return "M, the winners in the set, must be 1 to " + std::to_string(std::min(r.v, max_maker_m)) + ".";
  if (r.t < 1 || r.t > r.m || r.t > r.k)
    return DS_TR_NOOP("T must be at least 1 and at most M and the ticket size.");
  for (const std::vector<int>& ticket : r.start) {
    WheelMask x = 0;
    for (int p : ticket)
      if (p >= 1 && p <= r.v) x |= WheelMask{1} << (p - 1);
    if (static_cast<int>(ticket.size()) != r.k || std::popcount(x) != r.k)
      return "Every ticket of the starting wheel must have " + std::to_string(r.k) +
             " different numbers from 1 to " + std::to_string(r.v) + ".";
  }
  if (subsets_count(r.v, r.m) > max_maker_cases)
    return "The set is too large for that guarantee: " + std::to_string(subsets_count(r.v, r.m)) +
           " cases to cover, the maker handles up to " + std::to_string(max_maker_cases) + ".";
  if (!(r.seconds > 0)) return DS_TR_NOOP("The time limit must be above 0 seconds.");
  if (r.budget < 0) return "The budget is a number of tickets, at least 1.";
  if (r.cycle < 0 || r.cycle == 1 || r.cycle > r.v)
    return "The numbers turned must be 2 to " + std::to_string(r.v) + " (0: the maker's choice).";
  return "";
}

std::string take_keys_off(MakeRequest& request, int keys) {
  if (keys <= 0) return make_request_error(request);
  if (keys >= request.t) return "The keys must be fewer than T, the winners a ticket holds.";
  request.v -= keys;
  request.k -= keys;
  request.t -= keys;
  request.m -= keys;
  if (std::string error = make_request_error(request); !error.empty())
    return "Without the " + std::to_string(keys) + " keys the wheel is on " + std::to_string(request.v) +
           " numbers, " + std::to_string(request.k) + " a ticket, " + guarantee_text(request.t, request.m) +
           ": " + error;
  return "";
}

std::optional<Wheel> make_wheel(const MakeRequest& request, std::stop_token stop, MakeProgress& progress) {
  progress.best_size.store(0);
  progress.uncovered.store(-1);
  progress.seconds.store(0);
  progress.best_seconds.store(0);
  progress.done.store(false);
  if (!make_request_error(request).empty()) {
    progress.done.store(true);
    return std::nullopt;
  }
  const auto start = Clock::now();
  const auto deadline = start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(std::min(request.seconds, 1e7)));
  int threads = request.threads > 0 ? request.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::clamp(threads, 1, 256);
  Shared shared{progress, {1 << 30}, start};
  std::atomic<int> finished{0};
  std::vector<ThreadResult> results(static_cast<std::size_t>(threads));
  {
    std::vector<std::jthread> pool;
    for (int i = 0; i < threads; ++i)
      pool.emplace_back([&, i] {
        run_thread(request, i, deadline, stop, shared, results[static_cast<std::size_t>(i)]);
        finished.fetch_add(1);
      });
    // the elapsed time, while the threads run; they end on their own (time, steps, stop, bound)
    while (finished.load() < threads) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      progress.seconds.store(std::chrono::duration<double>(Clock::now() - start).count());
    }
  }
  progress.seconds.store(std::chrono::duration<double>(Clock::now() - start).count());
  // smallest first, the lowest thread index among equals; only a checked wheel is offered
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < results.size(); ++i)
    if (!results[i].best.empty()) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return request.budget > 0 ? results[a].uncovered < results[b].uncovered
                              : results[a].best.size() < results[b].best.size();
  });
  std::optional<Wheel> chosen;
  for (std::size_t i : order) {
    if (request.budget > 0) {  // the holes counted case by case
      const MatchRow row = check_row(results[i].best, request.v, request.m);
      long long holes = 0;
      for (int j = 0; j < request.t; ++j)
        holes += static_cast<long long>(row.cases[static_cast<std::size_t>(j)]);
      progress.uncovered.store(holes);
    } else if (!meets_guarantee(results[i].best, request.v, request.t, request.m)) {
      continue;
    }
    Wheel wheel;
    wheel.v = request.v;
    wheel.k = request.k;
    wheel.t = request.t;
    wheel.m = request.m;
    for (WheelMask x : results[i].best) {
      std::vector<int> ticket;
      for (; x; x &= x - 1) ticket.push_back(std::countr_zero(x) + 1);
      wheel.tickets.push_back(std::move(ticket));
    }
    std::sort(wheel.tickets.begin(), wheel.tickets.end());
    const std::string secs = format_fixed(progress.seconds.load(), 1);
    wheel.made =
        "made by Drawsmith " + today() + ", seed " + std::to_string(request.seed) + ", " + secs + " s";
    if (request.budget > 0) wheel.made += ", budget of " + std::to_string(request.budget) + " tickets";
    if (!request.start.empty())
      wheel.made += ", from a wheel of " + std::to_string(request.start.size()) + " tickets";
    if (request.cycle > 0) wheel.made += ", cycle 1.." + std::to_string(request.cycle);
    chosen = std::move(wheel);
    break;
  }
  progress.best_size.store(chosen ? static_cast<int>(chosen->tickets.size()) : 0);
  progress.done.store(true);
  return chosen;
}

long long schonheim_bound(int v, int k, int t) {
  if (t < 1 || k < 1 || k > v || t > k) return 0;
  long long bound = 1;
  for (int i = t - 1; i >= 0; --i) bound = ((v - i) * bound + (k - i) - 1) / (k - i);
  return bound;
}

long long known_bound(int v, int k, int t, int m) { return m == t ? schonheim_bound(v, k, t) : 0; }

}  // namespace ds
