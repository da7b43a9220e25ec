#pragma once
// Base-ticket tables of the catalogue. The tables of the systems other than 10_3_6
// and 10_4_6 were found by tools/ticket_search and are generated into base_tickets.cpp.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ds {

struct BaseTicketTable {
  std::string_view id;
  // true when the tickets give exactly the worst-case and best-case rows the
  // system was designed for; false for the closest table found so far
  bool matches_rows;
  std::vector<std::array<std::int16_t, 6>> rows;  // increments; the m-th closes the circle
};

// The generated tables (base_tickets.cpp).
const std::vector<BaseTicketTable>& searched_base_tickets();

// The table the program uses for `system_id`, or nullptr.
const BaseTicketTable* find_base_tickets(std::string_view system_id);

}  // namespace ds
