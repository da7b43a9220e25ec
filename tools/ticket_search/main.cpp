// ticket_search: finds cyclic base tickets whose expanded tickets give the wanted
// worst-case and best-case rows, and writes what it found.
//
//   ticket_search [--targets FILE] [--only ID,ID,...] [--seconds S] [--seed N] [--jobs J]
//                 [--tables FILE] [--phase NAME] [--from TABLES_FILE] [--multiplier U]
//                 [--pin N,N,... [--pin N,N,...]] [--pin-worst N,N,...] [--verbose]
//   ticket_search --sweep K --from TABLES_FILE [--only ID,...] [--tables FILE]
//                 (every table K base tickets away from the given one; the matching ones are
//                 written, or else the closest if it is closer than the given one)
//   ticket_search --complete [FROM:TO] --only ID [--from TABLES_FILE | --matches-only]
//                 [--short-orbits H] [--branches A:B] [--sub-branches C:D] [--tables FILE]
//                 [--checkpoint SECONDS] [--resume PATH] [--probes N [--seed S]]
//                 (every table of the system, up to relabelling, by the sweep's enumeration;
//                 FROM:TO picks a range of the first tickets' classes, A:B a range of the
//                 second tickets' branches under each, and C:D of the third tickets' under
//                 those, to cut a run into parts; every SECONDS of CPU a line "checkpoint
//                 PATH of BRANCHES" says where a run stopped later can go on from, with
//                 --resume PATH, and how many branches each node on the path has; with
//                 --probes N nothing is searched: N random paths estimate how many nodes
//                 each first class has)
//   ticket_search --emit-cpp TABLES_FILE...   (prints base_tickets.cpp to stdout)
//   ticket_search --check TABLES_FILE          (re-verifies each table line)
//   ticket_search --rows TABLES_FILE           (prints the rows each table really gives)
//
// Each system gets its own time limit; the search of a system depends only on the seed,
// so a run with the same seed and enough time finds the same table again.
#include <atomic>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "search.h"

#ifndef TICKET_SEARCH_DIR
#define TICKET_SEARCH_DIR "."
#endif

using namespace ds::search;

namespace {

std::vector<std::string> split_list(const std::string& s) {
  std::vector<std::string> out;
  std::stringstream in(s);
  std::string item;
  while (std::getline(in, item, ',')) out.push_back(item);
  return out;
}

// "A:B" -> A and B
std::pair<int, int> range(const std::string& text) {
  return {std::stoi(text.substr(0, text.find(':'))), std::stoi(text.substr(text.find(':') + 1))};
}

// "0,1,5" -> the set {0, 1, 5}
Mask placement(const std::string& list) {
  Mask out = 0;
  for (const auto& x : split_list(list)) out |= Mask{1} << std::stoi(x);
  return out;
}

std::string table_line(const Target& t, const Outcome& o) {
  std::ostringstream line;
  line << t.id << ' '
       << (o.exact     ? "matched"
           : o.covered ? "closest"
                       : "none")
       << ' ' << (o.covered ? o.difference : -1);
  for (Mask b : o.bases) {
    line << " |";
    for (int x : increments(b, t.v, t.m)) line << ' ' << x;
  }
  return line.str();
}

// Reads table lines; a later line for the same id wins unless it is worse.
struct Table {
  bool exact = false;
  int difference = 0;
  std::vector<std::array<int, 6>> rows;
};

// The base tickets of the first line of a tables file for the system (empty if none).
std::vector<Mask> first_table(const std::string& path, const Target& t) {
  std::ifstream in(path);
  std::string line;
  std::vector<Mask> bases;
  while (bases.empty() && std::getline(in, line)) {
    if (line.rfind(t.id + " ", 0) != 0) continue;
    for (auto pos = line.find('|'); pos != std::string::npos; pos = line.find('|', pos + 1)) {
      std::istringstream row(line.substr(pos + 1));
      std::array<int, 6> inc{};
      for (int& x : inc) row >> x;
      bases.push_back(from_increments(inc, t.m));
    }
  }
  return bases;
}

int emit_cpp(int argc, char** argv, int first) {
  std::map<std::string, Table> tables;
  for (int i = first; i < argc; ++i) {
    std::ifstream in(argv[i]);
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream head(line.substr(0, line.find('|')));
      std::string id, status;
      int diff = 0;
      if (!(head >> id >> status >> diff) || status == "none") continue;
      if (id == "10_3_6" || id == "10_4_6") continue;  // the program holds these two
      Table t;
      t.exact = status == "matched";
      t.difference = diff;
      std::size_t pos = line.find('|');
      while (pos != std::string::npos) {
        const std::size_t next = line.find('|', pos + 1);
        std::istringstream row(line.substr(pos + 1, next == std::string::npos ? next : next - pos - 1));
        std::array<int, 6> inc{};
        for (int& x : inc) row >> x;
        t.rows.push_back(inc);
        pos = next;
      }
      auto it = tables.find(id);
      if (it == tables.end() || t.difference < it->second.difference) tables[id] = t;
    }
  }
  std::printf("// Generated by tools/ticket_search --emit-cpp; do not edit by hand.\n");
  std::printf("#include \"systems/base_tickets.h\"\n\nnamespace ds {\n\n");
  std::printf("const std::vector<BaseTicketTable>& searched_base_tickets() {\n");
  std::printf("    static const std::vector<BaseTicketTable> tables = {\n");
  for (const auto& [id, t] : tables) {
    std::printf("        {\"%s\", %s, {", id.c_str(), t.exact ? "true" : "false");
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
      std::printf("%s{", r ? ", " : "");
      for (int k = 0; k < 6; ++k) std::printf("%s%d", k ? ", " : "", t.rows[r][k]);
      std::printf("}");
    }
    std::printf("}},\n");
  }
  std::printf("    };\n    return tables;\n}\n\n}  // namespace ds\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string targets_path = std::string(TICKET_SEARCH_DIR) + "/targets.txt";
  std::string tables_path = "tables.txt";
  std::vector<std::string> only;
  double seconds = 60;
  std::uint64_t seed = 1;
  int jobs = 1;
  int multiplier = 0;
  Mask pin = 0, pin_worst = 0, pin_second = 0;  // --pin may be given twice
  bool verbose = false;
  int sweep = 0;
  bool complete = false, matches_only = false;
  CompleteRun complete_run;
  double checkpoint_seconds = 0;
  std::string only_phase, from_file;
  std::string check_file;
  bool print_rows = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "missing value for %s\n", a.c_str());
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--emit-cpp") return emit_cpp(argc, argv, i + 1);
    if (a == "--targets")
      targets_path = value();
    else if (a == "--only")
      only = split_list(value());
    else if (a == "--seconds")
      seconds = std::stod(value());
    else if (a == "--seed")
      seed = std::stoull(value());
    else if (a == "--jobs")
      jobs = std::stoi(value());
    else if (a == "--tables")
      tables_path = value();
    else if (a == "--verbose")
      verbose = true;
    else if (a == "--phase")
      only_phase = value();
    else if (a == "--from")
      from_file = value();
    else if (a == "--multiplier")
      multiplier = std::stoi(value());
    else if (a == "--pin")
      (pin ? pin_second : pin) = placement(value());
    else if (a == "--pin-worst")
      pin_worst = placement(value());
    else if (a == "--sweep")
      sweep = std::stoi(value());
    else if (a == "--branches")
      std::tie(complete_run.branch_from, complete_run.branch_to) = range(value());
    else if (a == "--sub-branches")
      std::tie(complete_run.sub_from, complete_run.sub_to) = range(value());
    else if (a == "--probes")
      complete_run.probes = std::stoi(value());
    else if (a == "--checkpoint")
      checkpoint_seconds = std::stod(value());
    else if (a == "--resume") {
      std::stringstream in(value());
      for (std::string step; std::getline(in, step, '.');) complete_run.resume.push_back(std::stoi(step));
    } else if (a == "--short-orbits")
      complete_run.short_orbits = std::stoi(value());
    else if (a == "--matches-only")
      matches_only = true;
    else if (a == "--complete") {
      complete = true;
      if (i + 1 < argc && std::strchr(argv[i + 1], ':'))
        std::tie(complete_run.first_from, complete_run.first_to) = range(value());
    } else if (a == "--check")
      check_file = value();
    else if (a == "--rows")
      check_file = value(), print_rows = true;
    else {
      std::fprintf(stderr, "unknown argument %s\n", a.c_str());
      return 2;
    }
  }
  std::vector<Target> all = read_targets(targets_path);
  std::vector<Target> work;
  if (only.empty()) work = all;
  for (const auto& id : only) {
    bool found = false;
    for (const auto& t : all)
      if (t.id == id) work.push_back(t), found = true;
    if (!found) {
      std::fprintf(stderr, "unknown system %s\n", id.c_str());
      return 2;
    }
  }

  if (!check_file.empty()) {
    // re-verify a tables file: rows, guarantee and whether the exact rules accept it
    std::ifstream in(check_file);
    std::string line;
    while (std::getline(in, line)) {
      std::istringstream head(line.substr(0, line.find('|')));
      std::string id;
      head >> id;
      const Target* t = nullptr;
      for (const auto& x : all)
        if (x.id == id) t = &x;
      if (!t) continue;
      std::vector<Mask> bases;
      for (auto pos = line.find('|'); pos != std::string::npos; pos = line.find('|', pos + 1)) {
        std::istringstream row(line.substr(pos + 1));
        std::array<int, 6> inc{};
        for (int& x : inc) row >> x;
        bases.push_back(from_increments(inc, t->m));
      }
      const auto tickets = expand(bases, t->v);
      if (print_rows) {
        // the rows these tickets really give, in the targets' notation
        const Rows rows = evaluate_rows(tickets, t->v, t->m);
        auto text = [&](const RowTable& r) {
          std::string out;
          for (int w = 2; w <= t->m; ++w) {
            if (w > 2) out += " / ";
            for (int k = 2; k <= w; ++k) {
              if (k > 2) out += ' ';
              out += std::to_string(r[w][k]);
            }
          }
          return out;
        };
        std::printf("    {\"%s\", \"%s\", \"%s\"},\n", id.c_str(), text(rows.min).c_str(),
                    text(rows.max).c_str());
        continue;
      }
      std::printf("%s rows %d guarantee %d accepted %d\n", id.c_str(),
                  row_difference(*t, evaluate_rows(tickets, t->v, t->m)), covers_all(tickets, t->v, t->t),
                  exact_rules_accept(*t, bases));
    }
    return 0;
  }

  // differing cells of a table's rows
  auto cells_of = [](const Target& t, const std::vector<Mask>& bases) {
    return row_difference(t, evaluate_rows(expand(bases, t.v), t.v, t.m));
  };
  auto write_table = [](std::ofstream& tables, const Target& t, const std::vector<Mask>& bases,
                        int difference) {
    Outcome o;
    o.exact = difference == 0;
    o.covered = true;
    o.difference = difference;
    o.bases = bases;
    tables << table_line(t, o) << '\n';
    tables.flush();
  };

  if (complete) {
    complete_run.seed = seed;
    if (!complete_run.resume.empty() && complete_run.short_orbits > 0) {
      std::fprintf(stderr, "--resume does not go with --short-orbits\n");
      return 2;
    }
    std::ofstream tables(tables_path, std::ios::app);
    for (const auto& t : work) {
      const int n = first_classes(t, complete_run.short_orbits > 0);
      // with --from, only tables closer than the given one are kept as the closest;
      // --matches-only keeps none, and gives a table up at its first differing cell
      const auto start = from_file.empty() ? std::vector<Mask>{} : first_table(from_file, t);
      const int cells = matches_only ? 1 : start.empty() ? 1 << 30 : cells_of(t, start);
      std::size_t written = 0;
      int closest_written = cells;
      // matches are written as they are met, so that a stopped run keeps them
      auto write_matches = [&](const SweepResult& so_far) {
        for (; written < so_far.matches.size(); ++written) write_table(tables, t, so_far.matches[written], 0);
      };
      std::clock_t last = std::clock();
      if (checkpoint_seconds > 0)
        complete_run.checkpoint = [&](const std::vector<int>& path, const std::vector<int>& widths,
                                      const SweepResult& so_far) {
          const std::clock_t now = std::clock();
          if (static_cast<double>(now - last) < checkpoint_seconds * CLOCKS_PER_SEC) return;
          last = now;
          write_matches(so_far);
          auto dotted = [](const std::vector<int>& steps) {
            for (std::size_t d = 0; d < steps.size(); ++d) std::printf(d ? ".%d" : "%d", steps[d]);
          };
          std::printf("%-7s checkpoint ", t.id.c_str());
          dotted(path);
          std::printf(" of ");
          dotted(widths);
          std::printf(" (cpu %.0f s): %zu matching, %lld checked, %lld cut, %lld nodes\n",
                      static_cast<double>(now) / CLOCKS_PER_SEC, so_far.matches.size(), so_far.leaves,
                      so_far.cut, so_far.nodes);
          std::fflush(stdout);
        };
      double estimated = 0;  // the probes' sum before this first class
      const SweepResult r = complete_search(t, complete_run, cells, [&](int i, const SweepResult& so_far) {
        if (complete_run.probes > 0) {
          std::printf("%-7s first class %d of %d: about %.3g nodes (%d probes, seed %llu)\n", t.id.c_str(), i,
                      n, (so_far.estimate - estimated) / complete_run.probes, complete_run.probes,
                      static_cast<unsigned long long>(complete_run.seed));
          estimated = so_far.estimate;
        } else {
          std::printf(
              "%-7s first class %d of %d: %zu matching, %lld checked, %lld cut, %lld nodes; closest %d "
              "cells\n",
              t.id.c_str(), i, n, so_far.matches.size(), so_far.leaves, so_far.cut, so_far.nodes,
              so_far.closest_cells);
        }
        std::fflush(stdout);
        write_matches(so_far);
        // a closer table is written as soon as it is met, so that a stopped run keeps it
        if (so_far.matches.empty() && !so_far.closest.empty() && so_far.closest_cells < closest_written)
          write_table(tables, t, so_far.closest, closest_written = so_far.closest_cells);
      });
      std::printf("%-7s complete %d:%d of %d", t.id.c_str(), complete_run.first_from,
                  std::min(complete_run.first_to, n), n);
      if (complete_run.branch_from > 0 || complete_run.branch_to < (1 << 30))
        std::printf(" (branches %d:%d)", complete_run.branch_from, complete_run.branch_to);
      if (complete_run.sub_from > 0 || complete_run.sub_to < (1 << 30))
        std::printf(" (sub-branches %d:%d)", complete_run.sub_from, complete_run.sub_to);
      std::printf(
          ": %zu matching, %lld checked, %lld cut; closest %d cells; at most %d branches, %d sub-branches\n",
          r.matches.size(), r.leaves, r.cut, r.closest_cells, r.branches[0], r.branches[1]);
    }
    return 0;
  }

  if (sweep > 0) {
    if (from_file.empty()) {
      std::fprintf(stderr, "--sweep needs --from\n");
      return 2;
    }
    std::ofstream tables(tables_path, std::ios::app);
    for (const auto& t : work) {
      const auto start = first_table(from_file, t);
      if (start.empty()) continue;
      const int cells = cells_of(t, start);
      const SweepResult r = sweep_neighbours(t, start, sweep, cells);
      std::printf("%-7s sweep %d: %zu matching, %lld checked, %lld cut; closest %d cells (start %d)\n",
                  t.id.c_str(), sweep, r.matches.size(), r.leaves, r.cut,
                  r.closest.empty() ? cells : r.closest_cells, cells);
      std::fflush(stdout);
      for (const auto& bases : r.matches) write_table(tables, t, bases, 0);
      if (r.matches.empty() && !r.closest.empty()) write_table(tables, t, r.closest, r.closest_cells);
    }
    return 0;
  }

  if (multiplier != 0) {
    // the multiplier has to be a unit of every system's Z_v; the orbit sizes tell which
    // numbers of base tickets an invariant table can have
    for (const auto& t : work) {
      const auto sizes = multiplier_orbit_sizes(t.v, t.m, multiplier);
      if (sizes.empty()) {
        std::fprintf(stderr, "%d is not a unit other than 1 of Z_%d (%s)\n", multiplier, t.v, t.id.c_str());
        return 2;
      }
      if (verbose) {
        std::fprintf(stderr, "%s multiplier %d orbits:", t.id.c_str(), multiplier);
        for (std::size_t k = 1; k < sizes.size(); ++k)
          if (sizes[k]) std::fprintf(stderr, " %d of size %zu", sizes[k], k);
        std::fprintf(stderr, "\n");
      }
    }
  }

  std::mutex out_mutex;
  std::ofstream tables(tables_path, std::ios::app);
  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (std::size_t i = next++; i < work.size(); i = next++) {
      const Target& t = work[i];
      const std::vector<Mask> start = from_file.empty() ? std::vector<Mask>{} : first_table(from_file, t);
      const Outcome o =
          search(t, seed, seconds, verbose, only_phase, start, multiplier, pin, pin_worst, pin_second);
      // check the result independently of the search's own bookkeeping
      const auto tickets = expand(o.bases, t.v);
      const bool covered = !o.bases.empty() && covers_all(tickets, t.v, t.t);
      const int diff = o.bases.empty() ? -1 : row_difference(t, evaluate_rows(tickets, t.v, t.m));
      std::lock_guard lock(out_mutex);
      std::printf(
          "%-7s %-8s diff %3d (verified %3d, guarantee %s) %8.1f s  nodes %lld leaves %lld "
          "restarts %d  phase %s\n",
          t.id.c_str(),
          o.exact     ? "MATCHED"
          : o.covered ? "closest"
                      : "none",
          o.covered ? o.difference : -1, diff, covered ? "ok" : "MISSING", o.seconds, o.nodes, o.leaves,
          o.restarts, o.phase.c_str());
      std::fflush(stdout);
      if (o.covered) {
        tables << table_line(t, o) << '\n';
        tables.flush();
      }
    }
  };
  std::vector<std::thread> threads;
  for (int j = 0; j < jobs; ++j) threads.emplace_back(worker);
  for (auto& th : threads) th.join();
  return 0;
}
