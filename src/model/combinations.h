// Which digits and which digit sets can fill a run of n squares that adds up to t.
#pragma once

#include <cstdint>
#include <string_view>

namespace xs {

// Ten flags for the digits 0..9, each 0 or 1.
using TDigitFlags = std::uint8_t[10];

// Possible digits per run length n = 1..9 and total t = 0..45; row 0 is unused.
struct TPossibleDigitsTable {
    std::uint8_t Flags[10][46][10];
};

constexpr int kMaxComboText = 150;

// Combination text per run length n = 1..9 and total t = 1..45 ("1,4 / 2,3").
struct TCombinationTable {
    char Text[10][46][kMaxComboText + 1];
};

const TPossibleDigitsTable& PossibleDigitsTable();
// Built on first use; the program calls it once at start-up.
const TCombinationTable& CombinationTable();

// Sets error to 0, then: for squares outside 1..9 or total outside 1..45 sets error to 1 and
// leaves flags untouched; otherwise copies the table's ten flags into flags.
void LookupPossibleDigits(std::int32_t squares, std::int32_t total, TDigitFlags& flags,
                          std::int32_t& error);

// The combination text for n squares and total t; empty outside n 1..9, t 1..45.
std::string_view CombinationText(int squares, int total);

}  // namespace xs
