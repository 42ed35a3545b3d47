// The digit sets of every run length and sum, listed once.
#include "logic/logic_combos.h"

namespace xs {

namespace {

struct TComboTable {
    TCandidates Sets[512];
    int Start[10][46];
    int Size[10][46];
};

// Lists the sets with the digits above `last`, extending `set`, in ascending order of digits.
void Collect(TCandidates set, int n, int sum, int last,
             TCandidates (&sets)[10][46][kMaxCombinations], int (&size)[10][46]) {
    sets[n][sum][size[n][sum]++] = set;
    for (int d = last + 1; d <= 9; ++d)
        Collect(static_cast<TCandidates>(set | (1u << d)), n + 1, sum + d, d, sets, size);
}

TComboTable Build() {
    static TCandidates sets[10][46][kMaxCombinations];
    int size[10][46] = {};
    Collect(0, 0, 0, 0, sets, size);
    TComboTable t{};
    int at = 0;
    for (int n = 0; n <= 9; ++n)
        for (int s = 0; s <= 45; ++s) {
            t.Start[n][s] = at;
            t.Size[n][s] = size[n][s];
            for (int i = 0; i < size[n][s]; ++i) t.Sets[at++] = sets[n][s][i];
        }
    return t;
}

const TComboTable& Table() {
    static const TComboTable table = Build();
    return table;
}

template <typename TEach>
void ForEach(int open, int sum, TCandidates placed, TEach each) {
    if (open < 0 || open > 9 || sum < 0 || sum > 45) return;
    const TComboTable& t = Table();
    for (int i = 0; i < t.Size[open][sum]; ++i) {
        const TCandidates set = t.Sets[t.Start[open][sum] + i];
        if (!(set & placed)) each(set);
    }
}

}  // namespace

int Combinations(int open, int sum, TCandidates placed, TCandidates* out) {
    int n = 0;
    ForEach(open, sum, placed, [&](TCandidates set) {
        if (out != nullptr) out[n] = set;
        ++n;
    });
    return n;
}

int CombinationCount(int open, int sum, TCandidates placed) {
    return Combinations(open, sum, placed, nullptr);
}

TCandidates CombinationUnion(int open, int sum, TCandidates placed) {
    TCandidates all = 0;
    ForEach(open, sum, placed, [&](TCandidates set) { all = static_cast<TCandidates>(all | set); });
    return all;
}

TCandidates CombinationCommon(int open, int sum, TCandidates placed) {
    TCandidates common = kAllCandidates;
    bool any = false;
    ForEach(open, sum, placed, [&](TCandidates set) {
        common = static_cast<TCandidates>(common & set);
        any = true;
    });
    return any ? common : 0;
}

}  // namespace xs
