#include "systems/catalogue.h"

#include <algorithm>
#include <string>

#include "shell/fields.h"
#include "systems/base_tickets.h"

namespace ds {

namespace {

constexpr SystemInfo kCatalogue[] = {
    {"10_3_6", 10, 3, 6, 10, 1},   {"10_4_6", 10, 4, 6, 30, 3},   {"11_3_5", 11, 3, 5, 22, 2},
    {"11_4_5", 11, 4, 5, 66, 6},   {"11_3_6", 11, 3, 6, 11, 1},   {"11_4_6", 11, 4, 6, 55, 5},
    {"12_3_5", 12, 3, 5, 36, 3},   {"12_4_5", 12, 4, 5, 156, 13}, {"12_3_6", 12, 3, 6, 24, 2},
    {"12_4_6", 12, 4, 6, 60, 5},   {"13_3_5", 13, 3, 5, 52, 4},   {"13_4_5", 13, 4, 5, 182, 14},
    {"13_3_6", 13, 3, 6, 26, 2},   {"13_4_6", 13, 4, 6, 78, 6},   {"14_3_5", 14, 3, 5, 56, 4},
    {"14_4_5", 14, 4, 5, 266, 19}, {"14_3_6", 14, 3, 6, 28, 2},   {"14_4_6", 14, 4, 6, 126, 9},
    {"15_3_5", 15, 3, 5, 75, 5},   {"15_4_5", 15, 4, 5, 360, 24}, {"15_3_6", 15, 3, 6, 45, 3},
    {"15_4_6", 15, 4, 6, 150, 10}, {"16_3_5", 16, 3, 5, 80, 5},   {"16_4_5", 16, 4, 5, 464, 29},
    {"16_3_6", 16, 3, 6, 48, 3},   {"16_4_6", 16, 4, 6, 208, 13}, {"17_3_5", 17, 3, 5, 68, 4},
    {"17_4_5", 17, 4, 5, 595, 35}, {"17_3_6", 17, 3, 6, 51, 3},   {"17_4_6", 17, 4, 6, 255, 15},
    {"18_3_5", 18, 3, 5, 126, 7},  {"18_4_5", 18, 4, 5, 810, 45}, {"18_3_6", 18, 3, 6, 72, 4},
    {"18_4_6", 18, 4, 6, 324, 18}, {"19_3_5", 19, 3, 5, 133, 7},  {"19_4_5", 19, 4, 5, 969, 51},
    {"19_3_6", 19, 3, 6, 95, 5},   {"19_4_6", 19, 4, 6, 418, 22}, {"20_3_5", 20, 3, 5, 160, 8},
    {"20_3_6", 20, 3, 6, 100, 5},  {"20_4_6", 20, 4, 6, 500, 25},
};

// The two tables the program has always carried.
const BaseTicketTable kHeld[] = {
    {"10_3_6", true, {{1, 1, 1, 1, 2, 4}}},
    {"10_4_6", true, {{1, 1, 1, 2, 1, 4}, {1, 1, 1, 2, 2, 3}, {1, 1, 1, 1, 3, 3}}},
};

}  // namespace

std::span<const SystemInfo> system_catalogue() { return kCatalogue; }

const SystemInfo* find_system(std::string_view system_id) {
  for (const auto& s : kCatalogue)
    if (s.id == system_id) return &s;
  return nullptr;
}

bool parse_system_id(std::string_view system_id, int& v, int& t, int& m) {
  std::int16_t count = 0;
  std::vector<std::string> fields;
  split_fields("_", system_id, count, fields);
  if (count != 3) return false;
  int values[3];
  for (int i = 0; i < 3; ++i) {
    const std::string& f = fields[i + 1];
    if (f.empty() || f.size() > 4 ||
        !std::all_of(f.begin(), f.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
      return false;
    values[i] = std::stoi(f);
  }
  v = values[0];
  t = values[1];
  m = values[2];
  return true;
}

const BaseTicketTable* find_base_tickets(std::string_view system_id) {
  for (const auto& table : kHeld)
    if (table.id == system_id) return &table;
  for (const auto& table : searched_base_tickets())
    if (table.id == system_id) return &table;
  return nullptr;
}

bool load_tickets(std::string_view system_id, std::int16_t& ticket_count, TicketTable& tickets) {
  const BaseTicketTable* table = find_base_tickets(system_id);
  if (table == nullptr) return false;
  const auto c = table->rows.size();
  tickets.assign(c + 1, {});
  for (std::size_t i = 0; i < c; ++i)
    std::copy(table->rows[i].begin(), table->rows[i].end(), tickets[i + 1].begin() + 1);
  ticket_count = static_cast<std::int16_t>(c);
  return true;
}

std::vector<std::vector<int>> expand_tickets(const TicketTable& tickets, int ticket_count, int v, int m) {
  std::vector<std::vector<int>> out;
  const int rows = std::min<int>(ticket_count, static_cast<int>(tickets.size()) - 1);
  if (rows <= 0 || v <= 0 || m < 1 || m > 7) return out;
  out.reserve(static_cast<std::size_t>(rows) * v);
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= v; ++j) {
      std::vector<int> ticket(static_cast<std::size_t>(m));
      int p = j;
      ticket[0] = p;
      for (int k = 2; k <= m; ++k) {
        p += tickets[i][k - 1];
        if (p > v) p -= v;
        ticket[k - 1] = p;
      }
      out.push_back(std::move(ticket));
    }
  }
  return out;
}

CatalogueMatch catalogue_match(int v, int k, int t) {
  for (const SystemInfo& s : system_catalogue())
    if (s.v == v && s.m == k && s.t == t) return {std::string(s.id), s.T};
  return {};
}

}  // namespace ds
