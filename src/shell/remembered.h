#pragma once
// What the program remembers from one run to the next: the lotto, targeted set
// and system last chosen, and the period of each analysis window. The settings
// store keeps plain key/value texts; this side reads them back with every value
// checked, so a damaged or hand-edited store gives at worst nothing remembered.
#include <map>
#include <string>
#include <string_view>

#include "shell/dates.h"

namespace ds {

struct RememberedPeriod {
  DayNumber from = 0;
  DayNumber to = 0;
  bool operator==(const RememberedPeriod&) const = default;
};

struct RememberedChoices {
  std::string lotto;
  int tset_size = 0;  // 0: none
  std::string tset;
  std::string system;
  // A game with a second pool: the second-pool numbers played, as typed ("4 19").
  std::string second{};
  // By the window's name (frmFability, frmBacktest).
  std::map<std::string, RememberedPeriod> periods;
  bool operator==(const RememberedChoices&) const = default;
};

using SettingTexts = std::map<std::string, std::string>;

// The choices as settings keys ("choices/lotto", "periods/frmBacktest/from", ...);
// dates are written yyyy-mm-dd whatever the region's form; nothing for a blank choice.
SettingTexts choice_settings(const RememberedChoices& choices);
// Reads them back; a value that does not parse is left out (with what depends
// on it: no set without its size, no period without both dates in order).
RememberedChoices choices_from_settings(const SettingTexts& settings);

// Whether the text of a settings file holds anything but blank lines, comments
// (";", "#"), "[section]" lines and "key=value" lines: such a file is damaged
// (cut short, written over, edited by hand) and is written afresh, not kept
// with its junk.
bool settings_text_damaged(std::string_view text);

// What is remembered when a run ends: each choice made in the run (`made`); for
// a kind the run left unchosen, the one remembered before (`before`), so that a
// lotto removed between runs takes only itself away: the set and the system stay
// remembered. The second-pool numbers go with the lotto they were kept with;
// `lotto_still_there` says whether the lotto remembered before still exists.
RememberedChoices choices_to_keep(const RememberedChoices& made, const RememberedChoices& before,
                                  bool lotto_still_there);

}  // namespace ds
