// The hints screen's state and layout numbers.
#include "hints/hints_state.h"

#include <algorithm>

#include "model/combinations.h"
#include "model/translate.h"

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

namespace {

constexpr const char* kNoBreakSpace = "\u00A0";
constexpr const char* kMinusSign = "\u2212";

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number, perhaps closing a clause or an item: "3", "3,", "3.".
bool NumberBeforePunctuation(std::string_view s) {
    if (!s.empty() && std::string_view(",.:;").find(s.back()) != std::string_view::npos) {
        s.remove_suffix(1);
    }
    return AllDigits(s);
}

bool Operator(std::string_view s) {
    return s == "+" || s == "-" || s == "=";
}

// "or" and "and" between two numbers, in English or the player's language.
bool Connector(std::string_view s) {
    return s == "or" || s == "and" || s == Tr("Texts", "or") || s == Tr("Texts", "and");
}

}  // namespace

std::string KeepSumsTogether(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0;;) {
        const std::size_t space = text.find(' ', start);
        words.push_back(text.substr(start, space - start));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    const auto at = [&](std::size_t i) { return i < words.size() ? words[i] : std::string_view(); };
    // Whether the space after word i stays on the line with word i + 1.
    const auto joined = [&](std::size_t i) {
        const std::string_view a = at(i);
        const std::string_view b = at(i + 1);
        if (Operator(a)) return NumberBeforePunctuation(b);
        if (AllDigits(a) && Operator(b)) return true;
        // A list: "1, 2", "1 or 2", "8 and 9".
        if (a.size() > 1 && a.back() == ',' && AllDigits(a.substr(0, a.size() - 1))) {
            return NumberBeforePunctuation(b);
        }
        if (AllDigits(a) && Connector(b)) return NumberBeforePunctuation(at(i + 2));
        if (Connector(a) && i > 0 && AllDigits(at(i - 1))) {
            return NumberBeforePunctuation(b);
        }
        return false;
    };
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool minus = words[i] == "-" && i > 0 && joined(i - 1) && joined(i);
        out += minus ? std::string_view(kMinusSign) : words[i];
        if (i + 1 < words.size()) out += joined(i) ? kNoBreakSpace : " ";
    }
    return out;
}

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
