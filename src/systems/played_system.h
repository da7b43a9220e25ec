#pragma once
// What the Systems window and the analyses play: a system of the catalogue,
// expanded from its base tickets, or a wheel made and saved in the Wheels
// folder. Both come down to a list of tickets written as positions 1..v of the
// targeted set; everything after the choice works on that list.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"

namespace ds {

struct PlayedSystem {
  std::string id;      // as listed: "10_3_6" or the wheel's name
  bool wheel = false;  // a made wheel rather than a catalogue system
  int v = 0;           // numbers in the set the tickets are for
  int t = 0;           // the guarantee: some ticket matches t numbers ...
  int m = 0;           // ... whenever m winning numbers lie in the set (m = t for a system)
  int k = 0;           // numbers per ticket
  std::string made;    // how the wheel was made ("" for a system)
  std::vector<std::vector<int>> tickets;  // positions 1..v, in playing order
};

// The heading the Systems window shows above the made wheels in its list.
inline constexpr std::string_view made_wheels_heading = "Made wheels";

// The names of the wheels saved in the Wheels folder of `app_folder` (their file
// names without ".txt"), in name order. A file named like a catalogue system is
// left out: the list text must name one thing only.
std::vector<std::string> made_wheel_names(const std::filesystem::path& app_folder);

// The wheels of the shipped wheel library are listed after the made ones as
// "library 15_6_4if4" (v, k, t, m): those a targeted set can hold (v at most
// max_played_v) with `pick` numbers a ticket (any ticket size when pick is 0).
std::string library_wheel_name(int v, int k, int t, int m);
std::vector<std::string> library_wheel_names(const std::filesystem::path& library, int pick);

// The system or wheel that `list_text` (blanks trimmed) names, with its tickets:
// a catalogue system, a made wheel, or a wheel of the library file `library`.
// `why` is set when there is none: no such system or wheel, a system the program
// holds no tickets for, a wheel file that cannot be read.
struct PlayedLookup {
  bool found = false;
  PlayedSystem played;
  std::string why;
};
PlayedLookup find_played_system(std::string_view list_text, const std::filesystem::path& app_folder,
                                const std::filesystem::path& library = {});

// True when `list_text` names a catalogue system rather than a wheel.
bool names_catalogue_system(std::string_view list_text);

// True when `list_text` (blanks trimmed) is no catalogue id and a file of the
// Wheels folder bears its name, or it names a wheel of the library file
// `library`: what is not a system and not a wheel is handled as an id outside
// the catalogue always was.
bool names_made_wheel(std::string_view list_text, const std::filesystem::path& app_folder,
                      const std::filesystem::path& library = {});

// The file of the made wheel listed as `name`: Wheels / name + ".txt".
std::filesystem::path made_wheel_path(const std::filesystem::path& app_folder, std::string_view name);

// The guaranteed results of a list of tickets: the averages from the number of
// tickets (every ticket holds k positions), the worst and best rows of w = 2..k
// (at most 6) by evaluating every placement.
// Tables are left all 0 for tickets on more than max_played_v numbers.
inline constexpr int max_played_v = 20;
void played_results(const PlayedSystem& played, ResultsAvg& avg, ResultsCount& min, ResultsCount& max);

}  // namespace ds
