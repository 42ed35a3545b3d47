// The hints screen's state: which of its six pages is shown, the first-run overview's walk
// through them, and the layout numbers of its tab and overview bars.
#pragma once

#include <array>

namespace xs {

constexpr int kHintsPages = 6;

// The overview caption of page 1..6, shown over the main tool bar during the overview.
extern const std::array<const char*, kHintsPages> kOverviewCaptions;
// The tab buttons bnXSums, bnSolve, bnExample, bnValues.
extern const std::array<const char*, 4> kHintsTabCaptions;
extern const char* const kOverviewNote;
// The first line of page 1's rules, which also sets where the overview buttons stand.
extern const char* const kFirstRulesLine;

class THintsState {
public:
    int Page() const { return Page_; }
    bool Overview() const { return Overview_; }

    // Showing the screen: page 1, in overview mode or with the tab bar.
    void Show(bool overview);
    // A tab button or an example page's Next/Previous; pages outside 1..6 are ignored.
    void ShowPage(int page);
    // "Next" of the overview bar; returns true when it ends the overview (on page 6).
    bool OverviewNext();
    // "Previous" of the overview bar.
    void OverviewPrev();
    bool OverviewPrevVisible() const { return Page_ != 1; }

    const char* OverviewCaption() const { return kOverviewCaptions[Page_ - 1]; }
    // The tab button (0..3) behind which the highlight stands; pages 3 to 5 share one.
    int HighlightedTab() const;

private:
    int Page_ = 1;
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

}  // namespace xs
