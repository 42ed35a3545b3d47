// The two combination tables, derived from the rule: n distinct digits 1..9 summing to t.
#include "model/combinations.h"

#include <cstring>

namespace xs {

namespace {

constexpr TPossibleDigitsTable BuildPossibleDigits() {
    TPossibleDigitsTable table{};
    // One square: only the digit equal to the total, for totals 0..9.
    for (int t = 0; t <= 9; ++t) table.Flags[1][t][t] = 1;
    // Two or more squares: every digit of every subset of 1..9 with that size and sum.
    for (unsigned mask = 1; mask < (1u << 9); ++mask) {
        int n = 0;
        int sum = 0;
        for (int d = 1; d <= 9; ++d) {
            if (mask & (1u << (d - 1))) {
                ++n;
                sum += d;
            }
        }
        if (n < 2) continue;
        for (int d = 1; d <= 9; ++d)
            if (mask & (1u << (d - 1))) table.Flags[n][sum][d] = 1;
    }
    return table;
}

constexpr TPossibleDigitsTable kPossibleDigits = BuildPossibleDigits();

// Appends the combinations of n digits from `first`..9 summing to `total`, ascending, in
// lexicographic order, to text.
void AppendCombos(char* text, int n, int total, int first, char* prefix, int prefixLen) {
    if (n == 0) {
        if (total != 0) return;
        if (text[0] != '\0') std::strcat(text, " / ");
        std::strncat(text, prefix, static_cast<std::size_t>(prefixLen));
        return;
    }
    for (int d = first; d <= 9 && d <= total; ++d) {
        char* at = prefix + prefixLen;
        int len = prefixLen;
        if (len > 0) {
            *at++ = ',';
            ++len;
        }
        *at = static_cast<char>('0' + d);
        AppendCombos(text, n - 1, total - d, d + 1, prefix, len + 1);
    }
}

TCombinationTable BuildCombinationTable() {
    TCombinationTable table;
    std::memset(&table, 0, sizeof table);
    char prefix[20];
    for (int n = 2; n <= 9; ++n)
        for (int t = 1; t <= 45; ++t) AppendCombos(table.Text[n][t], n, t, 1, prefix, 0);
    return table;
}

}  // namespace

const TPossibleDigitsTable& PossibleDigitsTable() {
    return kPossibleDigits;
}

const TCombinationTable& CombinationTable() {
    static const TCombinationTable table = BuildCombinationTable();
    return table;
}

void LookupPossibleDigits(std::int32_t squares, std::int32_t total, TDigitFlags& flags,
                          std::int32_t& error) {
    error = 0;
    if (squares < 1 || squares > 9 || total < 1 || total > 45) {
        error = 1;
        return;
    }
    std::memcpy(flags, kPossibleDigits.Flags[squares][total], sizeof flags);
}

std::string_view CombinationText(int squares, int total) {
    if (squares < 1 || squares > 9 || total < 1 || total > 45) return {};
    return CombinationTable().Text[squares][total];
}

}  // namespace xs
