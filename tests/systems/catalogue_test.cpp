#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "systems/base_tickets.h"
#include "systems/catalogue.h"
#include "systems/placements.h"

namespace ds {
namespace {

struct Rows {
    const char* id;
    const char* worst;  // w = 2 / 3 / ...; "-" marks a row the design leaves open
    const char* best;
};

// The worst-case and best-case rows each system is designed to give.
constexpr Rows kDesigned[] = {
    {"10_3_6", "2 / 6 1 / 6 4 0 / 2 6 2 0 / 0 4 6 0 0", "4 / 3 3 / 2 3 2 / 3 2 3 1 / 1 4 4 0 1"},
    {"10_4_6", "9 / 16 4 / 15 12 1 / 5 20 5 0 / 1 12 15 2 0", "11 / 11 7 / 12 9 4 / 10 12 6 2 / 2 12 13 2 1"},
    {"11_3_5", "4 / 9 1 / 12 4 0 / 10 8 1 0", "4 / 6 2 / 12 2 1 / 15 5 0 1"},
    {"11_4_5", "12 / 24 4 / 30 12 1 / 30 20 5 0", "12 / 24 4 / 30 12 1 / 20 30 0 1"},
    {"11_3_6", "3 / 6 1 / 6 4 0 / 0 10 0 0 / 0 5 5 0 0", "3 / 3 2 / 6 2 1 / 5 5 0 1 / 0 10 0 0 1"},
    {"11_4_6", "13 / 27 5 / 28 17 1 / 18 28 7 0 / 9 23 22 1 0", "17 / 18 10 / 25 13 5 / 19 23 6 3 / 13 19 19 3 1"},
    {"12_3_5", "4 / 11 1 / 16 4 0 / 17 12 0 0", "6 / 9 3 / 17 2 2 / 16 8 1 1"},
    {"12_4_5", "22 / 51 5 / 73 19 1 / 72 42 5 0", "28 / 49 9 / 68 20 4 / 66 38 9 1"},
    {"12_3_6", "4 / 11 1 / 16 4 0 / 7 15 0 0 / 0 18 4 0 0", "8 / 7 5 / 8 5 3 / 9 6 3 2 / 4 10 4 2 1"},
    {"12_4_6", "12 / 27 3 / 30 14 1 / 24 24 6 0 / 18 24 18 0 0", "16 / 22 8 / 29 9 5 / 25 15 9 2 / 24 18 13 4 1"},
    {"13_3_5", "5 / 14 1 / 22 4 0 / 24 12 0 0", "9 / 14 4 / 22 4 2 / 22 10 2 1"},
    {"13_4_5", "22 / 51 5 / 74 18 1 / 87 37 5 0", "25 / 49 8 / 72 17 3 / 77 40 5 1"},
    {"13_3_6", "4 / 10 1 / 15 4 0 / 10 12 0 0 / 9 14 3 0 0", "7 / 4 4 / 9 4 2 / 11 5 3 1 / 8 9 5 0 1"},
    {"13_4_6", "14 / 31 4 / 38 14 1 / 31 29 5 0 / 22 31 18 0 0", "17 / 28 7 / 30 16 3 / 32 26 4 2 / 27 27 16 1 1"},
    {"14_3_5", "5 / 14 1 / 22 4 0 / 30 10 0 0", "7 / 11 3 / 19 3 2 / 26 7 1 1"},
    {"14_4_5", "28 / 68 6 / 100 22 1 / 116 47 5 0", "31 / 63 9 / 92 22 3 / 114 45 6 1"},
    {"14_3_6", "4 / 10 1 / 14 4 0 / 11 11 0 0 / 11 12 3 0 0", "5 / 3 4 / 8 3 2 / 16 3 2 1 / 11 11 2 0 1"},
    {"14_4_6", "19 / 44 5 / 57 19 1 / 55 36 6 0 / 38 53 18 0 0", "23 / 40 9 / 53 17 4 / 47 38 5 2 / 46 40 21 1 1"},
    {"15_3_5", "6 / 16 1 / 28 4 0 / 39 10 0 0", "9 / 12 4 / 20 5 2 / 26 11 1 1"},
    {"15_4_5", "33 / 81 6 / 126 23 1 / 155 50 5 0", "39 / 77 10 / 117 26 3 / 142 55 6 1"},
    {"15_3_6", "6 / 15 1 / 21 5 0 / 20 14 0 0 / 12 21 3 0 0", "8 / 13 3 / 17 4 2 / 21 8 2 1 / 18 16 3 0 1"},
    {"15_4_6", "20 / 47 5 / 62 19 1 / 65 39 5 0 / 55 51 18 0 0", "23 / 40 9 / 70 10 5 / 75 28 6 2 / 66 48 13 2 1"},
    {"16_3_5", "6 / 15 1 / 24 4 0 / 32 10 0 0", "8 / 12 3 / 27 1 2 / 35 6 1 1"},
    {"16_4_5", "38 / 93 7 / 145 26 1 / 183 57 5 0", "41 / 90 10 / 144 24 4 / 174 58 6 1"},
    {"16_3_6", "5 / 12 1 / 20 4 0 / 25 10 0 0 / 20 20 1 0 0", "7 / 9 4 / 12 6 2 / 13 11 2 1 / 21 12 4 0 1"},
    {"16_4_6", "24 / 59 5 / 84 20 1 / 88 45 5 0 / 77 68 17 0 0", "28 / 52 10 / 79 16 5 / 90 40 4 3 / 75 70 11 3 1"},
    {"17_3_5", "5 / 12 1 / 18 4 0 / 20 10 0 0", "5 / 12 1 / 24 0 1 / 40 0 0 1"},
    {"17_4_5", "42 / 108 7 / 175 26 1 / 227 58 5 0", "46 / 101 11 / 168 25 4 / 215 60 6 1"},
    {"17_3_6", "5 / 13 1 / 20 4 0 / 21 11 0 0 / 16 20 1 0 0", "6 / 9 3 / 15 5 1 / 18 10 0 1 / 20 17 0 0 1"},
    {"17_4_6", "26 / 69 5 / 95 21 1 / 107 46 5 0 / 101 72 17 0 0", "30 / 56 11 / 86 20 4 / 105 46 4 2 / 105 67 16 1 1"},
    {"18_3_5", "6 / 17 1 / 29 4 0 / 40 10 0 0", "12 / 21 4 / 29 9 1 / 36 16 0 1"},
    {"18_4_5", "51 / 130 8 / 212 30 1 / -", "61 / 136 13 / 214 31 4 / -"},
    {"18_3_6", "6 / 15 1 / 26 4 0 / 28 12 0 0 / 36 16 2 0 0", "9 / 14 4 / 22 4 2 / 29 10 1 1 / 37 17 1 0 1"},
    {"18_4_6", "30 / 75 6 / 115 23 1 / 129 51 5 0 / 131 81 16 0 0", "36 / 67 11 / 94 26 4 / 131 49 3 2 / 129 76 16 1 1"},
    {"19_3_5", "7 / 18 1 / 31 4 0 / 44 10 0 0", "9 / 15 3 / 37 0 2 / 51 4 1 1"},
    {"19_4_5", "53 / 139 8 / - / -", "61 / 137 13 / - / -"},
    {"19_3_6", "6 / 18 1 / 31 4 0 / 40 11 0 0 / 39 25 0 0 0", "12 / 14 6 / 25 8 3 / 28 13 5 1 / 32 19 6 0 1"},
    {"19_4_6", "35 / 88 6 / 133 25 1 / 163 55 5 0 / 167 90 17 0 0", "41 / 79 12 / 124 25 4 / 152 60 4 2 / 146 105 11 2 1"},
    {"20_3_5", "7 / 19 1 / 34 4 0 / 48 10 0 0", "10 / 16 4 / 34 6 1 / 53 9 0 1"},
    {"20_3_6", "6 / 15 1 / 27 4 0 / 38 10 0 0 / 44 20 0 0 0", "12 / 13 5 / 24 7 2 / 28 15 2 1 / 40 17 4 0 1"},
    {"20_4_6", "37 / 90 7 / 145 25 1 / 182 57 5 0 / 191 101 15 0 0", "42 / 86 12 / 132 28 4 / 179 58 4 2 / 197 96 14 1 1"},
};

// Systems whose shipped tickets do not give the designed rows (no matching table found
// yet): the rows these tickets really give, which is what the program shows.
const std::vector<Rows> kShipped = {
    {"14_4_6", "19 / 45 5 / 57 19 1 / 55 36 6 0 / 48 48 18 0 0", "23 / 39 9 / 52 17 4 / 47 38 5 2 / 42 47 18 1 1"},
    {"15_4_5", "33 / 81 6 / 126 23 1 / 155 50 5 0", "37 / 77 10 / 117 26 3 / 142 54 6 1"},
    {"15_4_6", "20 / 48 5 / 62 19 1 / 59 40 5 0 / 59 50 18 0 0", "23 / 42 9 / 64 13 5 / 71 29 7 2 / 63 48 14 2 1"},
    {"16_4_5", "38 / 93 7 / 145 26 1 / 183 57 5 0", "40 / 90 10 / 144 24 4 / 177 57 6 1"},
    {"16_4_6", "24 / 59 5 / 85 20 1 / 86 45 5 0 / 86 64 17 0 0", "28 / 49 10 / 82 16 5 / 82 47 3 2 / 84 59 18 1 1"},
    {"17_4_5", "42 / 108 7 / 174 26 1 / 227 58 5 0", "46 / 101 11 / 166 25 4 / 213 60 6 1"},
    {"17_4_6", "26 / 65 5 / 94 21 1 / 109 46 5 0 / 105 69 17 0 0", "30 / 54 11 / 89 20 4 / 107 43 5 2 / 97 77 12 1 1"},
    {"18_3_5", "6 / 16 1 / 28 4 0 / 39 10 0 0", "12 / 21 4 / 29 9 1 / 36 16 0 1"},
    {"18_4_5", "51 / 130 8 / 212 30 1 / 281 68 5 0", "57 / 127 13 / 214 31 4 / 265 73 9 1"},
    {"18_4_6", "30 / 75 6 / 115 23 1 / 125 53 5 0 / 118 86 16 0 0", "34 / 63 11 / 118 10 7 / 140 35 9 2 / 142 62 21 1 1"},
    {"19_3_6", "6 / 17 1 / 31 4 0 / 40 11 0 0 / 39 25 0 0 0", "12 / 14 5 / 26 8 2 / 27 15 3 1 / 32 18 6 0 1"},
    {"19_4_6", "35 / 88 6 / 136 23 1 / 163 55 5 0 / 177 89 16 0 0", "40 / 79 11 / 124 26 4 / 153 60 4 2 / 160 92 14 2 1"},
    {"20_3_5", "7 / 19 1 / 34 4 0 / 48 10 0 0", "10 / 16 4 / 30 6 1 / 53 9 0 1"},
    {"20_3_6", "6 / 15 1 / 24 4 0 / 35 10 0 0 / 43 20 0 0 0", "10 / 17 4 / 24 7 2 / 37 8 2 1 / 44 17 2 0 1"},
    {"20_4_6", "37 / 96 7 / 145 27 1 / 174 62 5 0 / 184 103 16 0 0", "42 / 89 11 / 132 28 4 / 180 62 2 2 / 195 97 14 1 1"},
};

// Parses "a / b c / ..." into [w][k]; fixed[w] is false for "-".
void parse_rows(const std::string& text, ResultsCount& rows, std::array<bool, 8>& fixed) {
    std::istringstream in(text);
    std::string group;
    for (int w = 2; std::getline(in, group, '/'); ++w) {
        fixed[w] = group.find('-') == std::string::npos;
        std::istringstream g(group);
        for (int k = 2; fixed[w] && k <= w; ++k) g >> rows[w][k];
    }
}

const Rows* find_rows(const std::vector<Rows>& list, std::string_view id) {
    for (const auto& r : list)
        if (id == r.id) return &r;
    return nullptr;
}

bool covers_every_subset(const std::vector<PositionMask>& tickets, int v, int t) {
    for (std::uint32_t s = 0; s < (1u << v); ++s) {
        if (std::popcount(s) != t) continue;
        if (std::none_of(tickets.begin(), tickets.end(), [s](PositionMask x) { return (x & s) == s; })) return false;
    }
    return true;
}

TEST(SystemCatalogue, EverySystemKeepsItsTicketsGuaranteeAndRows) {
    const auto catalogue = system_catalogue();
    ASSERT_EQ(catalogue.size(), std::size(kDesigned));
    for (std::size_t n = 0; n < catalogue.size(); ++n) {
        const SystemInfo& s = catalogue[n];
        SCOPED_TRACE(std::string(s.id));
        EXPECT_EQ(s.id, kDesigned[n].id);
        int v = 0, t = 0, m = 0;
        ASSERT_TRUE(parse_system_id(s.id, v, t, m));
        EXPECT_EQ(v, s.v);
        EXPECT_EQ(t, s.t);
        EXPECT_EQ(m, s.m);
        EXPECT_EQ(s.c * s.v, s.T);

        std::int16_t count = -1;
        TicketTable table;
        ASSERT_TRUE(load_tickets(s.id, count, table));
        ASSERT_EQ(count, s.c);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(s.c) + 1);
        EXPECT_EQ(table[0], (std::array<std::int16_t, 7>{}));
        for (int i = 1; i <= s.c; ++i) {
            EXPECT_EQ(table[i][0], 0);
            int sum = 0;
            for (int k = 1; k <= s.m - 1; ++k) {
                EXPECT_GE(table[i][k], 1);
                sum += table[i][k];
            }
            EXPECT_LT(sum, s.v);
        }

        const auto tickets = expand_tickets(table, count, s.v, s.m);
        ASSERT_EQ(tickets.size(), static_cast<std::size_t>(s.T));
        const auto masks = ticket_masks(tickets);
        for (PositionMask x : masks) EXPECT_EQ(std::popcount(x), s.m);
        EXPECT_TRUE(covers_every_subset(masks, s.v, s.t));

        ResultsAvg avg;
        ResultsCount worst, best;
        load_results(s.id, avg, worst, best);
        const Rows* shipped = find_rows(kShipped, s.id);
        const Rows& expected = shipped ? *shipped : kDesigned[n];
        ResultsCount want_worst{}, want_best{};
        std::array<bool, 8> fixed_worst{}, fixed_best{};
        parse_rows(expected.worst, want_worst, fixed_worst);
        parse_rows(expected.best, want_best, fixed_best);
        for (int w = 2; w <= s.m; ++w) {
            if (fixed_worst[w]) {
                EXPECT_EQ(worst[w], want_worst[w]) << "worst row w=" << w;
            }
            if (fixed_best[w]) {
                EXPECT_EQ(best[w], want_best[w]) << "best row w=" << w;
            }
            // rows the design leaves open are filled from the tickets
            EXPECT_GT(best[w][w], 0) << "w=" << w;
            if (w >= s.t) {
                EXPECT_TRUE(std::any_of(worst[w].begin() + s.t, worst[w].begin() + w + 1, [](auto x) { return x > 0; }))
                    << "guarantee in worst row w=" << w;
            }
            // the averages of each row add up to the tickets meeting a placement in 2 or more
            float sum = 0;
            for (int k = 2; k <= w; ++k) sum += avg[w][k];
            EXPECT_GT(sum, 0);
        }
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(worst[s.m + 1][k], 0);
            EXPECT_EQ(avg[0][k] + avg[1][k], 0);
        }

        // a shipped table is flagged exactly when it misses the designed rows
        const BaseTicketTable* base = find_base_tickets(s.id);
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(base->matches_rows, shipped == nullptr);
        if (shipped) {
            ResultsCount designed_worst{}, designed_best{};
            std::array<bool, 8> f1{}, f2{};
            parse_rows(kDesigned[n].worst, designed_worst, f1);
            parse_rows(kDesigned[n].best, designed_best, f2);
            EXPECT_TRUE(designed_worst != want_worst || designed_best != want_best) << "pinned rows equal the design";
        }
    }
}

TEST(SystemCatalogue, AveragesFollowFromTheNumberOfTickets) {
    ResultsAvg avg;
    ResultsCount worst, best;
    load_results("10_3_6", avg, worst, best);
    EXPECT_FLOAT_EQ(avg[2][2], 3.333333f);
    EXPECT_FLOAT_EQ(avg[3][3], 1.666667f);
    EXPECT_FLOAT_EQ(avg[6][6], 0.04761905f);
    EXPECT_EQ(avg[2][3], 0.0f);
    load_results("12_3_6", avg, worst, best);
    EXPECT_FLOAT_EQ(avg[2][2], 5.454545f);
}

TEST(SystemCatalogue, ExpansionWalksTheCircleFromEachStart) {
    std::int16_t count = 0;
    TicketTable table;
    ASSERT_TRUE(load_tickets("10_3_6", count, table));
    auto tickets = expand_tickets(table, count, 10, 6);
    ASSERT_EQ(tickets.size(), 10u);
    EXPECT_EQ(tickets[0], (std::vector<int>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(tickets[7], (std::vector<int>{8, 9, 10, 1, 2, 4}));

    ASSERT_TRUE(load_tickets("10_4_6", count, table));
    tickets = expand_tickets(table, count, 10, 6);
    ASSERT_EQ(tickets.size(), 30u);
    EXPECT_EQ(tickets[10], (std::vector<int>{1, 2, 3, 4, 6, 8}));
    EXPECT_EQ(tickets[29], (std::vector<int>{10, 1, 2, 3, 4, 7}));
    auto sorted = ticket_masks(tickets);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "30 distinct tickets";

    // with five numbers per ticket only the first four increments are read
    ASSERT_TRUE(load_tickets("11_3_5", count, table));
    for (const auto& ticket : expand_tickets(table, count, 11, 5)) EXPECT_EQ(ticket.size(), 5u);
}

TEST(SystemCatalogue, LoadTicketsRebuildsOrLeavesAlone) {
    std::int16_t count = 0;
    TicketTable table;
    ASSERT_TRUE(load_tickets("20_4_6", count, table));
    ASSERT_TRUE(load_tickets("10_4_6", count, table));
    EXPECT_EQ(count, 3);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[3], (std::array<std::int16_t, 7>{0, 1, 1, 1, 1, 3, 3}));

    const TicketTable before = table;
    for (const char* id : {"10_3_7", "10_3_6 ", "", "10-3-6", "20_4_5"}) {
        EXPECT_FALSE(load_tickets(id, count, table)) << id;
        EXPECT_EQ(count, 3);
        EXPECT_EQ(table, before);
    }
}

TEST(SystemCatalogue, LoadResultsClearsBeforeWriting) {
    ResultsAvg avg;
    ResultsCount worst, best;
    load_results("10_3_6", avg, worst, best);
    EXPECT_EQ(worst[6], (std::array<std::int16_t, 8>{0, 0, 0, 4, 6, 0, 0, 0}));
    load_results("11_3_5", avg, worst, best);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(avg[6][i], 0.0f);
        EXPECT_EQ(avg[i][6], 0.0f);
        EXPECT_EQ(worst[6][i] | worst[i][6] | best[6][i] | best[i][6], 0);
    }
    // the Steiner system S(4,5,11): every placement of up to 4 looks the same
    load_results("11_4_5", avg, worst, best);
    for (int w = 2; w <= 4; ++w) EXPECT_EQ(worst[w], best[w]);
    EXPECT_NE(worst[5], best[5]);

    load_results("unknown", avg, worst, best);
    EXPECT_EQ(avg, ResultsAvg{});
    EXPECT_EQ(worst, ResultsCount{});
    EXPECT_EQ(best, ResultsCount{});
}

TEST(SystemCatalogue, SystemIdParsing) {
    int v = 0, t = 0, m = 0;
    EXPECT_TRUE(parse_system_id("17_4_5", v, t, m));
    EXPECT_EQ(v * 100 + t * 10 + m, 1745);
    for (const char* bad : {"17_4", "17_4_5_1", "17_x_5", "", "17__5"}) EXPECT_FALSE(parse_system_id(bad, v, t, m)) << bad;
}

TEST(SystemPlacements, WorstAndBestCompareTheHighestMatchesFirst) {
    // 10_3_6 with 3 winning numbers: (n_2, n_3) ranges over (2,3) (3,3) (4,2) (5,2) (6,1) (7,1)
    std::int16_t count = 0;
    TicketTable table;
    load_tickets("10_3_6", count, table);
    const auto masks = ticket_masks(expand_tickets(table, count, 10, 6));
    const auto e = evaluate_placements(masks, 10, 3);
    EXPECT_EQ(packed_count(e.worst, 3), 1);
    EXPECT_EQ(packed_count(e.worst, 2), 6);
    EXPECT_EQ(packed_count(e.best, 3), 3);
    EXPECT_EQ(packed_count(e.best, 2), 3);

    // lists too long for the packed counts give the same answer by the exact path
    std::vector<PositionMask> many;
    for (int copy = 0; copy < 103; ++copy) many.insert(many.end(), masks.begin(), masks.end());
    const auto wide = evaluate_placements(many, 10, 3);
    EXPECT_EQ(packed_count(wide.worst, 3), 103);
    EXPECT_EQ(packed_count(wide.worst, 2), 6 * 103);
}

}  // namespace
}  // namespace ds
