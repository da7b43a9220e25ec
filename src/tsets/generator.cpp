#include "tsets/generator.h"

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "lotto/draw_period.h"
#include "shell/fields.h"
#include "shell/numbers.h"
#include "tsets/set_files.h"

namespace ds {

namespace {

constexpr int freq_number_width = 90;

std::optional<int> freq_number(const TextGrid& freq, int row) {
  const auto v = parse_i16(freq.cell(row, 0));
  if (!v) return std::nullopt;
  return *v;
}

// Whether any position 1..size of the row holds a number.
bool holds_numbers(const TextGrid& sets, int row, int size) {
  for (int p = 1; p <= size; ++p)
    if (!trim_blanks(sets.cell(row, p)).empty()) return true;
  return false;
}

// Whether two date texts name the same day (or, when one is no date, are the same text).
bool same_date(const std::string& a, const std::string& b, const DateFormat& format) {
  const auto da = parse_date(a, format), db = parse_date(b, format);
  return da && db ? *da == *db : trim_blanks(a) == trim_blanks(b);
}

}  // namespace

UniformSource clock_uniform() {
  const auto seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                    static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  auto engine = std::make_shared<std::mt19937_64>(seed);
  return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

void get_rand(std::int16_t& n, std::int16_t& max, std::array<std::int16_t, 91>& numbers,
              const UniformSource& uniform) {
  if (n < 1 || max < 1 || n > max || n > max_lotto_number) return;
  const UniformSource u = uniform ? uniform : clock_uniform();
  for (int p = 1; p <= n;) {
    double v = u();
    if (!(v >= 0.0 && v < 1.0)) v = 0.0;
    const auto x = static_cast<std::int16_t>(std::min<int>(static_cast<int>(v * max) + 1, max));
    bool repeated = false;
    for (int q = 1; q < p && !repeated; ++q) repeated = numbers[q] == x;
    if (repeated) continue;
    numbers[p++] = x;
  }
}

CalcFrResult calc_fr(const TextGrid& draws, DayNumber from, DayNumber to, int step, int play_n, int pick_n,
                     TextGrid& freq, const DateFormat& format) {
  CalcFrResult result;
  std::array<int, max_lotto_number + 1> counts{};
  // The draw grid belongs to the Lotto window: read it in date order without
  // moving its rows (its current row must keep pointing at its draw). The order
  // comes from the dates themselves, so a draw added but not yet saved (no key
  // yet) takes its place too.
  const int last = draws.rows() - 1;
  if (last < 3) {
    result.res = "error";
    result.message = messages().no_draws_data;
    return result;
  }
  if (step < 1 || play_n < 1 || play_n > max_lotto_number) {
    result.res = "error";
    return result;
  }

  std::vector<std::pair<DayNumber, int>> dated;
  dated.reserve(last + 1);
  dated.emplace_back(0, 0);
  for (int r = 1; r <= last; ++r) {
    const auto d = parse_date(draws.cell(r, 0), format);
    if (!d) {
      result.res = "error";
      return result;
    }
    dated.emplace_back(*d, r);
  }
  std::stable_sort(dated.begin() + 1, dated.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  int start = 0;
  int end = last;
  for (int r = 1; r <= last; ++r) {
    const DayNumber* d = &dated[r].first;
    if (start == 0 && *d >= from) start = r;
    if (*d == to) {
      end = r;
      break;
    }
    if (*d > to) {
      end = r - 1;
      break;
    }
  }
  if (start == 0 || end < start) {
    // No draw on or after From, or none up to To.
    result.res = "error";
    result.message =
        DS_TR("No data for this criteria. %1").arg(draws_in_period_message(draws, from, to, format));
    return result;
  }

  int total = 0;
  for (int r = start; r <= end; r += step) {
    for (int c = 2; c <= pick_n + 1; ++c) {
      const auto v = parse_i16(draws.cell(dated[r].second, c));
      if (!v || *v < 0 || *v > max_lotto_number) {
        result.res = "error";
        return result;
      }
      ++counts[*v];
    }
    ++total;
  }

  std::vector<int> order(play_n);
  for (int n = 1; n <= play_n; ++n) order[n - 1] = n;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return counts[a] > counts[b]; });

  freq.resize(0, 0);
  freq.resize(play_n + 3, 2);
  freq.fixed_rows = 1;
  freq.fixed_cols = 1;
  freq.set_cell(0, 0, DS_TR_NOOP("Number"));
  freq.set_cell(0, 1, DS_TR_NOOP("Frequency"));
  for (int i = 0; i < play_n; ++i) {
    freq.set_cell(i + 1, 0, std::to_string(order[i]));
    freq.set_cell(i + 1, 1, std::to_string(counts[order[i]]));
  }
  freq.set_cell(play_n + 2, 0, "Total draws");
  freq.set_cell(play_n + 2, 1, std::to_string(total));
  freq.set_col_width(0, freq_number_width);
  freq.set_col_width(1, (freq_number_width * 5 + 3) / 6);
  return result;
}

GeneratorModel::GeneratorModel() {
  frequencies.resize(1, 2);
  frequencies.fixed_rows = 1;
  frequencies.fixed_cols = 1;
  frequencies.set_cell(0, 0, DS_TR_NOOP("Number"));
  frequencies.set_cell(0, 1, DS_TR_NOOP("Frequency"));
}

GeneratorOutcome generate(GeneratorModel& model, const GeneratorInput& input, AppState& state,
                          const TextGrid* draws, const GeneratorTarget& target, const UniformSource& uniform,
                          const AskUser& ask) {
  TextGrid& freq = model.frequencies;
  const MessageCatalogue& m = messages();
  GeneratorOutcome out;
  const int play_n = state.lotto.play_n;
  if (play_n == 0) {
    out.message = m.select_lotto;
    out.show = WindowId::lotto;
    return out;
  }
  if (play_n < 1 || play_n > max_lotto_number || state.lotto.pick_n < 1) {
    out.message = m.incorrect_lotto;
    out.show = WindowId::lotto;
    return out;
  }

  const auto from = parse_date(input.from_text, state.date_format);
  if (!from) {
    out.message = m.data_not_correct;
    out.focus = GeneratorFocus::from;
    return out;
  }
  const auto to = parse_date(input.to_text, state.date_format);
  if (!to) {
    out.message = m.data_not_correct;
    out.focus = GeneratorFocus::to;
    return out;
  }
  const auto step = parse_i16(input.step_text);
  if (!step || *step < 1) {
    out.message = m.data_not_correct;
    out.focus = GeneratorFocus::step;
    return out;
  }

  if (draws) out.period = draws_in_period_message(*draws, *from, *to, state.date_format);
  const bool save_before = target.sets && target.sets->enabled.save;
  const bool unsaved_before = target.sets && target.sets->unsaved;
  if (target.sets) {
    target.sets->enabled.save = true;
    target.sets->unsaved = true;
  }
  const int size = target.sets ? target.sets->work.size : 0;
  if (size < 1) {
    out.message = m.select_size;
    out.show = WindowId::tsets;
    return out;
  }
  if (size > play_n) {
    out.message = m.incorrect_tset_size;
    return out;
  }

  std::array<std::int16_t, 91> numbers{};
  if (input.rule == GeneratorRule::random) {
    std::int16_t n = static_cast<std::int16_t>(size);
    std::int16_t max = static_cast<std::int16_t>(play_n);
    get_rand(n, max, numbers, uniform);
  } else {
    if (!draws) {
      out.message = m.no_draws_data;
      return out;
    }
    const CalcFrResult fr =
        calc_fr(*draws, *from, *to, *step, play_n, state.lotto.pick_n, freq, state.date_format);
    if (fr.res == "error") {
      out.message = fr.message;
      return out;
    }
    int first = 1;
    int sign = 1;
    switch (input.rule) {
      case GeneratorRule::highest:
        break;
      case GeneratorRule::lowest:
        first = play_n;
        sign = -1;
        break;
      case GeneratorRule::lowest_positive: {
        int last = play_n;
        for (int r = 1; r <= play_n; ++r) {
          if (freq.cell(r, 1) == "0") {
            last = r - 1;
            break;
          }
        }
        first = std::max(last - size + 1, 1);
        break;
      }
      case GeneratorRule::random:
        break;
    }
    for (int p = 1; p <= size; ++p) {
      const auto v = freq_number(freq, first + sign * (p - 1));
      if (!v) return out;
      numbers[p] = static_cast<std::int16_t>(*v);
    }
  }

  if (state.tset_row < 1) state.tset_row = 1;
  TextGrid& sets = target.sets->work.grid;
  if (state.tset_row > sets.rows() - 1) {
    out.message = m.select_tset_row;
    out.show = WindowId::tsets;
    return out;
  }
  // A row of another date that holds numbers (a stored draw's set, or one typed)
  // is kept: the proposal goes into a new row. An empty row, or the row of the
  // date being written, takes the proposal in place.
  // The row of that date holding numbers is replaced only when the user says so.
  int row = state.tset_row;
  bool new_row = false;
  if (holds_numbers(sets, row, size)) {
    new_row = !same_date(sets.cell(row, 0), target.date_text, state.date_format);
    if (!new_row) {
      std::vector<int> cols;
      for (int c = 1; c <= size; ++c) cols.push_back(c);
      const int answer =
          ask ? ask({DS_TR("The row of %1 already holds a set (%2). Replace it with the proposal, "
                           "or put the proposal in a new row?")
                         .arg(sets.cell(row, 0))
                         .arg(row_values_text(sets, row, cols)),
                     {DS_TR("Replace"), DS_TR("New row")}})
              : 0;
      if (answer < 0) {
        target.sets->enabled.save = save_before;
        target.sets->unsaved = unsaved_before;
        out.status = DS_TR("Nothing was written: the row of %1 keeps its set.").arg(sets.cell(row, 0));
        return out;
      }
      new_row = answer == 1;
    }
  }
  if (new_row) {
    row = sets.append_row();
    state.tset_row = static_cast<std::int16_t>(row);
    out.row_added = true;
  }
  for (int p = 1; p <= size; ++p) sets.set_cell(row, p, std::to_string(numbers[p]));
  sets.set_cell(row, 0, target.date_text);
  out.written_row = row;
  // The row the Targeted Sets window shows as current is the set the other windows use.
  get_Tset(sets, state.tset_numbers, state.tset_row);
  return out;
}

void generator_dates(DayNumber today, const DateFormat& format, std::string& from_text,
                     std::string& to_text) {
  to_text = format_date(today, format);
  from_text = format_date(add_months(today, -12), format);
}

}  // namespace ds
