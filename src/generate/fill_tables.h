// The filler's constant tables: how many crossings to seed, the seed pairs and the extreme totals.
#pragma once

#include <cstdint>
#include <span>

namespace xs {

// Crossing pairs to seed, by size code (Small, Medium, Large, Mini) and level 1..5.
inline constexpr std::int32_t SeedCountTable[4][6] = {
    {0, 20, 15, 15, 5, 0},
    {0, 30, 20, 20, 10, 0},
    {0, 40, 30, 30, 15, 0},
    {0, 15, 10, 10, 5, 0},
};

// Totals for a shorter and a longer run that cross: their digit sets share exactly one digit, so
// the square where they meet is forced.
struct TSeedPair {
    std::int8_t Short;
    std::int8_t Long;
};

struct TSeedPairTable {
    std::int8_t ShortLength;
    std::int8_t LongLength;
    std::span<const TSeedPair> Pairs;
};

inline constexpr TSeedPair kSeed22[] = {
    {3, 4},   {3, 11}, {4, 3},  {4, 6},  {4, 11},  {4, 12},  {5, 13}, {6, 4},  {6, 14},
    {7, 15},  {8, 16}, {9, 16}, {9, 17}, {11, 3},  {11, 4},  {12, 4}, {13, 5}, {14, 6},
    {14, 16}, {15, 7}, {16, 8}, {16, 9}, {16, 14}, {16, 17}, {17, 9}};
inline constexpr TSeedPair kSeed23[] = {{3, 19}, {4, 7},  {4, 19},  {4, 20},  {5, 21}, {6, 22},
                                        {7, 23}, {8, 23}, {8, 24},  {12, 6},  {12, 7}, {13, 7},
                                        {14, 8}, {15, 9}, {16, 10}, {16, 11}, {16, 23}};
inline constexpr TSeedPair kSeed24[] = {{3, 26},  {4, 26},  {4, 27},  {5, 28},  {6, 29},
                                        {7, 29},  {7, 30},  {13, 10}, {13, 11}, {14, 11},
                                        {15, 12}, {16, 13}, {16, 14}};
inline constexpr TSeedPair kSeed25[] = {{3, 32},  {4, 32},  {4, 33},  {5, 34},  {6, 34}, {6, 35},
                                        {14, 15}, {14, 16}, {15, 16}, {16, 17}, {16, 18}};
inline constexpr TSeedPair kSeed26[] = {{3, 37},  {4, 37},  {4, 38},  {5, 38},  {5, 39}, {6, 38},
                                        {14, 22}, {15, 21}, {15, 22}, {16, 22}, {16, 23}};
inline constexpr TSeedPair kSeed33[] = {{6, 20},  {7, 20},  {7, 21},  {8, 22}, {9, 23},
                                        {10, 23}, {10, 24}, {20, 6},  {20, 7}, {21, 7},
                                        {22, 8},  {23, 9},  {23, 10}, {24, 10}};
inline constexpr TSeedPair kSeed34[] = {{6, 27},  {7, 27},  {7, 28},  {8, 29},  {9, 29},  {9, 30},
                                        {21, 10}, {21, 11}, {22, 11}, {23, 12}, {23, 13}, {24, 13}};
inline constexpr TSeedPair kSeed35[] = {{6, 33},  {7, 33},  {7, 34},  {8, 34},  {8, 35},
                                        {22, 15}, {22, 16}, {23, 16}, {23, 17}, {24, 17}};
inline constexpr TSeedPair kSeed36[] = {{6, 38}, {7, 39}, {23, 21}, {24, 22}};
inline constexpr TSeedPair kSeed44[] = {{10, 28}, {11, 28}, {11, 29}, {12, 30},
                                        {28, 10}, {28, 11}, {29, 11}, {30, 12}};
inline constexpr TSeedPair kSeed45[] = {{10, 34}, {11, 35}, {29, 15}, {30, 16}};
inline constexpr TSeedPair kSeed46[] = {{10, 39}, {30, 21}, {30, 22}};

inline constexpr TSeedPairTable SeedPairTables[] = {
    {2, 2, kSeed22}, {2, 3, kSeed23}, {2, 4, kSeed24}, {2, 5, kSeed25},
    {2, 6, kSeed26}, {3, 3, kSeed33}, {3, 4, kSeed34}, {3, 5, kSeed35},
    {3, 6, kSeed36}, {4, 4, kSeed44}, {4, 5, kSeed45}, {4, 6, kSeed46},
};

// The pairs for runs of lengths s <= l that cross; empty when there is no table for them.
inline std::span<const TSeedPair> SeedPairs(int s, int l) {
    for (const TSeedPairTable& table : SeedPairTables)
        if (table.ShortLength == s && table.LongLength == l) return table.Pairs;
    return {};
}

// The smallest and largest total of n distinct digits, for n = 2..8 (index n).
struct TExtremeTotals {
    std::int8_t Smallest;
    std::int8_t Largest;
};
inline constexpr TExtremeTotals ExtremeTotals[9] = {{0, 0},   {0, 0},   {3, 17},  {6, 24}, {10, 30},
                                                    {15, 35}, {21, 39}, {28, 42}, {36, 44}};

}  // namespace xs
