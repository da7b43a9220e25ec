#include "sample_data.h"

#include <gtest/gtest.h>

#include "shell/files.h"

using namespace ds;

TEST(SampleData, ConvertsPublishedHistoryOldestFirstAndMendsMonths) {
  const std::string csv =
      "Date,Num1,Num2,Num3,Num4,Num5,Num6,Bonus\n"
      "\"February 8, 2020\",1,2,3,4,5,6,7\n"
      "\"Febraury 5, 2020\",07,12,13,14,15,16,17\n"
      "\"June 12, 1982\",3,11,12,14,41,43,13\n";
  std::string error;
  EXPECT_EQ(tools::convert_history(csv, error),
            "1982-06-12 3 11 12 14 41 43 13 \r\n"
            "2020-02-05 7 12 13 14 15 16 17 \r\n"
            "2020-02-08 1 2 3 4 5 6 7 \r\n");
  EXPECT_EQ(error, "");
  tools::convert_history("h\n\"Smarch 1, 2020\",1,2,3,4,5,6,7\n", error);
  EXPECT_NE(error.find("line 2"), std::string::npos);
}

TEST(SampleData, ShippedSamplesMatchTheirMakers) {
  const std::string dir = std::string(DRAWSMITH_SOURCE_DIR) + "/data/samples/";
  const auto d1 = read_file(dir + "d1");
  const auto d1a = read_file(dir + "d1a");
  const auto d2 = read_file(dir + "d2");
  ASSERT_TRUE(d1 && d1a && d2);
  EXPECT_EQ(*d1a, tools::sample_definition());
  EXPECT_EQ(*d2, tools::forecaster_set(*d1, 60, 30));
  EXPECT_EQ(split_lines(*d1).size(), 3622u);
  EXPECT_EQ(split_lines(*d2).size(), 60u);
  // Every set row falls on a draw date.
  for (const auto row : split_lines(*d2))
    EXPECT_NE(d1->find(std::string(row.substr(0, 11))), std::string::npos) << row;
}
