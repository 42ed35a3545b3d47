// The hints screen's state: which of its six pages is shown, the first-run overview's walk
// through them, the possible-values table, and the layout numbers of the screen.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xs {

constexpr int kHintsPages = 6;

// The overview caption of page 1..6, shown over the main tool bar during the overview.
extern const std::array<const char*, kHintsPages> kOverviewCaptions;
// The tab buttons bnXSums, bnSolve, bnExample, bnValues.
extern const std::array<const char*, 4> kHintsTabCaptions;
extern const char* const kOverviewNote;
// The first line of page 1's rules, which also sets where the overview buttons stand.
extern const char* const kFirstRulesLine;

// A text of the pages, UTF-8, with every sum and every list of digits kept on one line: the
// spaces inside "11 - 5 = 6", "1, 2 or 3" and "8 and 9" become no-break spaces, and the minus
// between two numbers a minus sign, after which no line may break as it may after a hyphen.
std::string KeepSumsTogether(std::string_view text);

// The page that shows the possible-values table.
constexpr int kValuesPage = 6;
constexpr int kMinValuesTotal = 3;
constexpr int kMaxValuesTotal = 45;
constexpr int kMinValuesSquares = 2;
constexpr int kMaxValuesSquares = 9;

// The possible-values table: a total and a number of squares, and the digits that can stand in
// such a run.
class TValuesTable {
public:
    TValuesTable() { Reset(); }

    int Total() const { return Total_; }
    int Squares() const { return Squares_; }
    // Possible[d]: digit d (1..9) can stand in the run; [0] unused.
    const std::uint8_t (&Possible() const)[10] { return Possible_; }
    // No digit can: no run of that many squares adds up to the total.
    bool Invalid() const { return Invalid_; }

    // Total 3 over 2 squares.
    void Reset();
    // The arrows beside the counters: one step down or up, never past the limits.
    void spnTotalClick(bool up);
    void spnSquaresClick(bool up);

private:
    void Refresh();

    int Total_ = kMinValuesTotal;
    int Squares_ = kMinValuesSquares;
    std::uint8_t Possible_[10] = {};
    bool Invalid_ = false;
};

class THintsState {
public:
    int Page() const { return Page_; }
    bool Overview() const { return Overview_; }

    // Showing the screen: page 1, in overview mode or with the tab bar.
    void Show(bool overview);
    // A tab button or an example page's Next/Previous; pages outside 1..6 are ignored. Entering
    // the values page starts its table again.
    void ShowPage(int page);
    // "Next" of the overview bar; returns true when it ends the overview (on page 6).
    bool OverviewNext();
    // "Previous" of the overview bar.
    void OverviewPrev();
    bool OverviewPrevVisible() const { return Page_ != 1; }

    const char* OverviewCaption() const { return kOverviewCaptions[Page_ - 1]; }
    // The tab button (0..3) behind which the highlight stands; pages 3 to 5 share one.
    int HighlightedTab() const;

    const TValuesTable& Values() const { return Values_; }
    TValuesTable& Values() { return Values_; }

private:
    void SetPage(int page);

    int Page_ = 1;
    TValuesTable Values_;
    bool Overview_ = false;
};

// Layout numbers of the tab bar for a screen `width` wide.
struct THintsTabLayout {
    int ButtonWidth = 0;
    int ButtonHeight = 0;
    int BarHeight = 0;
    std::array<int, 4> ButtonLefts{};  // the buttons' top is 7
};
THintsTabLayout LayoutHintsTabs(int width, int widestCaption, int textHeight, int radioIndent);

// The overview bar: 80 high on screens over 700, a tenth of the height over 600, else 34.
int OverviewBarHeight(int screenHeight);
// Left of "Previous": centred under page 1's first text line, 50 further left, at least 10.
int OverviewPrevLeft(int screenWidth, int firstLineWidth);

// The tops of groups of the given heights spread down a page `height` high: equal gaps above,
// between and below them, each at most maxGap, and the whole centred. Groups taller than the
// page together start at 0 and follow each other without gaps.
std::vector<int> SpreadGroups(const std::vector<int>& heights, int height, int maxGap);

}  // namespace xs
