#pragma once
// Splitting text lines into trimmed fields.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ds {

// Cuts `line` into fields at each occurrence of `separator` (compared exactly).
// Only blanks (the space character) are trimmed around fields. With the blank
// separator, runs of blanks count as one separator; with any other separator two
// separators in a row give an empty field.
// On return `count` is the number of fields and fields[1..count] hold them; index 0
// is unused (kept as it was). The vector ends with exactly count + 1 elements.
// A line without any field leaves `fields` untouched.
// An empty separator is rejected: count becomes 0 and nothing else changes.
void split_fields(std::string_view separator, std::string_view line, std::int16_t& count,
                  std::vector<std::string>& fields);

// The text with &, <, > and " written as HTML entities (printed documents).
std::string html_escape(std::string_view text);

// Removes blanks (the space character only) from both ends.
std::string_view trim_blanks(std::string_view text);

}  // namespace ds
