#pragma once
// The My tickets window: the tickets bought for the lotto chosen (its tickets.txt,
// analyses/ledger.h), settled against its draws, as tables of entries, plays and
// members, the totals and the running net; entries added and removed through the
// ledger's own file path (the save lock, an atomic replace, nothing written over a
// damaged file or over an entry changed outside the window).
//
// The draws settled against are the state's when the Lotto window has read those of
// the lotto chosen (draws_read), else the lotto's draws.txt read here: the ledger
// settles whether or not the Lotto window was ever opened.
//
//   control                calls
//   (opening, draws or a watched file changed)  tickets_open
//   cmdFromSystem          plays_from_system       (the Systems window's tickets)
//   cmdFromFile            plays_from_file         (after the file dialog)
//   cmdAddMember           add_member
//   cmdRemoveMember        remove_member
//   cmdAdd                 add_entry
//   cmdRemove              remove_question, then remove_chosen_entry
//   cmdExport              export_table over `plays`
//   cmdPrint               print_tickets
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "analyses/ledger.h"
#include "shell/file_guard.h"
#include "shell/outcome.h"

namespace ds {

struct TicketsModel {
  std::filesystem::path games;
  std::string lotto;  // the lotto whose ledger is shown; "" before one is chosen
  LottoDefinition game;
  TextGrid draws;
  bool draws_from_state = false;  // the Lotto window's draws rather than draws.txt
  Ledger ledger;
  Settlement settlement;
  std::vector<LedgerMember> new_members;  // the members of the entry being typed
  // What the window shows.
  TextGrid entries;  // msfEntries: one row per entry
  TextGrid plays;    // msfPlays: one row per play and draw, or per play waiting for its draws
  TextGrid members;  // msfMembers: one row per member of a syndicate
  std::string totals_text;
  std::string lotto_label;
  std::vector<std::pair<DayNumber, double>> running_net;  // by date: won so far less spent so far
};

enum class TicketsFocus { none, from, count_box, to, paid, plays, member, share, entries, count };

struct TicketsOutcome : FocusOutcome<TicketsFocus> {
  std::optional<std::string> plays_text;  // txtPlays anew
  bool form_cleared = false;              // the entry was recorded: the form starts afresh
};

// The period of a new entry (cmbPeriod).
enum class EntryPeriod { one_draw, next_draws, range };

struct TicketsForm {
  std::string from;
  EntryPeriod period = EntryPeriod::one_draw;
  std::string count;  // next_draws: how many
  std::string to;     // range: the last date
  std::string paid;   // "" for the game's cost of the plays on the draws
  std::string plays;  // one play a line, as a ticket file or a list of tickets holds them
};

// The files the window watches: the lotto's draws.txt and tickets.txt.
std::vector<std::filesystem::path> tickets_files(const TicketsModel& model);

// Reads the definition, the draws (see above) and the ledger of the state's lotto
// and settles; a damaged ledger or draws.txt is the message, and the tables are empty.
TicketsOutcome tickets_open(TicketsModel& model, const AppState& state);

// The plays of the system or wheel chosen in the Systems window on the set chosen
// (its tickets as that window expands them, each with every second-pool subset picked),
// as lines for txtPlays.
TicketsOutcome plays_from_system(const TicketsModel& model, const AppState& state);
// The plays of a ticket file or CSV chosen (`shown` names it in the message).
TicketsOutcome plays_from_file(const TicketsModel& model, const std::filesystem::path& file,
                               const std::string& shown);

// A member of the entry being typed: a name and, split by amount paid, the amount;
// with equal shares the share is 1.
TicketsOutcome add_member(TicketsModel& model, std::string_view name, std::string_view share, bool by_amount,
                          const NumberFormat& number_format);
void remove_member(TicketsModel& model, int index);
// "Ann 2" as lstMembers lists a member.
std::string member_text(const LedgerMember& member);

// Records the form as a new entry in tickets.txt, then settles anew.
TicketsOutcome add_entry(TicketsModel& model, const TicketsForm& form, const AppState& state);

// Asked before an entry goes: the question, or "" when `index` is no entry.
std::string remove_question(const TicketsModel& model, int index);
TicketsOutcome remove_chosen_entry(TicketsModel& model, int index, const AppState& state);

// cmdPrint: the totals and the three tables.
PrintOutcome print_tickets(const TicketsModel& model);

}  // namespace ds
