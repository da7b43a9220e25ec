#pragma once
// The generator of targeted sets: how often each number was drawn over a period
// of the draw history, and the proposal of a set from those counts or at random.
// The generator window's handler: cmdGo (and Enter in a box) calls generate, over
// the window's model (GeneratorModel) and that of the Targeted Sets window.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/outcome.h"
#include "tsets/tsets_handlers.h"

namespace ds {

inline constexpr int max_lotto_number = 90;

// A uniform value in [0, 1).
using UniformSource = std::function<double()>;
// A source seeded from the clock.
UniformSource clock_uniform();

// Fills numbers[1..n] with n distinct numbers from 1..max, each uniformly
// chosen, redrawing repeats. `uniform` empty: a source seeded from the clock.
// Nothing is drawn when n > max (no n distinct numbers exist) or n > 90.
void get_rand(std::int16_t& n, std::int16_t& max, std::array<std::int16_t, 91>& numbers,
              const UniformSource& uniform = {});

struct CalcFrResult {
  std::string res;      // "" or "error"
  std::string message;  // what the user sees, "" for none
};

// The frequency table of the draws in `draws` (the draw grid: column 0 date,
// column 1 day-number key, columns 2.. the numbers) from `from` to `to`,
// counting every `step`-th draw from the first on or after `from`. `freq` gets
// the header row, one row per number 1..play_n sorted from the most to the
// least frequent (equal counts in ascending number order), an empty row and
// "Total draws". The draws are read in the order of their key; the grid itself
// is left as it is. When no draw falls in the period the message also names
// the first and last draw of the history.
CalcFrResult calc_fr(const TextGrid& draws, DayNumber from, DayNumber to, int step, int play_n, int pick_n,
                     TextGrid& freq, const DateFormat& format);

enum class GeneratorRule { random, lowest, lowest_positive, highest };
enum class GeneratorFocus { none, from, to, step, count };

// Everything the generator window holds apart from its widgets: msfFrequencies,
// its header row until a rule counts the draws.
struct GeneratorModel {
  TextGrid frequencies;
  GeneratorModel();
};

struct GeneratorInput {
  std::string from_text, to_text, step_text;
  GeneratorRule rule = GeneratorRule::random;
};

// Where the proposal goes: the Targeted Sets window's model (null when that
// window is not open) and the text of its date box.
struct GeneratorTarget {
  TsetsModel* sets = nullptr;
  std::string date_text;
};

// cmdGo's outcome; it brings forward the Lotto or Targeted Sets window where a
// missing choice is made.
struct GeneratorOutcome : FocusOutcome<GeneratorFocus> {
  int written_row = 0;     // the row of msfTsets that got the proposal
  bool row_added = false;  // it is a new row: the current row held another date's set
  // For the status line, once the dates are read and there are draws: how many
  // draws fall in the period; when none, where the history starts and ends.
  Text period;
};

// cmdGo. `draws` may be null (no Lotto window). Raises tset_row to 1 when below.
// The proposal goes into the current row when it is empty or of the date box's
// date; a current row of another date holding numbers is kept, and a new row
// with the date box's text gets the proposal and becomes current. The row
// written becomes the current set (tset_numbers), as a selected row does. Once
// the checks of the boxes pass, the set's Save is on and its rows unsaved. A
// current row of the date box's date that holds numbers is replaced only after
// `ask` (Replace, New row: a new row of that date; Cancel writes nothing and
// leaves Save and the unsaved mark as they were); without `ask` it is replaced.
GeneratorOutcome generate(GeneratorModel& model, const GeneratorInput& input, AppState& state,
                          const TextGrid* draws, const GeneratorTarget& target,
                          const UniformSource& uniform = {}, const AskUser& ask = {});

// Load: From is today moved back 12 months, To is today.
void generator_dates(DayNumber today, const DateFormat& format, std::string& from_text, std::string& to_text);

}  // namespace ds
