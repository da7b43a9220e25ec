#include "wheels/wheel_renumber.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>

#include "shell/numbers.h"

namespace ds {

namespace {

using Clock = std::chrono::steady_clock;

std::uint64_t splitmix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

// The wheel as the search sees it: tickets as masks of positions, and for each position
// the tickets holding it. A numbering is idx[p]: the index, in the ascending set, of the
// number at position p (0-based); a ticket's numbers are then a mask of indexes, read in
// increasing order as ascending numbers.
struct Scorer {
  const RenumberRequest* request = nullptr;
  std::vector<int> sorted;                // the set, ascending
  std::vector<WheelMask> positions;       // per ticket
  std::vector<std::vector<int>> holding;  // per position: the tickets holding it

  bool passes(WheelMask indexes) const {
    int numbers[64];
    int n = 0;
    for (; indexes; indexes &= indexes - 1)
      numbers[n++] = sorted[static_cast<std::size_t>(std::countr_zero(indexes))];
    return ticket_passes(request->filters, std::span<const int>(numbers, static_cast<std::size_t>(n)),
                         request->game.pool, request->past);
  }
  std::vector<WheelMask> index_masks(const std::vector<int>& idx) const {
    std::vector<WheelMask> out(positions.size(), 0);
    for (std::size_t t = 0; t < positions.size(); ++t)
      for (WheelMask x = positions[t]; x; x &= x - 1)
        out[t] |= WheelMask{1} << idx[static_cast<std::size_t>(std::countr_zero(x))];
    return out;
  }
};

// One numbering with its ticket masks and pass flags, changed a swap at a time.
struct State {
  explicit State(const Scorer* s) : scorer(s) {}
  const Scorer* scorer = nullptr;
  std::vector<int> idx;
  std::vector<WheelMask> masks;
  std::vector<char> pass;
  int passing = 0;
  std::vector<std::pair<int, char>> changed;  // the tickets a swap changes, with their new flag

  void reset(std::vector<int> numbering) {
    idx = std::move(numbering);
    masks = scorer->index_masks(idx);
    pass.assign(masks.size(), 0);
    passing = 0;
    for (std::size_t t = 0; t < masks.size(); ++t) passing += pass[t] = scorer->passes(masks[t]) ? 1 : 0;
  }
  // The change of the count passing if positions a and b swapped numbers; `changed` holds
  // the tickets that change.
  int delta(int a, int b) {
    changed.clear();
    const WheelMask flip = (WheelMask{1} << idx[static_cast<std::size_t>(a)]) |
                           (WheelMask{1} << idx[static_cast<std::size_t>(b)]);
    const WheelMask both = (WheelMask{1} << a) | (WheelMask{1} << b);
    int d = 0;
    for (int p : {a, b})
      for (int t : scorer->holding[static_cast<std::size_t>(p)]) {
        if ((scorer->positions[static_cast<std::size_t>(t)] & both) == both) continue;
        const char now = scorer->passes(masks[static_cast<std::size_t>(t)] ^ flip) ? 1 : 0;
        d += now - pass[static_cast<std::size_t>(t)];
        changed.emplace_back(t, now);
      }
    return d;
  }
  // Makes the swap `delta` scored.
  void commit(int a, int b, int d) {
    const WheelMask flip = (WheelMask{1} << idx[static_cast<std::size_t>(a)]) |
                           (WheelMask{1} << idx[static_cast<std::size_t>(b)]);
    for (const auto& [t, now] : changed) {
      masks[static_cast<std::size_t>(t)] ^= flip;
      pass[static_cast<std::size_t>(t)] = now;
    }
    std::swap(idx[static_cast<std::size_t>(a)], idx[static_cast<std::size_t>(b)]);
    passing += d;
  }
};

struct Best {
  int passing = -1;
  std::uint64_t order = 0;  // restart or block index: the lowest wins among equals
  std::vector<int> idx;
  void offer(int p, std::uint64_t o, const std::vector<int>& i) {
    if (p > passing || (p == passing && o < order)) {
      passing = p;
      order = o;
      idx = i;
    }
  }
};

int thread_count(int asked) {
  if (asked > 0) return asked;
  return std::max(1u, std::thread::hardware_concurrency());
}

// Every numbering with the index `last` at the last position, by Heap's order over the
// others. false when stopped.
bool walk_block(const Scorer& scorer, const std::vector<int>& identity, int last, const std::stop_token& stop,
                RenumberProgress& progress, Best& best) {
  const int v = static_cast<int>(identity.size());
  std::vector<int> start;
  for (int i = 0; i < v; ++i)
    if (i != last) start.push_back(i);
  start.push_back(last);
  State s(&scorer);
  s.reset(start);
  best.offer(s.passing, 0, s.idx);
  const int n = v - 1;  // positions 0..n-1 move
  std::vector<int> c(static_cast<std::size_t>(std::max(n, 1)), 0);
  std::uint64_t walked = 1;
  for (int i = 1; i < n;) {
    if (c[static_cast<std::size_t>(i)] < i) {
      const int a = i % 2 == 0 ? 0 : c[static_cast<std::size_t>(i)];
      const int d = s.delta(a, i);
      s.commit(a, i, d);
      best.offer(s.passing, 0, s.idx);
      ++c[static_cast<std::size_t>(i)];
      i = 1;
      if (++walked % 4096 == 0) {
        progress.done.fetch_add(4096, std::memory_order_relaxed);
        if (stop.stop_requested()) return false;
      }
    } else {
      c[static_cast<std::size_t>(i)] = 0;
      ++i;
    }
  }
  progress.done.fetch_add(walked % 4096, std::memory_order_relaxed);
  return true;
}

// One restart of the annealing; false when stopped or out of time before its end (the
// best of what it walked is offered all the same).
bool anneal(const Scorer& scorer, std::vector<int> start, std::uint64_t steps, std::uint64_t seed,
            const std::stop_token& stop, const std::atomic<bool>& out_of_time, RenumberProgress& progress,
            int& best_passing, std::vector<int>& best_idx) {
  const int v = static_cast<int>(start.size());
  const int top = static_cast<int>(scorer.positions.size());
  State s(&scorer);
  s.reset(std::move(start));
  best_passing = s.passing;
  best_idx = s.idx;
  const double t0 = 1.5, t1 = 0.05;
  for (std::uint64_t step = 0; step < steps && best_passing < top; ++step) {
    if (step % 1024 == 1023) {
      progress.done.fetch_add(1024, std::memory_order_relaxed);
      if (stop.stop_requested() || out_of_time.load(std::memory_order_relaxed)) return false;
    }
    const std::uint64_t r = splitmix(seed);
    const int a = static_cast<int>(r % static_cast<std::uint64_t>(v));
    int b = static_cast<int>((r >> 32) % static_cast<std::uint64_t>(v - 1));
    if (b >= a) ++b;
    const int d = s.delta(a, b);
    bool take = d >= 0;
    if (!take) {
      const double temperature =
          t0 * std::pow(t1 / t0, static_cast<double>(step) / static_cast<double>(steps));
      const double u = static_cast<double>(splitmix(seed) >> 11) * 0x1.0p-53;
      take = u < std::exp(static_cast<double>(d) / temperature);
    }
    if (!take) continue;
    s.commit(a, b, d);
    if (s.passing > best_passing) {
      best_passing = s.passing;
      best_idx = s.idx;
    }
  }
  return true;
}

}  // namespace

std::string renumber_request_error(const RenumberRequest& r) {
  const Wheel& w = r.wheel;
  if (w.tickets.empty()) return "The wheel has no tickets.";
  if (w.v < 2 || w.v > max_wheel_v)
    return "A wheel is renumbered on 2 to " + std::to_string(max_wheel_v) + " numbers; this one has " +
           std::to_string(w.v) + ".";
  if (static_cast<int>(r.set.size()) != w.v)
    return "The wheel is on " + std::to_string(w.v) + " numbers and the set holds " +
           std::to_string(r.set.size()) + ".";
  std::vector<int> sorted = r.set;
  std::sort(sorted.begin(), sorted.end());
  if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
    return "The set holds " + std::to_string(*std::adjacent_find(sorted.begin(), sorted.end())) + " twice.";
  if (sorted.front() < 1 || sorted.back() > r.game.pool)
    return "The numbers of the set must lie from 1 to " + std::to_string(r.game.pool) + ".";
  for (const auto& ticket : w.tickets)
    for (int p : ticket)
      if (p < 1 || p > w.v) return "A ticket of the wheel holds the position " + std::to_string(p) + ".";
  if (r.seconds <= 0 && r.restarts <= 0 && w.v > r.exhaustive_v)
    return "Give a time limit or a number of restarts.";
  return "";
}

std::vector<std::vector<int>> numbered_tickets(const Wheel& wheel, std::span<const int> numbers) {
  std::vector<std::vector<int>> out;
  out.reserve(wheel.tickets.size());
  for (const auto& ticket : wheel.tickets) {
    std::vector<int> t;
    for (int p : ticket) t.push_back(numbers[static_cast<std::size_t>(p - 1)]);
    std::sort(t.begin(), t.end());
    out.push_back(std::move(t));
  }
  return out;
}

std::vector<bool> tickets_passing(const std::vector<std::vector<int>>& tickets, const TicketFilters& filters,
                                  int pool, const PastDraws& past) {
  std::vector<bool> out;
  out.reserve(tickets.size());
  for (const auto& t : tickets) out.push_back(ticket_passes(filters, t, pool, past));
  return out;
}

RenumberResult renumber_for_filters(const RenumberRequest& request, const std::stop_token& stop,
                                    RenumberProgress& progress) {
  const auto began = Clock::now();
  RenumberResult result;
  Scorer scorer;
  scorer.request = &request;
  scorer.sorted = request.set;
  std::sort(scorer.sorted.begin(), scorer.sorted.end());
  const int v = request.wheel.v;
  scorer.holding.resize(static_cast<std::size_t>(v));
  for (std::size_t t = 0; t < request.wheel.tickets.size(); ++t) {
    WheelMask x = 0;
    for (int p : request.wheel.tickets[t]) x |= WheelMask{1} << (p - 1);
    scorer.positions.push_back(x);
    for (int p : request.wheel.tickets[t])
      scorer.holding[static_cast<std::size_t>(p - 1)].push_back(static_cast<int>(t));
  }
  std::vector<int> identity;
  for (int n : request.set)
    identity.push_back(static_cast<int>(std::lower_bound(scorer.sorted.begin(), scorer.sorted.end(), n) -
                                        scorer.sorted.begin()));
  State first(&scorer);
  first.reset(identity);
  result.identity_passing = first.passing;
  const int top = static_cast<int>(scorer.positions.size());
  progress.best.store(first.passing);

  const int threads = thread_count(request.threads);
  std::mutex lock;
  Best best;
  best.offer(first.passing, 0, identity);
  bool stopped = false;
  if (v <= request.exhaustive_v) {
    result.exact = true;
    std::uint64_t total = 1;
    for (int i = 2; i <= v; ++i) total *= static_cast<std::uint64_t>(i);
    progress.total.store(total);
    std::atomic<int> next{0};
    std::vector<Best> blocks(static_cast<std::size_t>(v));
    std::atomic<bool> halted{false};
    const auto work = [&] {
      for (int b; (b = next.fetch_add(1)) < v && first.passing < top;) {
        if (!walk_block(scorer, identity, b, stop, progress, blocks[static_cast<std::size_t>(b)])) {
          halted = true;
          return;
        }
        const std::lock_guard hold(lock);
        progress.best.store(std::max(progress.best.load(), blocks[static_cast<std::size_t>(b)].passing));
      }
    };
    {
      std::vector<std::jthread> pool;
      for (int i = 1; i < std::min(threads, v); ++i) pool.emplace_back(work);
      work();
    }
    stopped = halted;
    for (int b = 0; b < v; ++b)
      if (blocks[static_cast<std::size_t>(b)].passing > best.passing)
        best.offer(blocks[static_cast<std::size_t>(b)].passing, static_cast<std::uint64_t>(b) + 1,
                   blocks[static_cast<std::size_t>(b)].idx);
  } else {
    const std::uint64_t steps = request.steps > 0
                                    ? request.steps
                                    : std::max<std::uint64_t>(20'000, 200ull * static_cast<std::uint64_t>(v) *
                                                                          static_cast<std::uint64_t>(v));
    std::atomic<int> next{0};
    std::atomic<bool> out_of_time{false}, halted{false}, all_pass{first.passing == top};
    const auto deadline = began + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                                      request.seconds > 0 ? request.seconds : 1e9));
    const auto work = [&] {
      std::vector<int> idx;
      for (;;) {
        if (all_pass || out_of_time || stop.stop_requested()) break;
        const int r = next.fetch_add(1);
        if (request.restarts > 0 && r >= request.restarts) break;
        std::uint64_t seed =
            request.seed * 0x100000001b3ull + static_cast<std::uint64_t>(r) * 0x9e3779b97f4a7c15ull;
        std::vector<int> start = identity;
        if (r > 0)
          for (int i = v - 1; i > 0; --i)
            std::swap(start[static_cast<std::size_t>(i)],
                      start[static_cast<std::size_t>(splitmix(seed) % static_cast<std::uint64_t>(i + 1))]);
        int passing = 0;
        const bool ended =
            anneal(scorer, std::move(start), steps, seed, stop, out_of_time, progress, passing, idx);
        const std::lock_guard hold(lock);
        best.offer(passing, static_cast<std::uint64_t>(r) + 1, idx);
        progress.best.store(best.passing);
        if (best.passing == top) all_pass = true;
        if (ended) ++result.restarts;
        progress.restarts.store(result.restarts);
        if (stop.stop_requested()) halted = true;
      }
    };
    std::jthread clock([&](std::stop_token self) {
      while (!self.stop_requested() && !out_of_time) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        progress.seconds.store(std::chrono::duration<double>(Clock::now() - began).count());
        if (request.seconds > 0 && Clock::now() >= deadline) out_of_time = true;
      }
    });
    {
      std::vector<std::jthread> pool;
      for (int i = 1; i < threads; ++i) pool.emplace_back(work);
      work();
    }
    clock.request_stop();
    stopped = halted || stop.stop_requested();
  }
  // The set's own order when nothing does better.
  if (best.passing == first.passing) best.idx = identity;
  result.complete = !stopped;
  if (stopped) result.exact = false;
  result.numbers.resize(static_cast<std::size_t>(v));
  for (int p = 0; p < v; ++p)
    result.numbers[static_cast<std::size_t>(p)] =
        scorer.sorted[static_cast<std::size_t>(best.idx[static_cast<std::size_t>(p)])];
  result.tickets = numbered_tickets(request.wheel, result.numbers);
  result.passes = tickets_passing(result.tickets, request.filters, request.game.pool, request.past);
  result.passing = static_cast<int>(std::count(result.passes.begin(), result.passes.end(), true));
  result.seconds = std::chrono::duration<double>(Clock::now() - began).count();
  progress.seconds.store(result.seconds);
  progress.best.store(result.passing);
  return result;
}

std::string kept_guarantee_text(int t, int m, std::uint64_t holes, std::uint64_t cases, std::size_t tickets,
                                std::span<const int> key_numbers) {
  if (tickets == 0) return "no guarantee: no ticket passes";
  if (t == 0) return "no guarantee is known";
  std::string s = guarantee_text(t, m);
  if (holes > 0) {
    const std::uint64_t tenths = cases == 0 ? 0 : (cases - std::min(holes, cases)) * 1000 / cases;
    s += " on " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " % of the cases";
  }
  if (!key_numbers.empty()) {
    std::string names;
    for (std::size_t i = 0; i < key_numbers.size(); ++i)
      names += (i == 0 ? "" : i + 1 == key_numbers.size() ? " and " : ", ") + std::to_string(key_numbers[i]);
    s += key_numbers.size() == 1 ? " when the key " + names + " is among the winners"
                                 : " when the keys " + names + " are among the winners";
  }
  return s;
}

KeptGuarantee kept_guarantee(const Wheel& wheel, const std::vector<bool>& passes,
                             std::span<const int> numbers, const std::stop_token& stop,
                             CheckProgress* progress) {
  KeptGuarantee kept;
  kept.wheel = wheel;
  kept.wheel.tickets.clear();
  for (std::size_t i = 0; i < wheel.tickets.size() && i < passes.size(); ++i)
    if (passes[i]) kept.wheel.tickets.push_back(wheel.tickets[i]);
  kept.t = wheel.t;
  kept.m = wheel.m;
  kept.keys = wheel.keys > 0 && wheel.keys < wheel.t ? wheel.keys : 0;
  std::vector<int> key_numbers;
  for (int p = 1; p <= kept.keys && p <= static_cast<int>(numbers.size()); ++p)
    key_numbers.push_back(numbers[static_cast<std::size_t>(p - 1)]);
  std::sort(key_numbers.begin(), key_numbers.end());
  const bool known = wheel.t >= 1 && wheel.t <= wheel.m && wheel.m <= wheel.v;
  kept.cases = known ? subsets_count(wheel.v - kept.keys, wheel.m - kept.keys) : 0;
  if (known && !kept.wheel.tickets.empty()) {
    const WheelCheckResult check = check_wheel(kept.wheel, wheel.t, wheel.m, stop, progress, 1, 0);
    if (!check.complete) return kept;
    kept.holes = check.hole_count;
  } else if (known) {
    kept.holes = kept.cases;
  }
  kept.complete = known || kept.wheel.tickets.empty();
  kept.text = kept_guarantee_text(known ? wheel.t : 0, wheel.m, kept.holes, kept.cases,
                                  kept.wheel.tickets.size(), key_numbers);
  return kept;
}

PastDraws grid_past_draws(const TextGrid& draws, int drawn) {
  std::vector<std::vector<int>> mains;
  for (int r = 1; r < draws.rows(); ++r) {
    std::vector<int> d;
    for (int c = 2; c < 2 + drawn && c < draws.cols(); ++c)
      if (const auto x = parse_whole(draws.cell(r, c))) d.push_back(static_cast<int>(*x));
    if (static_cast<int>(d.size()) == drawn) mains.push_back(std::move(d));
  }
  return distinct_draws(std::move(mains));
}

}  // namespace ds
