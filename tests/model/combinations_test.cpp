// The combination tables against the examples players know and a brute-force enumeration.
#include "model/combinations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xs {
namespace {

std::string FlagsText(int n, int t) {
    std::string s;
    for (int d = 0; d <= 9; ++d) s += PossibleDigitsTable().Flags[n][t][d] ? '1' : '0';
    return s;
}

TEST(PossibleDigits, MatchesKnownEntries) {
    struct Row {
        int n, t;
        const char* flags;
    };
    const Row rows[] = {{1, 5, "0000010000"},  {2, 3, "0110000000"},  {2, 10, "0111101111"},
                        {2, 17, "0000000011"}, {3, 6, "0111000000"},  {3, 23, "0000001011"},
                        {4, 30, "0000001111"}, {5, 10, "0000000000"}, {9, 45, "0111111111"},
                        {1, 0, "1000000000"},  {1, 10, "0000000000"}};
    for (const Row& r : rows) EXPECT_EQ(FlagsText(r.n, r.t), r.flags) << r.n << "," << r.t;
}

// Every entry of both tables, recomputed the slow way over all digit subsets.
TEST(CombinationTables, AgreeWithBruteForceEnumeration) {
    for (int n = 2; n <= 9; ++n) {
        for (int t = 0; t <= 45; ++t) {
            std::vector<std::string> combos;
            bool digit[10] = {};
            for (unsigned mask = 0; mask < 512; ++mask) {
                if (__builtin_popcount(mask) != n) continue;
                int sum = 0;
                std::string text;
                for (int d = 1; d <= 9; ++d) {
                    if (!(mask >> (d - 1) & 1)) continue;
                    sum += d;
                    if (!text.empty()) text += ',';
                    text += static_cast<char>('0' + d);
                }
                if (sum != t) continue;
                combos.push_back(text);
                for (int d = 1; d <= 9; ++d)
                    if (mask >> (d - 1) & 1) digit[d] = true;
            }
            std::sort(combos.begin(), combos.end());
            std::string joined;
            for (const auto& c : combos) joined += (joined.empty() ? "" : " / ") + c;
            std::string flags;
            for (int d = 0; d <= 9; ++d) flags += digit[d] ? '1' : '0';
            EXPECT_EQ(FlagsText(n, t), flags) << n << "," << t;
            if (t >= 1) {
                EXPECT_EQ(CombinationText(n, t), joined) << n << "," << t;
                EXPECT_LE(joined.size(), 141u);
            }
        }
    }
}

TEST(CombinationText, ListsCombinationsAscending) {
    EXPECT_EQ(CombinationText(2, 5), "1,4 / 2,3");
    EXPECT_EQ(CombinationText(2, 10), "1,9 / 2,8 / 3,7 / 4,6");
    EXPECT_EQ(CombinationText(3, 15),
              "1,5,9 / 1,6,8 / 2,4,9 / 2,5,8 / 2,6,7 / 3,4,8 / 3,5,7 / 4,5,6");
    EXPECT_EQ(CombinationText(9, 45), "1,2,3,4,5,6,7,8,9");
    const std::string_view t = CombinationText(4, 20);
    EXPECT_EQ(t.substr(0, 17), "1,2,8,9 / 1,3,7,9");
    EXPECT_EQ(t.substr(t.size() - 17), "3,4,5,8 / 3,4,6,7");
    EXPECT_EQ(std::count(t.begin(), t.end(), '/'), 11);
    for (int total = 1; total <= 45; ++total) EXPECT_TRUE(CombinationText(1, total).empty());
    EXPECT_TRUE(CombinationText(0, 3).empty());
    EXPECT_TRUE(CombinationText(2, 46).empty());
}

TEST(LookupPossibleDigits, RejectsOutOfRangeAndLeavesFlags) {
    TDigitFlags flags;
    std::int32_t error = 7;
    const int bad[][2] = {{1, 0}, {10, 5}, {0, 5}, {2, 46}, {-1, 3}, {3, -4}};
    for (const auto& b : bad) {
        std::fill(std::begin(flags), std::end(flags), 7);
        LookupPossibleDigits(b[0], b[1], flags, error);
        EXPECT_EQ(error, 1);
        for (auto f : flags) EXPECT_EQ(f, 7);
    }
}

TEST(LookupPossibleDigits, ImpossibleTotalIsNoErrorButNoDigit) {
    TDigitFlags flags;
    std::int32_t error = 5;
    std::fill(std::begin(flags), std::end(flags), 7);
    LookupPossibleDigits(2, 2, flags, error);
    EXPECT_EQ(error, 0);
    for (auto f : flags) EXPECT_EQ(f, 0);
    LookupPossibleDigits(2, 10, flags, error);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(flags[5], 0);
    EXPECT_EQ(flags[1], 1);
}

}  // namespace
}  // namespace xs
