// The hints screen's state and layout numbers.
#include "hints/hints_state.h"

#include <algorithm>

#include "model/combinations.h"

namespace xs {

const std::array<const char*, kHintsPages> kOverviewCaptions{
    "Overview - Page 1 of 6 : What are Cross Sums Puzzles ?",
    "Overview - Page 2 of 6 : How to use the 'Solve' screen.",
    "Overview - Page 3 of 6 : Examples 1",
    "Overview - Page 4 of 6 : Examples 2",
    "Overview - Page 5 of 6 : Examples 3",
    "Overview - Page 6 of 6 : Possible Values",
};
const std::array<const char*, 4> kHintsTabCaptions{"What are Cross Sums ?", "Solve screen",
                                                   "Example", "Possible Values"};
const char* const kOverviewNote =
    "This screen is available at any time by pressing the 'Hints' button.";
const char* const kFirstRulesLine =
    "A Cross Sums Puzzle consists of a crossword grid where the numbers in the white squares "
    "add up to ";

void TValuesTable::Reset() {
    Total_ = kMinValuesTotal;
    Squares_ = kMinValuesSquares;
    Refresh();
}

void TValuesTable::spnTotalClick(bool up) {
    if (up && Total_ < kMaxValuesTotal) ++Total_;
    if (!up && Total_ > kMinValuesTotal) --Total_;
    Refresh();
}

void TValuesTable::spnSquaresClick(bool up) {
    if (up && Squares_ < kMaxValuesSquares) ++Squares_;
    if (!up && Squares_ > kMinValuesSquares) --Squares_;
    Refresh();
}

void TValuesTable::Refresh() {
    TDigitFlags flags = {};
    std::int32_t error = 0;
    LookupPossibleDigits(Squares_, Total_, flags, error);
    Invalid_ = true;
    for (int d = 0; d <= 9; ++d) {
        Possible_[d] = d >= 1 && error == 0 && flags[d] != 0 ? 1 : 0;
        if (Possible_[d] != 0) Invalid_ = false;
    }
}

void THintsState::Show(bool overview) {
    Overview_ = overview;
    SetPage(1);
}

void THintsState::SetPage(int page) {
    Page_ = page;
    if (page == kValuesPage) Values_.Reset();
}

void THintsState::ShowPage(int page) {
    if (page >= 1 && page <= kHintsPages) SetPage(page);
}

bool THintsState::OverviewNext() {
    if (Page_ < kHintsPages) {
        SetPage(Page_ + 1);
        return false;
    }
    Overview_ = false;
    return true;
}

void THintsState::OverviewPrev() {
    if (Page_ > 1) SetPage(Page_ - 1);
}

int THintsState::HighlightedTab() const {
    if (Page_ <= 2) return Page_ - 1;
    return Page_ == kHintsPages ? 3 : 2;
}

THintsTabLayout LayoutHintsTabs(int width, int widestCaption, int textHeight, int radioIndent) {
    THintsTabLayout layout;
    layout.ButtonWidth = widestCaption + radioIndent;
    layout.ButtonHeight = textHeight * 3 / 2;
    layout.BarHeight = layout.ButtonHeight + 14;
    const int gap = std::min(50, std::max(0, (width - 4 * layout.ButtonWidth) / 5));
    const int row = 4 * layout.ButtonWidth + 3 * gap;
    int left = std::max(0, (width - row) / 2);
    for (int& l : layout.ButtonLefts) {
        l = left;
        left += layout.ButtonWidth + gap;
    }
    return layout;
}

int OverviewBarHeight(int screenHeight) {
    if (screenHeight > 700) return 80;
    if (screenHeight > 600) return screenHeight / 10;
    return 34;
}

int OverviewPrevLeft(int screenWidth, int firstLineWidth) {
    return std::max(10, (screenWidth - firstLineWidth) / 2 - 50);
}

std::vector<int> SpreadGroups(const std::vector<int>& heights, int height, int maxGap) {
    int block = 0;
    for (const int h : heights) block += h;
    const int count = static_cast<int>(heights.size());
    const int gap = std::clamp((height - block) / (count + 1), 0, std::max(0, maxGap));
    int top = std::max(0, (height - block - (count - 1) * gap) / 2);
    std::vector<int> tops;
    tops.reserve(heights.size());
    for (const int h : heights) {
        tops.push_back(top);
        top += h + gap;
    }
    return tops;
}

}  // namespace xs
