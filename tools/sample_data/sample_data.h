#pragma once
// Makes the shipped sample files from a published history of 6-of-49 draws.
#include <string>
#include <string_view>

namespace ds::tools {

// Turns the published CSV (header line, then "Month D, YYYY",N1..N6,Bonus per
// line, dates in double quotes) into draws.txt lines: ISO dates, oldest first,
// eight fields each followed by one blank, CR LF. Known misspellings of month
// names are mended. Returns "" and sets `error` on a line it cannot read.
std::string convert_history(std::string_view csv, std::string& error);

// The definition record of the sample 6-of-49 game.
std::string sample_definition();

// A targeted set of size 10 with one row for each of the last `rows` draws of
// `draws` (draws.txt text, oldest first): the ten numbers drawn most often in
// the `window` draws before that draw, ties to the lower number.
std::string forecaster_set(std::string_view draws, int rows, int window);

}  // namespace ds::tools
