// Writes src/generate/canned_layouts_data.cpp: 20 easy and 100 hard Large layouts from a seed.
//
// make_canned_layouts --seed S --out FILE [--tries N --successes M]
//
// Layouts come from the layout generator (1 star for the easy set, 5 stars for the hard one) and
// are kept when they have the stored sets' properties. With --tries, a layout is also kept only
// when the filler and the solver check turn it into a puzzle at least M times in N tries, so
// that the driver does not keep drawing layouts that never become puzzles.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "generate/canned_layouts.h"
#include "generate/fill.h"
#include "generate/layout.h"
#include "generate/verify.h"

namespace {

using xs::kGridCols;
using xs::kGridRows;

constexpr int kLarge = 2;
constexpr int kLastRow = kGridRows - 1;
constexpr int kLastCol = kGridCols - 1;

struct TSetRules {
    const char* Name;
    int Level;
    int Count;
    int MinBlack;
    int MaxBlack;
    int LongestRun;
};

constexpr TSetRules kEasy{"Easy", 1, xs::CannedEasyCount, 130, 151, 4};
constexpr TSetRules kHard{"Hard", 5, 100, 64, 79, 7};

using TText = std::vector<std::string>;  // kGridRows rows of kGridCols characters

TText ToText(const xs::TWorkGrid& work) {
    TText text(kGridRows, std::string(kGridCols, 'W'));
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridCols; ++c) {
            if (work.Cell[r][c].Kind == 1) text[r][c] = 'B';
        }
    }
    return text;
}

// The stored sets' properties: black border, half-turn symmetry of the interior, every white
// run 2..9 long, the longest exactly as the set says, and the black count in its range.
bool HasSetProperties(const TText& t, const TSetRules& rules) {
    for (int c = 0; c < kGridCols; ++c) {
        if (t[0][c] != 'B') return false;
    }
    int black = 0;
    for (int r = 1; r <= kLastRow; ++r) {
        if (t[r][0] != 'B') return false;
        for (int c = 1; c <= kLastCol; ++c) {
            if (t[r][c] != t[kLastRow + 1 - r][kLastCol + 1 - c]) return false;
            if (t[r][c] == 'B') ++black;
        }
    }
    if (black < rules.MinBlack || black > rules.MaxBlack) return false;
    int longest = 0;
    auto endRun = [&](int& run) {
        const bool ok = run != 1 && run <= 9;
        if (run > longest) longest = run;
        run = 0;
        return ok;
    };
    for (int r = 1; r <= kLastRow; ++r) {
        int run = 0;
        for (int c = 1; c <= kLastCol + 1; ++c) {
            if (c <= kLastCol && t[r][c] == 'W') {
                ++run;
            } else if (!endRun(run)) {
                return false;
            }
        }
    }
    for (int c = 1; c <= kLastCol; ++c) {
        int run = 0;
        for (int r = 1; r <= kLastRow + 1; ++r) {
            if (r <= kLastRow && t[r][c] == 'W') {
                ++run;
            } else if (!endRun(run)) {
                return false;
            }
        }
    }
    return longest == rules.LongestRun;
}

struct TRateFilter {
    int Tries = 0;  // 0: no rate filter
    int Successes = 1;
};

// Runs the driver's steps for one layout: fill (a failed fill once more), then the solver check.
bool MakesPuzzles(const TText& text, const TSetRules& rules, const TRateFilter& rate,
                  xs::TGenControl& control) {
    if (rate.Tries == 0) return true;
    static xs::TWorkGrid work;
    static xs::TPuzzleGrid puzzle;
    xs::TCannedLayout layout{};
    for (int r = 0; r < kGridRows; ++r) layout.Rows[r] = text[r].c_str();
    xs::TGridBounds bounds;
    xs::SetBoundsForSize(bounds, kLarge);
    int made = 0;
    for (int t = 0; t < rate.Tries; ++t) {
        std::memset(&work, 0, sizeof work);
        xs::CopyCannedLayout(layout, bounds, work);
        int result = xs::kFillFailed;
        for (int i = 0; i < 2 && result == xs::kFillFailed; ++i) {
            result = xs::FillPuzzle(rules.Level, kLarge, bounds, work, control);
        }
        if (result != xs::kFillDone) continue;
        std::memset(&puzzle, 0, sizeof puzzle);
        std::int32_t failed = 1;
        xs::VerifyAndExport(bounds, work, puzzle, failed);
        if (failed == 0 && ++made >= rate.Successes) return true;
    }
    return false;
}

std::vector<TText> MakeSet(const TSetRules& rules, const TRateFilter& rate,
                           xs::TGenControl& control) {
    std::vector<TText> set;
    static xs::TWorkGrid work;
    xs::TGridBounds bounds;
    xs::SetBoundsForSize(bounds, kLarge);
    long generated = 0;
    while (static_cast<int>(set.size()) < rules.Count) {
        std::memset(&work, 0, sizeof work);
        xs::GenerateLayout(rules.Level, kLarge, bounds, work, control);
        ++generated;
        const TText text = ToText(work);
        if (!HasSetProperties(text, rules)) continue;
        bool seen = false;
        for (const TText& other : set) seen = seen || other == text;
        if (seen || !MakesPuzzles(text, rules, rate, control)) continue;
        set.push_back(text);
        std::fprintf(stderr, "%s %d of %d (%ld layouts generated)\n", rules.Name,
                     static_cast<int>(set.size()), rules.Count, generated);
    }
    return set;
}

void WriteSet(std::FILE* out, const char* name, const std::vector<TText>& set) {
    std::fprintf(out, "const TCannedLayout k%s[] = {\n", name);
    for (const TText& text : set) {
        std::fprintf(out, "    {{\n");
        for (const std::string& row : text) std::fprintf(out, "        \"%s\",\n", row.c_str());
        std::fprintf(out, "    }},\n");
    }
    std::fprintf(out, "};\n\n");
}

int Usage() {
    std::fprintf(stderr,
                 "usage: make_canned_layouts --seed S --out FILE [--tries N --successes M]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t seed = 0;
    bool haveSeed = false;
    const char* outPath = nullptr;
    TRateFilter rate;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--seed") == 0 && hasValue) {
            seed = std::strtoull(argv[++i], nullptr, 10);
            haveSeed = true;
        } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
            outPath = argv[++i];
        } else if (std::strcmp(argv[i], "--tries") == 0 && hasValue) {
            rate.Tries = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--successes") == 0 && hasValue) {
            rate.Successes = std::atoi(argv[++i]);
        } else {
            return Usage();
        }
    }
    if (!haveSeed || outPath == nullptr || rate.Tries < 0 || rate.Successes < 1 ||
        (rate.Tries > 0 && rate.Successes > rate.Tries)) {
        return Usage();
    }

    xs::TRandom rng(seed);
    xs::TGenControl control;
    control.Rng = &rng;
    const std::vector<TText> easy = MakeSet(kEasy, rate, control);
    const std::vector<TText> hard = MakeSet(kHard, rate, control);

    std::FILE* out = std::fopen(outPath, "w");
    if (out == nullptr) {
        std::perror(outPath);
        return 1;
    }
    std::fprintf(out,
                 "// The canned Large layouts, written by tools/make_canned_layouts --seed %llu",
                 static_cast<unsigned long long>(seed));
    if (rate.Tries > 0) std::fprintf(out, " --tries %d --successes %d", rate.Tries, rate.Successes);
    std::fprintf(out, ".\n// Regenerate with the tool rather than edit by hand.\n");
    std::fprintf(out,
                 "#include \"generate/canned_layouts.h\"\n\nnamespace xs {\n\nnamespace {\n\n");
    WriteSet(out, "Easy", easy);
    WriteSet(out, "Hard", hard);
    std::fprintf(out, "}  // namespace\n\n");
    std::fprintf(out, "static_assert(sizeof kEasy / sizeof kEasy[0] == CannedEasyCount);\n");
    std::fprintf(out, "const std::int32_t CannedHardCount = sizeof kHard / sizeof kHard[0];\n\n");
    std::fprintf(out, "const TCannedLayout* CannedLayoutsEasy() {\n    return kEasy;\n}\n");
    std::fprintf(out, "const TCannedLayout* CannedLayoutsHard() {\n    return kHard;\n}\n\n");
    std::fprintf(out, "}  // namespace xs\n");
    if (std::fclose(out) != 0) {
        std::perror(outPath);
        return 1;
    }
    return 0;
}
