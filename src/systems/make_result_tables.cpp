// Build step: evaluates every placement of the winning numbers against the tickets of
// each catalogue system and writes the worst-case and best-case rows as a C++ source,
// so that the program looks them up instead of spending up to a tenth of a second on
// each choice of a system. Usage: make_result_tables <output.cpp>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "systems/catalogue.h"
#include "systems/placements.h"

namespace {

std::string rows_text(const ds::ResultsCount& rows) {
  std::ostringstream out;
  out << "{{";
  for (std::size_t w = 0; w < rows.size(); ++w) {
    out << (w == 0 ? "{" : ", {");
    for (std::size_t k = 0; k < rows[w].size(); ++k) out << (k == 0 ? "" : ", ") << rows[w][k];
    out << "}";
  }
  out << "}}";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_result_tables <output.cpp>\n");
    return 2;
  }
  std::ostringstream out;
  out << "// Written by make_result_tables from the base tickets of the catalogue; not edited by hand.\n"
         "#include \"systems/held_results.h\"\n\n"
         "namespace ds {\n\nnamespace {\n\nconstexpr HeldResults kHeldResults[] = {\n";
  int written = 0;
  for (const ds::SystemInfo& s : ds::system_catalogue()) {
    std::int16_t count = 0;
    ds::TicketTable table;
    if (!ds::load_tickets(s.id, count, table)) continue;
    ds::ResultsCount worst{}, best{};
    const auto masks = ds::ticket_masks(ds::expand_tickets(table, count, s.v, s.m));
    ds::placement_rows(masks, s.v, s.m, worst, best);
    out << "    {\"" << s.id << "\",\n     " << rows_text(worst) << ",\n     " << rows_text(best) << "},\n";
    ++written;
  }
  if (written == 0) out << "    {\"\", {}, {}},\n";  // an empty array does not compile
  out << "};\n\n}  // namespace\n\nstd::span<const HeldResults> held_results() {\n"
      << "  return std::span<const HeldResults>(kHeldResults).first(" << written
      << ");\n}\n\n}  // namespace ds\n";
  std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
  file << out.str();
  file.close();
  if (!file) {
    std::fprintf(stderr, "make_result_tables: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
