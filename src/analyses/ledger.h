#pragma once
// The tickets a player bought, kept per lotto in Games/<lotto>/tickets.txt, and
// what they won once the lotto's draws are in. The file is UTF-8 text, lines
// ending in CR LF (LF read too); blank lines and lines starting with '#' are
// skipped; money is written with '.' as the decimal sign whatever the region:
//
//   Drawsmith tickets 1
//   entry 2025-11-19                        one draw: the draw of that date
//   paid 9                                  the price paid for the whole entry
//   member Ann 2                            optional: a member and their share
//   member Bob 1
//   N1 14 17 28 1 2 3                       the plays, as in the ticket file:
//   N2 3 9 17 25 40 + 12                    main numbers, then " + " and second-pool ones
//
//   entry 2025-11-01 next 4                 the next 4 draws from that date on
//   entry 2025-11-01 to 2025-11-30 draws 9  every draw of the dates, 9 expected
//
// An entry starts at its "entry" line; "paid" comes once, before the plays;
// members (a name, which may hold blanks, then a share greater than 0) come
// before the plays too, and each member's share of the price and of the prizes is
// their share over the sum of the shares. Dates are yyyy-mm-dd.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "shell/dates.h"
#include "shell/grid.h"
#include "shell/program_info.h"

namespace ds {

inline constexpr std::string_view ledger_first_line = "Drawsmith tickets 1";
inline constexpr const char* ledger_file_name = "tickets.txt";

struct LedgerPlay {
  std::vector<int> main;    // as bought, in the order written
  std::vector<int> second;  // the second-pool numbers; empty for none
  bool operator==(const LedgerPlay&) const = default;
};

struct LedgerMember {
  std::string name;
  double share = 1;
  bool operator==(const LedgerMember&) const = default;
};

struct LedgerEntry {
  enum class Period { one_draw, next_draws, range };
  Period period = Period::one_draw;
  DayNumber from = 0, to = 0;  // one_draw: from == to; next_draws: to unused
  int draws = 1;               // the draws bought: 1, N, or the draws expected in the range
  double paid = 0;
  std::vector<LedgerMember> members;
  std::vector<LedgerPlay> plays;
  bool operator==(const LedgerEntry&) const = default;
};

struct Ledger {
  std::vector<LedgerEntry> entries;
  bool operator==(const Ledger&) const = default;
};

// Games/<lotto>/tickets.txt.
std::filesystem::path ledger_path(const std::filesystem::path& games, const std::string& lotto);

// The file's text (layout above).
std::string ledger_text(const Ledger& ledger);
// One entry's lines, a blank line first: what --play adds after the file's bytes as they are.
std::string entry_text(const LedgerEntry& entry);
// Reads the text; nullopt with `error` = "line N ('the line'): why" (or why, for
// what the file lacks) when it is not a sound ledger.
std::optional<Ledger> parse_ledger(std::string_view text, std::string& error);

// The ledger at `path` (an empty one when there is no file yet); nullopt with `error`,
// naming the file and the line, when it cannot be read or is damaged.
std::optional<Ledger> read_ledger(const std::filesystem::path& path, std::string& error);
// Adds `entry` after the file's bytes as they are (a new file gets the first line), under
// the save lock, atomically. "" or why nothing was recorded: a damaged file is never
// written over.
std::string record_entry(const std::filesystem::path& path, const LedgerEntry& entry);

// Takes `entry` (the entry at `index` as the caller read it) out of the file, its lines
// alone: the other entries, comments and spacing stay as they are. Under the save lock,
// atomically. When the file no longer holds that entry at that place (another copy or
// an editor changed it meanwhile) the entry of the same contents is taken out if the
// file holds one, else nothing is written. "" or why nothing was removed.
std::string remove_entry(const std::filesystem::path& path, int index, const LedgerEntry& entry);

// The price of `plays` plays on `draws` draws at the game's cost a play, the cost taken
// at its shown decimal value (0.1, not the nearest binary fraction).
double entry_price(const LottoDefinition& game, std::size_t plays, int draws);

// "14 17 28 1 2 3" and "3 9 17 25 40 + 12": a play's numbers as the ticket file writes them.
std::string play_text(const LedgerPlay& play);

// Reads the plays of a ticket file the Systems window writes ("N1 3 9 17 25 40 + 12") or
// of a plain list of tickets, one per line, numbers separated by blanks, commas or
// semicolons (a leading label such as N1 skipped; blank lines and '#' lines skipped).
// Each play is checked against the game: pick_n distinct numbers from 1 to play_n, and
// second_n distinct second-pool numbers from 1 to second_pool. nullopt with `error`
// naming the line when a line is not such a play, or when there is none.
std::optional<std::vector<LedgerPlay>> parse_plays(std::string_view text, const LottoDefinition& game,
                                                   std::string& error);

// ---- Settlement ----

struct PlayResult {
  DayNumber day = 0;
  int entry = 0, play = 0;  // indexes in the ledger and the entry
  int main = 0;
  bool bonus = false;
  int second = 0;
  double prize = 0;
  std::string tier;  // "4+bonus", "" when it wins nothing
};

struct MemberShare {
  std::string name;
  double paid = 0, won = 0;
};

struct EntryResult {
  int draws_in = 0;  // draws of the entry's period in the table
  int missing = 0;   // draws bought that are not in the table yet
  double spent = 0, won = 0, net = 0;
  double return_per_unit = 0;  // won / spent; 0 when nothing was spent
  std::vector<MemberShare> members;
  // A play the game cannot be paid on (too few numbers, a number out of range):
  // the entry is not settled and says why.
  std::string problem;
};

struct Settlement {
  std::vector<EntryResult> entries;  // one per entry, in ledger order
  std::vector<PlayResult> plays;     // every play on every draw it has, in ledger order, then by date
  double spent = 0, won = 0, net = 0, return_per_unit = 0;
  int missing = 0;  // draws not in yet over all entries
};

// A syndicate's members over every entry they share, in the order they first appear.
std::vector<MemberShare> member_totals(const Settlement& settlement);

// Every entry against the draw table `draws` (read_draws' grid for `game`; dates in
// `format` or ISO). An entry's spent is its price paid; its won the prizes of its plays
// on the draws of its period found in the table.
Settlement settle(const Ledger& ledger, const LottoDefinition& game, const TextGrid& draws,
                  const DateFormat& format);

// The draws a period of dates holds: those of `draws` dated from..to, plus, for the days
// after the last draw of the table, the days of the week the lotto drew on in the five
// weeks up to its last draw. 0 when there is none, or -1 when the table has no draw to
// tell the drawing days from and the period runs past it.
int expected_draws(const TextGrid& draws, DayNumber from, DayNumber to, const DateFormat& format);

// ---- The commands ----

// True when the arguments ask for --play or --ledger.
bool wants_ledger_command(const std::vector<std::string>& args);
// --play FILE --lotto NAME --from YYYY-MM-DD --to YYYY-MM-DD: records the plays of FILE
// as one entry bought for every draw of the lotto dated in the period, at the game's
// cost a play; --ledger --lotto NAME: one line "date,numbers,prize" for each play bought
// that has its draw, then "total spent S won W", then "member NAME paid P won W" for each
// member of a syndicate over the entries they share. 0 on success, 1 when the lotto, the
// file or the ledger cannot be used (nothing is written), 2 on wrong arguments.
CommandRun run_ledger_command(const std::vector<std::string>& args, const std::filesystem::path& games,
                              const DateFormat& format);

}  // namespace ds
