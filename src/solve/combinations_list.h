// The combinations strip (every digit set of the selected clue, with its font fitted to the strip)
// and the values strip (which digits a chosen total and length allow), as data.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/canvas.h"
#include "solve/solve_types.h"

namespace xs {

constexpr int kMaxCombos = 12;  // 4 squares with total 20, 5 with 25
constexpr int kComboTextSize = 24;

// The strip's content for the selected clue.
struct TComboList {
    std::int32_t ComboCount = 0;  // 0..12
    // Each "+1,9" (still possible) or "-2,8" (contradicts a placed digit), NUL-terminated.
    char ComboTexts[kMaxCombos][kComboTextSize] = {};
    char Label1[kComboTextSize] = {};  // lblPoss1: "Combinations " or empty
    char Label2[kComboTextSize] = {};  // lblPoss2: "for T in n : " or empty
    // lblTestPoss: the widest caption a box must hold; its width is every box's width.
    char TestText[kComboTextSize] = {};

    // Combination i (0-based) with its prefix.
    std::string_view Text(int i) const { return ComboTexts[i]; }
    // The box caption: the combination without its prefix.
    std::string_view Caption(int i) const { return Text(i).empty() ? Text(i) : Text(i).substr(1); }
    // Drawn silver instead of black.
    bool Greyed(int i) const { return ComboTexts[i][0] == '-'; }
};

// Rebuilds the list from the selection; nothing selected (RunSquares <= 0) gives an empty list.
void ShowCombinations(const TSelectedRun& run, TComboList& list);

// The strip's size and its move button, in pixels.
struct TComboStripInput {
    int Width = 0;  // PanelPoss
    int Height = 0;
    bool AtSide = false;  // CombosAtSide
    int ButtonWidth = 0;  // bnMoveToSide (top) or bnMoveToTop (side)
    int ButtonHeight = 0;
};

// A box is as high as a line of text plus this.
constexpr int kComboBoxPadding = 4;

// Positions inside the strip.
struct TComboStripLayout {
    TRect Label1;
    TRect Label2;
    TRect Boxes[kMaxCombos];  // the first ComboCount are shown
    bool Fits = false;
};

// Places the labels and boxes with the font face/points, measured on `canvas`.
TComboStripLayout LayoutCombinations(const TComboList& list, const TComboStripInput& strip,
                                     TCanvas& canvas, std::string_view face, int points);

struct TComboFit {
    std::string_view Face;
    int Points = 0;
    TComboStripLayout Layout;
};

// Tries face/points first, then steps down through "Arial Narrow" and, below 8 points, "Small
// Fonts" to 4 points until the strip fits; when nothing fits the last try is kept.
TComboFit FitCombinations(const TComboList& list, const TComboStripInput& strip, TCanvas& canvas,
                          std::string_view face, int points);

// The values strip: a total 3..45 and a number of squares 2..9 chosen with spin buttons, and the
// digits they allow.
struct TValuesStrip {
    std::int32_t Total = 24;
    std::int32_t Squares = 3;
    std::uint8_t ValueFlags[10] = {};  // [d] = 1: digit d is possible; all 0 until the first click
    bool Valid = true;                 // false: "Not a valid combination" instead of the digits

    // Each click, also one at a limit, runs UpdateValues.
    void spnTotalUpClick();
    void spnTotalDownClick();
    void spnSquaresUpClick();
    void spnSquaresDownClick();
    void UpdateValues();
};

}  // namespace xs
