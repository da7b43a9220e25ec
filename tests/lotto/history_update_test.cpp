#include "lotto/history_update.h"

#include <gtest/gtest.h>

#include "support/scratch.h"

using namespace ds;

namespace {

FetchedPage received(std::string bytes, std::string type = "text/csv") {
  FetchedPage p;
  p.outcome = FetchedPage::Outcome::received;
  p.status = 200;
  p.content_type = std::move(type);
  p.declared_length = static_cast<long long>(bytes.size());
  p.bytes = std::move(bytes);
  return p;
}

const std::string url = "http://127.0.0.1:8000/h.csv";

}  // namespace

TEST(HistoryUpdate, PagesThatAreNoHistoryAreRefused) {
  const std::string csv = "Date,N1,N2,N3,N4,N5,N6,Bonus\r\n2025-11-19,14,17,28,31,42,48,5\r\n";
  EXPECT_EQ(fetched_page_refusal(received(csv), url), "");
  // A 404, a time-out, an HTML reply and a body short of its length: the network test.
  const std::string web =
      "The page (http://127.0.0.1:8000/h.csv) is a web page, not a draw history (CSV): "
      "nothing was stored.";
  EXPECT_EQ(
      fetched_page_refusal(received("\xEF\xBB\xBF  <!DOCTYPE html><p>Results</p>\n", "text/plain"), url),
      web);
  // Cut in the middle of the last draw ("48,5" lost its end): its numbers may read as a draw.
  EXPECT_NE(
      fetched_page_refusal(received(csv.substr(0, csv.size() - 4)), url).find("ends in the middle of a line"),
      std::string::npos);
  EXPECT_NE(fetched_page_refusal(received(" \r\n"), url).find("is empty"), std::string::npos);
}

TEST(HistoryUpdate, DisagreeingDrawsOfTwoSourcesAreConflictsAndTheAddressesRemembered) {
  test::ScratchFolder dir;
  dir.put("Canada_6_49", "param.tix", test::ScratchFolder::sample("d1a"));
  dir.put("Canada_6_49", "draws.txt", "2025-11-15 1 5 8 25 42 47 44 \r\n");
  const std::string head = "Date,N1,N2,N3,N4,N5,N6,Bonus\n2025-11-15,1,5,8,25,42,47,44\n";
  // The second copy swaps the bonus of 11-19 with a number, repeats 11-22 on 11-26 and
  // gives 11-29 another bonus.
  const FetchedPage history = received(head +
                                       "2025-11-19,14,17,28,31,42,48,5\n2025-11-22,3,9,20,33,40,41,7\n"
                                       "2025-11-26,2,4,6,8,10,12,14\n2025-11-29,1,2,3,4,5,6,7\n");
  const FetchedPage check = received(head +
                                     "2025-11-19,14,17,28,31,42,5,48\n2025-11-22,3,9,20,33,40,41,7\n"
                                     "2025-11-26,3,9,20,33,40,41,7\n2025-11-29,1,2,3,4,5,6,8\n");
  UpdateRequest request = parse_update_arguments({"--update", "--lotto", "Canada_6_49", "--url", url});
  ASSERT_EQ(request.error, "");
  std::string error;
  auto sources = update_sources(request, dir.games(), error);
  ASSERT_TRUE(sources) << error;
  sources->check = "https://mirror.test/l.csv";
  const CommandRun run = update_draws(request, *sources, history, &check, dir.games(), DateFormat::iso());
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_NE(run.out.find("New: 1. Already present: 1. In conflict: 3."), std::string::npos) << run.out;
  EXPECT_NE(
      run.out.find("Line 3: The history gives 14 17 28 31 42 48 bonus 5 for 2025-11-19, the second source "
                   "5 14 17 28 31 42 bonus 48; neither is stored."),
      std::string::npos)
      << run.out;
  EXPECT_EQ(dir.get("Canada_6_49", "draws.txt"),
            "2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-22 3 9 20 33 40 41 7 \r\n");
  EXPECT_EQ(dir.get("Canada_6_49", "sources.txt"),
            "Drawsmith sources 1\r\nhistory " + url + "\r\ncheck https://mirror.test/l.csv\r\n");
  // Remembered: the next update needs no address; a page refused stores nothing.
  request = parse_update_arguments({"--update", "--lotto", "Canada_6_49"});
  sources = update_sources(request, dir.games(), error);
  ASSERT_TRUE(sources) << error;
  EXPECT_EQ(sources->check, "https://mirror.test/l.csv");
  const CommandRun cut = update_draws(request, *sources, received("Date,N1\n2025-11-29,1,2"), nullptr,
                                      dir.games(), DateFormat::iso());
  EXPECT_EQ(cut.exit_code, 1);
  EXPECT_EQ(dir.get("Canada_6_49", "draws.txt"),
            "2025-11-15 1 5 8 25 42 47 44 \r\n2025-11-22 3 9 20 33 40 41 7 \r\n");

  EXPECT_EQ(parse_update_arguments({"--update", "--lotto", "A", "--url", "ftp://x/y"}).error,
            "'ftp://x/y' is not an http:// or https:// address.");
  EXPECT_FALSE(
      update_sources(parse_update_arguments({"--update", "--lotto", "Nowhere"}), dir.games(), error));
  dir.put("Other", "param.tix", test::ScratchFolder::sample("d1a"));
  EXPECT_FALSE(update_sources(parse_update_arguments({"--update", "--lotto", "Other"}), dir.games(), error));
  EXPECT_EQ(error, "No address is known for the history of 'Other': give it with --url URL.");
}
