#include "systems/wheel_command.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "shell/files.h"
#include "shell/numbers.h"
#include "systems/catalogue.h"
#include "wheels/wheel_check.h"
#include "wheels/wheel_library.h"
#include "wheels/wheel_maker.h"

namespace ds {

namespace {

std::optional<long long> whole(std::string_view s, long long lo, long long hi) {
  long long x = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (s.empty() || ec != std::errc{} || end != s.data() + s.size() || x < lo || x > hi) return std::nullopt;
  return x;
}

std::optional<double> decimal(std::string_view s) {
  double x = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
  if (s.empty() || ec != std::errc{} || end != s.data() + s.size() || !(x > 0) || x > 1e7)
    return std::nullopt;
  return x;
}

std::string join(const std::vector<int>& xs) {
  std::string out;
  for (std::size_t i = 0; i < xs.size(); ++i) out += (i ? " " : "") + std::to_string(xs[i]);
  return out;
}

constexpr std::string_view kMakeUsage =
    "Usage: drawsmith --make-wheel V --ticket K --guarantee T-if-M [--seconds S] [--seed N] [--threads N] "
    "[--steps N] [--keys B] [--tickets N] [--no-library] --out FILE\n";
constexpr std::string_view kCheckUsage =
    "Usage: drawsmith --check-wheel FILE [--guarantee T-if-M] [--set n1,n2,...]\n";
constexpr std::string_view kLibraryUsage =
    "Usage: drawsmith --library\n       drawsmith --library-wheel V --ticket K --guarantee T-if-M --out "
    "FILE\n";

CommandRun usage(std::string_view text, const std::string& why) {
  return {2, "", why + "\n" + std::string(text)};
}

}  // namespace

std::optional<std::pair<int, int>> parse_guarantee(std::string_view text) {
  std::string s;
  for (char c : text)
    if (c != ' ') s += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  const std::size_t at = s.find("if");
  if (at == std::string::npos) return std::nullopt;
  std::string_view left(s.data(), at), right(s.data() + at + 2, s.size() - at - 2);
  if (!left.empty() && left.back() == '-') left.remove_suffix(1);
  if (!right.empty() && right.front() == '-') right.remove_prefix(1);
  const auto t = whole(left, 1, 64), m = whole(right, 1, 64);
  if (!t || !m || *t > *m) return std::nullopt;
  return std::pair<int, int>{static_cast<int>(*t), static_cast<int>(*m)};
}

bool wants_wheel_command(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& a) {
    return a == "--make-wheel" || a == "--check-wheel" || a == "--library" || a == "--library-wheel";
  });
}

CommandRun make_wheel_command(const std::vector<std::string>& args, const std::filesystem::path& library) {
  MakeRequest request;
  std::string out_file;
  bool have_v = false, have_k = false, have_g = false, use_library = true;
  int keys = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--no-library") {
      use_library = false;
      continue;
    }
    if (i + 1 >= args.size()) return usage(kMakeUsage, "'" + a + "' needs a value.");
    const std::string& value = args[++i];
    if (a == "--make-wheel" || a == "--ticket") {
      const auto x = whole(value, 1, 64);
      if (!x) return usage(kMakeUsage, "'" + value + "' is not a whole number.");
      (a == "--ticket" ? request.k : request.v) = static_cast<int>(*x);
      (a == "--ticket" ? have_k : have_v) = true;
    } else if (a == "--guarantee") {
      const auto g = parse_guarantee(value);
      if (!g) return usage(kMakeUsage, "'" + value + "' is not a guarantee such as 4-if-6.");
      request.t = g->first;
      request.m = g->second;
      have_g = true;
    } else if (a == "--seconds") {
      const auto s = decimal(value);
      if (!s) return usage(kMakeUsage, "'" + value + "' is not a number of seconds above 0.");
      request.seconds = *s;
    } else if (a == "--seed" || a == "--threads" || a == "--steps") {
      const auto x = whole(value, a == "--seed" ? 0 : 1, a == "--threads" ? 256 : (1ll << 62));
      if (!x) return usage(kMakeUsage, "'" + value + "' is not allowed for " + a + ".");
      if (a == "--seed") request.seed = static_cast<std::uint64_t>(*x);
      if (a == "--threads") request.threads = static_cast<int>(*x);
      if (a == "--steps") request.steps = static_cast<std::uint64_t>(*x);
    } else if (a == "--tickets") {
      const auto x = whole(value, 1, 1'000'000);
      if (!x) return usage(kMakeUsage, "'" + value + "' is not a number of tickets.");
      request.budget = static_cast<int>(*x);
    } else if (a == "--keys") {
      const auto x = whole(value, 0, 10);
      if (!x) return usage(kMakeUsage, "'" + value + "' is not a number of keys.");
      keys = static_cast<int>(*x);
    } else if (a == "--out") {
      out_file = value;
    } else {
      return usage(kMakeUsage, "Unknown argument '" + a + "'.");
    }
  }
  if (!have_v || !have_k || !have_g || out_file.empty())
    return usage(kMakeUsage, "--make-wheel, --ticket, --guarantee and --out are needed.");
  const MakeRequest asked = request;
  if (std::string error = take_keys_off(request, keys); !error.empty()) return {2, "", error + "\n"};

  // the library's wheel of the size, when there is one, is where the search starts
  std::size_t started = 0;
  if (const auto w =
          use_library ? library_wheel(library, request.v, request.k, request.t, request.m) : std::nullopt) {
    request.start = w->tickets;
    started = w->tickets.size();
  }
  MakeProgress progress;
  std::optional<Wheel> wheel = make_wheel(request, {}, progress);
  if (wheel && keys > 0) {
    wheel = with_keys(*wheel, keys);
    wheel->made += ", keys 1 to " + std::to_string(keys);
  }
  const std::string secs = format_fixed(progress.seconds.load(), 1);
  const std::string found = format_fixed(progress.best_seconds.load(), 1);
  if (!wheel)
    return {1, "",
            "No complete wheel was found in " + std::string(secs) + " s; give it more time (--seconds).\n"};
  CommandRun run;
  const long long size = static_cast<long long>(wheel->tickets.size());
  if (request.budget > 0) {
    const long long holes = progress.uncovered.load();
    run.out =
        "Made a budget wheel of " + std::to_string(size) + " tickets: " + std::to_string(asked.v) +
        " numbers, " + std::to_string(asked.k) + " per ticket, for " +
        guarantee_text(asked.t, asked.m, keys) + ", in " + secs + " s: it " +
        covered_share_text(static_cast<std::uint64_t>(holes), subsets_count(request.v, request.m), asked.m) +
        " (" + std::to_string(holes) + (holes == 1 ? " hole" : " holes") + ", checked exhaustively).\n";
    if (std::string error = write_file_atomic(out_file, wheel_file_text(*wheel)); !error.empty())
      return {1, run.out, "The wheel could not be written to " + out_file + ": " + error + "\n"};
    run.out += "Written to " + out_file + ".\n";
    return run;
  }
  run.out = "Made a wheel of " + std::to_string(size) + " tickets: " + std::to_string(asked.v) +
            " numbers, " + std::to_string(asked.k) + " per ticket, " +
            guarantee_text(asked.t, asked.m, keys) + ", in " + secs + " s, this size reached after " + found +
            " s (checked exhaustively).\n";
  if (started)
    run.out += "Started from the library's wheel of " + std::to_string(started) + " tickets" +
               (static_cast<long long>(started) > size
                    ? "; " + std::to_string(started - static_cast<std::size_t>(size)) + " fewer now.\n"
                    : "; none fewer found.\n");
  if (const long long bound = known_bound(request.v, request.k, request.t, request.m); bound > 0)
    run.out += "Lower bound (Schönheim): " + std::to_string(bound) + " tickets; this wheel is " +
               std::to_string(size - bound) + " above it.\n";
  else
    run.out += "No lower bound is known for this guarantee.\n";
  const CatalogueMatch match = catalogue_match(request.v, request.k, request.t);
  if (!match.id.empty() && keys == 0) {
    const long long saved = match.tickets - size;
    run.out += "Catalogue system " + match.id + ": " + std::to_string(match.tickets) + " tickets (" +
               guarantee_text(request.t, request.t) + "); " +
               (saved >= 0 ? std::to_string(saved) + " tickets saved.\n"
                           : std::to_string(-saved) + " tickets more.\n");
  }
  if (std::string error = write_file_atomic(out_file, wheel_file_text(*wheel)); !error.empty())
    return {1, run.out, "The wheel could not be written to " + out_file + ": " + error + "\n"};
  run.out += "Written to " + out_file + ".\n";
  return run;
}

CommandRun check_wheel_command(const std::vector<std::string>& args) {
  std::string file;
  std::optional<std::pair<int, int>> guarantee;
  std::vector<int> set;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return usage(kCheckUsage, "'" + a + "' needs a value.");
    const std::string& value = args[++i];
    if (a == "--check-wheel") {
      file = value;
    } else if (a == "--guarantee") {
      guarantee = parse_guarantee(value);
      if (!guarantee) return usage(kCheckUsage, "'" + value + "' is not a guarantee such as 4-if-6.");
    } else if (a == "--set") {
      const auto numbers = parse_number_list(value);
      if (!numbers) return usage(kCheckUsage, "'" + value + "' is not a list of numbers such as 3,7,12.");
      set = *numbers;
    } else {
      return usage(kCheckUsage, "Unknown argument '" + a + "'.");
    }
  }
  if (file.empty()) return usage(kCheckUsage, DS_TR_NOOP("No file was given."));
  const std::optional<std::string> bytes = read_file(file);
  if (!bytes) return {2, "", "Cannot read " + file + ".\n"};
  const WheelRead read = parse_ticket_list(*bytes, set);
  if (!read.ok) return {2, "", file + ": " + read.error + "\n"};
  const Wheel& wheel = read.wheel;
  int t = wheel.t, m = wheel.m;
  const int keys = wheel.keys;
  if (guarantee) {
    t = guarantee->first;
    m = guarantee->second;
    if (m > max_maker_m)  // beyond 7 winners the cases run into the billions
      return {2, "", "The guarantee can ask for at most " + std::to_string(max_maker_m) + " winners.\n"};
    if (m > wheel.v)
      return {2, "",
              "The guarantee asks for " + std::to_string(m) + " winners in a set of " +
                  std::to_string(wheel.v) + " numbers.\n"};
  }
  if (keys > 0 && keys >= t)
    return {2, "",
            "The wheel's " + std::to_string(keys) + " keys need a guarantee of more than " +
                std::to_string(keys) + " winners a ticket.\n"};
  const WheelCheckResult result = check_wheel(wheel, t, m);  // with keys, the cases holding them
  CommandRun run;
  run.out = std::to_string(wheel.tickets.size()) + " tickets of " + std::to_string(wheel.k) + " numbers on " +
            std::to_string(wheel.v) + " numbers.\n";
  if (!read.skipped.empty()) run.out += read.skipped + "\n";
  run.out += "winners  worst  best  cases by match 0, 1, 2, ...\n";
  for (const MatchRow& row : result.rows) {
    char head[64];
    std::snprintf(head, sizeof head, "%7d  %5d  %4d ", row.w, row.worst, row.best);
    run.out += head;
    for (std::uint64_t c : row.cases) run.out += " " + std::to_string(c);
    run.out += "\n";
  }
  if (t == 0) {
    run.out += "No guarantee was given (--guarantee T-if-M).\n";
    return run;
  }
  run.out += "Guarantee " + guarantee_text(t, m, keys) + ": ";
  if (result.meets) {
    run.out += "met, no holes.\n";
    return run;
  }
  run.exit_code = 1;
  run.out += std::to_string(result.hole_count) + (result.hole_count == 1 ? " hole" : " holes") +
             " (cases of " + std::to_string(m) + " winners where no ticket holds " + std::to_string(t) +
             "); it " + covered_share_text(result.hole_count, subsets_count(wheel.v - keys, m - keys), m) +
             ".\n";
  const std::size_t shown = std::min<std::size_t>(result.holes.size(), 20);
  for (std::size_t i = 0; i < shown; ++i) {
    std::vector<int> numbers = result.holes[i];
    if (set.size() == static_cast<std::size_t>(wheel.v))
      for (int& p : numbers) p = set[static_cast<std::size_t>(p - 1)];
    run.out += "  " + join(numbers) + "\n";
  }
  if (result.hole_count > shown) run.out += "  ...\n";
  return run;
}

CommandRun library_command(const std::vector<std::string>& args, const std::filesystem::path& library) {
  int v = 0, k = 0;
  std::optional<std::pair<int, int>> guarantee;
  std::string out_file;
  const bool listing = !args.empty() && args[0] == "--library";
  if (listing && args.size() > 1) return usage(kLibraryUsage, "Unknown argument '" + args[1] + "'.");
  for (std::size_t i = 0; !listing && i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return usage(kLibraryUsage, "'" + a + "' needs a value.");
    const std::string& value = args[++i];
    if (a == "--library-wheel" || a == "--ticket") {
      const auto x = whole(value, 1, 64);
      if (!x) return usage(kLibraryUsage, "'" + value + "' is not a whole number.");
      (a == "--ticket" ? k : v) = static_cast<int>(*x);
    } else if (a == "--guarantee") {
      guarantee = parse_guarantee(value);
      if (!guarantee) return usage(kLibraryUsage, "'" + value + "' is not a guarantee such as 4-if-6.");
    } else if (a == "--out") {
      out_file = value;
    } else {
      return usage(kLibraryUsage, "Unknown argument '" + a + "'.");
    }
  }
  if (!listing && (v == 0 || k == 0 || !guarantee || out_file.empty()))
    return usage(kLibraryUsage, "--library-wheel, --ticket, --guarantee and --out are needed.");
  const std::optional<std::string> bytes = read_file(library);
  if (!bytes) return {2, "", "Cannot read the wheel library " + library.string() + ".\n"};
  const LibraryRead read = parse_wheel_library(*bytes);
  if (!read.ok) return {2, "", read.error + "\n"};
  if (listing) return {0, library_listing(read.wheels), ""};
  const auto [t, m] = *guarantee;
  const std::string size =
      std::to_string(v) + " numbers, " + std::to_string(k) + " per ticket, " + guarantee_text(t, m);
  const Wheel* wheel = find_library_wheel(read.wheels, v, k, t, m);
  if (!wheel)
    return {1, "", "The wheel library has no wheel for " + size + " (drawsmith --library lists it).\n"};
  if (!meets_guarantee(*wheel, t, m))
    return {1, "", "The library's wheel for " + size + " has holes; it was not written.\n"};
  if (std::string error = write_file_atomic(out_file, wheel_file_text(*wheel)); !error.empty())
    return {1, "", "The wheel could not be written to " + out_file + ": " + error + "\n"};
  return {0,
          "Wrote the library's wheel of " + std::to_string(wheel->tickets.size()) + " tickets for " + size +
              " (" + wheel->made + ") to " + out_file + ".\n",
          ""};
}

CommandRun run_wheel_command(const std::vector<std::string>& args, const std::filesystem::path& library) {
  for (const std::string& a : args) {
    if (a == "--make-wheel") return make_wheel_command(args, library);
    if (a == "--check-wheel") return check_wheel_command(args);
    if (a == "--library" || a == "--library-wheel") return library_command(args, library);
  }
  return usage(std::string(kMakeUsage) + std::string(kCheckUsage) + std::string(kLibraryUsage),
               "No wheel command was given.");
}

}  // namespace ds
