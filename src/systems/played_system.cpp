#include "systems/played_system.h"

#include <algorithm>
#include <cstdio>

#include "shell/fields.h"
#include "shell/files.h"
#include "shell/game.h"
#include "systems/catalogue.h"
#include "systems/placements.h"
#include "wheels/wheel_file.h"
#include "wheels/wheel_library.h"

namespace ds {

bool names_catalogue_system(std::string_view list_text) {
  return find_system(trim_blanks(list_text)) != nullptr;
}

std::filesystem::path made_wheel_path(const std::filesystem::path& app_folder, std::string_view name) {
  return wheels_folder(app_folder) / (std::string(name) + ".txt");
}

namespace {

constexpr std::string_view library_prefix = "library ";

// The library's wheel `id` names ("library 15_6_4if4"), read from the file.
std::optional<Wheel> named_library_wheel(std::string_view id, const std::filesystem::path& library) {
  if (!id.starts_with(library_prefix) || library.empty()) return std::nullopt;
  int v = 0, k = 0, t = 0, m = 0, used = 0;
  const std::string text(id.substr(library_prefix.size()));
  if (std::sscanf(text.c_str(), "%d_%d_%dif%d%n", &v, &k, &t, &m, &used) != 4 ||
      library_wheel_name(v, k, t, m) != id)
    return std::nullopt;
  const std::optional<std::string> bytes = read_file(library);
  return bytes ? library_entry(*bytes, v, k, t, m) : std::nullopt;
}

}  // namespace

std::string library_wheel_name(int v, int k, int t, int m) {
  return std::string(library_prefix) + std::to_string(v) + "_" + std::to_string(k) + "_" + std::to_string(t) +
         "if" + std::to_string(m);
}

std::vector<std::string> library_wheel_names(const std::filesystem::path& library, int pick) {
  std::vector<std::string> names;
  const std::optional<std::string> bytes = library.empty() ? std::nullopt : read_file(library);
  if (!bytes) return names;
  for (const LibrarySize& s : library_sizes(*bytes))
    if (s.v <= max_played_v && (pick == 0 || s.k == pick))
      names.push_back(library_wheel_name(s.v, s.k, s.t, s.m));
  return names;
}

bool names_made_wheel(std::string_view list_text, const std::filesystem::path& app_folder,
                      const std::filesystem::path& library) {
  const std::string_view id = trim_blanks(list_text);
  if (id.starts_with(library_prefix) && named_library_wheel(id, library)) return true;
  if (id.empty() || names_catalogue_system(id) || app_folder.empty()) return false;
  if (id.find_first_of("/\\") != std::string_view::npos || id.front() == '.') return false;
  return file_exists(made_wheel_path(app_folder, id));
}

std::vector<std::string> made_wheel_names(const std::filesystem::path& app_folder) {
  std::vector<std::string> names;
  for (std::string& file : list_wheel_files(wheels_folder(app_folder))) {
    std::string name = file.substr(0, file.size() - 4);  // listed files end in ".txt"
    if (!name.empty() && !names_catalogue_system(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

PlayedLookup find_played_system(std::string_view list_text, const std::filesystem::path& app_folder,
                                const std::filesystem::path& library) {
  PlayedLookup out;
  const std::string id(trim_blanks(list_text));
  PlayedSystem& p = out.played;
  p.id = id;
  if (const SystemInfo* s = find_system(id)) {
    TicketTable base;
    std::int16_t count = 0;
    if (!load_tickets(id, count, base)) {
      out.why = "The program holds no tickets for the system " + id + ".";
      return out;
    }
    p.v = s->v;
    p.t = p.m = s->t;
    p.k = s->m;
    p.tickets = expand_tickets(base, count, s->v, s->m);
    out.found = true;
    return out;
  }
  if (id.empty() || id.find_first_of("/\\") != std::string::npos || id == "." || id == "..") {
    out.why = DS_TR_NOOP("Please choose a system.");
    return out;
  }
  if (const std::optional<Wheel> w = named_library_wheel(id, library)) {
    p.wheel = true;
    p.v = w->v;
    p.k = w->k;
    p.t = w->t;
    p.m = w->m;
    p.made = w->made;
    p.tickets = w->tickets;
    out.found = true;
    return out;
  }
  const std::optional<std::string> bytes = read_file(made_wheel_path(app_folder, id));
  if (!bytes) {
    out.why = "The wheel " + id + " is not in the Wheels folder.";
    return out;
  }
  const WheelRead read = parse_wheel_file(*bytes);
  if (!read.ok) {
    out.why = "The wheel " + id + " cannot be read: " + read.error;
    return out;
  }
  const Wheel* wheel = &read.wheel;
  p.wheel = true;
  p.v = wheel->v;
  p.k = wheel->k;
  p.t = wheel->t;
  p.m = wheel->m;
  p.made = wheel->made;
  p.tickets = wheel->tickets;
  out.found = true;
  return out;
}

void played_results(const PlayedSystem& played, ResultsAvg& avg, ResultsCount& min, ResultsCount& max) {
  avg = {};
  min = {};
  max = {};
  const int v = played.v, k = std::min(played.k, max_results_winners);
  const auto tickets = static_cast<double>(played.tickets.size());
  // A targeted set holds at most 20 numbers: a wider wheel cannot be played on
  // one, and evaluating it here would hold up the window for nothing.
  if (v < 2 || v > max_played_v || k < 2) return;
  for (int w = 2; w <= k; ++w)
    for (int j = 2; j <= w; ++j)
      avg[w][j] = static_cast<float>(tickets * ways_to_choose(played.k, j) *
                                     ways_to_choose(v - played.k, w - j) / ways_to_choose(v, w));
  const std::vector<PositionMask> masks = ticket_masks(played.tickets);
  placement_rows(masks, v, std::min(k, v), min, max);
}

}  // namespace ds
